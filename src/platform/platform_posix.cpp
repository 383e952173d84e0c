#include "platform/platform.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A POSIX exit status keeps 8 bits: a count of 256 would read as 0.
const int kLargestExitStatus = 255;

}  // namespace

void configureStandardOutput() {
    if (isatty(STDOUT_FILENO))
        std::setvbuf(stdout, nullptr, _IONBF, 0);
    else
        std::setvbuf(stdout, nullptr, _IOFBF, 4096);
}

FileType fileTypeOf(FILE* file) {
    struct stat status;
    if (fstat(fileno(file), &status) != 0) return FileType::other;
    switch (status.st_mode & S_IFMT) {
    case S_IFREG: return FileType::regular;
    case S_IFDIR: return FileType::directory;
    default: return FileType::other;
    }
}

void showUsageError(const char* text) {
    std::fflush(stdout);
    std::fputs("Tabelsmid: ", stderr);
    std::fputs(text, stderr);
}

int exitStatusForCount(int count) {
    return count > kLargestExitStatus ? kLargestExitStatus : count;
}
