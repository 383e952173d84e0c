#pragma once
// The pre-check: a look at the beginning of the header before conv.c is
// opened, so that a header that is plainly not a kruisdef.h (empty, without
// signal groups, or malformed early on) never reaches conv.c.

#include "platform/text_input.h"

// Checks input from its start, from the second line on, until a signal-group
// define and a detector define have both been seen, the input ends, or the
// sixth malformed line. Writes its diagnostics and verdict messages, rewinds
// input to its start on every path, and sets errorCount to the number of
// problems it reported (malformed lines, a read error, a failed rewind).
// Returns 1 when the conversion may run, 0 when the input is refused.
int preCheckInput(TextInput& input, const char* inputName, int& errorCount);
