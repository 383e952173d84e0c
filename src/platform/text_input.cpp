#include "platform/text_input.h"

#include <cstring>

namespace {

const char kCtrlZ = '\x1a';

void resetDecoder(TextInput& input) {
    input.next = 0;
    input.end = 0;
    input.carriageReturnPending = false;
    input.ended = false;
    input.failed = false;
}

// Drops every CR that stands right before an LF in block[0, count), in
// place; returns the new count. Hops from CR to CR: text between them moves
// as a whole.
size_t squeezeCarriageReturns(char* block, size_t count) {
    const char* const limit = block + count;
    const char* in = static_cast<const char*>(std::memchr(block, '\r', count));
    if (in == nullptr) return count;
    char* out = block + (in - block);
    for (;;) {  // in is at a CR
        if (in + 1 < limit && in[1] == '\n') ++in;
        const void* nextCarriageReturn =
            std::memchr(in + 1, '\r', static_cast<size_t>(limit - (in + 1)));
        const char* const runEnd =
            nextCarriageReturn ? static_cast<const char*>(nextCarriageReturn) : limit;
        std::memmove(out, in, static_cast<size_t>(runEnd - in));
        out += runEnd - in;
        if (runEnd == limit) return static_cast<size_t>(out - block);
        in = runEnd;
    }
}

// Decodes count raw bytes in block (a carried CR included) into characters.
size_t decodeBlock(TextInput& input, size_t count) {
    const void* ctrlZ = std::memchr(input.block, kCtrlZ, count);
    if (ctrlZ != nullptr) {
        count = static_cast<size_t>(static_cast<const char*>(ctrlZ) - input.block);
        input.ended = true;
    }
    // A CR at the very end may be the first half of a CR LF split over two
    // reads: keep it back until the next byte is known.
    if (!input.ended && count > 0 && input.block[count - 1] == '\r') {
        input.carriageReturnPending = true;
        --count;
    }
    return squeezeCarriageReturns(input.block, count);
}

// Reads and decodes the next raw block: false at the end or after an error.
bool refill(TextInput& input) {
    while (input.next == input.end) {
        if (input.ended) return false;
        size_t carried = 0;
        if (input.carriageReturnPending) {
            input.block[0] = '\r';
            carried = 1;
            input.carriageReturnPending = false;
        }
        const long count =
            input.source.read(input.source.context, input.block + carried, kTextBlockSize);
        input.next = 0;
        if (count < 0) {
            input.failed = input.ended = true;
            input.end = 0;
            return false;
        }
        if (count == 0) input.ended = true;  // a carried CR at the very end stays a CR
        input.end = decodeBlock(input, carried + static_cast<size_t>(count));
    }
    return true;
}

}  // namespace

void initTextInput(TextInput& input, ByteSource source) {
    input.source = source;
    resetDecoder(input);
}

long peekText(TextInput& input, const char** characters) {
    if (!refill(input)) return input.failed ? -1 : 0;
    *characters = input.block + input.next;
    return static_cast<long>(input.end - input.next);
}

void consumeText(TextInput& input, size_t count) { input.next += count; }

int rewindTextInput(TextInput& input) {
    resetDecoder(input);
    return input.source.rewind(input.source.context);
}
