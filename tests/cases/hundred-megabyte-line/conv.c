

/* Vul signaalgroep conversie tabel */
 /* ---------------------------- */

   convSGItoSGN[1] = 1;


 /* Vul detector conversie tabel */
 /* ---------------------------- */

   convDTItoSGN[2] = 1;
   convDTItoDTN[2] = 1;
   convSGItoSGN[3] = 2;
}                                                     /* convFillTables */

