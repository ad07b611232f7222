// Tooltip manager tools: registering, deleting, slot reuse, records on the heap, callbacks and long texts.
#include "ToolTipFixture.h"

#include <cstring>

namespace tips_test {
namespace {

// What the text callback was handed on its last call.
struct CallbackCall
{
    int calls = 0;
    HWND tool = nullptr;
    const unsigned char* data = nullptr;
    int length = -1;
    std::vector<unsigned char> bytes;
    int bufferSize = 0;
} g_last;

const char kCallbackText[] = "Text from the callback";

int RecordingCallback(HWND tool, unsigned char* data, int length, char* buffer, int size)
{
    g_last = {g_last.calls + 1, tool, data, length, std::vector<unsigned char>(data, data + (data ? length : 0)), size};
    std::strcpy(buffer, kCallbackText);
    return 0;
}

// Writes nothing, or an empty text.
int SilentCallback(HWND, unsigned char*, int, char*, int) { return ++g_last.calls; }
int EmptyingCallback(HWND, unsigned char*, int, char* buffer, int) { return buffer[0] = '\0'; }

// Slots grow 0, 16, 32 and never shrink, not even by Clear; a freed slot is
// the one the next tool gets, so the capacity does not grow for it.
TEST_F(ToolTipTest, ToolSlotsGrowBySixteenAndAreReusedButNeverShrink)
{
    for (int i = 0; i < 16; i++) {
        EXPECT_EQ(i ? 16 : 0, m_tip.Capacity());
        ASSERT_TRUE(m_tip.AddTool(m_toolA, "tool"));
    }
    ASSERT_TRUE(m_tip.DelTool(m_toolA));
    ASSERT_TRUE(m_tip.AddTool(m_toolB, "reused"));
    EXPECT_EQ(16, m_tip.Capacity()) << "the freed slot was not reused";
    ASSERT_TRUE(m_tip.AddTool(m_toolB, "one more"));
    EXPECT_EQ(32, m_tip.Capacity());
    m_tip.Clear();
    EXPECT_FALSE(m_tip.IsTool(m_toolA, nullptr) || m_tip.IsTool(m_toolB, nullptr));
    EXPECT_EQ(32, m_tip.Capacity());
}

// Records and slot arrays live on the heap: deleting every tool, or clearing,
// gives the records back at once, and destroying the manager the rest.
TEST_F(ToolTipTest, ToolRecordsAndSlotsGiveTheirHeapBack)
{
    unsigned char data[40] = {};
    for (bool clear : {false, true}) {
        SCOPED_TRACE(clear ? "cleared" : "deleted one by one");
        EXPECT_TRUE(vt::LeavesNothingBehind([&] {
            ProbeToolTip tip;
            ASSERT_TRUE(tip.Create());
            for (int i = 0; i < 40; ++i)   // slots grow at 16 and 32
                ASSERT_TRUE(i % 2 ? tip.AddTool(m_toolA, std::string(i + 1, 'x').c_str()) : tip.AddTool(m_toolB, RecordingCallback, data, i));
            const SIZE_T full = vt::HeapBytesInUse();
            for (int i = 0; i < 40 && !clear; ++i)
                ASSERT_TRUE(tip.DelTool(i % 2 ? m_toolA : m_toolB));
            if (clear)
                tip.Clear();
            EXPECT_LT(vt::HeapBytesInUse(), full);
        }, 2, true));
    }
}

// A window added twice has two slots: the first text shows until it is
// deleted. Null, unknown and deleted windows are never tools.
TEST_F(ToolTipTest, WindowRegisteredTwiceKeepsFirstTextUntilDeletedAndNoOtherWindowIsATool)
{
    EXPECT_FALSE(m_tip.AddTool(nullptr, "nobody"));
    EXPECT_FALSE(m_tip.AddTool(nullptr, RecordingCallback, nullptr, 0));
    EXPECT_EQ(0, m_tip.Capacity());
    ASSERT_TRUE(m_tip.AddTool(m_toolA, "First text"));
    ASSERT_TRUE(m_tip.AddTool(m_toolA, "Second text"));
    for (const char* expected : {"First text", "Second text"}) {
        LeaveTools();
        ShowFor(m_toolA);
        EXPECT_EQ(expected, m_tip.Text());
        m_tip.HideMe();
        ASSERT_TRUE(m_tip.DelTool(m_toolA));
    }
    // The free slots hold a null window, which must not be mistaken for a tool.
    void* record = &g_last;
    EXPECT_FALSE(m_tip.IsTool(nullptr, &record));
    EXPECT_EQ(nullptr, record);
    for (HWND wnd : {HWND(nullptr), m_toolA, m_toolB}) {
        EXPECT_FALSE(m_tip.DelTool(wnd));
        EXPECT_FALSE(m_tip.IsTool(wnd, nullptr));
    }
}

TEST_F(ToolTipTest, ToolsWithoutTextShowNoTip)
{
    unsigned char data[3] = {1, 2, 3};
    const struct { const char* name; std::function<BOOL()> add; bool hasRecord; } cases[] = {
        {"null text", [&] { return m_tip.AddTool(m_toolA, static_cast<const char*>(nullptr)); }, false},
        {"empty text", [&] { return m_tip.AddTool(m_toolA, ""); }, false},
        {"null callback", [&] { return m_tip.AddTool(m_toolA, static_cast<VELUTOOLTEXTPROC>(nullptr), data, 3); }, false},
        {"callback giving empty text", [&] { return m_tip.AddTool(m_toolA, EmptyingCallback, nullptr, 0); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_tip.Clear();
        ASSERT_TRUE(c.add());
        void* record = nullptr;
        EXPECT_TRUE(m_tip.IsTool(m_toolA, &record));
        EXPECT_EQ(c.hasRecord, record != nullptr);
        RestOn(m_toolA);
        FireTimer(kToolTipDelayTimerId);
        EXPECT_FALSE(TipVisible());
        EXPECT_NE(m_tip.m_hWnd, ::GetCapture());
        LeaveTools();
    }
}

// The callback gets the manager's own copy of the data (the caller's buffer
// changes after registering), or null and 0 when there is no data.
TEST_F(ToolTipTest, CallbackGetsItsOwnCopyOfTheDataAndWritingNothingShowsTheLastText)
{
    unsigned char data[4] = {11, 22, 33, 44};
    const struct { const char* name; unsigned char* data; int length; std::vector<unsigned char> copy; } cases[] = {
        {"four bytes", data, 4, {11, 22, 33, 44}}, {"no data", nullptr, 5, {}},
        {"zero length", data, 0, {}}, {"negative length", data, -3, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_tip.Clear();
        ASSERT_TRUE(m_tip.AddTool(m_toolA, RecordingCallback, c.data, c.length));
        data[0] = 99;
        g_last = CallbackCall();
        ShowFor(m_toolA);
        data[0] = 11;
        EXPECT_EQ(1, g_last.calls);
        EXPECT_EQ(m_toolA, g_last.tool);
        EXPECT_EQ(c.copy.empty(), g_last.data == nullptr);
        EXPECT_EQ(int(c.copy.size()), g_last.length);
        EXPECT_EQ(c.copy, g_last.bytes);
        EXPECT_EQ(kToolTipTextSize, g_last.bufferSize);
        EXPECT_EQ(kCallbackText, m_tip.Text());
        EXPECT_EQ(MeasureLines(kCallbackText).cx + 2 * kToolTipMargin, TipRect().Width());
        m_tip.HideMe();
        LeaveTools();
    }
    // A callback that writes nothing leaves the text shown last, which shows again.
    ASSERT_TRUE(m_tip.AddTool(m_toolB, SilentCallback, nullptr, 0));
    g_last = CallbackCall();
    ShowFor(m_toolB);
    EXPECT_EQ(1, g_last.calls);
    EXPECT_EQ(kCallbackText, m_tip.Text());
}

TEST_F(ToolTipTest, LongTextsAreCutAt511Bytes)
{
    for (size_t length : {510, 511, 512, 700}) {
        SCOPED_TRACE(length);
        // Lines keep the tip narrower than the screen, which could clamp a window's size.
        std::string text;
        while (text.size() < length)
            text += "Forty-eight bytes of text on every line, w w w.\n";
        text.resize(length);
        const std::string shown = text.substr(0, std::min<size_t>(length, 511));
        m_tip.Clear();
        ASSERT_TRUE(m_tip.AddTool(m_toolA, text.c_str()));
        ShowFor(m_toolA);
        EXPECT_EQ(shown, m_tip.Text());
        EXPECT_EQ(MeasureLines(shown.c_str()).cx + 2 * kToolTipMargin, TipRect().Width());
        m_tip.HideMe();
        LeaveTools();
        m_tip.ShowMe(text.c_str(), 1000, 20, 20);
        EXPECT_EQ(shown, m_tip.Text());
        m_tip.HideMe();
    }
}

} // namespace
} // namespace tips_test
