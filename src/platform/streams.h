#pragma once
// The two byte-stream interfaces that the passes work on. They are plain
// structs of a context pointer and functions, so that the grammar and the
// passes run the same on files, on memory and on streams made to fail.

#include <cstddef>

// Where raw input bytes come from.
struct ByteSource {
    void* context;
    // Reads up to capacity bytes into buffer: returns how many (0 at the end
    // of the input) or -1 after a read error.
    long (*read)(void* context, char* buffer, size_t capacity);
    // Positions the source at its first byte again: returns 0, or -1 when
    // the source cannot go back.
    int (*rewind)(void* context);
};

// Where text goes: conv.c, standard output, or a test's capture.
struct OutputStream {
    void* context;
    // One formatted write: returns the number of characters accepted (the
    // whole text) or -1 when the write failed.
    long (*write)(void* context, const char* text, size_t length);
};

// Writes text through output; the write succeeded when the result is positive.
inline long writeText(const OutputStream& output, const char* text, size_t length) {
    return output.write(output.context, text, length);
}
