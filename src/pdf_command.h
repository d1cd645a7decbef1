// The one builder of the tool's command lines: the tool, each input with its password, the
// operation and its arguments, the output, the security options.
#pragma once

#include <string>
#include <vector>

// A file the tool reads.
typedef struct {
    std::string file;     // UTF-8, as the program keeps it
    std::string passwd;   // the password it opens with; empty: none
    const char* szHandle; // the handle the operation names it by ("A", "B"); null: none
} T_TOOL_INPUT;

// What a command line says besides the tool. Each piece that follows another begins with the
// blank that separates them, so that the command is exactly what each operation has always
// written, double blanks included.
typedef struct {
    std::vector<T_TOOL_INPUT> inputs;
    std::string operation; // after the inputs: " cat 1-3", " burst", "" (none)
    std::string output;    // the file written
    int bPattern;          // output is a name pattern the tool numbers, given bare ("pg_%03d.pdf")
    std::string after;     // after the output: " ", " compress ", ""
    std::string options;   // the security options (pdfSecurityOptions)
} T_TOOL_COMMAND;

// The whole command line of the tool szTool: the tool quoted, each input quoted (after its handle
// and '='), then the inputs' passwords' keyword and the password of each input that has one (after
// its handle), the operation, "output", the output (quoted unless a pattern), what comes after it
// and the options.
std::string pdfCommandLine(const char* szTool, const T_TOOL_COMMAND& c);
// Wipes the passwords of the inputs and the options, which may hold passwords.
int pdfWipeCommand(T_TOOL_COMMAND* c);
