// The edit family made, used in every mode and destroyed many times, and used before it is made.
#include "EditFixture.h"

using namespace edits_test;

namespace {

const CRect kRect(20, 20, 220, 160);

TEST(EditFamily, MakingUsingAndDestroyingLeavesNothingAndUnmadeControlsTakeCallsHarmlessly)
{
    CCoolComboBox unmadeCombo;
    unmadeCombo.SetReadOnly(1);
    unmadeCombo.ForceRepaint();
    EXPECT_EQ(nullptr, unmadeCombo.GetDrawIcon(NULL));
    CCoolLabel unmadeLabel;
    unmadeLabel.SetWideText(NULL);
    vt::HostWnd host;
    const std::string longHint(5000, 'w');
    const unsigned short wide[] = {'W', 'i', 'd', 'e', 0};
    EXPECT_TRUE(LeavesNothingBehind([&] {
        CCoolEdit edit;
        CreateEdit(edit, host, ES_READONLY);
        edit.SetTipText(longHint.c_str(), RGB(200, 0, 0), 1);
        PaintNow(edit);
        edit.DestroyWindow();
        for (DWORD type : {(DWORD)CBS_DROPDOWN, (DWORD)CBS_DROPDOWNLIST}) {
            CCoolComboBox combo;
            combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | type, kRect, &host, 300);
            combo.SetTipText(longHint.c_str(), RGB(200, 0, 0));
            PaintNow(combo);
            combo.SetTipText(NULL, 0);
            vt::MoveCursor(host.ToScreen(CPoint(kRect.right - 10, kRect.top + 8)));
            combo.SetReadOnly(1);
            PaintNow(combo);
            vt::ParkCursor();
            combo.DestroyWindow();
        }
        CCoolLabel label;
        label.Create("Leak check", WS_CHILD | WS_VISIBLE, kRect, &host, 200);
        label.SetBackColor(RGB(255, 250, 200));
        PaintNow(label);
        label.SetWideText(wide);
        PaintNow(label);
        label.DestroyWindow();
        for (int type : {kProgressSmooth, kProgressProcessing}) {
            CCoolProgress bar;
            bar.Create(WS_CHILD | WS_VISIBLE, kRect, &host, 400);
            bar.SetType(type);
            bar.SetPreText("Leak check");
            bar.SetPos(100, 37);
            PaintNow(bar);
            bar.DestroyWindow();
        }
    }));
}

} // namespace
