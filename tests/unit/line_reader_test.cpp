#include "defines/line_reader.h"

#include "memory_streams.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Every line that readLine delivers from bytes, read with limit, and the
// result that ended the reading.
struct ReadResult {
    std::vector<std::string> lines;
    int end;
};

ReadResult readAllLines(MemoryInput& input, int limit = kLineLimit) {
    std::vector<char> buffer(static_cast<size_t>(limit));
    ReadResult result;
    for (;;) {
        const int count = readLine(input.text, limit, buffer.data());
        if (count < 0) {
            result.end = count;
            return result;
        }
        result.lines.emplace_back(buffer.data(), static_cast<size_t>(count));
        EXPECT_EQ(buffer[static_cast<size_t>(count)], '\0');
    }
}

struct LineCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

const LineCase kLineCases[] = {
    {"plain line", "abc\n", {"abc\n"}},
    {"empty input", "", {}},
    {"CR LF is one line feed", "a\r\nb\r\n", {"a\n", "b\n"}},
    {"lone CR is a character", "a\rb\n", {"a\rb\n"}},
    {"CR CR LF keeps the first CR", "a\r\r\n", {"a\r\n"}},
    {"CR at the very end stays", "a\r", {"a\r"}},
    {"LF CR LF", "\n\r\n", {"\n", "\n"}},
    {"Ctrl-Z ends the input",
     "a\n\x1a"
     "b\n",
     {"a\n"}},
    {"Ctrl-Z within a line", "ab\x1a\nc\n", {"ab"}},
    {"CR before Ctrl-Z stays", "a\r\x1a\n", {"a\r"}},
    {"Ctrl-Z first",
     "\x1a"
     "abc\n",
     {}},
    {"NUL is a character", std::string("a\0b\n", 4), {std::string("a\0b\n", 4)}},
    {"0xFF is a character",
     "a\xff"
     "b\nc\n",
     {"a\xff"
      "b\n",
      "c\n"}},
    {"last line without line feed", "a\nb", {"a\n", "b"}},
    {"empty lines", "\n\n", {"\n", "\n"}},
};

TEST(LineReader, CutsTextModeInputIntoLinesWhateverTheReadSizes) {
    for (const LineCase& c : kLineCases) {
        for (size_t chunkSize : {size_t{1}, size_t{2}, size_t{3}, size_t{4096}}) {
            SCOPED_TRACE(std::string(c.name) + ", chunks of " + std::to_string(chunkSize));
            MemoryInput input(c.bytes, chunkSize);
            const ReadResult result = readAllLines(input);
            EXPECT_EQ(result.lines, c.lines);
            EXPECT_EQ(result.end, kEndOfInput);
        }
    }
}

TEST(LineReader, CarriageReturnEndingOneBlockPairsWithLineFeedStartingTheNext) {
    // The CR is the last byte of the first block that the reader takes in.
    const std::string second(kTextBlockSize - 4, 'x');
    MemoryInput input("ab\n" + second + "\r\nnext\r\n");
    const ReadResult result = readAllLines(input);
    EXPECT_EQ(result.lines, (std::vector<std::string>{"ab\n", second + "\n", "next\n"}));
}

TEST(LineReader, KeepsTheBeginningOfALongLineAndGoesOnAfterIt) {
    const std::string longLine = "#define SG03 7 " + std::string(100000, 'x') + "\r\n";
    MemoryInput input(longLine + "#define SG04 8\n", 1000);
    const ReadResult result = readAllLines(input, 500);
    ASSERT_EQ(result.lines.size(), 2u);
    EXPECT_EQ(result.lines[0], longLine.substr(0, 499));
    EXPECT_EQ(result.lines[1], "#define SG04 8\n");
}

TEST(LineReader, ReadErrorIsNotTheEndOfTheInput) {
    for (size_t failAt : {size_t{0}, size_t{2}, size_t{6}}) {
        SCOPED_TRACE(failAt);
        MemoryInput input("ab\ncd\nef\n", 1);
        input.memory.failAt = failAt;
        const ReadResult result = readAllLines(input);
        EXPECT_EQ(result.lines.size(), failAt / 3);  // the lines before the failing byte
        EXPECT_EQ(result.end, kReadFailed);
    }
}

TEST(LineReader, RewindStartsAgainFromTheFirstByte) {
    // Stop the first reading after a Ctrl-Z, and once with a CR held back.
    for (const std::string& bytes : {std::string("a\r\nb\x1a"), std::string("a\r")}) {
        MemoryInput input(bytes, 2);
        const ReadResult first = readAllLines(input);
        ASSERT_EQ(rewindTextInput(input.text), 0);
        EXPECT_EQ(readAllLines(input).lines, first.lines);
    }
    MemoryInput input("a\nb\n", 1);
    std::vector<char> buffer(16);
    ASSERT_EQ(readLine(input.text, 16, buffer.data()), 2);
    ASSERT_EQ(rewindTextInput(input.text), 0);
    EXPECT_EQ(readAllLines(input).lines, (std::vector<std::string>{"a\n", "b\n"}));
}

}  // namespace
