#include "platform/files.h"

#include "platform/platform.h"

namespace {

long readFromSpool(InputFile& input, char* buffer, size_t capacity) {
    const size_t count = std::fread(buffer, 1, capacity, input.spool);
    if (count > 0) return static_cast<long>(count);
    if (std::ferror(input.spool)) return -1;
    // Everything read so far has been replayed: go on with the pipe, and
    // keep copying it (switching the spool from reading to writing needs a seek).
    input.replaying = false;
    return std::fseek(input.spool, 0, SEEK_END) == 0 ? 0 : -1;
}

long readInputFile(void* context, char* buffer, size_t capacity) {
    InputFile& input = *static_cast<InputFile*>(context);
    if (input.replaying) {
        const long replayed = readFromSpool(input, buffer, capacity);
        if (replayed != 0) return replayed;
    }
    const size_t count = std::fread(buffer, 1, capacity, input.file);
    if (count == 0) return std::ferror(input.file) ? -1 : 0;
    if (input.spool != nullptr && std::fwrite(buffer, 1, count, input.spool) != count) return -1;
    return static_cast<long>(count);
}

int rewindInputFile(void* context) {
    InputFile& input = *static_cast<InputFile*>(context);
    if (input.spool == nullptr) {
        if (std::fseek(input.file, 0, SEEK_SET) != 0) return -1;
        std::clearerr(input.file);
        return 0;
    }
    if (std::fflush(input.spool) != 0 || std::fseek(input.spool, 0, SEEK_SET) != 0) return -1;
    input.replaying = true;
    return 0;
}

}  // namespace

bool openInputFile(const char* path, InputFile& input) {
    input.file = std::fopen(path, "rb");
    input.spool = nullptr;
    input.replaying = false;
    if (input.file == nullptr) return false;
    const FileType type = fileTypeOf(input.file);
    if (type == FileType::directory) {
        std::fclose(input.file);
        return false;
    }
    // TextInput reads in blocks of its own; a second buffer would only copy.
    std::setvbuf(input.file, nullptr, _IONBF, 0);
    // Without a scratch file a pipe cannot be read twice; the rewind then
    // fails and the run says so before conv.c is opened.
    if (type == FileType::other) input.spool = std::tmpfile();
    return true;
}

ByteSource inputFileSource(InputFile& input) {
    return ByteSource{&input, readInputFile, rewindInputFile};
}

void closeInputFile(InputFile& input) {
    if (input.spool != nullptr) std::fclose(input.spool);
    std::fclose(input.file);
}

FILE* openOutputFile(const char* path) {
    FILE* file = std::fopen(path, "ab");
    if (file != nullptr) std::setvbuf(file, nullptr, _IONBF, 0);
    return file;
}
