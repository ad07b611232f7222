// Tooltip manager tools: registering, deleting, slot reuse, text records, callbacks and long texts.
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
};
CallbackCall g_lastCall;

const char kCallbackText[] = "Text from the callback";

int RecordingCallback(HWND tool, unsigned char* data, int length, char* buffer, int size)
{
    g_lastCall.calls++;
    g_lastCall.tool = tool;
    g_lastCall.data = data;
    g_lastCall.length = length;
    g_lastCall.bytes.assign(data, data + (data != nullptr ? length : 0));
    g_lastCall.bufferSize = size;
    std::strcpy(buffer, kCallbackText);
    return 0;
}

int SilentCallback(HWND, unsigned char*, int, char*, int)
{
    g_lastCall.calls++;
    return 1;
}

int EmptyingCallback(HWND, unsigned char*, int, char* buffer, int)
{
    buffer[0] = '\0';
    return 1;
}

TEST_F(ToolTipTest, ToolSlotsGrowBySixteenAndAreReusedButNeverShrink)
{
    EXPECT_EQ(0, m_tip.Capacity());
    ASSERT_TRUE(m_tip.AddTool(m_toolA, "first"));
    EXPECT_EQ(16, m_tip.Capacity());
    for (int i = 1; i < 16; i++)
        ASSERT_TRUE(m_tip.AddTool(m_toolA, "more"));
    EXPECT_EQ(16, m_tip.Capacity());
    ASSERT_TRUE(m_tip.AddTool(m_toolB, "seventeenth"));
    EXPECT_EQ(32, m_tip.Capacity());
    EXPECT_EQ(m_toolB, m_tip.SlotWindow(16));

    // The freed first slot is the one the next tool gets.
    ASSERT_TRUE(m_tip.DelTool(m_toolA));
    EXPECT_EQ(nullptr, m_tip.SlotWindow(0));
    ASSERT_TRUE(m_tip.AddTool(m_toolB, "reused"));
    EXPECT_EQ(m_toolB, m_tip.SlotWindow(0));
    EXPECT_EQ(32, m_tip.Capacity());

    m_tip.Clear();
    EXPECT_EQ(32, m_tip.Capacity());
    EXPECT_FALSE(m_tip.IsTool(m_toolA, nullptr));
    EXPECT_FALSE(m_tip.IsTool(m_toolB, nullptr));
    ASSERT_TRUE(m_tip.AddTool(m_toolA, "after clear"));
    EXPECT_EQ(m_toolA, m_tip.SlotWindow(0));
    EXPECT_EQ(32, m_tip.Capacity());
}

TEST_F(ToolTipTest, NullAndUnknownWindowsAreNeverTools)
{
    EXPECT_FALSE(m_tip.AddTool(nullptr, "nobody"));
    EXPECT_FALSE(m_tip.AddTool(nullptr, RecordingCallback, nullptr, 0));
    EXPECT_EQ(0, m_tip.Capacity());

    // A free slot holds a NULL window; it must not be mistaken for a tool.
    ASSERT_TRUE(m_tip.AddTool(m_toolA, "gone soon"));
    ASSERT_TRUE(m_tip.DelTool(m_toolA));
    void* record = &g_lastCall;
    EXPECT_FALSE(m_tip.IsTool(nullptr, &record));
    EXPECT_EQ(nullptr, record);
    EXPECT_FALSE(m_tip.DelTool(nullptr));
    EXPECT_FALSE(m_tip.IsTool(m_toolB, nullptr));
    EXPECT_FALSE(m_tip.DelTool(m_toolB));
}

TEST_F(ToolTipTest, WindowRegisteredTwiceKeepsFirstTextUntilDeleted)
{
    ASSERT_TRUE(m_tip.AddTool(m_toolA, "First text"));
    ASSERT_TRUE(m_tip.AddTool(m_toolA, "Second text"));
    ShowFor(m_toolA);
    EXPECT_EQ("First text", m_tip.Text());
    m_tip.HideMe();

    ASSERT_TRUE(m_tip.DelTool(m_toolA));
    LeaveTools();
    ShowFor(m_toolA);
    EXPECT_EQ("Second text", m_tip.Text());
    m_tip.HideMe();

    EXPECT_TRUE(m_tip.DelTool(m_toolA));
    EXPECT_FALSE(m_tip.DelTool(m_toolA));
    EXPECT_FALSE(m_tip.IsTool(m_toolA, nullptr));
}

TEST_F(ToolTipTest, ToolsWithoutTextShowNoTip)
{
    unsigned char data[3] = {1, 2, 3};
    const struct Case
    {
        const char* name;
        std::function<BOOL(CCoolToolTip&, HWND)> add;
        bool hasRecord;
    } cases[] = {
        {"null text", [](CCoolToolTip& t, HWND w) { return t.AddTool(w, static_cast<const char*>(nullptr)); }, false},
        {"empty text", [](CCoolToolTip& t, HWND w) { return t.AddTool(w, ""); }, false},
        {"null callback", [&](CCoolToolTip& t, HWND w) { return t.AddTool(w, static_cast<VELUTOOLTEXTPROC>(nullptr), data, 3); }, false},
        {"callback giving empty text", [](CCoolToolTip& t, HWND w) { return t.AddTool(w, EmptyingCallback, nullptr, 0); }, true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_tip.Clear();
        ASSERT_TRUE(c.add(m_tip, m_toolA));
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

TEST_F(ToolTipTest, CallbackGetsItsOwnCopyOfTheData)
{
    unsigned char data[4] = {11, 22, 33, 44};
    ASSERT_TRUE(m_tip.AddTool(m_toolA, RecordingCallback, data, 4));
    data[0] = 99;   // the caller's buffer changes after registering

    g_lastCall = CallbackCall();
    ShowFor(m_toolA);
    EXPECT_EQ(1, g_lastCall.calls);
    EXPECT_EQ(m_toolA, g_lastCall.tool);
    EXPECT_NE(data, g_lastCall.data);
    EXPECT_EQ(4, g_lastCall.length);
    EXPECT_EQ((std::vector<unsigned char>{11, 22, 33, 44}), g_lastCall.bytes);
    EXPECT_EQ(kToolTipTextSize, g_lastCall.bufferSize);
    EXPECT_EQ(kCallbackText, m_tip.Text());
    EXPECT_EQ(MeasureLines(kCallbackText).cx + 2 * kToolTipMargin, TipRect().Width());
}

TEST_F(ToolTipTest, CallbackWithoutDataGetsNullAndZero)
{
    unsigned char data[2] = {5, 6};
    const struct Case
    {
        const char* name;
        unsigned char* data;
        int length;
    } cases[] = {
        {"no data", nullptr, 5},
        {"zero length", data, 0},
        {"negative length", data, -3},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        m_tip.Clear();
        ASSERT_TRUE(m_tip.AddTool(m_toolA, RecordingCallback, c.data, c.length));
        g_lastCall = CallbackCall();
        ShowFor(m_toolA);
        EXPECT_EQ(1, g_lastCall.calls);
        EXPECT_EQ(nullptr, g_lastCall.data);
        EXPECT_EQ(0, g_lastCall.length);
        m_tip.HideMe();
        LeaveTools();
    }
}

TEST_F(ToolTipTest, CallbackWritingNothingShowsTheLastTextAgain)
{
    const char kEarlier[] = "The text shown earlier";
    ASSERT_TRUE(m_tip.AddTool(m_toolA, kEarlier));
    ASSERT_TRUE(m_tip.AddTool(m_toolB, SilentCallback, nullptr, 0));
    ShowFor(m_toolA);
    m_tip.HideMe();

    LeaveTools();
    g_lastCall = CallbackCall();
    ShowFor(m_toolB);
    EXPECT_EQ(1, g_lastCall.calls);
    EXPECT_EQ(kEarlier, m_tip.Text());
    EXPECT_EQ(MeasureLines(kEarlier).cx + 2 * kToolTipMargin, TipRect().Width());
}

TEST_F(ToolTipTest, LongTextsAreCutAt511Bytes)
{
    const struct Case
    {
        size_t length;
        size_t shown;
    } cases[] = {
        {510, 510},
        {511, 511},
        {512, 511},
        {700, 511},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.length);
        // Lines keep the tip narrower than the screen, which could clamp a window's size.
        std::string text;
        while (text.size() < c.length)
            text += "Forty-eight bytes of text on every line, w w w.\n";
        text.resize(c.length);

        m_tip.Clear();
        ASSERT_TRUE(m_tip.AddTool(m_toolA, text.c_str()));
        ShowFor(m_toolA);
        EXPECT_EQ(text.substr(0, c.shown), m_tip.Text());
        EXPECT_EQ(MeasureLines(text.substr(0, c.shown).c_str()).cx + 2 * kToolTipMargin,
                  TipRect().Width());
        m_tip.HideMe();
        LeaveTools();

        m_tip.ShowMe(text.c_str(), 1000, 20, 20);
        EXPECT_EQ(text.substr(0, c.shown), m_tip.Text());
        m_tip.HideMe();
    }
}

} // namespace
} // namespace tips_test
