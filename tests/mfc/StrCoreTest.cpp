// CString: formatting, buffers, sharing and the search and edit operations.
#include "support/harness.h"

TEST(StrCore, FormatProducesPrintfText)
{
    CString s;
    s.Format("%d-%s-%05.1f", 42, "abc", 3.14159);
    EXPECT_STREQ((LPCTSTR)s, "42-abc-003.1");
    EXPECT_EQ(s.GetLength(), 12);
    CString t;
    t.Format("[%s]", (LPCTSTR)s);
    EXPECT_STREQ((LPCTSTR)t, "[42-abc-003.1]");
}

TEST(StrCore, CopiesShareUntilOneIsWritten)
{
    CString a("shared");
    CString b = a;
    EXPECT_EQ((LPCTSTR)a, (LPCTSTR)b);
    b.SetAt(0, 'S');
    EXPECT_STREQ((LPCTSTR)a, "shared");
    EXPECT_STREQ((LPCTSTR)b, "Shared");
}

TEST(StrCore, GetBufferThenReleaseBufferTakesTheWrittenText)
{
    CString s("old");
    LPTSTR p = s.GetBuffer(32);
    strcpy(p, "written by an API");
    s.ReleaseBuffer();
    EXPECT_STREQ((LPCTSTR)s, "written by an API");
    EXPECT_EQ(s.GetLength(), 17);
    p = s.GetBuffer(0);
    p[7] = '\0';
    s.ReleaseBuffer(3);
    EXPECT_STREQ((LPCTSTR)s, "wri");
}

TEST(StrCore, SearchAndSliceOperations)
{
    CString s("Hello, world");
    EXPECT_EQ(s.Find('o'), 4);
    EXPECT_EQ(s.Find('o', 5), 8);
    EXPECT_EQ(s.ReverseFind('o'), 8);
    EXPECT_EQ(s.Find("world"), 7);
    EXPECT_EQ(s.Find('z'), -1);
    EXPECT_STREQ((LPCTSTR)s.Left(5), "Hello");
    EXPECT_STREQ((LPCTSTR)s.Right(5), "world");
    EXPECT_STREQ((LPCTSTR)s.Mid(7, 3), "wor");
    EXPECT_STREQ((LPCTSTR)s.Mid(50), "");
    EXPECT_STREQ((LPCTSTR)s.Left(-1), "");
}

TEST(StrCore, EditingOperations)
{
    CString s("  a-b-c  ");
    s.TrimLeft();
    s.TrimRight();
    EXPECT_STREQ((LPCTSTR)s, "a-b-c");
    EXPECT_EQ(s.Replace('-', '+'), 2);
    EXPECT_STREQ((LPCTSTR)s, "a+b+c");
    EXPECT_EQ(s.Replace("+", "--"), 2);
    EXPECT_STREQ((LPCTSTR)s, "a--b--c");
    EXPECT_EQ(s.Remove('-'), 4);
    EXPECT_STREQ((LPCTSTR)s, "abc");
    s.Insert(1, "XY");
    EXPECT_STREQ((LPCTSTR)s, "aXYbc");
    s.Delete(1, 2);
    EXPECT_STREQ((LPCTSTR)s, "abc");
    s.MakeUpper();
    EXPECT_STREQ((LPCTSTR)s, "ABC");
    s += 'd';
    s = s + "e" + CString('f', 2);
    EXPECT_STREQ((LPCTSTR)s, "ABCdeff");
    EXPECT_TRUE(s == "ABCdeff");
    EXPECT_EQ(s.CompareNoCase("abcDEFF"), 0);
}

TEST(StrCore, SelfAppendAndSelfAssignKeepTheText)
{
    CString s("ab");
    s += s;
    EXPECT_STREQ((LPCTSTR)s, "abab");
    s = (LPCTSTR)s + 1;
    EXPECT_STREQ((LPCTSTR)s, "bab");
}

TEST(StrCore, MissingStringResourceLoadsEmpty)
{
    CString s("keep?");
    EXPECT_FALSE(s.LoadString(54321));
    EXPECT_TRUE(s.IsEmpty());
}
