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

// Copies text to out with every line feed as CR LF; returns the new end.
char* storeWithCrLf(char* out, const char* text, size_t length) {
    const char* const end = text + length;
    for (;;) {
        const void* lineFeed = std::memchr(text, '\n', static_cast<size_t>(end - text));
        const char* const runEnd = lineFeed ? static_cast<const char*>(lineFeed) : end;
        std::memcpy(out, text, static_cast<size_t>(runEnd - text));
        out += runEnd - text;
        if (lineFeed == nullptr) return out;
        *out++ = '\r';
        *out++ = '\n';
        text = runEnd + 1;
        if (text == end) return out;
    }
}

bool putByte(TextOutput& output, char byte) {
    const bool ok = output.used < kTextOutputBufferSize || flushBuffer(output);
    output.buffer[output.used++] = byte;
    return ok;
}

// Stores text with every line feed as CR LF. The buffer is written out
// whenever it is full and another byte comes, exactly as a stdio stream with
// a buffer of this size would.
long writeToTextOutput(void* context, const char* text, size_t length) {
    TextOutput& output = *static_cast<TextOutput*>(context);
    if (length <= (kTextOutputBufferSize - output.used) / 2) {
        // Room for the text even if it were all line feeds: no flush can come.
        output.used = static_cast<size_t>(storeWithCrLf(output.buffer + output.used, text, length) -
                                          output.buffer);
        return static_cast<long>(length);
    }
    bool ok = true;
    for (size_t i = 0; i < length; ++i) {
        if (text[i] == '\n') ok = putByte(output, '\r') && ok;
        ok = putByte(output, text[i]) && ok;
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
