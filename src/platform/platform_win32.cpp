#include "platform/platform.h"

#include <io.h>
#include <sys/stat.h>
#include <windows.h>

void configureStandardOutput() {
    // Standard output stays in text mode: its line feeds reach the console,
    // a pipe or a file as CR LF, as from any Windows console program.
    if (_isatty(_fileno(stdout)))
        std::setvbuf(stdout, nullptr, _IONBF, 0);
    else
        std::setvbuf(stdout, nullptr, _IOFBF, 4096);
}

FileType fileTypeOf(FILE* file) {
    struct _stat status;
    if (_fstat(_fileno(file), &status) != 0) return FileType::other;
    switch (status.st_mode & _S_IFMT) {
    case _S_IFREG: return FileType::regular;
    case _S_IFDIR: return FileType::directory;
    default: return FileType::other;
    }
}

void showUsageError(const char* text) {
    std::fflush(stdout);
    MessageBoxA(nullptr, text, "Tabelsmid", MB_OK);
}

int exitStatusForCount(int count) {
    return count;  // a Windows exit status holds the whole count
}
