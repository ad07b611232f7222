// The edit family in the modes the soak leaves out (the progress bar it takes whole), made, used and destroyed many times,
// and calls on controls never made.
#include "EditFixture.h"

using namespace edits_test;

namespace {

TEST(EditFamily, MakingUsingAndDestroyingLeavesNothingAndUnmadeControlsTakeCallsHarmlessly)
{
    CCoolComboBox unmadeCombo;
    unmadeCombo.SetReadOnly(1);
    unmadeCombo.ForceRepaint();
    EXPECT_EQ(nullptr, unmadeCombo.GetDrawIcon(NULL));
    CCoolLabel().SetWideText(NULL);
    vt::HostWnd host;
    const CRect rect(20, 20, 220, 160);
    const std::string longHint(5000, 'w');
    const unsigned short wide[] = {'W', 'i', 'd', 'e', 0};
    EXPECT_TRUE(LeavesNothingBehind([&] {
        CCoolEdit edit;
        CreateEdit(edit, host, ES_READONLY);
        edit.SetTipText(longHint.c_str(), RGB(200, 0, 0), 1);
        CCoolComboBox combo;
        combo.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, rect, &host, 300);
        combo.SetTipText(longHint.c_str(), RGB(200, 0, 0));
        CCoolLabel label;
        label.Create("Leak check", WS_CHILD | WS_VISIBLE, rect, &host, 200);
        label.SetWideText(wide);
        for (CWnd* wnd : std::initializer_list<CWnd*>{&edit, &combo, &label}) {
            PaintNow(*wnd);
            wnd->DestroyWindow();
        }
    }));
}

} // namespace
