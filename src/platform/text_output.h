#pragma once
// Writing conv.c in the text mode of Windows, on every platform: every line
// feed is stored as CR LF. The file itself is opened in binary mode; this
// writer does the conversion and keeps an ordinary 4096-byte buffer, so a
// write is judged by its own result and a failure of the disk shows at the
// write that fills the buffer, or else at closing.

#include "platform/streams.h"

#include <cstddef>
#include <cstdio>

constexpr size_t kTextOutputBufferSize = 4096;

struct TextOutput {
    FILE* file;  // binary, unbuffered: this writer buffers
    char buffer[kTextOutputBufferSize];
    size_t used;
};

// Takes over file (opened in binary mode) as the destination of output.
void initTextOutput(TextOutput& output, FILE* file);

// The OutputStream through which the passes write to output.
OutputStream textOutputStream(TextOutput& output);

// Writes out what is buffered and closes the file: returns 0, or -1 when
// either failed. The file is closed in every case.
int closeTextOutput(TextOutput& output);
