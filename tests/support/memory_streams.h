#pragma once
// In-memory streams for the tests, fuzz targets and benchmarks: an input that can arrive in small
// pieces and fail at a chosen byte, outputs that record or fail chosen
// writes, and a capture of the messages that would go to standard output.

#include "platform/messages.h"
#include "platform/streams.h"
#include "platform/text_input.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

// Raw input bytes, handed out at most chunkSize at a time; reading the byte
// at failAt (when set) is a read error, and rewinding fails when asked to.
struct MemorySource {
    std::string bytes;
    size_t chunkSize = 4096;
    size_t failAt = std::string::npos;
    bool rewindFails = false;
    size_t position = 0;

    ByteSource source() { return ByteSource{this, read, rewind}; }

    static long read(void* context, char* buffer, size_t capacity) {
        MemorySource& self = *static_cast<MemorySource*>(context);
        if (self.position == self.failAt) return -1;
        size_t count = std::min({capacity, self.chunkSize, self.bytes.size() - self.position});
        if (self.failAt != std::string::npos && self.position < self.failAt)
            count = std::min(count, self.failAt - self.position);
        self.bytes.copy(buffer, count, self.position);
        self.position += count;
        return static_cast<long>(count);
    }

    static int rewind(void* context) {
        MemorySource& self = *static_cast<MemorySource*>(context);
        if (self.rewindFails) return -1;
        self.position = 0;
        return 0;
    }
};

// A TextInput over a MemorySource that the fixture keeps alive.
struct MemoryInput {
    MemorySource memory;
    TextInput text;

    explicit MemoryInput(std::string bytes, size_t chunkSize = 4096) {
        memory.bytes = std::move(bytes);
        memory.chunkSize = chunkSize;
        initTextInput(text, memory.source());
    }
};

// Records every write; the writes numbered in failing (1 is the first) fail
// with failResult and leave nothing behind.
struct RecordingOutput {
    std::vector<std::string> writes;  // every attempted write, failed ones too
    std::string text;                 // what was written successfully
    std::set<int> failing;
    long failResult = -1;

    OutputStream stream() { return OutputStream{this, write}; }

    static long write(void* context, const char* text, size_t length) {
        RecordingOutput& self = *static_cast<RecordingOutput*>(context);
        self.writes.emplace_back(text, length);
        if (self.failing.count(static_cast<int>(self.writes.size())) > 0) return self.failResult;
        self.text.append(text, length);
        return static_cast<long>(length);
    }
};

// Collects the messages written while it lives.
class MessageCapture {
  public:
    MessageCapture() { redirectMessages(&stream_); }
    ~MessageCapture() { redirectMessages(nullptr); }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    // Everything written so far, and forgets it.
    std::string take() {
        std::string all = std::move(output_.text);
        output_.text.clear();
        return all;
    }

  private:
    RecordingOutput output_;
    OutputStream stream_ = output_.stream();
};
