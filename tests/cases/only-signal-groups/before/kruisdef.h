/* kruispunt */
#define SG01 1
#define SG02 2
