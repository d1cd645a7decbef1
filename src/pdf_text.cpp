// Text forming for the tool's command lines and the messages about its runs: plain values in,
// text out.
#include "pdf_text.h"

#include <ctype.h>
#include <string.h>
#include <wchar.h>
#include <windows.h>
#include <shlwapi.h>

#include "shared.h"
#include "paths.h"

std::string pdfQuoteArg(const std::string& s)
{
    std::string out = "\"";
    size_t nBackslashes = 0;
    for (char c : s) {
        if (c == '\\') {
            ++nBackslashes;
            continue;
        }
        if (c == '"') {
            // Backslashes before a quote are taken two for one, and the quote needs its own.
            out.append(nBackslashes * 2 + 1, '\\');
        } else {
            out.append(nBackslashes, '\\');
        }
        nBackslashes = 0;
        out += c;
    }
    // Trailing backslashes would otherwise escape the closing quote.
    out.append(nBackslashes * 2, '\\');
    out += '"';
    return out;
}

int pdfWipe(std::string& s)
{
    if (!s.empty())
        SecureZeroMemory(&s[0], s.size());
    return 0;
}

int pdfSamePasswords(const char* szOwner, const char* szUser)
{
    return szOwner[0] && strcmp(szOwner, szUser) == 0 ? 1 : 0;
}

int pdfSecurityOptions(const T_SECURITY* sec, std::string& out)
{
    const char* szOwner = sec->szOwner ? sec->szOwner : "";
    const char* szUser = sec->szUser ? sec->szUser : "";
    if (!*szOwner && !*szUser)
        return 0;
    if (pdfSamePasswords(szOwner, szUser))
        return -1;

    if (*szOwner)
        out += " owner_pw " + pdfQuoteArg(szOwner) + " ";
    if (*szUser)
        out += " user_pw " + pdfQuoteArg(szUser) + " ";
    if (sec->bEncrypt40)
        out += " encrypt_40bit ";
    if (sec->bEncrypt128)
        out += " encrypt_128bit ";

    const bool* p = sec->bPerm;
    if (p[PERM_ALL]) {
        out += " allow AllFeatures ";
    } else {
        // In each pair the first box wins.
        if (p[PERM_PRINT_TOP])
            out += " allow Printing ";
        else if (p[PERM_PRINT_LOW])
            out += " allow DegradedPrinting ";
        if (p[PERM_MODIFY])
            out += " allow ModifyContents ";
        else if (p[PERM_ASSEMBLY])
            out += " allow Assembly ";
        if (p[PERM_COPY])
            out += " allow CopyContents ";
        else if (p[PERM_READ])
            out += " allow ScreenReaders ";
        if (p[PERM_CREATE])
            out += " allow ModifyAnnotations ";
        else if (p[PERM_FILLIN])
            out += " allow FillIn ";
    }
    return (int)out.size();
}

int pdfOutputName(const char* szInput, const char* szSuffix, char* szOutput, size_t nOutput)
{
    std::string name = pathWithExtension(szInput, szSuffix);
    // The tool must never be told to write over its input, nor a path be longer than a path.
    if (name == szInput || pathChars(name.c_str()) >= TANDREL_PATH_MAX || name.size() + 1 > nOutput)
        return 0;
    memcpy(szOutput, name.c_str(), name.size() + 1);
    return 1;
}

int pdfBurstWrites(const char* szName)
{
    if (lstrcmpiA(szName, "doc_data.txt") == 0)
        return 1;
    size_t nLen = strlen(szName);
    if (nLen < 8 || _strnicmp(szName, "pg_", 3) || _stricmp(szName + nLen - 4, ".pdf"))
        return 0;
    return strspn(szName + 3, "0123456789") == nLen - 7 ? 1 : 0;
}

std::string pdfFillText(const char* szTemplate, const std::vector<std::string>& args)
{
    std::string out;
    for (const char* p = szTemplate; *p; ++p) {
        size_t n = p[0] == '%' && p[1] >= '1' && p[1] <= '9' ? (size_t)(p[1] - '1') : args.size();
        if (n < args.size()) {
            out += args[n];
            ++p;
        } else {
            out += *p;
        }
    }
    return out;
}

int pdfAsksOnConsole(const std::string& cmd)
{
    // Every argument is quoted, a quote within one escaped by a backslash, and files are named
    // by full paths: a whole argument PROMPT, alone or after a handle's '=', can only be a
    // password (owner_pw "PROMPT", or an input's "PROMPT" or B="PROMPT").
    static const char szPrompt[] = "\"PROMPT\"";
    const size_t nLen = sizeof(szPrompt) - 1;
    for (size_t pos = 0; (pos = cmd.find(szPrompt, pos)) != std::string::npos; pos += nLen) {
        bool bStarts = pos > 0 && (cmd[pos - 1] == ' ' || cmd[pos - 1] == '=');
        if (bStarts && (pos + nLen == cmd.size() || cmd[pos + nLen] == ' '))
            return 1;
    }
    return 0;
}

std::string pdfLastLines(const std::string& text, int nLines)
{
    std::vector<std::string> lines;
    size_t nStart = 0;
    while (nStart < text.size()) {
        size_t nEnd = text.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = text.size();
        std::string line = text.substr(nStart, nEnd - nStart);
        size_t nFirst = line.find_first_not_of(" \t\r");
        if (nFirst != std::string::npos)
            line = line.substr(nFirst, line.find_last_not_of(" \t\r") + 1 - nFirst);
        // pdftk ends a failure with lines that only say that nothing was written.
        if (nFirst != std::string::npos && line.compare(0, 5, "Done.") &&
            line.compare(0, 19, "Errors encountered."))
            lines.push_back(line);
        nStart = nEnd + 1;
    }
    std::string out;
    for (size_t i = lines.size() > (size_t)nLines ? lines.size() - (size_t)nLines : 0;
         i < lines.size(); ++i)
        out += (out.empty() ? "" : "\r\n") + lines[i];
    return out;
}

std::string pdfFailuresText(const char* szHead, const char* szMore,
                            const std::vector<std::string>& inputs,
                            const std::vector<std::string>& whys)
{
    std::string text = szHead;
    size_t nFailed = 0;
    for (size_t i = 0; i < inputs.size() && i < whys.size(); ++i) {
        if (whys[i].empty())
            continue;
        if (++nFailed <= FAILURES_SHOWN)
            text += "\r\n\r\n" + inputs[i] + "\r\n" + whys[i];
    }
    if (nFailed > FAILURES_SHOWN)
        text += "\r\n\r\n" + pdfFillText(szMore, {std::to_string(nFailed - FAILURES_SHOWN)});
    return nFailed ? text : std::string();
}
