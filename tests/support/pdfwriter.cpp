// The file is built in memory so that every object's byte offset is known exactly when the
// cross-reference table is written.
#include "pdfwriter.h"

#include <cstdio>
#include <string>

namespace {

// Objects 1 to 3 are fixed; page n (from 0) is object 4 + 2n and its content 5 + 2n; the form
// field, when there is one, comes after the last page, and the document information last (the
// tool warns on every run over a file without one).
const int kCatalog = 1;
const int kPages = 2;
const int kFont = 3;

int PageObj(size_t n) { return 4 + 2 * static_cast<int>(n); }

std::string Ref(int nObj) { return std::to_string(nObj) + " 0 R"; }

// A PDF literal string: the three characters with a meaning inside one are escaped.
std::string Literal(const char* s) {
    std::string out = "(";
    for (; *s; ++s) {
        if (*s == '(' || *s == ')' || *s == '\\') out += '\\';
        out += *s;
    }
    return out + ")";
}

std::string Padded(size_t v, size_t width) {
    std::string s = std::to_string(v);
    return s.size() < width ? std::string(width - s.size(), '0') + s : s;
}

class Builder {
  public:
    explicit Builder(int nObjects) : offsets_(static_cast<size_t>(nObjects) + 1, 0) {
        // The comment of high bytes marks the file as binary for transfer programs.
        out_ = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    }

    void Object(int nObj, const std::string& body) {
        offsets_[static_cast<size_t>(nObj)] = out_.size();
        out_ += std::to_string(nObj) + " 0 obj\n" + body + "\nendobj\n";
    }

    void Stream(int nObj, const std::string& data) {
        Object(nObj, "<< /Length " + std::to_string(data.size()) + " >>\nstream\n" + data +
                         "\nendstream");
    }

    const std::string& Finish(int nInfo) {
        size_t xref = out_.size();
        out_ += "xref\n0 " + std::to_string(offsets_.size()) + "\n";
        out_ += "0000000000 65535 f\r\n";  // every entry is exactly 20 bytes
        for (size_t i = 1; i < offsets_.size(); ++i) {
            out_ += Padded(offsets_[i], 10) + " 00000 n\r\n";
        }
        out_ += "trailer\n<< /Size " + std::to_string(offsets_.size()) + " /Root " +
                Ref(kCatalog) + " /Info " + Ref(nInfo) + " >>\nstartxref\n" +
                std::to_string(xref) + "\n%%EOF\n";
        return out_;
    }

  private:
    std::string out_;
    std::vector<size_t> offsets_;
};

}  // namespace

bool WriteTestPdf(const char* szPath, const std::vector<std::pair<int, int>>& pageSizes,
                  const PdfExtras* extras) {
    const PdfExtras none;
    const PdfExtras& ex = extras ? *extras : none;
    if (!szPath) return false;
    for (const auto& size : pageSizes) {
        if (size.first <= 0 || size.second <= 0) return false;
    }
    const bool bField = ex.bFormField;
    if (bField && pageSizes.empty()) return false;  // the widget needs a page 1

    const int nField = PageObj(pageSizes.size());
    const int nInfo = bField ? nField + 1 : nField;
    Builder pdf(nInfo);

    std::string catalog = "<< /Type /Catalog /Pages " + Ref(kPages);
    if (bField) {
        catalog += " /AcroForm << /Fields [" + Ref(nField) + "] /DR << /Font << /Helv " +
                   Ref(kFont) + " >> >> /DA (/Helv 0 Tf 0 g) /NeedAppearances true >>";
    }
    pdf.Object(kCatalog, catalog + " >>");

    std::string kids;
    for (size_t n = 0; n < pageSizes.size(); ++n) kids += (n ? " " : "") + Ref(PageObj(n));
    pdf.Object(kPages, "<< /Type /Pages /Kids [" + kids + "] /Count " +
                           std::to_string(pageSizes.size()) + " >>");
    pdf.Object(kFont,
               "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>");

    for (size_t n = 0; n < pageSizes.size(); ++n) {
        const int w = pageSizes[n].first;
        const int h = pageSizes[n].second;
        std::string page = "<< /Type /Page /Parent " + Ref(kPages) + " /MediaBox [0 0 " +
                           std::to_string(w) + " " + std::to_string(h) +
                           "] /Resources << /Font << /F1 " + Ref(kFont) + " >> >> /Contents " +
                           Ref(PageObj(n) + 1);
        if (bField && n == 0) page += " /Annots [" + Ref(nField) + "]";
        pdf.Object(PageObj(n), page + " >>");

        const std::string x = std::to_string(w / 10);
        std::string content;
        if (ex.bBackgroundRect) {
            content = "0.85 0.85 0.95 rg\n" + x + " " + std::to_string(h / 10) + " " +
                      std::to_string(w - 2 * (w / 10)) + " " + std::to_string(h - 2 * (h / 10)) +
                      " re f\n0 g\nBT /F1 12 Tf " + x + " " + std::to_string(h / 2) +
                      " Td (TANDREL-BG) Tj ET";
        } else {
            content = "BT /F1 12 Tf " + x + " " + std::to_string(h / 2) + " Td (Page " +
                      std::to_string(n + 1) + ") Tj ET";
        }
        pdf.Stream(PageObj(n) + 1, content);
    }

    if (bField) {
        const int w = pageSizes[0].first;
        const int h = pageSizes[0].second;
        const std::string rect = std::to_string(w / 10) + " " + std::to_string(h / 4) + " " +
                                 std::to_string(w - w / 10) + " " +
                                 std::to_string(h / 4 + h / 10 + 1);
        pdf.Object(nField, "<< /Type /Annot /Subtype /Widget /FT /Tx /T " +
                               Literal(ex.szFieldName ? ex.szFieldName : "tandrel_field") +
                               " /V () /F 4 /Rect [" + rect + "] /P " + Ref(PageObj(0)) +
                               " /DA (/Helv 12 Tf 0 g) >>");
    }
    pdf.Object(nInfo, "<< /Producer (TANDREL tests) >>");

    const std::string& bytes = pdf.Finish(nInfo);
    FILE* f = fopen(szPath, "wb");
    if (!f) return false;
    bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = (fclose(f) == 0) && ok;
    if (!ok) remove(szPath);
    return ok;
}
