/* kruispunt */
#define SG01 1
#define SG01_1 2
#define SG3 4
#define SG03 1000
#define SG03 0x1F
#define SG03_123 7
#define SG03_1 257
#define SG03_2 7.5
#define SG3_1 7
#define SG03_2
#define SG04
#define SG04 4
#define SG04_1 00256
