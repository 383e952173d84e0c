// Nanoseconds per line of the define grammar, per kind of line, and the
// throughput of the conversion pass and of the conv.c writer in memory.

#include "defines/define_grammar.h"
#include "memory_streams.h"
#include "platform/text_output.h"
#include "tables/table_fill.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

// Swallows whatever it is given, as fast as possible.
long discard(void*, const char*, size_t length) { return static_cast<long>(length); }
const OutputStream kDiscard{nullptr, discard};

void parseLine(benchmark::State& state, const char* line) {
    redirectMessages(&kDiscard);  // a malformed line's diagnostic costs its composing only
    DefineEntry entry{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(parseDefineLine("kruisdef.h", 12, line, entry));
        benchmark::DoNotOptimize(entry);
    }
    redirectMessages(nullptr);
}
BENCHMARK_CAPTURE(parseLine, signalGroup, "#define SG123     456\n");
BENCHMARK_CAPTURE(parseLine, detector, "#define SG12_34   200\n");
BENCHMARK_CAPTURE(parseLine, comment, "/* detectoren van richting 12 */\n");
BENCHMARK_CAPTURE(parseLine, otherDefine, "#define TMAX_GROEN  300\n");
BENCHMARK_CAPTURE(parseLine, malformed, "#define SG12_34   0x1F\n");

// A header of about one MiB: 30% signal groups, 50% detectors, 20% others.
std::string makeHeader() {
    std::string header;
    for (int i = 0; header.size() < (1 << 20); ++i) {
        switch (i % 10) {
        case 0:
        case 3:
        case 6:
            header += "#define SG" + std::to_string(100 + i % 900) + "  " +
                      std::to_string(i % 1000) + "\r\n";
            break;
        case 8: header += "/* richting " + std::to_string(i % 100) + " */\r\n"; break;
        case 9: header += "#define TMAX_" + std::to_string(i % 1000) + "  300\r\n"; break;
        default:
            header += "#define SG" + std::to_string(10 + i % 90) + "_" + std::to_string(i % 100) +
                      "  " + std::to_string(i % 257) + "\r\n";
        }
    }
    return header;
}

void convertHeader(benchmark::State& state) {
    const std::string header = makeHeader();
    for (auto _ : state) {
        MemoryInput input(header, kTextBlockSize);
        benchmark::DoNotOptimize(writeTableFill(input.text, kDiscard, "kruisdef.h", "CONV.C"));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(header.size()));
}
BENCHMARK(convertHeader);

void writeStatements(benchmark::State& state) {
    FILE* devNull = std::fopen("/dev/null", "wb");
    if (devNull == nullptr) devNull = std::fopen("NUL", "wb");
    TextOutput output;
    initTextOutput(output, devNull);
    const OutputStream stream = textOutputStream(output);
    const char statement[] = "   convDTItoSGN[123] = 45;\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(writeText(stream, statement, sizeof statement - 1));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(sizeof statement - 1));
    closeTextOutput(output);
}
BENCHMARK(writeStatements);

}  // namespace
