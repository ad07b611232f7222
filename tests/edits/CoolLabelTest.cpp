// The label: default look, colours once set, format flags, wide text over the window text, text limits.
#include "EditFixture.h"

using namespace edits_test;

namespace {

const COLORREF kHostColour = RGB(230, 240, 255);
const CRect kLabelRect(10, 10, 210, 50);
const CRect kWhole(0, 0, kLabelRect.Width(), kLabelRect.Height());
const COLORREF kBack = RGB(255, 250, 200), kInk = RGB(0, 0, 200), kBlack = RGB(0, 0, 0);
const unsigned short kWideWide[] = {'W', 'i', 'd', 'e', 0};
const unsigned short kWideEmpty[] = {0};

// The parent paints under its children, as a dialog does, so that an unfilled label shows it.
TEST(Label, DrawsAsItsColoursFormatAndTextsSay)
{
    vt::HostWnd host{320, 200, kHostColour};
    host.ModifyStyle(WS_CLIPCHILDREN, 0);
    vt::GdiObject font{vt::MakeCrispFont()};
    // 511 characters with the W last, and one more before it: the W is dropped.
    const std::string kept = "X" + std::string(508, ' ') + "\nW", cut = "X" + std::string(509, ' ') + "\nW";
    const struct Row {
        const char* name;
        std::string windowText;
        std::function<void(CCoolLabel&)> set;
        std::string shown;
        UINT format = kLabelDefaultFormat;
        COLORREF back = kHostColour, ink = kBlack;
    } rows[] = {
        {"default: one centred line, no fill, default colour", "Hello label", nullptr, "Hello label"},
        {"background colour", "Hello label", [](CCoolLabel& l) { l.SetBackColor(kBack); }, "Hello label",
         kLabelDefaultFormat, kBack},
        {"text colour", "Hello label", [](CCoolLabel& l) { l.SetTextColor(kInk); }, "Hello label",
         kLabelDefaultFormat, kHostColour, kInk},
        {"centred and wrapped", "A label whose words wrap onto a second line",
         [](CCoolLabel& l) { l.SetTextFormat(DT_CENTER | DT_WORDBREAK); },
         "A label whose words wrap onto a second line", DT_CENTER | DT_WORDBREAK},
        {"wide text beats the window text", "Narrow",
         [](CCoolLabel& l) { l.SetWideText(kWideWide); l.SetWindowText("Changed"); }, "Wide"},
        {"empty wide text returns to the window text", "Narrow",
         [](CCoolLabel& l) { l.SetWideText(kWideWide); l.SetWideText(kWideEmpty); }, "Narrow"},
        {"null wide text returns to the window text", "Narrow",
         [](CCoolLabel& l) { l.SetWideText(kWideWide); l.SetWideText(NULL); }, "Narrow"},
        {"511 characters are read", kept, [](CCoolLabel& l) { l.SetTextFormat(0); }, kept, 0},
        {"the 512th is not", cut, [](CCoolLabel& l) { l.SetTextFormat(0); }, cut.substr(0, 511), 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        CCoolLabel label;
        ASSERT_TRUE(label.Create(row.windowText.c_str(), WS_CHILD | WS_VISIBLE, kLabelRect, &host, 200));
        label.SetFont(CFont::FromHandle((HFONT)font.get()));
        if (row.set)
            row.set(label);
        const vt::Capture expected = RenderText(kWhole.Width(), kWhole.Height(), row.back, (HFONT)font.get(),
                                                row.shown.c_str(), kWhole, row.format, row.ink);
        EXPECT_GT(CountColour(expected, kWhole, row.ink), 0);
        host.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        vt::PumpPending();
        const vt::Capture shot = vt::Capture::FromWindow(label.m_hWnd);
        EXPECT_EQ(0, Differences(shot, kWhole, expected)) << vt::DumpForCurrentTest(shot, row.name);
    }
}

} // namespace
