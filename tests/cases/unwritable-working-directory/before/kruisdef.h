/* kruispunt */
#define SG01 1
#define SG01_1 2
#define SG02 3
