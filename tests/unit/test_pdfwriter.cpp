// The test PDF writer: its cross-reference table and stream lengths must match the written
// bytes, or the tool would repair or refuse the files the other tests depend on.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "pdfwriter.h"

namespace {

std::string TempPdf(const char* szName) { return ::testing::TempDir() + "tandrel_pw_" + szName; }

std::string ReadAll(const std::string& path) {
    std::string data;
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return data;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) data.append(buf, n);
    fclose(f);
    return data;
}

// Follows startxref to the table and checks that every entry names the offset of its object.
void ExpectConsistentXref(const std::string& pdf, const char* szCase) {
    size_t sx = pdf.rfind("startxref\n");
    ASSERT_NE(sx, std::string::npos) << szCase;
    size_t xref = strtoul(pdf.c_str() + sx + 10, nullptr, 10);
    ASSERT_EQ(pdf.compare(xref, 7, "xref\n0 "), 0) << szCase;
    char* end = nullptr;
    size_t count = strtoul(pdf.c_str() + xref + 7, &end, 10);
    ASSERT_EQ(*end, '\n') << szCase;
    size_t entries = static_cast<size_t>(end + 1 - pdf.c_str());
    ASSERT_LE(entries + 20 * count, pdf.size()) << szCase;
    EXPECT_EQ(pdf.compare(entries, 20, "0000000000 65535 f\r\n"), 0) << szCase;
    for (size_t i = 1; i < count; ++i) {
        std::string entry = pdf.substr(entries + 20 * i, 20);
        ASSERT_EQ(entry.substr(10), " 00000 n\r\n") << szCase << " entry " << i;
        size_t off = strtoul(entry.c_str(), nullptr, 10);
        std::string head = std::to_string(i) + " 0 obj\n";
        EXPECT_EQ(pdf.compare(off, head.size(), head), 0) << szCase << " object " << i;
    }
    EXPECT_EQ(pdf.compare(entries + 20 * count, 8, "trailer\n"), 0) << szCase;
    EXPECT_NE(pdf.find("/Size " + std::to_string(count) + " /Root 1 0 R"), std::string::npos)
        << szCase;
}

// Every stream's declared length ends exactly before its end-of-line and endstream; one stream
// per page.
void ExpectStreamLengths(const std::string& pdf, size_t nPages, const char* szCase) {
    size_t nStreams = 0;
    for (size_t at = pdf.find(">>\nstream\n"); at != std::string::npos;
         at = pdf.find(">>\nstream\n", at + 1)) {
        size_t len = pdf.rfind("/Length ", at);
        ASSERT_NE(len, std::string::npos) << szCase;
        size_t n = strtoul(pdf.c_str() + len + 8, nullptr, 10);
        EXPECT_EQ(pdf.compare(at + 10 + n, 11, "\nendstream\n"), 0) << szCase << " at " << at;
        ++nStreams;
    }
    EXPECT_EQ(nStreams, nPages) << szCase;
}

}  // namespace

TEST(PdfWriter, StructureMatchesBytes) {
    PdfExtras form;
    form.bFormField = true;
    form.szFieldName = "name (with) \\ chars";
    PdfExtras bg;
    bg.bBackgroundRect = true;
    struct Case {
        const char* szName;
        std::vector<std::pair<int, int>> sizes;
        const PdfExtras* extras;
    };
    const Case cases[] = {
        {"one.pdf", {{612, 792}}, nullptr},
        {"three.pdf", {{612, 792}, {842, 595}, {50, 70}}, nullptr},
        {"form.pdf", {{300, 400}, {300, 400}}, &form},
        {"bg.pdf", {{595, 842}}, &bg},
        {"empty.pdf", {}, nullptr},
    };
    for (const Case& c : cases) {
        std::string path = TempPdf(c.szName);
        ASSERT_TRUE(WriteTestPdf(path.c_str(), c.sizes, c.extras)) << c.szName;
        std::string pdf = ReadAll(path);
        remove(path.c_str());
        ASSERT_EQ(pdf.compare(0, 8, "%PDF-1.4"), 0) << c.szName;
        ExpectConsistentXref(pdf, c.szName);
        ExpectStreamLengths(pdf, c.sizes.size(), c.szName);
        EXPECT_NE(pdf.find("/Count " + std::to_string(c.sizes.size()) + " "), std::string::npos)
            << c.szName;
        for (size_t n = 0; n < c.sizes.size(); ++n) {
            std::string box = "/MediaBox [0 0 " + std::to_string(c.sizes[n].first) + " " +
                              std::to_string(c.sizes[n].second) + "]";
            EXPECT_NE(pdf.find(box), std::string::npos) << c.szName << " page " << n + 1;
            std::string mark = "(Page " + std::to_string(n + 1) + ") Tj";
            EXPECT_EQ(pdf.find(mark) != std::string::npos, c.extras != &bg) << c.szName;
        }
    }
}

TEST(PdfWriter, Extras) {
    PdfExtras form;
    form.bFormField = true;
    form.szFieldName = "a(b)\\c";
    std::string path = TempPdf("extras_form.pdf");
    ASSERT_TRUE(WriteTestPdf(path.c_str(), {{200, 200}}, &form));
    std::string pdf = ReadAll(path);
    EXPECT_NE(pdf.find("/T (a\\(b\\)\\\\c)"), std::string::npos);
    EXPECT_NE(pdf.find("/AcroForm"), std::string::npos);
    EXPECT_NE(pdf.find("/Annots ["), std::string::npos);

    PdfExtras bg;
    bg.bBackgroundRect = true;
    ASSERT_TRUE(WriteTestPdf(path.c_str(), {{200, 200}, {200, 200}}, &bg));
    pdf = ReadAll(path);
    remove(path.c_str());
    EXPECT_NE(pdf.find(" re f\n"), std::string::npos);
    EXPECT_NE(pdf.find("(TANDREL-BG) Tj"), std::string::npos);
    EXPECT_EQ(pdf.find("/AcroForm"), std::string::npos);
}

TEST(PdfWriter, RefusesWhatItCannotWrite) {
    std::string path = TempPdf("refused.pdf");
    remove(path.c_str());  // a file left by an earlier run must not hide a write
    PdfExtras form;
    form.bFormField = true;
    EXPECT_FALSE(WriteTestPdf(path.c_str(), {{0, 100}}));
    EXPECT_FALSE(WriteTestPdf(path.c_str(), {{100, 100}, {100, -1}}));
    EXPECT_FALSE(WriteTestPdf(path.c_str(), {}, &form));
    EXPECT_TRUE(ReadAll(path).empty());
    std::string missing = TempPdf("no_such_dir/x.pdf");
    EXPECT_FALSE(WriteTestPdf(missing.c_str(), {{100, 100}}));
}
