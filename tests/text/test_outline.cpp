// The bookmarks and document information kept through a page edit: the dump read, the source
// pages followed to the result, the bookmarks moved, the text of the info update.
#include <gtest/gtest.h>

#include "pdf_outline.h"

typedef std::vector<T_BOOKMARK> Marks;

static bool operator==(const T_BOOKMARK& a, const T_BOOKMARK& b)
{
    return a.title == b.title && a.nLevel == b.nLevel && a.nPage == b.nPage;
}

// As the tool dumps a file: values as they are (no entities), a line break in a value as it is.
TEST(Outline, DumpReadAndFormedBack)
{
    const std::string dump =
        "InfoBegin\nInfoKey: Odd:Key\nInfoValue:  a&amp;b <\xC3\xA9> \n"
        "InfoBegin\r\nInfoKey: Title\r\nInfoValue: L1\r\nL2\r\n"
        "InfoBegin\nInfoKey: Subject\nInfoValue: Summary\nNote: draft\n"
        "NumberOfPages: 6\nBookmarkBegin\nBookmarkTitle: \nBookmarkLevel: 1\n"
        "BookmarkPageNumber: 0\nBookmarkBegin\nBookmarkTitle: A: b\n"
        "Chapter 2: more\nBookmarkLevel: 2\nBookmarkPageNumber: 5\n"
        "BookmarkBegin\nBookmarkTitle: Intro\nBookmarkBegin\nBookmarkLevel: 1\n"
        "BookmarkPageNumber: 6\nPageMediaBegin\nPageMediaNumber: 1\n";
    T_DOC_DATA data;
    ASSERT_EQ(pdfReadDocData(dump, data), 6);
    EXPECT_EQ(data.info[0].key, "Odd:Key");
    EXPECT_EQ(data.info[0].value, " a&amp;b <\xC3\xA9> ");
    EXPECT_EQ(data.info[1].value, "L1\nL2");
    EXPECT_EQ(data.info[2].value, "Summary\nNote: draft"); // no field "Note" of its own
    EXPECT_EQ(data.bookmarks, Marks({{"", 1, 0},
                                     {"A: b\nChapter 2: more", 2, 5},
                                     {"Intro\nBookmarkBegin", 1, 6}})); // no bookmark of its own
    EXPECT_EQ(pdfInfoText(data.info, {data.bookmarks[1]}),
              "InfoBegin\nInfoKey: Odd:Key\nInfoValue:  a&amp;b <\xC3\xA9> \nInfoBegin\n"
              "InfoKey: Title\nInfoValue: L1 L2\nInfoBegin\nInfoKey: Subject\nInfoValue: Summary "
              "Note: draft\nBookmarkBegin\nBookmarkTitle: A: b Chapter 2: "
              "more\nBookmarkLevel: 2\nBookmarkPageNumber: 5\n");
    // A join keeps its outline: information alone; nothing to write, no second run.
    EXPECT_EQ(pdfInfoText({{"Author", "Me"}, {"Empty", ""}, {"", "x"}}, {}),
              "InfoBegin\nInfoKey: Author\nInfoValue: Me\n");
    EXPECT_EQ(pdfReadDocData("NumberOfPages: 3\nInfoKey: Title\nInfoValue: x\n", data), 0);
    // The Document page's boxes: each entry set, an emptied one removed, a blank kept.
    EXPECT_EQ(pdfInfoUpdate({{"Title", "\xCE\x95\xCE\xBB &<>\""},
                             {"Author", ""},
                             {"Subject", " "},
                             {"Keywords", "a\nb"}}),
              "InfoBegin\nInfoKey: Title\nInfoValue: \xCE\x95\xCE\xBB &<>\"\nInfoBegin\nInfoKey: "
              "Author\nInfoValue: \nInfoBegin\nInfoKey: Subject\nInfoValue:  \nInfoBegin\nInfoKey: "
              "Keywords\nInfoValue: a b\n");
    EXPECT_EQ(pdfInfoText(data.info, data.bookmarks), "");
}

// Pages typed in the tool's syntax for a ten-page file, as the result holds them.
static std::vector<int> Typed(const char* szText)
{
    std::vector<T_PAGE_RANGE> ranges;
    EXPECT_EQ(pdfParseRanges(szText, 10, ranges), RANGES_VALID) << szText;
    return pdfRangePages(ranges);
}

// Each operation's source pages in the result's order, and where each source page went.
TEST(Outline, SourcePagesFollowedToTheResult)
{
    // clang-format off
    const struct { std::vector<int> sequence; std::vector<int> newPages; } cases[] = {
        {Typed("6 1-2 6"),         {0, 2, 3, 0, 0, 0, 1}},
        {Typed("end-1even"),       {0, 0, 5, 0, 4, 0, 3, 0, 2, 0, 1}},
        {Typed("9-2odd, 1odd"),    {0, 5, 0, 4, 0, 3, 0, 2, 0, 1}},
        {Typed("2-4odd 1-3 even"), {0, 0, 2, 1}},
        {Typed("r3-r1 r10"),       {0, 4, 0, 0, 0, 0, 0, 0, 1, 2, 3}},
        {Typed("r1-r3odd"),        {0, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
        {pdfPagesLeft(std::vector<int>{3, 0, 9}.data(), 3, 6), {0, 0, 1, 2, 0, 3, 4}},
        {pdfInterleaveFronts(5, 2), {0, 1, 3, 5, 6, 7}},
        {pdfInterleaveFronts(2, 4), {0, 1, 3}},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(pdfNewPages(c.sequence), c.newPages) << c.sequence.size();
    EXPECT_EQ(pdfInterleaveFronts(2, 4), std::vector<int>({1, 0, 2, 0, 0, 0}));
}

// Bookmarks moved onto the result: a page gone leads to the next page kept, none after drops the
// bookmark, and the levels close up over the dropped ones.
TEST(Outline, BookmarksMovedAndTheOutlineKeptWhole)
{
    const Marks source = {{"A", 1, 1},   {"B", 1, 2},   {"C", 1, 4}, {"C1", 2, 5},
                          {"C11", 3, 6}, {"Web", 2, 0}, {"D", 1, 6}};
    // clang-format off
    const struct { std::vector<int> sequence; Marks mapped; } cases[] = {
        {{1, 2, 3, 5, 6},
         {{"A", 1, 1}, {"B", 1, 2}, {"C", 1, 4}, {"C1", 2, 4}, {"C11", 3, 5}, {"Web", 2, 0}, {"D", 1, 5}}},
        {{2, 3}, {{"A", 1, 1}, {"B", 1, 1}, {"Web", 1, 0}}},
        {{1, 0, 5, 0}, {{"A", 1, 1}, {"B", 1, 3}, {"C", 1, 3}, {"C1", 2, 3}, {"Web", 2, 0}}},
    };
    // clang-format on
    for (const auto& c : cases) {
        Marks mapped = pdfMapBookmarks(source, pdfNewPages(c.sequence));
        EXPECT_EQ(mapped, c.mapped) << c.sequence.size();
        for (size_t i = 0; i < mapped.size(); ++i) // the outline well formed
            EXPECT_LE(mapped[i].nLevel, i ? mapped[i - 1].nLevel + 1 : 1) << mapped[i].title;
    }
    // Parents dropped: their children rise, never more than one level below the one before.
    const Marks deep = {{"P", 1, 9}, {"Q", 2, 9}, {"R", 3, 2}, {"S", 4, 3}, {"T", 2, 2}};
    EXPECT_EQ(pdfMapBookmarks(deep, pdfNewPages({2, 3})),
              Marks({{"R", 1, 1}, {"S", 2, 2}, {"T", 1, 1}}));
}
