/* kruisdef.h -- nummering van signaalgroepen en detectoren
 * Kruispunt Stationsweg / Molenlaan, regelaar K101
 *
 * SGnn      : signaalgroep nn en zijn interne index
 * SGnn_d    : detector d van signaalgroep nn en zijn interne index
 */

#ifndef KRUISDEF_H
#define KRUISDEF_H

/* Signaalgroepen: motorvoertuigen */
#define SG02     0
#define SG03     1
#define SG05     2
#define SG08     3
#define SG09     4
#define SG11     5

/* Signaalgroepen: fietsers en voetgangers */
#define SG22     6
#define SG24     7
#define SG28     8
#define SG31     9
#define SG32     10
#define SG38     11

/* Detectoren: koplus (1), lange lus (2), verweglus (3) en drukknop (8, 9) */
#define SG02_1   0
#define SG02_2   1
#define SG02_3   2
#define SG02_4   3
#define SG03_1   4
#define SG03_2   5
#define SG03_3   6
#define SG03_4   7
#define SG05_1   8
#define SG05_2   9
#define SG05_3   10
#define SG05_4   11
#define SG05_5   12
#define SG08_1   13
#define SG08_2   14
#define SG08_3   15
#define SG08_4   16
#define SG09_1   17
#define SG09_2   18
#define SG09_3   19
#define SG09_4   20
#define SG11_1   21
#define SG11_2   22
#define SG11_3   23
#define SG11_4   24
#define SG22_1   25
#define SG22_2   26
#define SG22_8   27
#define SG24_1   28
#define SG24_2   29
#define SG24_8   30
#define SG28_1   31
#define SG28_2   32
#define SG28_8   33
#define SG31_8   34
#define SG31_9   35
#define SG32_8   36
#define SG32_9   37
#define SG38_8   38
#define SG38_9   39

/* Overige definities: geen signaalgroepen of detectoren */
#define DPMAX        40
#define FCMAX        12
#define TMAX_GROEN   300   /* tienden van seconden */
#define KRUISPUNTNR  101

#endif /* KRUISDEF_H */
