/* ÿ */
#define SG01 1 /* ÿ */
#define SG01_1 2
#define SG02ÿ 3
#define SG02 3
