#pragma once
// The grammar of the defines that number signal groups and detectors in the
// controller's header (kruisdef.h):
//
//   #define SG03     7    signal group 03 has the internal index 7
//   #define SG03_12  34   detector 12 of signal group 03 has the index 34
//
// The internal index is the position under which the controller software
// keeps that signal group or detector in its arrays; the conversion tables
// map it back to the numbers that people use.

// What one line of the header is to this tool.
enum class DefineKind : int {
    ignored = 0,      // not a define of a signal group or detector
    detector = 1,     // a detector define: sgn, dtn and index are set
    signalGroup = 2,  // a signal-group define: sgn and index are set
    error = -1,       // malformed; its diagnostic has been written
};

// The values of one define.
struct DefineEntry {
    int sgn;    // signal group number, 0 to 999
    int dtn;    // detector number within its signal group, 0 to 99
    int index;  // the define's value: 0 to 999 for a signal group, 0 to 256 for a detector
};

// The largest index that each kind of define may have.
constexpr int kLargestSignalGroupIndex = 999;
constexpr int kLargestDetectorIndex = 256;

// Classifies line (read up to its first NUL), the lineNumber-th line of
// inputName, and fills entry as DefineKind says. A malformed define gets one
// diagnostic on standard output: "<inputName> (<lineNumber>) : <text>".
DefineKind parseDefineLine(const char* inputName, int lineNumber, const char* line,
                           DefineEntry& entry);

// Classifies line exactly as parseDefineLine does, with the same
// diagnostics, for a caller that needs only the kind.
DefineKind checkDefineLine(const char* inputName, const char* line, int lineNumber);
