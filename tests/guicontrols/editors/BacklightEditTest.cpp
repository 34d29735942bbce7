#include "guicontrols/BacklightEdit.hpp"
#include "guicontrols/editors/EditorFixture.hpp"

using namespace guicontrols;
using namespace guicontrols::test;

namespace
{
class WatchedBacklightEdit : public BacklightEdit
{
public:
    std::vector<int> levels;

protected:
    void applyBacklight(uint8_t level) override { levels.push_back(level); }
};

class BacklightEditTest : public EditorTest
{
protected:
    void step(bool up)
    {
        SpinBox& box = const_cast<SpinBox&>(edit.getSpinBox());
        box.onButtonClicked(up ? box.getUpButton() : box.getDownButton());
    }

    WatchedBacklightEdit edit;
};
} // namespace

TEST_F(BacklightEditTest, EveryStepReachesTheBacklightAtOnce)
{
    edit.setValue(90);
    EXPECT_EQ(edit.levels, std::vector<int>{90});
    step(true);
    EXPECT_EQ(edit.getValue(), 100);
    EXPECT_EQ(edit.levels, (std::vector<int>{90, 100}));
    EXPECT_EQ(u16(edit.getSpinBox().getText()), u"100");
}

// Full brightness never wraps to a dark screen, nor dark to full.
TEST_F(BacklightEditTest, StopsAtBothEnds)
{
    edit.setValue(100);
    step(true);
    EXPECT_EQ(edit.getValue(), 100);
    edit.setValue(0);
    step(false);
    EXPECT_EQ(edit.getValue(), 0);
    EXPECT_EQ(edit.levels, (std::vector<int>{100, 0})); // unchanged steps send nothing
    step(true);
    EXPECT_EQ(edit.getValue(), 10);
}

TEST_F(BacklightEditTest, StandbyMaximum)
{
    edit.setMaximum(50);
    edit.setValue(50);
    step(true);
    EXPECT_EQ(edit.getValue(), 50);
}
