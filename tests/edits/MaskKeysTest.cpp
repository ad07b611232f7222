// The masked edit at the keyboard and mouse: digits, stepping, clearing and blocked editing.
#include "EditFixture.h"

using namespace edits_test;

namespace {

// Counts what reaches the window after the pre-translate walk; a context menu is
// counted and then refused, so that no modal menu loop can stall a test.
class ProbeMaskEdit : public CCoolMaskEdit
{
public:
    int contextMenus = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CONTEXTMENU)
        {
            ++contextMenus;
            return 0;
        }
        return CCoolMaskEdit::WindowProc(message, wParam, lParam);
    }
};

const char kPlaceholder[] = "YYYY-MM-DD HH:MM:SS";

std::string LocalNow()
{
    SYSTEMTIME t;
    ::GetLocalTime(&t);
    return Stamp(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
}

// One edit at the keyboard: the value and selection it starts from, the characters typed
// (or, when there are none, the key pressed) and the text and selection expected after it.
struct KeyCase { const char* start; int selStart, selEnd; const char* typed; WORD key; const char* text; int selStartAfter, selEndAfter; };

class MaskKeys : public EditTest<ProbeMaskEdit>
{
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(EditTest::SetUp());
        m_edit.MaskDateTime(kMaskFormatDateTime);
        ASSERT_TRUE(vt::FocusOn(m_edit));
    }

    void Start(const char* value, int selStart, int selEnd)
    {
        int y, mo, d, h, mi, s;
        ASSERT_EQ(6, sscanf(value, "%d-%d-%d %d:%d:%d", &y, &mo, &d, &h, &mi, &s));
        ASSERT_EQ(1, m_edit.SetDateTime(y, mo, d, h, mi, s));
        m_edit.SetSel(selStart, selEnd);
        ASSERT_EQ(CPoint(selStart, selEnd), SelectionOf(m_edit));
    }

    template <size_t N>
    void Run(const KeyCase (&cases)[N])
    {
        for (const KeyCase& c : cases)
        {
            SCOPED_TRACE(testing::Message() << c.start << " at " << c.selStart << ".." << c.selEnd << ": "
                                            << (c.typed ? c.typed : "key ") << c.key);
            Start(c.start, c.selStart, c.selEnd);
            if (c.typed)
                Type(c.typed);
            else
                Press(c.key);
            EXPECT_EQ(c.text, TextOf(m_edit));
            EXPECT_EQ(CPoint(c.selStartAfter, c.selEndAfter), SelectionOf(m_edit));
        }
    }
};

TEST_F(MaskKeys, DigitsOverwriteClampAndWalkAcrossSeparators)
{
    const KeyCase cases[] = {
        {kExampleText, 5, 5, "1", 0, "2014-12-06 08:03:09", 6, 6},
        {kExampleText, 5, 5, "11", 0, "2014-11-06 08:03:09", 8, 8},
        {kExampleText, 4, 4, "5", 0, "2015-05-06 08:03:09", 5, 5},
        {kExampleText, 0, 0, "0", 0, "1000-05-06 08:03:09", 1, 1},
        {kExampleText, 0, 0, "1999", 0, "1999-05-06 08:03:09", 5, 5},
        {kExampleText, 11, 11, "2", 0, "2014-05-06 23:03:09", 12, 12},
        {kExampleText, 14, 14, "7", 0, "2014-05-06 08:59:09", 15, 15},
        {kExampleText, 17, 17, "17", 0, "2014-05-06 08:03:17", 19, 19},
        {kExampleText, 19, 19, "4", 0, "2014-05-06 08:03:04", 19, 19},
        {kExampleText, 8, 8, "4", 0, "2014-05-31 08:03:09", 9, 9},
        {kExampleText, 8, 8, "00", 0, "2014-05-01 08:03:09", 11, 11},
        // A typed month brings the day back into its month.
        {"2014-01-31 00:00:00", 6, 6, "4", 0, "2014-04-30 00:00:00", 8, 8},
    };
    Run(cases);
}

// An Up key steps the item that holds the caret: a caret right after an item still belongs
// to it, one right after a separator to the next item.
TEST_F(MaskKeys, UpStepsTheItemUnderTheCaretWhereverItStands)
{
    const char* stepped[] = {"2015-05-06 08:03:09", "2014-06-06 08:03:09", "2014-05-07 08:03:09",
                             "2014-05-06 09:03:09", "2014-05-06 08:04:09", "2014-05-06 08:03:10"};
    for (int caret = 0; caret <= 19; ++caret)
    {
        SCOPED_TRACE("caret at " + std::to_string(caret));
        Start(kExampleText, caret, caret);
        m_edit.SetModify(FALSE);
        Press(VK_UP);
        EXPECT_TRUE(m_edit.GetModify());
        EXPECT_EQ(stepped[caret <= 4 ? 0 : (caret - 2) / 3], TextOf(m_edit));
        EXPECT_EQ(CPoint(caret, caret), SelectionOf(m_edit));
    }
}

TEST_F(MaskKeys, SteppingWrapsStopsTheYearAndRefitsTheDay)
{
    const KeyCase cases[] = {
        {"2014-05-06 08:03:59", 17, 17, nullptr, VK_UP, "2014-05-06 08:03:00", 17, 17},
        {"2014-01-31 08:03:09", 5, 5, nullptr, VK_DOWN, "2014-12-31 08:03:09", 5, 5},
        {"2014-01-31 08:03:09", 8, 8, nullptr, VK_UP, "2014-01-01 08:03:09", 8, 8},
        {"2013-02-01 00:00:00", 9, 9, nullptr, VK_DOWN, "2013-02-28 00:00:00", 9, 9},
        {"2014-05-06 00:03:09", 12, 12, nullptr, VK_DOWN, "2014-05-06 23:03:09", 12, 12},
        // A year or month change brings the day back into its month.
        {"2012-02-29 00:00:00", 0, 0, nullptr, VK_UP, "2013-02-28 00:00:00", 0, 0},
        {"2014-01-31 00:00:00", 5, 5, nullptr, VK_UP, "2014-02-28 00:00:00", 5, 5},
        // A selection inside one item collapses to its start; one across items does nothing.
        {kExampleText, 0, 4, nullptr, VK_DOWN, "2013-05-06 08:03:09", 0, 0},
        {kExampleText, 3, 6, nullptr, VK_UP, kExampleText, 3, 6},
        // The year stops at its limits and leaves even the selection alone.
        {"3000-01-01 00:00:00", 1, 3, nullptr, VK_UP, "3000-01-01 00:00:00", 1, 3},
        {"1000-01-01 00:00:00", 2, 2, nullptr, VK_DOWN, "1000-01-01 00:00:00", 2, 2},
        // The characters that share the arrows' codes step too.
        {kExampleText, 5, 5, "&", 0, "2014-06-06 08:03:09", 5, 5},
        {kExampleText, 5, 5, "((", 0, "2014-03-06 08:03:09", 5, 5},
    };
    Run(cases);
}

// Delete and Backspace clear only a whole selection; a digit over a selection and other
// characters (Backspace arrives as one too) are swallowed and collapse the selection.
TEST_F(MaskKeys, OnlyAWholeSelectionCanBeClearedAndOtherCharactersAreSwallowed)
{
    const KeyCase cases[] = {
        {kExampleText, 5, 7, "3", 0, kExampleText, 5, 5},
        // Every letter of both cases, the space and the punctuation that does not share a key's code.
        {kExampleText, 5, 7, "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ -=[];,./`~!@^*_+{}|:\"<>?", 0,
         kExampleText, 5, 5},
        {kExampleText, 5, 5, nullptr, VK_RIGHT, kExampleText, 6, 6},
        {kExampleText, 5, 5, nullptr, VK_LEFT, kExampleText, 4, 4},
        {kExampleText, 5, 5, nullptr, VK_END, kExampleText, 19, 19},
        {kExampleText, 5, 5, nullptr, VK_DELETE, kExampleText, 5, 5},
        {kExampleText, 0, 4, nullptr, VK_DELETE, kExampleText, 0, 4},
        {kExampleText, 5, 5, nullptr, VK_BACK, kExampleText, 5, 5},
        {kExampleText, 0, 4, nullptr, VK_BACK, kExampleText, 0, 0},
        {kExampleText, 0, 19, nullptr, VK_BACK, kPlaceholder, 0, 0},
        {kExampleText, 0, 19, nullptr, VK_DELETE, kPlaceholder, 0, 0},
    };
    Run(cases);
    EXPECT_EQ(0, m_edit.GetYear());
}

// Up, Down and digits on the placeholder start from the clock; other keys do nothing there.
TEST_F(MaskKeys, OnThePlaceholderKeysStartFromTheCurrentDateAndTime)
{
    ASSERT_EQ(1, m_edit.ClearDateTime());
    m_edit.SetSel(5, 5);
    Type("a");
    Press(VK_DELETE);
    Press(VK_BACK);
    EXPECT_EQ(kPlaceholder, TextOf(m_edit));
    EXPECT_EQ(0, m_edit.GetYear());
    // The clock can tick between two reads; a read on each side brackets it.
    for (WORD key : {VK_UP, VK_DOWN})
    {
        SCOPED_TRACE(key == VK_UP ? "Up" : "Down");
        ASSERT_EQ(1, m_edit.ClearDateTime());
        m_edit.SetSel(3, 3);
        const std::string before = LocalNow();
        Press(key);
        EXPECT_GE(TextOf(m_edit), before);
        EXPECT_LE(TextOf(m_edit), LocalNow());
        EXPECT_EQ(CPoint(3, 3), SelectionOf(m_edit));
    }
    // 7 over the tens of the hour is at least 70 and so clamped to 23; minutes
    // and seconds are the clock's, unless the hour turned while typing.
    m_edit.MaskTime();
    m_edit.SetSel(0, 0);
    const std::string before = LocalNow().substr(14);
    Type("7");
    const std::string after = LocalNow().substr(14), minutes = TextOf(m_edit).substr(3);
    EXPECT_EQ(23, m_edit.GetHour());
    EXPECT_TRUE(before > after || (minutes >= before && minutes <= after)) << minutes;
    EXPECT_EQ(CPoint(1, 1), SelectionOf(m_edit));
}

// What the masked box refuses, next to a box without a mask that takes it.
TEST_F(MaskKeys, NoContextMenuPasteCutOrQueuedTextReplacement)
{
    ProbeMaskEdit plain;
    ASSERT_TRUE(CreateEdit(plain, m_host, 1));
    vt::Click(m_host.ToScreen(CPoint(kEditRect.left + 20, kEditRect.top + 8)), true);
    DrainInput();
    EXPECT_EQ(0, m_edit.contextMenus);
    vt::Click(m_host.ToScreen(CPoint(kEditRect.left + 20, kEditRect.bottom + 18)), true);
    vt::PumpUntil([&] { return plain.contextMenus > 0; }, 1000);
    EXPECT_EQ(1, plain.contextMenus);

    // Queued messages are handed to the pre-translate walk as the pump would (the
    // platform refuses to post those that carry a pointer).
    for (UINT message : {WM_SETTEXT, EM_REPLACESEL, WM_CONTEXTMENU, WM_PASTE, WM_CUT})
    {
        SCOPED_TRACE(vt::MessageName(message));
        MSG msg = {m_edit.m_hWnd, message, 0, (LPARAM) "junk"};
        EXPECT_TRUE(CWnd::WalkPreTranslateTree(m_host.m_hWnd, &msg));
    }
    MSG key = {m_edit.m_hWnd, WM_KEYDOWN, VK_UP, 0};
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(m_host.m_hWnd, &key));
    MSG text = {plain.m_hWnd, WM_SETTEXT, 0, (LPARAM) "junk"};
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(m_host.m_hWnd, &text));
}

TEST_F(MaskKeys, ReadOnlyKeysDoNothingButPaintStillFormats)
{
    m_edit.SetReadOnly(TRUE);
    Start(kExampleText, 5, 5);
    Type("1");
    Press(VK_UP);
    m_edit.SetSel(0, 19);
    Press(VK_DELETE);
    EXPECT_EQ(kExampleText, TextOf(m_edit));
    m_edit.SendMessage(WM_SETTEXT, 0, (LPARAM) "foreign");
    vt::PaintNow(m_edit.m_hWnd);
    EXPECT_EQ(kExampleText, TextOf(m_edit));
}

} // namespace
