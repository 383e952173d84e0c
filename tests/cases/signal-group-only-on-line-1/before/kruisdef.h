#define SG01 1
/* detectoren */
#define SG01_1 2
