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
    "}                                                     /* convFillTables */\n\n";
const size_t kClosingLineEnds = 2;

// Room for the longest statement: two numbers of up to 11 characters.
const size_t kOutputLineCapacity = 64;

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

// The beginning of a statement, up to its subscript: the same length for
// every table.
const size_t kStatementStartLength = 16;
const char kSignalGroupToNumber[] = "   convSGItoSGN[";
const char kDetectorToSignalGroup[] = "   convDTItoSGN[";
const char kDetectorToNumber[] = "   convDTItoDTN[";
static_assert(sizeof kSignalGroupToNumber == kStatementStartLength + 1 &&
                  sizeof kDetectorToSignalGroup == kStatementStartLength + 1 &&
                  sizeof kDetectorToNumber == kStatementStartLength + 1,
              "statement starts differ in length");

// Appends text; called with constant lengths, so the copy compiles to moves.
inline char* appendText(char* out, const char* text, size_t length) {
    std::memcpy(out, text, length);
    return out + length;
}

// Appends value, which is never negative here, in decimal. Values below 1000,
// all that the grammar lets through, take no loop and no call.
char* appendNumber(char* out, int value) {
    if (value >= 1000) {  // kept right all the same
        out = appendNumber(out, value / 10);
        value %= 10;
    }
    if (value < 10) {
        out[0] = static_cast<char>('0' + value);
        return out + 1;
    }
    if (value < 100) {
        out[0] = static_cast<char>('0' + value / 10);
        out[1] = static_cast<char>('0' + value % 10);
        return out + 2;
    }
    out[0] = static_cast<char>('0' + value / 100);
    out[1] = static_cast<char>('0' + value / 10 % 10);
    out[2] = static_cast<char>('0' + value % 10);
    return out + 3;
}

// Writes text, a line and its line ends, in one write. A failure names the
// line, its first lineLength characters, and counts one error.
void writeOutputLine(FillState& state, const char* text, size_t length, size_t lineLength) {
    if (writeText(state.output, text, length) > 0) return;
    writeMessage(formatMessage("%s : De regel '%.*s' kon niet worden geschreven\n",
                               state.outputLabel, static_cast<int>(lineLength), text));
    ++state.errorCount;
}

// Writes "   <table>[<index>] = <value>;".
void writeStatement(FillState& state, const char* start, int index, int value) {
    char text[kOutputLineCapacity];
    char* end = appendText(text, start, kStatementStartLength);
    end = appendNumber(end, index);
    end = appendText(end, "] = ", 4);
    end = appendNumber(end, value);
    const size_t lineLength = static_cast<size_t>(end - text);
    end = appendText(end, ";\n", 2);
    writeOutputLine(state, text, static_cast<size_t>(end - text), lineLength);
}

void writeSignalGroup(FillState& state, const DefineEntry& entry) {
    writeHeaderOnce(state, state.signalGroupHeaderWritten, kSignalGroupHeader,
                    "De header van signaalgroepen kan niet worden geschreven");
    writeStatement(state, kSignalGroupToNumber, entry.index, entry.sgn);
}

void writeDetector(FillState& state, const DefineEntry& entry) {
    writeHeaderOnce(state, state.detectorHeaderWritten, kDetectorHeader,
                    "De header van detectoren kan niet worden geschreven");
    writeStatement(state, kDetectorToSignalGroup, entry.index, entry.sgn);
    writeStatement(state, kDetectorToNumber, entry.index, entry.dtn);
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
    const size_t closingLength = sizeof kClosingLine - 1;
    writeOutputLine(state, kClosingLine, closingLength, closingLength - kClosingLineEnds);
    return state.errorCount;
}
