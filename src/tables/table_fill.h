#pragma once
// The conversion: turns every signal-group and detector define of the header
// into the statements that fill the controller's conversion tables, appended
// to conv.c inside the function convFillTables:
//
//   convSGItoSGN[index] = sgn;   signal-group index -> signal group number
//   convDTItoSGN[index] = sgn;   detector index -> its signal group number
//   convDTItoDTN[index] = dtn;   detector index -> its detector number

#include "platform/streams.h"
#include "platform/text_input.h"

// Reads input from its first line to its end and writes to output a header
// comment before the first statement of each kind, the statements in the
// order of the defines, and the closing line of convFillTables, also when a
// line or a write failed. Malformed defines and failed writes are reported
// (inputName and outputLabel name the two files in messages) and counted;
// returns the count.
int writeTableFill(TextInput& input, const OutputStream& output, const char* inputName,
                   const char* outputLabel);
