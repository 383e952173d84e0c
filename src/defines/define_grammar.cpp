#include "defines/define_grammar.h"

#include "platform/messages.h"

#include <array>
#include <cstring>

namespace {

// Character classes of the C locale, on bytes: 0x80 to 0xFF are none of
// them. A table makes each test one load, whatever the locale.
enum CharacterClass : unsigned char { kDigit = 1, kSpace = 2, kNameCharacter = 4 };

constexpr std::array<unsigned char, 256> makeCharacterClasses() {
    std::array<unsigned char, 256> classes{};
    for (int c = '0'; c <= '9'; ++c) classes[c] = kDigit | kNameCharacter;
    for (int c = 'a'; c <= 'z'; ++c) classes[c] = kNameCharacter;
    for (int c = 'A'; c <= 'Z'; ++c) classes[c] = kNameCharacter;
    classes['_'] = kNameCharacter;
    for (int c : {' ', '\t', '\n', '\v', '\f', '\r'}) classes[c] = kSpace;
    return classes;
}

constexpr std::array<unsigned char, 256> kCharacterClasses = makeCharacterClasses();

bool hasClass(char c, CharacterClass characterClass) {
    return (kCharacterClasses[static_cast<unsigned char>(c)] & characterClass) != 0;
}
bool isDigit(char c) { return hasClass(c, kDigit); }
bool isSpace(char c) { return hasClass(c, kSpace); }
bool isNameCharacter(char c) { return hasClass(c, kNameCharacter); }

const char* skipSpaces(const char* p) {
    while (isSpace(*p)) ++p;
    return p;
}

// The texts and the limit that go with the index of one kind of define.
struct IndexRules {
    const char* missing;
    const char* notDecimal;
    const char* tooLarge;  // followed by the limit
    int largest;
};

const IndexRules kSignalGroupIndex = {
    "Signaalgroepnr index minimaal een digit (vb. SG03   7)",
    "Signaalgroep index moet een decimaal getal zijn (vb. SG03   7)",
    "signaal index is maximaal",
    kLargestSignalGroupIndex,
};

const IndexRules kDetectorIndex = {
    "Detector index minimaal een digit (vb. SG03_34   7)",
    "Detector index moet een decimaal getal zijn (vb. SG03_34   7)",
    "Detector index is maximaal",
    kLargestDetectorIndex,
};

// The line being classified, for its diagnostics.
struct LineContext {
    const char* inputName;
    int lineNumber;
};

DefineKind reportMalformed(const LineContext& context, const std::string& text) {
    writeMessage(
        formatMessage("%s (%d) : %s\n", context.inputName, context.lineNumber, text.c_str()));
    return DefineKind::error;
}

// The name runs over letters, digits and underscores from "SG" on; only an
// underscore there makes a detector define (not one in a trailing comment).
bool nameHasUnderscore(const char* name) {
    for (const char* p = name; isNameCharacter(*p); ++p)
        if (*p == '_') return true;
    return false;
}

// Reads the signal group number that follows "SG" at name: two digits, or
// three when a third follows (a fourth digit is not part of it). Returns the
// position after it, or nullptr when the two digits are missing.
const char* readGroupNumber(const char* name, int& sgn) {
    const char* p = name + 2;
    if (!isDigit(p[0]) || !isDigit(p[1])) return nullptr;
    sgn = (p[0] - '0') * 10 + (p[1] - '0');
    p += 2;
    if (isDigit(*p)) sgn = sgn * 10 + (*p++ - '0');
    return p;
}

// Reads the index after optional whitespace at p: the value of its whole run
// of digits, which must be followed by something that ends a number.
DefineKind readIndex(const LineContext& context, const char* p, const IndexRules& rules,
                     DefineKind kind, int& index) {
    p = skipSpaces(p);
    if (!isDigit(*p)) return reportMalformed(context, rules.missing);
    // Once past the limit the value stops growing, so no run of digits,
    // however long, can overflow it.
    int value = 0;
    for (; isDigit(*p); ++p)
        if (value <= rules.largest) value = value * 10 + (*p - '0');
    if (isNameCharacter(*p) || *p == '.') return reportMalformed(context, rules.notDecimal);
    if (value > rules.largest)
        return reportMalformed(context, formatMessage("%s %d", rules.tooLarge, rules.largest));
    index = value;
    return kind;
}

// SG, two or three digits, optional whitespace, the index.
DefineKind classifySignalGroup(const LineContext& context, const char* name, DefineEntry& entry) {
    const char* p = readGroupNumber(name, entry.sgn);
    if (p == nullptr)
        return reportMalformed(context,
                               "Signaalgroep bestaande uit twee digits verwacht (vb. SG03)");
    return readIndex(context, p, kSignalGroupIndex, DefineKind::signalGroup, entry.index);
}

// SG, two or three digits, underscore, one or two digits, optional
// whitespace, the index. A name that breaks off after the signal group
// number is no detector of this tool's: ignored without a message.
DefineKind classifyDetector(const LineContext& context, const char* name, DefineEntry& entry) {
    const char* p = readGroupNumber(name, entry.sgn);
    if (p == nullptr)
        return reportMalformed(
            context, "Signaalnr van detector moet minimaal twee digits bevatten (vb. SG03_3)");
    if (p[0] != '_' || !isDigit(p[1])) return DefineKind::ignored;
    p += 1;
    entry.dtn = *p++ - '0';
    if (isDigit(*p)) {
        entry.dtn = entry.dtn * 10 + (*p++ - '0');
        if (isDigit(*p))
            return reportMalformed(context,
                                   "Detector volgnummer maximaal twee digits (vb. SG03_12)");
    }
    return readIndex(context, p, kDetectorIndex, DefineKind::detector, entry.index);
}

// The one implementation behind both forms. Everything before the first '#'
// is skipped; comments and conditional compilation are not interpreted.
DefineKind classifyDefineLine(const LineContext& context, const char* line, DefineEntry& entry) {
    // A plain loop: in a header the '#' mostly stands first on its line.
    const char* hash = line;
    while (*hash != '#' && *hash != '\0') ++hash;
    if (*hash == '\0' || std::strncmp(hash, "#define", 7) != 0) return DefineKind::ignored;
    const char* name = skipSpaces(hash + 7);
    if (name[0] != 'S' || name[1] != 'G') return DefineKind::ignored;
    return nameHasUnderscore(name) ? classifyDetector(context, name, entry)
                                   : classifySignalGroup(context, name, entry);
}

}  // namespace

DefineKind parseDefineLine(const char* inputName, int lineNumber, const char* line,
                           DefineEntry& entry) {
    return classifyDefineLine(LineContext{inputName, lineNumber}, line, entry);
}

DefineKind checkDefineLine(const char* inputName, const char* line, int lineNumber) {
    DefineEntry unused{};
    return classifyDefineLine(LineContext{inputName, lineNumber}, line, unused);
}
