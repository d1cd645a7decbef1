// Text forming for tool command lines: plain values in, text out, no window needed.
#pragma once

#include <string>
#include <vector>

// One command-line argument in double quotes, escaped by the Windows command-line rules so that
// the program started receives s byte for byte: a double quote becomes backslash + quote, and
// backslashes are doubled where they precede a quote or the closing quote. Text without double
// quotes and without a trailing backslash comes out as a double quote, s, a double quote.
std::string pdfQuoteArg(const std::string& s);

// Wipes a text that may hold passwords.
int pdfWipe(std::string& s);

// The permission boxes, in the order of the panel.
enum {
    PERM_ALL,
    PERM_PRINT_TOP,
    PERM_PRINT_LOW,
    PERM_MODIFY,
    PERM_ASSEMBLY,
    PERM_COPY,
    PERM_READ,
    PERM_CREATE,
    PERM_FILLIN,
    PERM_COUNT
};

typedef struct {
    const char* szOwner;
    const char* szUser;
    bool bEncrypt40;
    bool bEncrypt128;
    bool bPerm[PERM_COUNT];
} T_SECURITY;

// The refused pair: the same non-empty text as owner and as user password.
int pdfSamePasswords(const char* szOwner, const char* szUser);

// Security options: 0 and nothing appended when both passwords are empty, -1 and nothing
// appended when they are equal, else the options are appended to out and out's length returned.
int pdfSecurityOptions(const T_SECURITY* sec, std::string& out);

// Output path beside the input (UTF-8): its extension replaced by szSuffix (appended when there
// is none). Returns 0 when that path cannot be formed (longer than a path, too long for nOutput
// bytes, or it would name the input itself).
int pdfOutputName(const char* szInput, const char* szSuffix, char* szOutput, size_t nOutput);

// 1 when a burst writes a file of this name into its folder: its pages "pg_" + digits + ".pdf",
// and its report "doc_data.txt", in any letter case.
int pdfBurstWrites(const char* szName);

// The text szTemplate with "%1", "%2", ... replaced by args[0], args[1], ...; a translation may
// place them in any order.
std::string pdfFillText(const char* szTemplate, const std::vector<std::string>& args);

// 1 when the command gives the tool a password as PROMPT, after a password keyword or an input's
// handle among the inputs' passwords (A="PROMPT"): it then asks for it on its console.
int pdfAsksOnConsole(const std::string& cmd);

// The last nLines lines of what the tool wrote that say something, trimmed, each on a line of
// its own; pdftk's closing lines that only say that nothing was written are passed over.
std::string pdfLastLines(const std::string& text, int nLines);

// Inputs without a result named in the closing message; the others are counted.
#define FAILURES_SHOWN 8
// The closing message of an operation: szHead, then each input without a result (a non-empty
// why) with why, in their order, up to FAILURES_SHOWN; then szMore with %1 the others' number.
// Empty when every input got its result.
std::string pdfFailuresText(const char* szHead, const char* szMore,
                            const std::vector<std::string>& inputs,
                            const std::vector<std::string>& whys);
