// The tool's command lines, formed in one place.
#include "pdf_command.h"

#include "pdf_text.h"

std::string pdfCommandLine(const char* szTool, const T_TOOL_COMMAND& c)
{
    std::string cmd = pdfQuoteArg(szTool), passwords;
    for (const T_TOOL_INPUT& in : c.inputs) {
        std::string before = in.szHandle ? std::string(" ") + in.szHandle + "=" : " ";
        cmd += before + pdfQuoteArg(in.file);
        if (!in.passwd.empty())
            passwords += before + pdfQuoteArg(in.passwd);
    }
    if (!passwords.empty())
        cmd += " input_pw" + passwords;
    pdfWipe(passwords);
    cmd += c.operation + " output " + (c.bPattern ? c.output : pdfQuoteArg(c.output)) + c.after +
           c.options;
    return cmd;
}

int pdfWipeCommand(T_TOOL_COMMAND* c)
{
    for (T_TOOL_INPUT& in : c->inputs)
        pdfWipe(in.passwd);
    pdfWipe(c->options);
    return 0;
}
