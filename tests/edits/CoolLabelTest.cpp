// The label: default look, colours once set, format flags, wide text over the window text, text limits.
#include <functional>
#include "EditFixture.h"

using namespace edits_test;

namespace {

const COLORREF kHostColour = RGB(230, 240, 255);
const CRect kLabelRect(10, 10, 210, 50);
const CRect kWhole(0, 0, kLabelRect.Width(), kLabelRect.Height());
const COLORREF kBack = RGB(255, 250, 200), kInk = RGB(0, 0, 200), kBlack = RGB(0, 0, 0);
const unsigned short kWideWide[] = {'W', 'i', 'd', 'e', 0};
const unsigned short kWideEmpty[] = {0};

class Label : public ::testing::Test
{
protected:
    // The parent paints under its children, as a dialog does, so that an unfilled label shows it.
    Label() { host.ModifyStyle(WS_CLIPCHILDREN, 0); }

    bool Make(CCoolLabel& label, const char* text)
    {
        if (!label.Create(text, WS_CHILD | WS_VISIBLE, kLabelRect, &host, 200))
            return false;
        label.SetFont(CFont::FromHandle(font));
        return true;
    }
    vt::Capture Shot(CCoolLabel& label)
    {
        host.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        vt::PumpPending();
        return vt::Capture::FromWindow(label.m_hWnd);
    }

    vt::HostWnd host{320, 200, kHostColour};
    vt::GdiObject fontObject{MakeCrispFont()};
    const HFONT font = static_cast<HFONT>(fontObject.get());
};

TEST_F(Label, DrawsAsItsColoursFormatAndTextsSay)
{
    // 511 characters with the W last, and one more before it: the W is dropped.
    const std::string kept = "X" + std::string(508, ' ') + "\nW", cut = "X" + std::string(509, ' ') + "\nW";
    const struct Row {
        const char* name;
        std::string windowText;
        std::function<void(CCoolLabel&)> set;
        std::string shown;
        UINT format;
        COLORREF back, ink;
    } rows[] = {
        {"default: one centred line, no fill, default colour", "Hello label", nullptr, "Hello label",
         kLabelDefaultFormat, kHostColour, kBlack},
        {"background colour", "Hello label", [](CCoolLabel& l) { l.SetBackColor(kBack); }, "Hello label",
         kLabelDefaultFormat, kBack, kBlack},
        {"text colour", "Hello label", [](CCoolLabel& l) { l.SetTextColor(kInk); }, "Hello label",
         kLabelDefaultFormat, kHostColour, kInk},
        {"centred and wrapped", "A label whose words wrap onto a second line",
         [](CCoolLabel& l) { l.SetTextFormat(DT_CENTER | DT_WORDBREAK); },
         "A label whose words wrap onto a second line", DT_CENTER | DT_WORDBREAK, kHostColour, kBlack},
        {"wide text beats the window text", "Narrow",
         [](CCoolLabel& l) { l.SetWideText(kWideWide); l.SetWindowText("Changed"); }, "Wide",
         kLabelDefaultFormat, kHostColour, kBlack},
        {"empty wide text returns to the window text", "Narrow",
         [](CCoolLabel& l) { l.SetWideText(kWideWide); l.SetWideText(kWideEmpty); }, "Narrow",
         kLabelDefaultFormat, kHostColour, kBlack},
        {"null wide text returns to the window text", "Narrow",
         [](CCoolLabel& l) { l.SetWideText(kWideWide); l.SetWideText(NULL); }, "Narrow",
         kLabelDefaultFormat, kHostColour, kBlack},
        {"511 characters are read", kept, [](CCoolLabel& l) { l.SetTextFormat(0); }, kept, 0, kHostColour, kBlack},
        {"the 512th is not", cut, [](CCoolLabel& l) { l.SetTextFormat(0); }, cut.substr(0, 511), 0,
         kHostColour, kBlack},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CCoolLabel label;
        ASSERT_TRUE(Make(label, row.windowText.c_str()));
        if (row.set)
            row.set(label);
        const vt::Capture expected = RenderText(kWhole.Width(), kWhole.Height(), row.back, font, row.shown.c_str(),
                                                kWhole, row.format, row.ink);
        EXPECT_GT(CountColour(expected, kWhole, row.ink), 0);
        const vt::Capture shot = Shot(label);
        const int misses = Differences(shot, kWhole, expected);
        EXPECT_EQ(0, misses);
        if (misses != 0)
            vt::DumpForCurrentTest(shot, row.name);
    }
}

} // namespace
