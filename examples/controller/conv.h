/* conv.h -- the conversion tables of the controller, from internal index to
 * the numbers that people use. conv.c fills them in convFillTables(). */
#ifndef CONV_H
#define CONV_H

extern int convSGItoSGN[1000]; /* signal-group index -> signal group number */
extern int convDTItoSGN[257];  /* detector index -> its signal group number */
extern int convDTItoDTN[257];  /* detector index -> its detector number */

void convFillTables(void);

#endif /* CONV_H */
