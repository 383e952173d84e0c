/* x */
#define SG01 1
#define SG01_1 2
#define SG3 1
