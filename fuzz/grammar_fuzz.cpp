// Fuzzes the define grammar with arbitrary bytes as one line: both forms must
// agree on the kind and on the diagnostic, a diagnostic must be one line of
// the diagnostic form, and the values must lie within their ranges.

#include "defines/define_grammar.h"
#include "memory_streams.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

bool inRange(int value, int low, int high) { return value >= low && value <= high; }

void checkDiagnostic(DefineKind kind, const std::string& messages) {
    if (kind != DefineKind::error) {
        require(messages.empty());
        return;
    }
    const std::string prefix = "kruisdef.h (42) : ";
    require(messages.compare(0, prefix.size(), prefix) == 0);
    require(messages.find('\n') == messages.size() - 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    MessageCapture messages;

    DefineEntry entry{-1, -1, -1};
    const DefineKind parsed = parseDefineLine("kruisdef.h", 42, line.c_str(), entry);
    const std::string parseMessages = messages.take();
    const DefineKind checked = checkDefineLine("kruisdef.h", line.c_str(), 42);
    require(parsed == checked);
    require(parseMessages == messages.take());
    checkDiagnostic(parsed, parseMessages);

    if (parsed == DefineKind::signalGroup) {
        require(inRange(entry.sgn, 0, 999) && inRange(entry.index, 0, kLargestSignalGroupIndex));
        require(entry.dtn == -1);
    }
    if (parsed == DefineKind::detector) {
        require(inRange(entry.sgn, 0, 999) && inRange(entry.dtn, 0, 99));
        require(inRange(entry.index, 0, kLargestDetectorIndex));
    }
    return 0;
}
