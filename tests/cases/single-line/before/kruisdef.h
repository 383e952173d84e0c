#define SG01 1
