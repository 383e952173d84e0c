#pragma once
// Cutting the input header into lines.

#include "platform/text_input.h"

#include <memory>

// readLine's results besides a line.
constexpr int kEndOfInput = -1;
constexpr int kReadFailed = -2;

// The limit that both passes read with, and so the size of their line
// buffers. The grammar only needs the beginning of a line (the first '#', the
// name, the value and the character after it); a longer line is still read
// up to its line feed, but only its first kLineLimit - 1 characters are kept,
// so memory stays bounded whatever the input.
constexpr int kLineLimit = 65536;

// A pass's line buffer of kLineLimit characters, left uninitialised: readLine
// writes every character that is read back.
inline std::unique_ptr<char[]> newLineBuffer() {
    return std::unique_ptr<char[]>(new char[kLineLimit]);
}

// Reads the next line into buffer: every character up to and including the
// line feed (a NUL byte is stored like any other), of which at most limit - 1
// are kept, then a terminating NUL. A last line without a line feed is a
// line too. Returns the number of characters kept (at least 1), kEndOfInput
// when no character is left, or kReadFailed after a read error.
int readLine(TextInput& input, int limit, char* buffer);

// Writes the message for a read error on inputName, which ends a pass.
void reportReadFailure(const char* inputName);
