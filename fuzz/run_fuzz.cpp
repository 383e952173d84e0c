// Fuzzes a whole run, the pre-check and then the conversion, on an arbitrary
// header. The first byte sets how many bytes each read delivers, so CRs, line
// feeds and Ctrl-Z land on every block boundary. Checked: small reads and
// whole blocks give the same run; a refused header writes nothing; the output
// is header comments and statements only, well formed and in range, closed
// by the closing line; the count is the number of diagnostics.

#include "defines/pre_check.h"
#include "memory_streams.h"
#include "tables/table_fill.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const std::string kSignalGroupHeader = "\n\n/* Vul signaalgroep conversie tabel */\n";
const std::string kDetectorHeader = "\n\n /* Vul detector conversie tabel */\n";
const std::string kRule = " /* ---------------------------- */\n\n";
const std::string kClosingLine =
    "}                                                     /* convFillTables */\n\n";

void require(bool condition) {
    if (!condition) std::abort();
}

struct RunResult {
    bool passed = false;
    int preCheckErrors = 0;
    std::string preCheckMessages;
    int count = 0;
    std::vector<std::string> writes;
    std::string messages;

    bool operator==(const RunResult& other) const {
        return passed == other.passed && preCheckErrors == other.preCheckErrors &&
               preCheckMessages == other.preCheckMessages && count == other.count &&
               writes == other.writes && messages == other.messages;
    }
};

RunResult runOnHeader(const std::string& header, size_t chunkSize) {
    MemoryInput input(header, chunkSize);
    MessageCapture messages;
    RunResult result;
    result.passed = preCheckInput(input.text, "kruisdef.h", result.preCheckErrors) == 1;
    result.preCheckMessages = messages.take();
    if (!result.passed) return result;
    RecordingOutput output;
    result.count = writeTableFill(input.text, output.stream(), "kruisdef.h", "CONV.C");
    result.writes = output.writes;
    result.messages = messages.take();
    return result;
}

// Reads a decimal number without leading zeros at text[at]; false if none.
bool readNumber(const std::string& text, size_t& at, int& value) {
    const size_t start = at;
    value = 0;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9' && at - start < 9)
        value = value * 10 + (text[at++] - '0');
    return at > start && (text[start] != '0' || at == start + 1);
}

// True when write is "   <table>[<index>] = <value>;\n".
bool parseStatement(const std::string& write, const std::string& table, int& index, int& value) {
    const std::string open = "   " + table + "[";
    if (write.compare(0, open.size(), open) != 0) return false;
    size_t at = open.size();
    if (!readNumber(write, at, index) || write.compare(at, 4, "] = ") != 0) return false;
    at += 4;
    return readNumber(write, at, value) && write.compare(at, std::string::npos, ";\n") == 0;
}

bool inRange(int value, int high) { return value >= 0 && value <= high; }

// Steps over a header comment and the rule under it; it may stand once.
void takeHeader(const std::vector<std::string>& writes, size_t& i, bool& seen) {
    require(!seen);
    seen = true;
    require(writes[++i] == kRule);
}

void checkOutput(const std::vector<std::string>& writes) {
    require(!writes.empty() && writes.back() == kClosingLine);
    bool signalGroupHeader = false;
    bool detectorHeader = false;
    for (size_t i = 0; i + 1 < writes.size(); ++i) {
        int index = 0;
        int value = 0;
        if (writes[i] == kSignalGroupHeader) {
            takeHeader(writes, i, signalGroupHeader);
        } else if (writes[i] == kDetectorHeader) {
            takeHeader(writes, i, detectorHeader);
        } else if (parseStatement(writes[i], "convSGItoSGN", index, value)) {
            require(signalGroupHeader && inRange(index, 999) && inRange(value, 999));
        } else {
            require(parseStatement(writes[i], "convDTItoSGN", index, value));
            require(detectorHeader && inRange(index, 256) && inRange(value, 999));
            int sameIndex = 0;
            int dtn = 0;
            require(parseStatement(writes[++i], "convDTItoDTN", sameIndex, dtn));
            require(sameIndex == index && inRange(dtn, 99));
        }
    }
}

int countLines(const std::string& text) {
    int lines = 0;
    for (char c : text) lines += c == '\n';
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const size_t chunkSize = 1 + data[0] % 16;
    const std::string header(reinterpret_cast<const char*>(data) + 1, size - 1);

    const RunResult run = runOnHeader(header, chunkSize);
    require(run == runOnHeader(header, kTextBlockSize));
    if (!run.passed) {
        require(run.writes.empty());
        return 0;
    }
    require(run.preCheckErrors == 0);
    checkOutput(run.writes);
    require(run.count == countLines(run.messages));
    return 0;
}
