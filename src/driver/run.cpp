#include "driver/run.h"

#include "defines/pre_check.h"
#include "platform/files.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "platform/text_input.h"
#include "platform/text_output.h"
#include "tables/table_fill.h"

namespace {

// The file the conversion appends to, always in the working directory; the
// second argument only names it in messages.
const char kOutputFileName[] = "conv.c";

const int kOpenFailedStatus = 1;

int answerWithUsage() {
    writeMessage("TABELSMID.EXE  versie 1.03\n");
    writeMessage("Genereer het blok, signaalgroep en detectornummer conversie bestand\n");
    writeMessage("\n");
    writeMessage("gebruik   : TABELSMID <invoer> <uitvoer>\n");
    writeMessage("voorbeeld : TABELSMID KRUISDEF.H CONV.C\n");
    showUsageError("opstart parameter verkeerd\n");
    return 0;
}

void reportOpenFailure(const char* name) {
    writeMessage(formatMessage("Het bestand '%s' kon niet worden geopend.", name));
}

// Appends the conversion of input to conv.c: returns the exit status.
int convertInto(TextInput& input, const char* inputName, const char* outputLabel) {
    FILE* file = openOutputFile(kOutputFileName);
    if (file == nullptr) {
        reportOpenFailure(outputLabel);
        return kOpenFailedStatus;
    }
    TextOutput output;
    initTextOutput(output, file);
    int errorCount = writeTableFill(input, textOutputStream(output), inputName, outputLabel);
    // What was buffered reaches the disk only now: a full disk shows here.
    if (closeTextOutput(output) != 0) {
        writeMessage(formatMessage("%s : Het bestand conv.c kon niet volledig worden geschreven\n",
                                   outputLabel));
        ++errorCount;
    }
    return exitStatusForCount(errorCount);
}

// Checks, then converts, the open input: returns the exit status.
int convertInput(TextInput& input, const char* inputName, const char* outputLabel) {
    int refusals = 0;
    if (!preCheckInput(input, inputName, refusals))
        return exitStatusForCount(refusals > 0 ? refusals : 1);  // refused is never success
    return convertInto(input, inputName, outputLabel);
}

}  // namespace

int runTabelsmid(int argc, char** argv) {
    if (argc < 2) return answerWithUsage();
    const char* inputName = argv[1];
    const char* outputLabel = argc > 2 ? argv[2] : "(null)";

    InputFile file;
    if (!openInputFile(inputName, file)) {
        reportOpenFailure(inputName);
        return kOpenFailedStatus;
    }
    TextInput input;
    initTextInput(input, inputFileSource(file));
    const int status = convertInput(input, inputName, outputLabel);
    closeInputFile(file);
    return status;
}
