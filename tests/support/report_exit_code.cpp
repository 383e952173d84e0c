// Windows test helper: runs the command line that follows its own name and
// writes the command's exit status, whole, as the last line of standard
// error. Wine hands a POSIX parent only the low 8 bits of an exit status, and
// the Windows build's tests must see a count above 255 as it is.
//   report_exit_code.exe tabelsmid.exe kruisdef.h CONV.C

#include <windows.h>

#include <cstdio>

namespace {

// The command line after this program's own name, as Windows passed it.
wchar_t* commandAfterOwnName() {
    wchar_t* p = GetCommandLineW();
    if (*p == L'"') {
        ++p;
        while (*p != L'\0' && *p != L'"') ++p;
        if (*p == L'"') ++p;
    } else {
        while (*p != L'\0' && *p != L' ' && *p != L'\t') ++p;
    }
    while (*p == L' ' || *p == L'\t') ++p;
    return p;
}

}  // namespace

int main() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandAfterOwnName(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "report_exit_code: cannot start the command (error %lu)\n",
                     GetLastError());
        return 125;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    std::fprintf(stderr, "tabelsmid-exit-status: %lu\n", status);
    return static_cast<int>(status);
}
