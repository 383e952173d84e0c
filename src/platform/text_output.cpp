#include "platform/text_output.h"

#include <cstring>

namespace {

// Writes the buffer out; the buffered bytes are gone either way, as with any
// stream whose write failed.
bool flushBuffer(TextOutput& output) {
    const size_t used = output.used;
    output.used = 0;
    return used == 0 || std::fwrite(output.buffer, 1, used, output.file) == used;
}

// Appends bytes to the buffer, writing the buffer out whenever it is full.
bool putBytes(TextOutput& output, const char* bytes, size_t count) {
    bool ok = true;
    while (count > 0) {
        if (output.used == kTextOutputBufferSize) ok = flushBuffer(output) && ok;
        const size_t room = kTextOutputBufferSize - output.used;
        const size_t piece = count < room ? count : room;
        std::memcpy(output.buffer + output.used, bytes, piece);
        output.used += piece;
        bytes += piece;
        count -= piece;
    }
    return ok;
}

long writeToTextOutput(void* context, const char* text, size_t length) {
    TextOutput& output = *static_cast<TextOutput*>(context);
    const char* const end = text + length;
    bool ok = true;
    for (const char* run = text; run < end;) {
        const char* lineFeed =
            static_cast<const char*>(std::memchr(run, '\n', static_cast<size_t>(end - run)));
        const char* const runEnd = lineFeed ? lineFeed : end;
        ok = putBytes(output, run, static_cast<size_t>(runEnd - run)) && ok;
        if (lineFeed == nullptr) break;
        ok = putBytes(output, "\r\n", 2) && ok;
        run = lineFeed + 1;
    }
    return ok ? static_cast<long>(length) : -1;
}

}  // namespace

void initTextOutput(TextOutput& output, FILE* file) {
    output.file = file;
    output.used = 0;
}

OutputStream textOutputStream(TextOutput& output) {
    return OutputStream{&output, writeToTextOutput};
}

int closeTextOutput(TextOutput& output) {
    const bool flushed = flushBuffer(output);
    const bool closed = std::fclose(output.file) == 0;
    output.file = nullptr;
    return flushed && closed ? 0 : -1;
}
