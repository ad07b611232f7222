// CString: formatting, buffers, sharing and the search and edit operations.
#include "support/harness.h"

TEST(StrCore, FormattingBuffersAndSharingKeepEachStringsOwnText)
{
    CString s;
    s.Format("%d-%s-%05.1f", 42, "abc", 3.14159);
    EXPECT_STREQ("42-abc-003.1", (LPCTSTR)s);
    // Copies share until one is written.
    CString a("shared"), b = a;
    EXPECT_EQ((LPCTSTR)a, (LPCTSTR)b);
    b.SetAt(0, 'S');
    EXPECT_STREQ("shared", (LPCTSTR)a);
    EXPECT_STREQ("Shared", (LPCTSTR)b);
    // An API writes into the buffer; the release takes its length or the given one.
    strcpy(s.GetBuffer(32), "written by an API");
    s.ReleaseBuffer();
    EXPECT_EQ(17, s.GetLength());
    s.GetBuffer(0)[7] = '\0';
    s.ReleaseBuffer(3);
    EXPECT_STREQ("wri", (LPCTSTR)s);
    s += s;
    s = (LPCTSTR)s + 1;
    EXPECT_STREQ("riwri", (LPCTSTR)s);
    EXPECT_FALSE(s.LoadString(54321));
    EXPECT_TRUE(s.IsEmpty());
}

TEST(StrCore, SearchSliceAndEditOperations)
{
    const CString h("Hello, world");
    EXPECT_EQ(4, h.Find('o'));
    EXPECT_EQ(8, h.Find('o', 5));
    EXPECT_EQ(8, h.ReverseFind('o'));
    EXPECT_EQ(7, h.Find("world"));
    EXPECT_EQ(-1, h.Find('z'));
    const struct { CString actual; const char* expected; } slices[] = {
        {h.Left(5), "Hello"}, {h.Right(5), "world"}, {h.Mid(7, 3), "wor"}, {h.Mid(50), ""}, {h.Left(-1), ""},
    };
    for (const auto& slice : slices)
        EXPECT_STREQ(slice.expected, (LPCTSTR)slice.actual);
    CString s("  a-b-c  ");
    s.TrimLeft();
    s.TrimRight();
    EXPECT_EQ(2, s.Replace('-', '+'));
    EXPECT_STREQ("a+b+c", (LPCTSTR)s);
    EXPECT_EQ(2, s.Replace("+", "--"));
    EXPECT_EQ(4, s.Remove('-'));
    EXPECT_STREQ("abc", (LPCTSTR)s);
    s.Insert(1, "XY");
    EXPECT_STREQ("aXYbc", (LPCTSTR)s);
    s.Delete(1, 2);
    s.MakeUpper();
    s += 'd';
    s = s + "e" + CString('f', 2);
    EXPECT_STREQ("ABCdeff", (LPCTSTR)s);
    EXPECT_TRUE(s == "ABCdeff");
    EXPECT_EQ(0, s.CompareNoCase("abcDEFF"));
}
