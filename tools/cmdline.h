// Splitting of a Windows command line into arguments, by the rules of the Microsoft C runtime.
// Only blanks, tabs, double quotes and backslashes have a meaning, all of them ASCII, so the
// splitting works on the bytes of any single-byte code page and on UTF-8 alike.
#pragma once

#include <string>
#include <vector>

inline std::vector<std::string> SplitCommandLine(const char* szCmdLine)
{
    std::vector<std::string> args;
    if (!szCmdLine)
        return args;
    const char* p = szCmdLine;

    // The program name: quotes group blanks and are dropped; backslashes are plain characters,
    // since a path such as "C:\dir\" must not have its closing quote escaped.
    {
        std::string arg;
        bool bQuoted = false;
        for (; *p; ++p) {
            if (*p == '"') {
                bQuoted = !bQuoted;
                continue;
            }
            if (!bQuoted && (*p == ' ' || *p == '\t'))
                break;
            arg += *p;
        }
        args.push_back(arg);
    }

    for (;;) {
        while (*p == ' ' || *p == '\t')
            ++p;
        if (!*p)
            break;
        // Something other than a blank starts an argument, even if it ends up empty ("").
        std::string arg;
        bool bQuoted = false;
        for (;;) {
            size_t nBackslashes = 0;
            while (*p == '\\') {
                ++nBackslashes;
                ++p;
            }
            if (*p == '"') {
                arg.append(nBackslashes / 2, '\\');
                if (nBackslashes % 2) {
                    arg += '"';
                } else if (bQuoted && p[1] == '"') {
                    // A doubled quote inside quotes is a literal quote (C runtime since 2008).
                    arg += '"';
                    ++p;
                } else {
                    bQuoted = !bQuoted;
                }
                ++p;
                continue;
            }
            arg.append(nBackslashes, '\\');
            if (!*p || (!bQuoted && (*p == ' ' || *p == '\t')))
                break;
            arg += *p++;
        }
        args.push_back(arg);
    }
    return args;
}
