

/* Vul signaalgroep conversie tabel */
 /* ---------------------------- */

   convSGItoSGN[0] = 2;
   convSGItoSGN[1] = 3;
   convSGItoSGN[2] = 5;
   convSGItoSGN[3] = 8;
   convSGItoSGN[4] = 9;
   convSGItoSGN[5] = 11;
   convSGItoSGN[6] = 22;
   convSGItoSGN[7] = 24;
   convSGItoSGN[8] = 28;
   convSGItoSGN[9] = 31;
   convSGItoSGN[10] = 32;
   convSGItoSGN[11] = 38;


 /* Vul detector conversie tabel */
 /* ---------------------------- */

   convDTItoSGN[0] = 2;
   convDTItoDTN[0] = 1;
   convDTItoSGN[1] = 2;
   convDTItoDTN[1] = 2;
   convDTItoSGN[2] = 2;
   convDTItoDTN[2] = 3;
   convDTItoSGN[3] = 2;
   convDTItoDTN[3] = 4;
   convDTItoSGN[4] = 3;
   convDTItoDTN[4] = 1;
   convDTItoSGN[5] = 3;
   convDTItoDTN[5] = 2;
   convDTItoSGN[6] = 3;
   convDTItoDTN[6] = 3;
   convDTItoSGN[7] = 3;
   convDTItoDTN[7] = 4;
   convDTItoSGN[8] = 5;
   convDTItoDTN[8] = 1;
   convDTItoSGN[9] = 5;
   convDTItoDTN[9] = 2;
   convDTItoSGN[10] = 5;
   convDTItoDTN[10] = 3;
   convDTItoSGN[11] = 5;
   convDTItoDTN[11] = 4;
   convDTItoSGN[12] = 5;
   convDTItoDTN[12] = 5;
   convDTItoSGN[13] = 8;
   convDTItoDTN[13] = 1;
   convDTItoSGN[14] = 8;
   convDTItoDTN[14] = 2;
   convDTItoSGN[15] = 8;
   convDTItoDTN[15] = 3;
   convDTItoSGN[16] = 8;
   convDTItoDTN[16] = 4;
   convDTItoSGN[17] = 9;
   convDTItoDTN[17] = 1;
   convDTItoSGN[18] = 9;
   convDTItoDTN[18] = 2;
   convDTItoSGN[19] = 9;
   convDTItoDTN[19] = 3;
   convDTItoSGN[20] = 9;
   convDTItoDTN[20] = 4;
   convDTItoSGN[21] = 11;
   convDTItoDTN[21] = 1;
   convDTItoSGN[22] = 11;
   convDTItoDTN[22] = 2;
   convDTItoSGN[23] = 11;
   convDTItoDTN[23] = 3;
   convDTItoSGN[24] = 11;
   convDTItoDTN[24] = 4;
   convDTItoSGN[25] = 22;
   convDTItoDTN[25] = 1;
   convDTItoSGN[26] = 22;
   convDTItoDTN[26] = 2;
   convDTItoSGN[27] = 22;
   convDTItoDTN[27] = 8;
   convDTItoSGN[28] = 24;
   convDTItoDTN[28] = 1;
   convDTItoSGN[29] = 24;
   convDTItoDTN[29] = 2;
   convDTItoSGN[30] = 24;
   convDTItoDTN[30] = 8;
   convDTItoSGN[31] = 28;
   convDTItoDTN[31] = 1;
   convDTItoSGN[32] = 28;
   convDTItoDTN[32] = 2;
   convDTItoSGN[33] = 28;
   convDTItoDTN[33] = 8;
   convDTItoSGN[34] = 31;
   convDTItoDTN[34] = 8;
   convDTItoSGN[35] = 31;
   convDTItoDTN[35] = 9;
   convDTItoSGN[36] = 32;
   convDTItoDTN[36] = 8;
   convDTItoSGN[37] = 32;
   convDTItoDTN[37] = 9;
   convDTItoSGN[38] = 38;
   convDTItoDTN[38] = 8;
   convDTItoSGN[39] = 38;
   convDTItoDTN[39] = 9;
}                                                     /* convFillTables */

