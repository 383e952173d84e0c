#define SG01 1
#define SG01_1 1
