#include "platform/messages.h"

#include <cstdarg>
#include <cstdio>

namespace {

const OutputStream* redirectedMessages = nullptr;

}  // namespace

std::string formatMessage(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    va_list measuring;
    va_copy(measuring, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    std::string message;
    if (length > 0) {
        message.resize(static_cast<size_t>(length));
        // vsnprintf writes its NUL into the string's own terminator slot.
        std::vsnprintf(&message[0], message.size() + 1, format, arguments);
    }
    va_end(arguments);
    return message;
}

void writeMessage(const std::string& message) {
    if (redirectedMessages != nullptr)
        writeText(*redirectedMessages, message.data(), message.size());
    else
        std::fwrite(message.data(), 1, message.size(), stdout);
}

void redirectMessages(const OutputStream* output) { redirectedMessages = output; }
