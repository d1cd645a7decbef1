// The parts of a split and their names, from plain values.
#include <gtest/gtest.h>

#include "paths.h"
#include "pdf_parts.h"

// Each part as "first-last name".
static std::vector<std::string> Listed(const std::vector<T_PART>& parts)
{
    std::vector<std::string> listed;
    for (const T_PART& p : parts)
        listed.push_back(std::to_string(p.nFirst) + "-" + std::to_string(p.nLast) + " " + p.name);
    return listed;
}

typedef std::vector<std::string> V;

// Every N pages, the last part what is left; nothing for an N the document cannot have.
TEST(Parts, EveryNPages)
{
    EXPECT_EQ(Listed(pdfPartsEvery(7, 3, "r")),
              V({"1-3 r_001.pdf", "4-6 r_002.pdf", "7-7 r_003.pdf"}));
    EXPECT_EQ(Listed(pdfPartsEvery(5, 5, "r")), V({"1-5 r_001.pdf"}));
    EXPECT_EQ(Listed(pdfPartsEvery(1200, 1, "r")).back(), "1200-1200 r_1200.pdf");
    for (int n : {0, 6, -1})
        EXPECT_TRUE(pdfPartsEvery(5, n, "r").empty()) << n;
}

// At the bookmarks of a level: a part from each one's page, the pages before the first apart,
// two on one page one part; bookmarks of other levels, or of no page, begin none.
TEST(Parts, AtTheBookmarksOfALevel)
{
    const std::vector<T_BOOKMARK> marks = {{"Intro", 1, 3}, {"Sub", 2, 4},  {"Also", 1, 3},
                                           {"Two", 1, 5},   {"Web", 1, 0},  {"Last", 1, 9},
                                           {"Same", 3, 2},  {"Same", 3, 7}, {"Far", 1, 12}};
    // clang-format off
    const struct { int nLevel; V parts; } cases[] = {
        {1, {"1-2 00 report.pdf", "3-4 01 Intro.pdf", "5-8 02 Two.pdf", "9-9 03 Last.pdf"}},
        {2, {"1-3 00 report.pdf", "4-9 01 Sub.pdf"}},
        {3, {"1-1 00 report.pdf", "2-6 01 Same.pdf", "7-9 02 Same.pdf"}},
        {4, {}},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(Listed(pdfPartsAtBookmarks(marks, c.nLevel, 9, "report", "C:\\r_parts")), c.parts)
            << c.nLevel;
    EXPECT_EQ(Listed(pdfPartsAtBookmarks({{"One", 1, 1}}, 1, 2, "r", "C:\\r")),
              V({"1-2 01 One.pdf"}));
}

// A title as a file name: what a name cannot hold replaced, a reserved device's name kept whole
// behind its number, cut to the room left by the folder's path at a letter's end.
TEST(Parts, NamesFromTitles)
{
    const std::string folder = "C:\\" + std::string(200, 'f');
    std::string jp; // 150 characters; the room after the folder is 48

    for (int i = 0; i < 150; ++i)
        jp += "\xE6\x97\xA5";
    // clang-format off
    const struct { std::string title; std::string name; } cases[] = {
        {"a<b>c:d\"e/f\\g|h?i*j", "01 a_b_c_d_e_f_g_h_i_j.pdf"},
        {"tab\there\x7F", "01 tab_here_.pdf"},    {"end.", "01 end_.pdf"},  {"end ", "01 end_.pdf"},
        {"CON", "01 CON.pdf"},                    {"", "01.pdf"},
        {"\xC5\x81\xC3\xB3\x64\xC5\xBA", "01 \xC5\x81\xC3\xB3\x64\xC5\xBA.pdf"},
        {std::string(300, 't'), "01 " + std::string(48, 't') + ".pdf"},
        {jp + jp, "01 " + jp.substr(0, 48 * 3) + ".pdf"},
        {std::string(46, 'e') + "\xF0\x9F\x98\x80", "01 " + std::string(46, 'e') + "\xF0\x9F\x98\x80.pdf"},
        {std::string(47, 'e') + "\xF0\x9F\x98\x80", "01 " + std::string(47, 'e') + ".pdf"},
        {std::string(47, 'e') + " x", "01 " + std::string(47, 'e') + "_.pdf"},
    };
    // clang-format on
    for (const auto& c : cases) {
        std::vector<T_PART> parts = pdfPartsAtBookmarks({{c.title, 1, 1}}, 1, 1, "r", folder);
        ASSERT_EQ(parts.size(), 1u);
        EXPECT_EQ(parts[0].name, c.name) << c.title;
        EXPECT_LE(pathChars((folder + "\\" + parts[0].name).c_str()), 259);
    }
}
