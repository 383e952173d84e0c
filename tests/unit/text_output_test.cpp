#include "platform/text_output.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string readFile(const char* path) {
    FILE* file = std::fopen(path, "rb");
    std::string bytes;
    char buffer[512];
    size_t count;
    while (file != nullptr && (count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, count);
    if (file != nullptr) std::fclose(file);
    return bytes;
}

TEST(TextOutput, StoresEveryLineFeedAsCrLfAcrossBufferBoundaries) {
    const char path[] = "text_output_test.tmp";
    FILE* file = std::fopen(path, "wb");
    ASSERT_NE(file, nullptr);
    TextOutput output;
    initTextOutput(output, file);
    const OutputStream stream = textOutputStream(output);
    std::string expected;
    for (int i = 0; i < 2000; ++i) {  // about 24000 bytes: the buffer fills several times
        const std::string text = "\n\n   x[" + std::to_string(i) + "];\n";
        EXPECT_EQ(writeText(stream, text.data(), text.size()), static_cast<long>(text.size()));
        expected += "\r\n\r\n   x[" + std::to_string(i) + "];\r\n";
    }
    EXPECT_EQ(readFile(path).size() % kTextOutputBufferSize, 0u);  // whole buffers so far
    EXPECT_EQ(closeTextOutput(output), 0);
    EXPECT_EQ(readFile(path), expected);
    std::remove(path);
}

TEST(TextOutput, FullDiskShowsAtTheWriteThatFillsTheBufferOrElseAtClosing) {
    FILE* full = std::fopen("/dev/full", "ab");
    if (full == nullptr) GTEST_SKIP() << "no /dev/full on this system";
    std::setvbuf(full, nullptr, _IONBF, 0);
    TextOutput output;
    initTextOutput(output, full);
    const OutputStream stream = textOutputStream(output);
    const std::string small(100, 'x');
    EXPECT_GT(writeText(stream, small.data(), small.size()), 0);  // still in the buffer
    const std::string large(kTextOutputBufferSize, 'y');
    EXPECT_EQ(writeText(stream, large.data(), large.size()), -1);
    EXPECT_GT(writeText(stream, small.data(), small.size()), 0);
    EXPECT_EQ(closeTextOutput(output), -1);
}

}  // namespace
