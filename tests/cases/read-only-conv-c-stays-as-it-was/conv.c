/* conv.c */
void convFillTables(void)
{
