/* kruispunt */
#define SG01_1 1
#define SG02_1 2
