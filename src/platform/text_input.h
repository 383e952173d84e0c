#pragma once
// Reading a header in the text mode of Windows, on every platform: a CR LF
// pair reads as one line feed, a lone CR is an ordinary character, and a
// Ctrl-Z byte (0x1A) ends the input. The raw bytes come from a ByteSource
// opened in binary mode, so this one decoder serves Windows and POSIX alike.

#include "platform/streams.h"

#include <cstddef>

// Raw bytes are read in blocks of this size: few system calls, and a
// block stays in the processor's cache while it is decoded and parsed.
constexpr size_t kTextBlockSize = 65536;

struct TextInput {
    ByteSource source;
    char block[kTextBlockSize + 1];  // decoded characters; +1 for a carried CR
    size_t next;                     // first decoded character not yet consumed
    size_t end;                      // one past the last decoded character
    bool carriageReturnPending;      // the last raw block ended in a CR
    bool ended;                      // end of file or Ctrl-Z met: read no more
    bool failed;                     // the source reported a read error
};

// Starts decoding source from its current position.
void initTextInput(TextInput& input, ByteSource source);

// Makes decoded characters available: returns how many (at least 1) and
// points *characters at them; 0 at the end of the input; -1 after a read
// error. The characters stay valid until the next call on input.
long peekText(TextInput& input, const char** characters);

// Marks count characters of those that peekText offered as read.
void consumeText(TextInput& input, size_t count);

// Goes back to the first character: returns 0, or -1 when the source cannot
// be rewound. End-of-input, error and carried-CR state are cleared.
int rewindTextInput(TextInput& input);
