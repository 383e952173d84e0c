#pragma once
// The tool's messages: each one is composed in full (however long the file
// name in it) and then written unchanged to standard output. Names typed by
// the user are only ever arguments of a format, never the format itself.

#include "platform/streams.h"

#include <string>

#if defined(__GNUC__)
#define TABELSMID_PRINTF_FORMAT(formatIndex, firstArgument) \
    __attribute__((format(printf, formatIndex, firstArgument)))
#else
#define TABELSMID_PRINTF_FORMAT(formatIndex, firstArgument)
#endif

// Composes a message from a printf format and its arguments.
std::string formatMessage(const char* format, ...) TABELSMID_PRINTF_FORMAT(1, 2);

// Writes message to standard output (or where redirectMessages points).
void writeMessage(const std::string& message);

// Sends every later message to output instead of standard output; nullptr
// restores standard output. For tests.
void redirectMessages(const OutputStream* output);
