

/* Vul signaalgroep conversie tabel */
 /* ---------------------------- */

   convSGItoSGN[1] = 1;


 /* Vul detector conversie tabel */
 /* ---------------------------- */

   convDTItoSGN[2] = 1;
   convDTItoDTN[2] = 1;
   convSGItoSGN[4] = 4;
   convDTItoSGN[256] = 4;
   convDTItoDTN[256] = 1;
}                                                     /* convFillTables */

