#pragma once
// The two files of a run: the input header, read as raw bytes (the text-mode
// conventions are TextInput's), and conv.c, appended to in binary mode (the
// line ends are TextOutput's).

#include "platform/streams.h"

#include <cstdio>

// An open input header. An input that cannot seek, such as a pipe, is copied
// to a scratch file as it is read, so that the conversion can read it again
// from the start after the pre-check.
struct InputFile {
    FILE* file;
    FILE* spool;     // the copy of what was read from a pipe, or nullptr
    bool replaying;  // reading back from spool rather than from file
};

// Opens path for reading: false when it is missing, unreadable or a directory.
bool openInputFile(const char* path, InputFile& input);

// The ByteSource that reads input and rewinds it.
ByteSource inputFileSource(InputFile& input);

void closeInputFile(InputFile& input);

// Opens path for appending in binary mode, creating it when missing, with no
// stdio buffer (TextOutput has its own): nullptr on failure.
FILE* openOutputFile(const char* path);
