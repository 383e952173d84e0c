/* conv.c -- generated: this prologue, then the statements that tabelsmid
 * appends from kruisdef.h, then the closing brace that it appends too. */
#include "conv.h"

int convSGItoSGN[1000];
int convDTItoSGN[257];
int convDTItoDTN[257];

void convFillTables(void)
{
