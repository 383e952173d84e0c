#pragma once
// The services of the operating system that the tool uses, with one
// implementation per system (platform_posix.cpp, platform_win32.cpp).

#include <cstdio>

// Gives standard output the buffering of a console program: none on a
// terminal, so a message without a line feed shows at once; a 4096-byte
// buffer when standard output is redirected.
void configureStandardOutput();

enum class FileType { regular, directory, other };

// What kind of file an open stream reads: only a regular file can be read
// again from its start; a directory is no input at all.
FileType fileTypeOf(FILE* file);

// Brings the usage error to the user after the usage text has been written:
// a message box on Windows, a line on standard error elsewhere.
void showUsageError(const char* text);

// The exit status that reports count errors: the count itself where the
// system keeps it whole, else capped so that it never reads as success.
int exitStatusForCount(int count);
