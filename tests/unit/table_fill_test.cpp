#include "tables/table_fill.h"

#include "memory_streams.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kClosingBody =
    "}                                                     /* convFillTables */";
const std::string kSignalGroupHeader = "\n\n/* Vul signaalgroep conversie tabel */\n";
const std::string kDetectorHeader = "\n\n /* Vul detector conversie tabel */\n";
const std::string kRule = " /* ---------------------------- */\n\n";

struct FillRun {
    RecordingOutput output;
    std::string messages;
    int errorCount;
};

// Converts bytes into a RecordingOutput whose writes in failing fail.
FillRun fill(const std::string& bytes, std::set<int> failing = {}, long failResult = -1) {
    FillRun run;
    run.output.failing = std::move(failing);
    run.output.failResult = failResult;
    MemoryInput input(bytes);
    MessageCapture messages;
    run.errorCount = writeTableFill(input.text, run.output.stream(), "kruisdef.h", "CONV.C");
    run.messages = messages.take();
    return run;
}

TEST(TableFill, WritesHeadersStatementsAndClosingLineInInputOrder) {
    const FillRun run = fill("/* kruispunt */\n#define SG01 1\n#define SG01_1 2\n#define SG02 3\n");
    EXPECT_EQ(run.output.writes,
              (std::vector<std::string>{kSignalGroupHeader, kRule, "   convSGItoSGN[1] = 1;\n",
                                        kDetectorHeader, kRule, "   convDTItoSGN[2] = 1;\n",
                                        "   convDTItoDTN[2] = 1;\n", "   convSGItoSGN[3] = 2;\n",
                                        kClosingBody + "\n\n"}));
    EXPECT_EQ(run.errorCount, 0);
    EXPECT_EQ(run.messages, "");
}

TEST(TableFill, InputWithoutDefinesStillGetsTheClosingLine) {
    const FillRun run = fill("");
    EXPECT_EQ(run.output.text, kClosingBody + "\n\n");
    EXPECT_EQ(run.errorCount, 0);
}

TEST(TableFill, OnlyDetectorsGetNoSignalGroupHeader) {
    const FillRun run = fill("#define SG123_45 256\n");
    EXPECT_EQ(run.output.text, kDetectorHeader + kRule + "   convDTItoSGN[256] = 123;\n" +
                                   "   convDTItoDTN[256] = 45;\n" + kClosingBody + "\n\n");
}

TEST(TableFill, MalformedDefineIsCountedAndTheNextOneStillConverted) {
    const FillRun run = fill("#define SG3 1\n#define SG03_1 1000\n#define SG04 4\n");
    EXPECT_EQ(run.errorCount, 2);
    EXPECT_EQ(run.messages,
              "kruisdef.h (1) : Signaalgroep bestaande uit twee digits verwacht (vb. SG03)\n"
              "kruisdef.h (2) : Detector index is maximaal 256\n");
    EXPECT_EQ(run.output.text,
              kSignalGroupHeader + kRule + "   convSGItoSGN[4] = 4;\n" + kClosingBody + "\n\n");
}

TEST(TableFill, LinesAfterALongLineAndALastLineWithoutLineFeedAreConverted) {
    const FillRun run =
        fill("#define SG01 1 /*" + std::string(200000, '\xff') + "*/\n#define SG02 2");
    EXPECT_EQ(run.output.text, kSignalGroupHeader + kRule + "   convSGItoSGN[1] = 1;\n" +
                                   "   convSGItoSGN[2] = 2;\n" + kClosingBody + "\n\n");
}

TEST(TableFill, ReadErrorIsReportedCountedAndTheFunctionStillClosed) {
    RecordingOutput output;
    MemoryInput input("#define SG01 1\n#define SG02 2\n", 1);
    input.memory.failAt = 17;
    MessageCapture messages;
    EXPECT_EQ(writeTableFill(input.text, output.stream(), "kruisdef.h", "CONV.C"), 1);
    EXPECT_EQ(messages.take(), "Het bestand kruisdef.h kon niet worden gelezen.\n");
    EXPECT_EQ(output.text,
              kSignalGroupHeader + kRule + "   convSGItoSGN[1] = 1;\n" + kClosingBody + "\n\n");
}

// The writes of a run over a signal-group define and then a detector define:
// 1 and 2 the signal-group header, 3 its statement, 4 and 5 the detector
// header, 6 and 7 the detector statements, 8 the closing line.
const char kBothKinds[] = "#define SG01 1\n#define SG01_1 2\n";

struct WriteFailureCase {
    std::set<int> failing;
    int errorCount;
    std::string messages;
    size_t attempts;
};

TEST(TableFill, EachFailedWriteHasItsOwnMessageAndCount) {
    const WriteFailureCase cases[] = {
        {{1}, 1, "De header van signaalgroepen kan niet worden geschreven", 7},
        {{2}, 1, "De header van signaalgroepen kan niet worden geschreven", 8},
        {{3}, 1, "CONV.C : De regel '   convSGItoSGN[1] = 1' kon niet worden geschreven\n", 8},
        {{4}, 1, "De header van detectoren kan niet worden geschreven", 7},
        {{5}, 1, "De header van detectoren kan niet worden geschreven", 8},
        {{6}, 1, "CONV.C : De regel '   convDTItoSGN[2] = 1' kon niet worden geschreven\n", 8},
        {{7}, 1, "CONV.C : De regel '   convDTItoDTN[2] = 1' kon niet worden geschreven\n", 8},
        {{6, 7},
         2,
         "CONV.C : De regel '   convDTItoSGN[2] = 1' kon niet worden geschreven\n"
         "CONV.C : De regel '   convDTItoDTN[2] = 1' kon niet worden geschreven\n",
         8},
        {{8}, 1, "CONV.C : De regel '" + kClosingBody + "' kon niet worden geschreven\n", 8},
    };
    for (const WriteFailureCase& c : cases) {
        for (long failResult : {-1L, 0L}) {
            SCOPED_TRACE("failing write " + std::to_string(*c.failing.begin()) + " with " +
                         std::to_string(failResult));
            const FillRun run = fill(kBothKinds, c.failing, failResult);
            EXPECT_EQ(run.errorCount, c.errorCount);
            EXPECT_EQ(run.messages, c.messages);
            EXPECT_EQ(run.output.writes.size(), c.attempts);
        }
    }
}

TEST(TableFill, FailedHeaderIsNotTriedAgain) {
    const FillRun run = fill("#define SG01 1\n#define SG02 2\n", {1});
    EXPECT_EQ(run.output.writes,
              (std::vector<std::string>{kSignalGroupHeader, "   convSGItoSGN[1] = 1;\n",
                                        "   convSGItoSGN[2] = 2;\n", kClosingBody + "\n\n"}));
    EXPECT_EQ(run.errorCount, 1);
}

TEST(TableFill, WriteFailureMessageShowsTheLabelAsTyped) {
    RecordingOutput output;
    output.failing = {1};
    MemoryInput input("");
    MessageCapture messages;
    writeTableFill(input.text, output.stream(), "kruisdef.h", "%s%n%x");
    EXPECT_EQ(messages.take(),
              "%s%n%x : De regel '" + kClosingBody + "' kon niet worden geschreven\n");
}

}  // namespace
