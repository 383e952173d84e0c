

/* Vul signaalgroep conversie tabel */
 /* ---------------------------- */

   convSGItoSGN[1] = 1;
   convSGItoSGN[2] = 2;
}                                                     /* convFillTables */

