#pragma once
// The run of one tabelsmid process.

// Runs the tool with the command line argc/argv: returns the exit status.
//   tabelsmid <input header> <output label>
int runTabelsmid(int argc, char** argv);
