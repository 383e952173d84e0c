/* kruispunt */
#define SG1 1
#define SG01 1
#define SG01_1 2
