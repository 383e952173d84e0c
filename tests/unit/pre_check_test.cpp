#include "defines/pre_check.h"

#include "defines/line_reader.h"
#include "memory_streams.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kHeader[] = "/* kruisdef.h */\n#define SG01 1\n#define SG01_1 2\n#define SG3 9\n";

struct PreCheckRun {
    int verdict;
    int errorCount;
    std::string messages;
};

PreCheckRun preCheck(MemoryInput& input) {
    MessageCapture messages;
    PreCheckRun run;
    run.verdict = preCheckInput(input.text, "kruisdef.h", run.errorCount);
    run.messages = messages.take();
    return run;
}

// The first line that the input delivers after the pre-check.
std::string firstLineAfter(MemoryInput& input) {
    char buffer[64];
    return readLine(input.text, sizeof buffer, buffer) > 0 ? buffer : "<none>";
}

TEST(PreCheck, StopsOnceBothKindsAreSeenAndRewinds) {
    MemoryInput input(kHeader, 1);
    input.memory.failAt = std::string(kHeader).find("#define SG3");  // never reached
    const PreCheckRun run = preCheck(input);
    EXPECT_EQ(run.verdict, 1);
    EXPECT_EQ(run.errorCount, 0);
    EXPECT_EQ(run.messages, "");
    EXPECT_EQ(firstLineAfter(input), "/* kruisdef.h */\n");
}

TEST(PreCheck, ReadErrorRefusesTheInput) {
    for (size_t failAt : {size_t{0}, size_t{20}}) {
        SCOPED_TRACE(failAt);
        MemoryInput input(kHeader, 1);
        input.memory.failAt = failAt;
        const PreCheckRun run = preCheck(input);
        EXPECT_EQ(run.verdict, 0);
        EXPECT_EQ(run.errorCount, 1);
        EXPECT_EQ(run.messages, "Het bestand kruisdef.h kon niet worden gelezen.\n");
        input.memory.failAt = std::string::npos;
        EXPECT_EQ(firstLineAfter(input), "/* kruisdef.h */\n");
    }
}

TEST(PreCheck, InputThatCannotBeReadAgainIsRefusedBeforeConversion) {
    MemoryInput input(kHeader);
    input.memory.rewindFails = true;
    const PreCheckRun run = preCheck(input);
    EXPECT_EQ(run.verdict, 0);
    EXPECT_EQ(run.errorCount, 1);
    EXPECT_EQ(run.messages,
              "Het bestand kruisdef.h kan niet opnieuw vanaf het begin worden gelezen.\n");
}

TEST(PreCheck, RefusedInputThatCannotBeRewoundGetsNoSecondMessage) {
    MemoryInput input("");
    input.memory.rewindFails = true;
    const PreCheckRun run = preCheck(input);
    EXPECT_EQ(run.verdict, 0);
    EXPECT_EQ(run.errorCount, 0);
    EXPECT_EQ(run.messages, "Het bestand kruisdef.h is leeg.\n");
}

}  // namespace
