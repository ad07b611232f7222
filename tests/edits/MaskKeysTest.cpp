// The masked edit at the keyboard and mouse: digits, stepping, clearing and blocked editing.
#include <stdio.h>
#include <string.h>
#include "EditFixture.h"

using namespace edits_test;

namespace {

// Counts what reaches the window after the pre-translate walk; a context menu is
// counted and then refused, so that no modal menu loop can stall a test.
class ProbeMaskEdit : public CCoolMaskEdit
{
public:
    int contextMenus = 0;
    int pastes = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CONTEXTMENU)
        {
            ++contextMenus;
            return 0;
        }
        if (message == WM_PASTE)
            ++pastes;
        return CCoolMaskEdit::WindowProc(message, wParam, lParam);
    }
};

struct When
{
    unsigned short y, mo, d, h, mi, s;
};

const When kExample = {2014, 5, 6, 8, 3, 9};
const char kExampleText[] = "2014-05-06 08:03:09";
const char kPlaceholder[] = "YYYY-MM-DD HH:MM:SS";

std::string FormatWhen(const SYSTEMTIME& t)
{
    char text[32];
    sprintf(text, "%04d-%02d-%02d %02d:%02d:%02d", t.wYear, t.wMonth, t.wDay, t.wHour,
            t.wMinute, t.wSecond);
    return text;
}

class MaskKeys : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateEdit(m_edit, m_host));
        m_edit.MaskDateTime(kMaskFormatDateTime);
        ASSERT_EQ(1, m_edit.SetDateTime(2014, 5, 6, 8, 3, 9));
        ASSERT_TRUE(FocusOn(m_host, m_edit));
    }

    void Start(const When& w, int selStart, int selEnd)
    {
        ASSERT_EQ(1, m_edit.SetDateTime(w.y, w.mo, w.d, w.h, w.mi, w.s));
        m_edit.SetSel(selStart, selEnd);
        ASSERT_EQ(CPoint(selStart, selEnd), SelectionOf(m_edit));
    }

    void PostChar(UINT ch)
    {
        m_edit.PostMessage(WM_CHAR, ch, 1);
        vt::PumpPending();
    }

    vt::HostWnd m_host;
    ProbeMaskEdit m_edit;
};

struct TypingCase
{
    When start;
    int caret;
    const char* typed;
    const char* text;
    int caretAfter;
};

TEST_F(MaskKeys, DigitsOverwriteClampAndWalkAcrossSeparators)
{
    const TypingCase cases[] = {
        {kExample, 5, "1", "2014-12-06 08:03:09", 6},
        {kExample, 5, "11", "2014-11-06 08:03:09", 8},
        {kExample, 4, "5", "2015-05-06 08:03:09", 5},
        {kExample, 0, "0", "1000-05-06 08:03:09", 1},
        {kExample, 0, "1999", "1999-05-06 08:03:09", 5},
        {kExample, 11, "2", "2014-05-06 23:03:09", 12},
        {kExample, 14, "7", "2014-05-06 08:59:09", 15},
        {kExample, 17, "17", "2014-05-06 08:03:17", 19},
        {kExample, 19, "4", "2014-05-06 08:03:04", 19},
        {kExample, 8, "4", "2014-05-31 08:03:09", 9},
        {kExample, 8, "00", "2014-05-01 08:03:09", 11},
    };
    for (const TypingCase& c : cases)
    {
        SCOPED_TRACE(std::string(c.typed) + " at " + std::to_string(c.caret));
        Start(c.start, c.caret, c.caret);
        Type(c.typed);
        EXPECT_EQ(c.text, TextOf(m_edit));
        EXPECT_EQ(CPoint(c.caretAfter, c.caretAfter), SelectionOf(m_edit));
    }
}

struct StepCase
{
    When start;
    int selStart, selEnd;
    WORD key;
    const char* text;
    int selStartAfter, selEndAfter;
};

TEST_F(MaskKeys, UpAndDownStepTheItemUnderTheCaretAndWrap)
{
    const When lastSecond = {2014, 5, 6, 8, 3, 59};
    const When january31 = {2014, 1, 31, 8, 3, 9};
    const When february1 = {2013, 2, 1, 0, 0, 0};
    const When year3000 = {3000, 1, 1, 0, 0, 0};
    const When year1000 = {1000, 1, 1, 0, 0, 0};
    const StepCase cases[] = {
        {lastSecond, 17, 17, VK_UP, "2014-05-06 08:03:00", 17, 17},
        {january31, 5, 5, VK_DOWN, "2014-12-31 08:03:09", 5, 5},
        {january31, 8, 8, VK_UP, "2014-01-01 08:03:09", 8, 8},
        {february1, 9, 9, VK_DOWN, "2013-02-28 00:00:00", 9, 9},
        {kExample, 12, 12, VK_DOWN, "2014-05-06 07:03:09", 12, 12},
        {kExample, 15, 15, VK_UP, "2014-05-06 08:04:09", 15, 15},
        // A caret right after an item still belongs to it; after a separator, to the next.
        {kExample, 10, 10, VK_UP, "2014-05-07 08:03:09", 10, 10},
        {kExample, 11, 11, VK_UP, "2014-05-06 09:03:09", 11, 11},
        {kExample, 7, 7, VK_UP, "2014-06-06 08:03:09", 7, 7},
        // A selection inside one item collapses to its start.
        {kExample, 0, 4, VK_UP, "2015-05-06 08:03:09", 0, 0},
        // The year stops at its limits and leaves even the selection alone.
        {year3000, 1, 3, VK_UP, "3000-01-01 00:00:00", 1, 3},
        {year1000, 2, 2, VK_DOWN, "1000-01-01 00:00:00", 2, 2},
        // A selection spanning items is not an item: nothing happens.
        {kExample, 3, 6, VK_UP, kExampleText, 3, 6},
    };
    for (const StepCase& c : cases)
    {
        SCOPED_TRACE(std::string(c.key == VK_UP ? "Up" : "Down") + " at " +
                     std::to_string(c.selStart) + ".." + std::to_string(c.selEnd) + " -> " +
                     c.text);
        Start(c.start, c.selStart, c.selEnd);
        Press(c.key);
        EXPECT_EQ(c.text, TextOf(m_edit));
        EXPECT_EQ(CPoint(c.selStartAfter, c.selEndAfter), SelectionOf(m_edit));
    }
}

TEST_F(MaskKeys, AmpersandAndParenthesisStepLikeTheArrowsAndMarkTheBoxModified)
{
    Start(kExample, 5, 5);
    m_edit.SetModify(FALSE);
    PostChar('&');
    EXPECT_TRUE(m_edit.GetModify());
    EXPECT_EQ("2014-06-06 08:03:09", TextOf(m_edit));
    PostChar('(');
    PostChar('(');
    EXPECT_EQ("2014-04-06 08:03:09", TextOf(m_edit));
}

TEST_F(MaskKeys, YearOrMonthChangeRefitsTheDayToItsMonth)
{
    const When leapDay = {2012, 2, 29, 0, 0, 0};
    Start(leapDay, 0, 0);
    Press(VK_UP);
    EXPECT_EQ("2013-02-28 00:00:00", TextOf(m_edit));

    const When january31 = {2014, 1, 31, 0, 0, 0};
    Start(january31, 5, 5);
    Press(VK_UP);
    EXPECT_EQ("2014-02-28 00:00:00", TextOf(m_edit));

    // A typed month refits too.
    Start(january31, 6, 6);
    Type("4");
    EXPECT_EQ("2014-04-30 00:00:00", TextOf(m_edit));
}

TEST_F(MaskKeys, LeftAndRightMoveTheCaretAsUsual)
{
    Start(kExample, 5, 5);
    Press(VK_RIGHT);
    EXPECT_EQ(CPoint(6, 6), SelectionOf(m_edit));
    Press(VK_LEFT);
    Press(VK_LEFT);
    EXPECT_EQ(CPoint(4, 4), SelectionOf(m_edit));
    Press(VK_END);
    EXPECT_EQ(CPoint(19, 19), SelectionOf(m_edit));
    EXPECT_EQ(kExampleText, TextOf(m_edit));
}

TEST_F(MaskKeys, UpOnThePlaceholderFillsInTheCurrentDateAndTime)
{
    ASSERT_EQ(1, m_edit.ClearDateTime());
    ASSERT_EQ(kPlaceholder, TextOf(m_edit));
    m_edit.SetSel(3, 3);
    SYSTEMTIME before;
    ::GetLocalTime(&before);
    Press(VK_UP);
    SYSTEMTIME after;
    ::GetLocalTime(&after);
    std::string text = TextOf(m_edit);
    EXPECT_GE(text, FormatWhen(before));
    EXPECT_LE(text, FormatWhen(after));
    EXPECT_EQ(CPoint(3, 3), SelectionOf(m_edit));
}

TEST_F(MaskKeys, DigitOnThePlaceholderTypesIntoTheCurrentTime)
{
    m_edit.MaskTime();
    PaintNow(m_edit);
    ASSERT_EQ("HH:MM:SS", TextOf(m_edit));
    m_edit.SetSel(0, 0);
    SYSTEMTIME before;
    ::GetLocalTime(&before);
    Type("7");
    SYSTEMTIME after;
    ::GetLocalTime(&after);
    // 7 over the tens of the hour is at least 70 and so clamped to 23.
    EXPECT_EQ(23, m_edit.GetHour());
    int minutes = m_edit.GetMin() * 60 + m_edit.GetSec();
    int low = before.wMinute * 60 + before.wSecond;
    int high = after.wMinute * 60 + after.wSecond;
    if (high >= low)
    {
        EXPECT_GE(minutes, low);
        EXPECT_LE(minutes, high);
    }
    EXPECT_EQ(CPoint(1, 1), SelectionOf(m_edit));
}

TEST_F(MaskKeys, OtherKeysOnThePlaceholderChangeNothing)
{
    ASSERT_EQ(1, m_edit.ClearDateTime());
    m_edit.SetSel(5, 5);
    Type("a");
    Press(VK_DELETE);
    Press(VK_BACK);
    EXPECT_EQ(kPlaceholder, TextOf(m_edit));
    EXPECT_EQ(0, m_edit.GetYear());
}

TEST_F(MaskKeys, DeleteAndBackspaceOnlyClearAWholeSelection)
{
    const WORD keys[] = {VK_DELETE, VK_BACK};
    for (WORD key : keys)
    {
        SCOPED_TRACE(key == VK_DELETE ? "Delete" : "Backspace");
        Start(kExample, 5, 5);
        Press(key);
        EXPECT_EQ(kExampleText, TextOf(m_edit));
        Start(kExample, 0, 4);
        Press(key);
        EXPECT_EQ(kExampleText, TextOf(m_edit));
        Start(kExample, 0, 19);
        Press(key);
        EXPECT_EQ(kPlaceholder, TextOf(m_edit));
        EXPECT_EQ(0, m_edit.GetYear());
    }
}

TEST_F(MaskKeys, LettersAndOtherCharactersAreSwallowed)
{
    const char* typed[] = {"a", "Z", " ", "-", "/"};
    for (const char* t : typed)
    {
        SCOPED_TRACE(t);
        Start(kExample, 5, 7);
        Type(t);
        EXPECT_EQ(kExampleText, TextOf(m_edit));
        EXPECT_EQ(CPoint(5, 5), SelectionOf(m_edit));
    }
    // A digit over a selection changes nothing either.
    Start(kExample, 5, 7);
    Type("3");
    EXPECT_EQ(kExampleText, TextOf(m_edit));
    EXPECT_EQ(CPoint(5, 5), SelectionOf(m_edit));
}

TEST_F(MaskKeys, ControlCopyCharactersReachTheEdit)
{
    Start(kExample, 19, 19);
    vt::KeyDown(VK_CONTROL);
    m_edit.PostMessage(WM_CHAR, 'c', 1);
    // The platform edit takes the character; the next paint puts the formatted text back.
    bool reached = vt::PumpUntil([&] { return TextOf(m_edit).find('c') != std::string::npos; },
                                 1000);
    vt::KeyUp(VK_CONTROL);
    EXPECT_TRUE(reached);
    PaintNow(m_edit);
    EXPECT_EQ(kExampleText, TextOf(m_edit));

    // Without Control the same character is swallowed.
    Start(kExample, 19, 19);
    m_edit.PostMessage(WM_CHAR, 'c', 1);
    EXPECT_FALSE(vt::PumpUntil([&] { return TextOf(m_edit).find('c') != std::string::npos; },
                               300));
}

TEST_F(MaskKeys, RightClickOpensNoContextMenu)
{
    CPoint inside = m_host.ToScreen(CPoint(kEditRect.left + 20, kEditRect.top + 8));
    vt::Click(inside, true);
    DrainInput();
    EXPECT_EQ(0, m_edit.contextMenus);

    // The same box without a mask asks for its menu.
    ProbeMaskEdit plain;
    ASSERT_TRUE(CreateEdit(plain, m_host));
    plain.MoveWindow(kEditRect.left, kEditRect.bottom + 10, kEditRect.Width(), kEditRect.Height());
    CPoint plainPoint = m_host.ToScreen(CPoint(kEditRect.left + 20, kEditRect.bottom + 18));
    vt::Click(plainPoint, true);
    vt::PumpUntil([&] { return plain.contextMenus > 0; }, 1000);
    EXPECT_EQ(1, plain.contextMenus);
}

// Puts text on the clipboard for the lifetime of the object and empties it afterwards.
class ClipboardText
{
public:
    ClipboardText(HWND owner, const char* text) : m_ok(false)
    {
        if (!::OpenClipboard(owner))
            return;
        ::EmptyClipboard();
        size_t size = strlen(text) + 1;
        HGLOBAL mem = ::GlobalAlloc(GMEM_MOVEABLE, size);
        memcpy(::GlobalLock(mem), text, size);
        ::GlobalUnlock(mem);
        m_ok = ::SetClipboardData(CF_TEXT, mem) != NULL;
        ::CloseClipboard();
    }
    ~ClipboardText()
    {
        if (::OpenClipboard(NULL))
        {
            ::EmptyClipboard();
            ::CloseClipboard();
        }
    }
    ClipboardText(const ClipboardText&) = delete;
    ClipboardText& operator=(const ClipboardText&) = delete;
    bool ok() const { return m_ok; }

private:
    bool m_ok;
};

TEST_F(MaskKeys, PostedPasteAndCutAreDropped)
{
    ClipboardText clip(m_host.m_hWnd, "pasted");
    ASSERT_TRUE(clip.ok());
    Start(kExample, 0, 19);
    m_edit.PostMessage(WM_PASTE);
    m_edit.PostMessage(WM_CUT);
    vt::PumpPending();
    EXPECT_EQ(0, m_edit.pastes);
    EXPECT_EQ(kExampleText, TextOf(m_edit));

    // Unmasked, the same posted paste goes in.
    ProbeMaskEdit plain;
    ASSERT_TRUE(CreateEdit(plain, m_host));
    plain.PostMessage(WM_PASTE);
    vt::PumpPending();
    EXPECT_EQ(1, plain.pastes);
    EXPECT_EQ("pasted", TextOf(plain));
}

TEST_F(MaskKeys, QueuedTextReplacementsAreRefusedByTheWalk)
{
    // The platform refuses to post messages that carry a pointer, so the queued
    // messages are handed to the pre-translate walk as the pump would.
    const UINT blocked[] = {WM_SETTEXT, EM_REPLACESEL, WM_CONTEXTMENU, WM_PASTE, WM_CUT};
    for (UINT message : blocked)
    {
        SCOPED_TRACE(vt::MessageName(message));
        MSG msg = {m_edit.m_hWnd, message, 0, (LPARAM) "junk"};
        EXPECT_TRUE(CWnd::WalkPreTranslateTree(m_host.m_hWnd, &msg));
    }
    MSG key = {m_edit.m_hWnd, WM_KEYDOWN, VK_UP, 0};
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(m_host.m_hWnd, &key));

    ProbeMaskEdit plain;
    ASSERT_TRUE(CreateEdit(plain, m_host));
    MSG text = {plain.m_hWnd, WM_SETTEXT, 0, (LPARAM) "junk"};
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(m_host.m_hWnd, &text));
}

TEST(MaskReadOnly, KeysDoNothingButPaintStillFormats)
{
    vt::HostWnd host;
    CCoolMaskEdit edit;
    ASSERT_TRUE(CreateEdit(edit, host, ES_READONLY));
    edit.MaskDateTime(kMaskFormatDateTime);
    ASSERT_EQ(1, edit.SetDateTime(2014, 5, 6, 8, 3, 9));
    ASSERT_TRUE(FocusOn(host, edit));
    edit.SetSel(5, 5);
    Type("1");
    Press(VK_UP);
    edit.SetSel(0, 19);
    Press(VK_DELETE);
    EXPECT_EQ(kExampleText, TextOf(edit));
    EXPECT_EQ(5, edit.GetMonth());

    edit.SendMessage(WM_SETTEXT, 0, (LPARAM) "foreign");
    PaintNow(edit);
    EXPECT_EQ(kExampleText, TextOf(edit));
}

} // namespace
