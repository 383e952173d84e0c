/* A stand-in for the controller program: fills the conversion tables and
 * prints their non-zero entries, one per line, table by table. */
#include <stdio.h>

#include "conv.h"

static void printTable(const char *name, const int *table, int size)
{
    int index;
    for (index = 0; index < size; ++index) {
        if (table[index] != 0) printf("%s[%d] = %d\n", name, index, table[index]);
    }
}

int main(void)
{
    convFillTables();
    printTable("convSGItoSGN", convSGItoSGN, 1000);
    printTable("convDTItoSGN", convDTItoSGN, 257);
    printTable("convDTItoDTN", convDTItoDTN, 257);
    return 0;
}
