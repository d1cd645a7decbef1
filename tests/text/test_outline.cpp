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
    const std::string dump = "InfoBegin\nInfoKey: Odd:Key\nInfoValue:  a&amp;b <\xC3\xA9> \n"
                             "InfoBegin\r\nInfoKey: Title\r\nInfoValue: L1\r\nL2\r\n"
                             "NumberOfPages: 6\nBookmarkBegin\nBookmarkTitle: \nBookmarkLevel: 1\n"
                             "BookmarkPageNumber: 0\nBookmarkBegin\nBookmarkTitle: A: b\n"
                             "Chapter 2: more\nBookmarkLevel: 2\nBookmarkPageNumber: 5\n"
                             "PageMediaBegin\nPageMediaNumber: 1\n";
    T_DOC_DATA data;
    ASSERT_EQ(pdfReadDocData(dump, data), 4);
    EXPECT_EQ(data.info[0].key, "Odd:Key");
    EXPECT_EQ(data.info[0].value, " a&amp;b <\xC3\xA9> ");
    EXPECT_EQ(data.info[1].value, "L1\nL2");
    EXPECT_EQ(data.bookmarks, Marks({{"", 1, 0}, {"A: b\nChapter 2: more", 2, 5}}));
    EXPECT_EQ(pdfInfoText(data.info, {data.bookmarks[1]}),
              "InfoBegin\nInfoKey: Odd:Key\nInfoValue:  a&amp;b <\xC3\xA9> \nInfoBegin\n"
              "InfoKey: Title\nInfoValue: L1 L2\nBookmarkBegin\nBookmarkTitle: A: b Chapter 2: "
              "more\nBookmarkLevel: 2\nBookmarkPageNumber: 5\n");
    // A join keeps its outline: information alone; nothing to write, no second run.
    EXPECT_EQ(pdfInfoText({{"Author", "Me"}, {"Empty", ""}, {"", "x"}}, {}),
              "InfoBegin\nInfoKey: Author\nInfoValue: Me\n");
    EXPECT_EQ(pdfReadDocData("NumberOfPages: 3\nInfoKey: Title\nInfoValue: x\n", data), 0);
    EXPECT_EQ(pdfInfoText(data.info, data.bookmarks), "");
}
