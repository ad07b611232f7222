// Calls on edit-family controls never made. (Made, used and destroyed many
// times, long hints and read-only looks included, they are counted by the soak.)
#include "EditFixture.h"

using namespace edits_test;

namespace {

TEST(EditFamily, UnmadeControlsTakeCallsHarmlessly)
{
    CCoolComboBox unmadeCombo;
    unmadeCombo.SetReadOnly(1);
    unmadeCombo.ForceRepaint();
    EXPECT_EQ(nullptr, unmadeCombo.GetDrawIcon(NULL));
    CCoolLabel().SetWideText(NULL);
}

} // namespace
