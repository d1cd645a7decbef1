// The two text tables: completeness, exact bytes where escapes are easy to get wrong, the
// entries that must match or differ, the About layout and the Windows-1252 byte rules.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "gui.h"

namespace {

struct Table {
    const char* szName;
    const char* const* szText;
};

const Table kTables[] = {{"fr", szLang_fr}, {"en", szLang_en}};

std::vector<std::string> SplitCrLf(const std::string& s) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        size_t pos = s.find("\r\n", start);
        if (pos == std::string::npos) {
            lines.push_back(s.substr(start));
            return lines;
        }
        lines.push_back(s.substr(start, pos - start));
        start = pos + 2;
    }
}

}  // namespace

TEST(Texts, EveryEntryIsPresent) {
    for (const Table& t : kTables) {
        for (int i = 0; i < TANDREL_TEXT_COUNT; ++i) {
            EXPECT_NE(t.szText[i], nullptr) << t.szName << " " << i;
        }
    }
}

// Accented letters next to hex digit letters are where an escape silently eats the next
// character; each case names the byte expected at an offset and the text's full length.
TEST(Texts, FrenchAccentedBytes) {
    struct Case {
        int nIndex;
        size_t nOffset;
        unsigned char cByte;
        size_t nLength;
    };
    const Case cases[] = {
        {17, 18, 0xE9, 27},  // Impression basse r?solution
        {21, 12, 0xE9, 13},  // Accessibilit?
        {28, 1, 0xE9, 7},    // R?parer
        {30, 1, 0xE9, 12},   // D?compresser
        {35, 1, 0xE9, 10},   // D?chiffrer
        {36, 1, 0xE9, 9},    // S?lection
        {38, 0, 0xE0, 3},    // ? :
        {42, 1, 0xE9, 12},   // S?lectionner
        {46, 7, 0xE9, 10},   // Ajout r?p.
        {60, 17, 0xE9, 36},  // Aucune page trouv?e pour ce fichier.
    };
    for (const Case& c : cases) {
        const char* s = szLang_fr[c.nIndex];
        ASSERT_NE(s, nullptr) << c.nIndex;
        ASSERT_EQ(strlen(s), c.nLength) << c.nIndex << ": " << s;
        EXPECT_EQ(static_cast<unsigned char>(s[c.nOffset]), c.cByte) << c.nIndex;
    }
    // The letter after each split escape survives.
    EXPECT_EQ(szLang_fr[30][2], 'c');
    EXPECT_EQ(szLang_fr[35][2], 'c');
    EXPECT_EQ(szLang_fr[60][18], 'e');
}

TEST(Texts, FrenchAccentedFragments) {
    struct Case {
        int nIndex;
        const char* szFragment;
    };
    const Case cases[] = {
        {44, "la liste \xE0 gauche, puis"},
        {58, "doivent \xEAtre diff\xE9rents."},
        {61, "existe d\xE9j\xE0.\r\n\r\nVoulez-vous l'\xE9" "craser quand m\xEAme ?"},
        {62, "Erreur \xE0 la sauvegarde"},
        {62, "r\xE9pertoire est peut-\xEAtre prot\xE9g\xE9 en \xE9" "criture."},
    };
    for (const Case& c : cases) {
        ASSERT_NE(szLang_fr[c.nIndex], nullptr);
        EXPECT_NE(strstr(szLang_fr[c.nIndex], c.szFragment), nullptr) << c.nIndex;
    }
}

TEST(Texts, SharedAndDistinctWordings) {
    // The same wording serves several controls.
    EXPECT_STREQ(szLang_en[36], szLang_en[42]);
    EXPECT_STREQ(szLang_en[43], szLang_en[45]);
    EXPECT_STREQ(szLang_en[45], szLang_en[48]);
    EXPECT_STREQ(szLang_fr[45], szLang_fr[48]);
    // ...while French tells them apart.
    EXPECT_STRNE(szLang_fr[36], szLang_fr[42]);
    EXPECT_STRNE(szLang_fr[43], szLang_fr[45]);

    const std::set<int> same = {0, 1, 34, 53};
    for (int i = 0; i < TANDREL_TEXT_COUNT; ++i) {
        ASSERT_NE(szLang_fr[i], nullptr);
        ASSERT_NE(szLang_en[i], nullptr);
        if (same.count(i)) {
            EXPECT_STREQ(szLang_fr[i], szLang_en[i]) << i;
        } else {
            EXPECT_STRNE(szLang_fr[i], szLang_en[i]) << i;
        }
    }
    EXPECT_STREQ(szLang_en[0], "");
    EXPECT_STREQ(szLang_en[1], "TANDREL");
}

TEST(Texts, AboutLayout) {
    const std::set<size_t> empty = {2, 5, 7, 9, 11};
    for (const Table& t : kTables) {
        ASSERT_NE(t.szText[3], nullptr);
        std::vector<std::string> lines = SplitCrLf(t.szText[3]);
        ASSERT_EQ(lines.size(), 12u) << t.szName;
        for (size_t n = 1; n <= lines.size(); ++n) {
            EXPECT_EQ(lines[n - 1].empty(), empty.count(n) == 1) << t.szName << " line " << n;
        }
        EXPECT_EQ(lines[0].rfind("TANDREL ", 0), 0u) << t.szName;
        EXPECT_NE(lines[0].find("(c) 2026"), std::string::npos) << t.szName;
        EXPECT_NE(lines[2].find("https://www.pdflabs.com/tools/pdftk-the-pdf-toolkit/"),
                  std::string::npos)
            << t.szName;
        EXPECT_EQ(lines[5], "Version 1.0.0") << t.szName;
        EXPECT_NE(lines[7].find("README.md"), std::string::npos) << t.szName;
        EXPECT_NE(lines[9].find("pdftk 3.3.3 (pdftk-java)"), std::string::npos) << t.szName;
        EXPECT_NE(lines[9].find("Wine 8"), std::string::npos) << t.szName;
        EXPECT_NE(lines[11].find("MinGW-w64"), std::string::npos) << t.szName;
    }
    EXPECT_STRNE(szLang_fr[3], szLang_en[3]);
}

// Windows-1252 leaves five bytes undefined; a UTF-8 source saved by mistake shows up as 0xC3
// lead bytes; line breaks are always the CR LF pair; English needs no byte above ASCII while
// the French About text does carry accents.
TEST(Texts, Windows1252Bytes) {
    const std::set<unsigned char> undefined = {0x81, 0x8D, 0x8F, 0x90, 0x9D};
    for (const Table& t : kTables) {
        for (int i = 0; i < TANDREL_TEXT_COUNT; ++i) {
            const char* s = t.szText[i];
            ASSERT_NE(s, nullptr);
            size_t len = strlen(s);
            for (size_t k = 0; k < len; ++k) {
                unsigned char c = static_cast<unsigned char>(s[k]);
                unsigned char next = static_cast<unsigned char>(s[k + 1]);  // k + 1 <= len
                EXPECT_EQ(undefined.count(c), 0u) << t.szName << " " << i << " at " << k;
                EXPECT_FALSE(c == 0xC3 && next >= 0x80 && next <= 0xBF)
                    << t.szName << " " << i << " at " << k;
                EXPECT_TRUE(c != '\r' || next == '\n') << t.szName << " " << i << " at " << k;
                EXPECT_TRUE(c != '\n' || (k > 0 && s[k - 1] == '\r')) << t.szName << " " << i;
                EXPECT_TRUE(c >= 0x20 || c == '\r' || c == '\n') << t.szName << " " << i;
                EXPECT_TRUE(t.szText != szLang_en || c < 0x80) << "en " << i << " at " << k;
            }
        }
    }
    bool bAccent = false;
    for (const char* p = szLang_fr[3]; *p; ++p) bAccent |= static_cast<unsigned char>(*p) >= 0x80;
    EXPECT_TRUE(bAccent);
}

TEST(Texts, EnglishMessages) {
    struct Case {
        int nIndex;
        const char* szText;
    };
    const Case cases[] = {
        {54, "Choose a PDF file first."},
        {55, "Add at least one PDF file to the list."},
        {56, "Add at least two PDF files to the list."},
        {57, "Type owner password and/or user password first."},
        {58, "User and owner passwords must be different."},
        {59, "Type owner password first."},
        {60, "No page found for this file."},
        {61, "Result file already exists.\r\n\r\nOverwrite it ?"},
        {62, "Error saving settings.\r\n\r\nYour configuration file or directory may be "
             "write-protected."},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(szLang_en[c.nIndex], c.szText) << c.nIndex;
    }
}
