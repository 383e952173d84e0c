#include "defines/pre_check.h"

#include "defines/define_grammar.h"
#include "defines/line_reader.h"
#include "platform/messages.h"

namespace {

// So many malformed lines say that this is no header worth checking further.
const int kMalformedLinesBeforeGivingUp = 6;

bool refuseUnreadable(const char* inputName, int& errorCount) {
    reportReadFailure(inputName);
    ++errorCount;
    return false;
}

// The verdict on the lines of input, before rewinding: true to pass.
bool checkHeaderLines(TextInput& input, const char* inputName, char* line, int& errorCount) {
    const int first = readLine(input, kLineLimit, line);
    if (first == kReadFailed) return refuseUnreadable(inputName, errorCount);
    if (first == kEndOfInput) {
        writeMessage(formatMessage("Het bestand %s is leeg.\n", inputName));
        return false;
    }
    // The first line is not checked here; the conversion judges it.
    bool seenSignalGroup = false;
    bool seenDetector = false;
    for (int lineNumber = 2;; ++lineNumber) {
        const int read = readLine(input, kLineLimit, line);
        if (read == kReadFailed) return refuseUnreadable(inputName, errorCount);
        if (read == kEndOfInput) break;
        switch (checkDefineLine(inputName, line, lineNumber)) {
        case DefineKind::signalGroup: seenSignalGroup = true; break;
        case DefineKind::detector: seenDetector = true; break;
        case DefineKind::error: ++errorCount; break;
        case DefineKind::ignored: break;
        }
        if (errorCount >= kMalformedLinesBeforeGivingUp) break;
        if (seenSignalGroup && seenDetector) return true;
    }
    if (!seenSignalGroup) {
        writeMessage(formatMessage("Signaalgroepen ontbreken in %s\n", inputName));
        return false;
    }
    writeMessage(formatMessage("Waarschuwing: detectoren ontbreken in %s\n", inputName));
    return true;  // a crossing without detectors is a valid crossing
}

}  // namespace

int preCheckInput(TextInput& input, const char* inputName, int& errorCount) {
    const std::unique_ptr<char[]> line = newLineBuffer();
    errorCount = 0;
    const bool passed = checkHeaderLines(input, inputName, line.get(), errorCount);
    if (rewindTextInput(input) != 0 && passed) {
        writeMessage(formatMessage(
            "Het bestand %s kan niet opnieuw vanaf het begin worden gelezen.\n", inputName));
        ++errorCount;
    }
    return passed && errorCount == 0 ? 1 : 0;
}
