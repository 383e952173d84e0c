#include "tables/table_fill.h"

#include "defines/define_grammar.h"
#include "defines/line_reader.h"
#include "platform/messages.h"

#include <cstring>

namespace {

const char kSignalGroupHeader[] = "\n\n/* Vul signaalgroep conversie tabel */\n";
const char kDetectorHeader[] = "\n\n /* Vul detector conversie tabel */\n";
const char kHeaderRule[] = " /* ---------------------------- */\n\n";
const char kClosingLine[] =
    "}                                                     /* convFillTables */";

// Room for the longest line written: the closing line and its two line feeds.
const size_t kOutputLineCapacity = 96;

struct FillState {
    const OutputStream& output;
    const char* outputLabel;
    bool signalGroupHeaderWritten;
    bool detectorHeaderWritten;
    int errorCount;
};

bool writeString(const OutputStream& output, const char* text) {
    return writeText(output, text, std::strlen(text)) > 0;
}

// Writes a header comment and, only when that succeeded, the rule under it.
// A failed header is reported once and never tried again.
void writeHeaderOnce(FillState& state, bool& written, const char* comment, const char* failure) {
    if (written) return;
    written = true;
    if (writeString(state.output, comment) && writeString(state.output, kHeaderRule)) return;
    writeMessage(failure);
    ++state.errorCount;
}

char* appendText(char* out, const char* text) {
    const size_t length = std::strlen(text);
    std::memcpy(out, text, length);
    return out + length;
}

// Appends value in decimal (values here are never negative).
char* appendNumber(char* out, int value) {
    char digits[12];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    while (count > 0) *out++ = digits[--count];
    return out;
}

// Writes line followed by ending in one write; a failure names the line,
// without its ending, and counts one error.
void writeOutputLine(FillState& state, const char* line, size_t length, const char* ending) {
    char text[kOutputLineCapacity];
    std::memcpy(text, line, length);
    const char* end = appendText(text + length, ending);
    if (writeText(state.output, text, static_cast<size_t>(end - text)) > 0) return;
    writeMessage(formatMessage("%s : De regel '%.*s' kon niet worden geschreven\n",
                               state.outputLabel, static_cast<int>(length), line));
    ++state.errorCount;
}

// Writes "   <table>[<index>] = <value>;".
void writeStatement(FillState& state, const char* table, int index, int value) {
    char line[kOutputLineCapacity];
    char* end = appendText(line, "   ");
    end = appendText(end, table);
    *end++ = '[';
    end = appendNumber(end, index);
    end = appendText(end, "] = ");
    end = appendNumber(end, value);
    writeOutputLine(state, line, static_cast<size_t>(end - line), ";\n");
}

void writeSignalGroup(FillState& state, const DefineEntry& entry) {
    writeHeaderOnce(state, state.signalGroupHeaderWritten, kSignalGroupHeader,
                    "De header van signaalgroepen kan niet worden geschreven");
    writeStatement(state, "convSGItoSGN", entry.index, entry.sgn);
}

void writeDetector(FillState& state, const DefineEntry& entry) {
    writeHeaderOnce(state, state.detectorHeaderWritten, kDetectorHeader,
                    "De header van detectoren kan niet worden geschreven");
    writeStatement(state, "convDTItoSGN", entry.index, entry.sgn);
    writeStatement(state, "convDTItoDTN", entry.index, entry.dtn);
}

}  // namespace

int writeTableFill(TextInput& input, const OutputStream& output, const char* inputName,
                   const char* outputLabel) {
    const std::unique_ptr<char[]> line = newLineBuffer();
    FillState state{output, outputLabel, false, false, 0};
    for (int lineNumber = 1;; ++lineNumber) {
        const int read = readLine(input, kLineLimit, line.get());
        if (read == kEndOfInput) break;
        if (read == kReadFailed) {
            reportReadFailure(inputName);
            ++state.errorCount;
            break;
        }
        DefineEntry entry{};
        switch (parseDefineLine(inputName, lineNumber, line.get(), entry)) {
        case DefineKind::signalGroup: writeSignalGroup(state, entry); break;
        case DefineKind::detector: writeDetector(state, entry); break;
        case DefineKind::error: ++state.errorCount; break;
        case DefineKind::ignored: break;
        }
    }
    // The function is closed whatever happened before, so conv.c stays
    // C source; the count tells the caller that something is missing.
    writeOutputLine(state, kClosingLine, sizeof kClosingLine - 1, "\n\n");
    return state.errorCount;
}
