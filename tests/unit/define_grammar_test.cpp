#include "defines/define_grammar.h"

#include "memory_streams.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct GrammarCase {
    std::string line;
    DefineKind kind;
    int sgn;
    int dtn;
    int index;
    std::string diagnostic;  // the text after "kruisdef.h (12) : ", or empty
};

const DefineKind SG = DefineKind::signalGroup;
const DefineKind DT = DefineKind::detector;
const DefineKind IGNORED = DefineKind::ignored;
const DefineKind ERROR = DefineKind::error;

const char kSgTwoDigits[] = "Signaalgroep bestaande uit twee digits verwacht (vb. SG03)";
const char kSgIndexMissing[] = "Signaalgroepnr index minimaal een digit (vb. SG03   7)";
const char kSgNotDecimal[] = "Signaalgroep index moet een decimaal getal zijn (vb. SG03   7)";
const char kSgTooLarge[] = "signaal index is maximaal 999";
const char kDtTwoDigits[] =
    "Signaalnr van detector moet minimaal twee digits bevatten (vb. SG03_3)";
const char kDtNumberTooLong[] = "Detector volgnummer maximaal twee digits (vb. SG03_12)";
const char kDtIndexMissing[] = "Detector index minimaal een digit (vb. SG03_34   7)";
const char kDtNotDecimal[] = "Detector index moet een decimaal getal zijn (vb. SG03_34   7)";
const char kDtTooLarge[] = "Detector index is maximaal 256";

const GrammarCase kCases[] = {
    // Signal groups: two or three digits, then the index.
    {"#define SG03 7\n", SG, 3, -1, 7, ""},
    {"#define SG123 5\n", SG, 123, -1, 5, ""},
    {"#define SG00 0\n", SG, 0, -1, 0, ""},
    {"#define SG03 999\n", SG, 3, -1, 999, ""},
    {"#define SG03 1000\n", ERROR, 0, 0, 0, kSgTooLarge},
    {"#define SG0377\n", SG, 37, -1, 7, ""},
    {"#define SG037\n", ERROR, 0, 0, 0, kSgIndexMissing},
    {"#define SG03\n", ERROR, 0, 0, 0, kSgIndexMissing},
    {"#define SG1234 7\n", SG, 123, -1, 4, ""},
    {"#define SG3 7\n", ERROR, 0, 0, 0, kSgTwoDigits},
    {"#define SGMAX 7\n", ERROR, 0, 0, 0, kSgTwoDigits},
    {"#define SG03x 7\n", ERROR, 0, 0, 0, kSgIndexMissing},
    {"#define SG03 -5\n", ERROR, 0, 0, 0, kSgIndexMissing},
    {"#define SG03\xA0"
     "7\n",
     ERROR, 0, 0, 0, kSgIndexMissing},
    // The whole run of digits is the index, however long.
    {"#define SG03 00007\n", SG, 3, -1, 7, ""},
    {"#define SG03 000000000000000000000000000999\n", SG, 3, -1, 999, ""},
    {"#define SG03 99999999999999999999999999\n", ERROR, 0, 0, 0, kSgTooLarge},
    // The index must be a decimal number.
    {"#define SG03 0x1F\n", ERROR, 0, 0, 0, kSgNotDecimal},
    {"#define SG03 7abc\n", ERROR, 0, 0, 0, kSgNotDecimal},
    {"#define SG03 7.5\n", ERROR, 0, 0, 0, kSgNotDecimal},
    {"#define SG03 7_\n", ERROR, 0, 0, 0, kSgNotDecimal},
    {"#define SG03 5000x\n", ERROR, 0, 0, 0, kSgNotDecimal},
    {"#define SG03 7;\n", SG, 3, -1, 7, ""},
    {"#define SG03 7// x\n", SG, 3, -1, 7, ""},
    {"#define SG03 7\t/* x */\r\n", SG, 3, -1, 7, ""},
    {"#define SG03 7", SG, 3, -1, 7, ""},
    // Only an underscore in the name makes a detector define.
    {"#define SG03 7 /* a_b */\n", SG, 3, -1, 7, ""},
    {"#define SG03 7 a_b\n", SG, 3, -1, 7, ""},
    // Detectors.
    {"#define SG03_3 7\n", DT, 3, 3, 7, ""},
    {"#define SG03_12 7\n", DT, 3, 12, 7, ""},
    {"#define SG123_45 9\n", DT, 123, 45, 9, ""},
    {"#define SG00_0 0\n", DT, 0, 0, 0, ""},
    {"#define SG03_3 256\n", DT, 3, 3, 256, ""},
    {"#define SG03_3 257\n", ERROR, 0, 0, 0, kDtTooLarge},
    {"#define SG03_3 00257\n", ERROR, 0, 0, 0, kDtTooLarge},
    {"#define SG03_3 000256\n", DT, 3, 3, 256, ""},
    {"#define SG03_123 7\n", ERROR, 0, 0, 0, kDtNumberTooLong},
    {"#define SG03_17\n", ERROR, 0, 0, 0, kDtIndexMissing},
    {"#define SG03_3 +5\n", ERROR, 0, 0, 0, kDtIndexMissing},
    {"#define SG3_1 7\n", ERROR, 0, 0, 0, kDtTwoDigits},
    {"#define SG_MAX 7\n", ERROR, 0, 0, 0, kDtTwoDigits},
    {"#define SG03_3 0x1F\n", ERROR, 0, 0, 0, kDtNotDecimal},
    {"#define SG03_3 12a\n", ERROR, 0, 0, 0, kDtNotDecimal},
    {"#define SG03_3 999999999999999999999\n", ERROR, 0, 0, 0, kDtTooLarge},
    {"#define SG03x_1 7\n", IGNORED, 0, 0, 0, ""},
    {"#define SG03_ 7\n", IGNORED, 0, 0, 0, ""},
    {"#define SG1234_5 7\n", IGNORED, 0, 0, 0, ""},
    // Where a define is recognised: after any text, with any spacing.
    {"   #define SG03 7\n", SG, 3, -1, 7, ""},
    {"int x; #define SG03 7\n", SG, 3, -1, 7, ""},
    {"#define\tSG03\t7\n", SG, 3, -1, 7, ""},
    {"#defineSG03 7\n", SG, 3, -1, 7, ""},
    {"// #define SG03 7\n", SG, 3, -1, 7, ""},
    {"/* #define SG03_1 7 */\n", DT, 3, 1, 7, ""},
    // Lines that carry nothing for this tool.
    {"#  define SG03 7\n", IGNORED, 0, 0, 0, ""},
    {"#define sg03 7\n", IGNORED, 0, 0, 0, ""},
    {"#define DT01 7\n", IGNORED, 0, 0, 0, ""},
    {"#define\n", IGNORED, 0, 0, 0, ""},
    {"/* #1 */ #define SG03 7\n", IGNORED, 0, 0, 0, ""},
    {"#include \"kruisdef.h\"\n", IGNORED, 0, 0, 0, ""},
    {"\n", IGNORED, 0, 0, 0, ""},
    {"", IGNORED, 0, 0, 0, ""},
    // The grammar ends at a NUL byte.
    {std::string("#define SG03 7\0_z\n", 18), SG, 3, -1, 7, ""},
    {std::string("#def\0ine SG03 7\n", 16), IGNORED, 0, 0, 0, ""},
};

TEST(DefineGrammar, ClassifiesEachCaseAndWritesItsDiagnostic) {
    MessageCapture messages;
    for (const GrammarCase& c : kCases) {
        SCOPED_TRACE(testing::PrintToString(c.line));
        DefineEntry entry{-1, -1, -1};
        const DefineKind kind = parseDefineLine("kruisdef.h", 12, c.line.c_str(), entry);
        EXPECT_EQ(kind, c.kind);
        if (kind == SG || kind == DT) {
            EXPECT_EQ(entry.sgn, c.sgn);
            EXPECT_EQ(entry.dtn, c.dtn);  // left alone by a signal-group define
            EXPECT_EQ(entry.index, c.index);
        }
        const std::string expected =
            c.diagnostic.empty() ? "" : "kruisdef.h (12) : " + c.diagnostic + "\n";
        EXPECT_EQ(messages.take(), expected);

        EXPECT_EQ(checkDefineLine("kruisdef.h", c.line.c_str(), 12), c.kind);
        EXPECT_EQ(messages.take(), expected);
    }
}

TEST(DefineGrammar, DiagnosticShowsTheNameAsTyped) {
    MessageCapture messages;
    const std::string longName(10000, 'k');
    checkDefineLine(longName.c_str(), "#define SG3 1\n", 7);
    EXPECT_EQ(messages.take(), longName + " (7) : " + kSgTwoDigits + "\n");
    checkDefineLine("a%sb%n.h", "#define SG03 1000\n", 2147483647);
    EXPECT_EQ(messages.take(), std::string("a%sb%n.h (2147483647) : ") + kSgTooLarge + "\n");
}

}  // namespace
