#include "defines/line_reader.h"

#include "platform/messages.h"

#include <cstring>

int readLine(TextInput& input, int limit, char* buffer) {
    const size_t capacity = static_cast<size_t>(limit) - 1;
    size_t kept = 0;
    bool lineStarted = false;
    for (;;) {
        const char* characters = nullptr;
        const long available = peekText(input, &characters);
        if (available < 0) return kReadFailed;
        if (available == 0) break;
        lineStarted = true;
        const size_t count = static_cast<size_t>(available);
        const void* lineFeed = std::memchr(characters, '\n', count);
        const size_t taken =
            lineFeed ? static_cast<size_t>(static_cast<const char*>(lineFeed) - characters) + 1
                     : count;
        const size_t keep = taken < capacity - kept ? taken : capacity - kept;
        std::memcpy(buffer + kept, characters, keep);
        kept += keep;
        consumeText(input, taken);
        if (lineFeed != nullptr) break;
    }
    buffer[kept] = '\0';
    return lineStarted ? static_cast<int>(kept) : kEndOfInput;
}

void reportReadFailure(const char* inputName) {
    writeMessage(formatMessage("Het bestand %s kon niet worden gelezen.\n", inputName));
}
