#include "gui/screens/wizard/SchemeBed.hpp"

#include "gui/pagemanager/HeatingCircuitParam.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeEditView.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeMainView.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeRemoveView.hpp"
#include "gui/popups/MessagePopup.hpp"
#include "guicontrols/Palette.hpp"
#include "model/devices/DeviceIds.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace
{
using guicontrols::SystemScheme;

// Tiles of the widget by the component they draw.
enum Tile : uint8_t
{
    COLLECTOR_TILE = 0,
    CYLINDER_TILE = 1,
    ADDED_CYLINDER_TILE = 2,
    BOILER_TILE = 3,
    COMPACT_BOILER_TILE = 4,
    FIRST_CIRCUIT_TILE = 6
};

class Scheme : public ::testing::Test, public screens::SchemeBed
{
protected:
    WizzardSystemSchemeMainView* open() { return openPage<WizzardSystemSchemeMainView>(app.pages().wizardSchemeMainPage); }

    bool editOffered(const WizzardSystemSchemeMainView& view)
    {
        const guicontrols::IconLabelButton& edit = view.getBottomBar().getButton(WizzardSystemSchemeMainView::EDIT_BUTTON);
        return edit.isTouchable() &&
               app.bed.frame().count(guicontrols::Palette::entry(WizzardSystemSchemeMainView::EDIT_COLOR),
                                     edit.getAbsoluteRect()) > 20;
    }
    quillon::BitmapId icon(const GenericView& view, uint8_t button)
    {
        return view.getBottomBar().getButton(button).getIcon().getId();
    }
};

TEST_F(Scheme, StepFourWithItsButtonsAndTheMaskMark)
{
    installation(5, {DEVICE_BOILER_1, DEVICE_HELIORA_1});
    WizzardSystemSchemeMainView* view = open();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(mask() & 0x0100u, 0x0100u);
    EXPECT_EQ(screens::str(view->getTopBar().getSegmentField(0).getText()), u"System scheme");
    EXPECT_EQ(screens::str(view->getTopBar().getRightField().getText()), u"Step 4/5");
    EXPECT_EQ(icon(*view, 0), quillon::BITMAP_NONE);
    EXPECT_EQ(icon(*view, 1), +GenericView::BACK_ICON);
    EXPECT_EQ(icon(*view, 2), +GenericView::HELP_ICON);
    EXPECT_TRUE(editOffered(*view));
    const guicontrols::IconLabelButton& next = view->getBottomBar().getButton(WizzardSystemSchemeMainView::CONTINUE_BUTTON);
    EXPECT_GT(app.bed.frame().count(guicontrols::Palette::entry(8), next.getAbsoluteRect()), 20);
    EXPECT_EQ(view->getScheme().getScheme(), 6); // the solar circuit needs the cylinder
    EXPECT_TRUE(view->getContent().contains(view->getScheme()));
}

TEST_F(Scheme, DeviceCodesFollowTheFlagsInTheirOrder)
{
    struct Case
    {
        std::vector<uint32_t> flags;
        uint32_t solar, cylinder, boiler;
    };
    const Case cases[] = {
        {{26, 27, 28, 65, 61, 58, 57}, 26, 65, 58},
        {{28}, 27, 84, 57},
        {{29, 62, 64, 63, 59, 60}, 27, 62, 59},
        {{27, 64, 63, 60}, 27, 64, 60},
        {{63, 57, 59}, 84, 63, 57},
        {{}, 84, 84, 57},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags.size());
        installation(4, {});
        for (uint32_t flag : c.flags) {
            devices().setPresent(flag);
        }
        devices().takeChanged();
        WizzardSystemSchemeMainView* view = open();
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->getScheme().getSolarCode(), c.solar);
        EXPECT_EQ(view->getScheme().getSecondCode(), c.cylinder);
        EXPECT_EQ(view->getScheme().getBoilerCode(), c.boiler);
    }
}

TEST_F(Scheme, FlagsComeFromTheExtraComponentAndTheAddedCylinder)
{
    installation(4, {DEVICE_BOILER_2, DEVICE_DP330}, 1);
    WizzardSystemSchemeMainView* view = open();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->getScheme().getFirstFlag(), 1);
    EXPECT_EQ(view->getScheme().getSecondFlag(), 0); // no boiler 57 and no solar: dropped
    installation(4, {DEVICE_BOILER_1, DEVICE_ZR6}, 1);
    view = open();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->getScheme().getFirstFlag(), 0);
    EXPECT_EQ(view->getScheme().getSecondFlag(), 1);
    EXPECT_TRUE(view->getScheme().contains(view->getScheme().getTile(ADDED_CYLINDER_TILE)));
}

TEST_F(Scheme, EditIsOfferedOnlyWhereSomethingCanChange)
{
    struct Case
    {
        uint8_t scheme;
        std::vector<uint32_t> flags;
        bool edit;
    };
    const Case cases[] = {
        {5, {57, 26}, true}, {2, {58, 26}, false}, {2, {57, 26}, true}, {8, {57, 29}, true},
        {4, {57}, false},    {6, {59}, true},      {3, {57, 26}, false}, {0, {57, 26}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scheme);
        installation(c.scheme, {});
        for (uint32_t flag : c.flags) {
            devices().setPresent(flag);
        }
        devices().takeChanged();
        WizzardSystemSchemeMainView* view = open();
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(editOffered(*view), c.edit);
        EXPECT_EQ(popupId(*view), 0xFFFF);
    }
}

TEST_F(Scheme, SchemeZeroDrawsNothing)
{
    installation(0, {DEVICE_BOILER_1, DEVICE_HELIORA_1});
    WizzardSystemSchemeMainView* view = open();
    ASSERT_NE(view, nullptr);
    for (uint8_t tile = 0; tile < SystemScheme::TILE_COUNT; ++tile) {
        EXPECT_FALSE(view->getScheme().contains(view->getScheme().getTile(tile))) << int(tile);
    }
    EXPECT_FALSE(view->canEdit());
    const quillon::Rectangle content = view->getContent().getAbsoluteRect();
    EXPECT_EQ(app.bed.frame().count(guicontrols::Palette::entry(0), content), 0);
}

TEST_F(Scheme, AnUnknownSchemeRaisesTheErrorAndContinueStillWorks)
{
    installation(11, {DEVICE_BOILER_1, DEVICE_HELIORA_1});
    WizzardSystemSchemeMainView* view = open();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(popupId(*view), 16);
    EXPECT_FALSE(view->getContent().contains(view->getScheme()));
    EXPECT_FALSE(view->canEdit());
    EXPECT_FALSE(view->getBottomBar().getButton(WizzardSystemSchemeMainView::EDIT_BUTTON).isTouchable());
    const MessagePopup* error = static_cast<const MessagePopup*>(popup(*view));
    ASSERT_NE(error, nullptr);
    clickOn(error->getButton());
    EXPECT_EQ(popupId(*view), 0xFFFF);
    clickBottomButton(view->getBottomBar(), WizzardSystemSchemeMainView::CONTINUE_BUTTON);
    EXPECT_EQ(popupId(*view), 17);
}

TEST_F(Scheme, AWideSchemeScrollsBetweenItsEnds)
{
    installation(10, {DEVICE_BOILER_1, DEVICE_HELIORA_1}, 1);
    WizzardSystemSchemeMainView* view = open();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(icon(*view, 0), 209);
    EXPECT_EQ(icon(*view, 4), 211);
    EXPECT_TRUE(editOffered(*view));
    clickBottomButton(view->getBottomBar(), 4);
    EXPECT_EQ(view->getScheme().getX(), -100);
    EXPECT_EQ(current(), &app.pages().wizardSchemeMainPage);
    clickBottomButton(view->getBottomBar(), 0);
    EXPECT_EQ(view->getScheme().getX(), 0);
    EXPECT_EQ(current(), &app.pages().wizardSchemeMainPage); // not home
}

TEST_F(Scheme, ComponentsOpenTheirTuningWithTheChoiceStored)
{
    struct Case
    {
        uint8_t scheme;
        std::vector<uint32_t> flags;
        uint8_t tile;
        int32_t tuned; // tag 11, -1 none
        int circuit;   // tag 1, -1 none
        uint16_t page;
    };
    const Case cases[] = {
        {2, {57}, CYLINDER_TILE, 0, -1, 94},        {1, {57}, BOILER_TILE, 1, -1, 94},
        {1, {58}, COMPACT_BOILER_TILE, 2, -1, 94},  {2, {57, 26}, COLLECTOR_TILE, -1, -1, 96},
        {9, {57}, FIRST_CIRCUIT_TILE, -1, 0, 95},   {9, {57}, FIRST_CIRCUIT_TILE + 1, -1, 1, 95},
        {9, {57}, FIRST_CIRCUIT_TILE + 2, -1, 2, 95},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tile);
        installation(c.scheme, {});
        for (uint32_t flag : c.flags) {
            devices().setPresent(flag);
        }
        devices().takeChanged();
        WizzardSystemSchemeMainView* view = open();
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(mask() & 0x0200u, 0u);
        const quillon::Drawable& tile = view->getScheme().getTile(c.tile);
        ASSERT_TRUE(view->getScheme().contains(tile));
        ASSERT_LT(tile.getAbsoluteRect().x + tile.getWidth() / 2, 800);
        const uint16_t historyBefore = app.pageManager().getHistorySize();
        clickOn(tile);
        EXPECT_EQ(pageId(), c.page);
        EXPECT_EQ(app.pageManager().getHistorySize(), historyBefore + 1);
        EXPECT_EQ(mask() & 0x0200u, 0x0200u);
        const Params::SystemScheme* tuned =
            app.pageManager().getParam<Params::SystemScheme>(&app.pages().wizardSchemeMainPage);
        EXPECT_EQ(tuned != nullptr ? tuned->scheme : -1, c.tuned);
        const HeatingCircuitParam* circuit =
            app.pageManager().getParam<HeatingCircuitParam>(&app.pages().wizardSchemeMainPage);
        EXPECT_EQ(circuit != nullptr ? int(circuit->circuit) : -1, c.circuit);
        if (circuit != nullptr) {
            EXPECT_NE(circuit->titleByNumber, 0);
        }
    }
}

TEST_F(Scheme, TheAddedCylinderShowsTheNoteAndMarksNothing)
{
    installation(2, {DEVICE_BOILER_1, DEVICE_ZR6}, 1);
    WizzardSystemSchemeMainView* view = open();
    ASSERT_NE(view, nullptr);
    clickOn(view->getScheme().getTile(ADDED_CYLINDER_TILE));
    EXPECT_EQ(view->getViewMode(), &view->getNoteMode());
    EXPECT_EQ(screens::str(view->getNoteMode().getMessageField().getText()),
              u"Please adjust the settings on the ZR6 module\nor the Heliora,\naccording to the installation and "
              u"service instructions.");
    EXPECT_EQ(mask() & 0x0200u, 0u);
    EXPECT_EQ(current(), &app.pages().wizardSchemeMainPage);
    clickBottomButton(view->getBottomBar(), 5);
    EXPECT_EQ(view->getViewMode(), view);
    EXPECT_TRUE(view->getContent().contains(view->getScheme()));
}

TEST_F(Scheme, ContinueAsksUntilAComponentWasTuned)
{
    installation(1, {DEVICE_BOILER_1});
    app.open(app.pages().wizardDetectedDevicesPage);
    WizzardSystemSchemeMainView* view = open();
    ASSERT_NE(view, nullptr);
    clickBottomButton(view->getBottomBar(), WizzardSystemSchemeMainView::CONTINUE_BUTTON);
    EXPECT_EQ(popupId(*view), 17);
    answer(*view, true);
    EXPECT_EQ(current(), &app.pages().wizardSchemeMainPage);
    clickBottomButton(view->getBottomBar(), WizzardSystemSchemeMainView::CONTINUE_BUTTON);
    EXPECT_EQ(popupId(*view), 17); // asked again after "Yes"
    answer(*view, false);
    EXPECT_EQ(pageId(), 82);

    installation(1, {DEVICE_BOILER_1});
    app.open(app.pages().wizardDetectedDevicesPage);
    view = open();
    ASSERT_NE(view, nullptr);
    app.pageManager().getParam<Params::Commissioning>(nullptr)->mask |= 0x0200;
    clickBottomButton(view->getBottomBar(), WizzardSystemSchemeMainView::CONTINUE_BUTTON);
    EXPECT_EQ(pageId(), 82);
    EXPECT_EQ(popupId(*app.screen<GenericView>()), 0xFFFF);
}

TEST_F(Scheme, BackReturnsToTheDetectionList)
{
    installation(1, {DEVICE_BOILER_1});
    app.open(app.pages().wizardDetectedDevicesPage);
    WizzardSystemSchemeMainView* view = open();
    ASSERT_NE(view, nullptr);
    clickBottomButton(view->getBottomBar(), GenericView::BACK_BUTTON);
    EXPECT_EQ(pageId(), 87);
}

TEST_F(Scheme, ANewDeviceSetOrValueRebuildsTheScheme)
{
    installation(4, {DEVICE_BOILER_1});
    WizzardSystemSchemeMainView* view = open();
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(editOffered(*view));
    devices().setPresent(DEVICE_HELIORA_1);
    app.bed.ticks(2);
    EXPECT_EQ(view->getScheme().getSolarCode(), 26u);
    EXPECT_TRUE(editOffered(*view));
    app.bed.deviceSends(SCHEME, uint8_t{9});
    app.bed.ticks(2);
    EXPECT_EQ(view->getScheme().getScheme(), 10);
    app.bed.deviceSends(CIRCUIT_TYPES[2], uint8_t{2});
    app.bed.ticks(2);
    EXPECT_EQ(view->getScheme().getConfiguration().circuitOptions[2], 2);
}

// The edit choice.
TEST_F(Scheme, EditChoiceOffersWhatTheSchemeAllows)
{
    struct Case
    {
        uint8_t scheme;
        std::vector<uint32_t> flags;
        uint8_t added;
        int16_t addY;    // -1: not offered
        int16_t removeY; // -1: not offered
    };
    const Case cases[] = {
        {6, {57, 26}, 0, 10, 91}, {4, {57, 26}, 1, 10, 91}, {4, {57, 26}, 0, 10, -1},
        {5, {57}, 0, -1, 10},     {3, {57}, 0, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scheme);
        installation(c.scheme, {}, c.added);
        for (uint32_t flag : c.flags) {
            devices().setPresent(flag);
        }
        devices().takeChanged();
        WizzardSystemSchemeEditView* view = openPage<WizzardSystemSchemeEditView>(app.pages().wizardSchemeEditPage);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(screens::str(view->getTopBar().getTitleField().getText()), u"Edit system scheme");
        const guicontrols::LongButton& add = view->getAddButton();
        const guicontrols::LongButton& remove = view->getRemoveButton();
        EXPECT_EQ(view->getContent().contains(add) ? add.getY() : -1, c.addY);
        EXPECT_EQ(view->getContent().contains(remove) ? remove.getY() : -1, c.removeY);
        EXPECT_EQ(screens::str(add.getText()), u"Add components");
        EXPECT_EQ(screens::str(remove.getText()), u"Remove components");
        EXPECT_EQ(add.getX(), (800 - add.getWidth()) / 2);
    }
}

TEST_F(Scheme, EditChoiceButtonsOpenAddAndRemove)
{
    installation(4, {DEVICE_BOILER_1, DEVICE_HELIORA_1}, 1);
    WizzardSystemSchemeMainView* main = open();
    ASSERT_NE(main, nullptr);
    clickBottomButton(main->getBottomBar(), WizzardSystemSchemeMainView::EDIT_BUTTON);
    WizzardSystemSchemeEditView* edit = app.screen<WizzardSystemSchemeEditView>();
    ASSERT_NE(edit, nullptr);
    clickOn(edit->getAddButton());
    EXPECT_EQ(pageId(), 90);
    app.pageManager().back();
    app.bed.ticks(2);
    edit = app.screen<WizzardSystemSchemeEditView>();
    ASSERT_NE(edit, nullptr);
    clickOn(edit->getRemoveButton());
    WizzardSystemSchemeRemoveView* remove = app.screen<WizzardSystemSchemeRemoveView>();
    ASSERT_NE(remove, nullptr);
    // Only the cylinder can go in scheme 4.
    EXPECT_FALSE(remove->getScheme().contains(remove->getScheme().getRemoveCircuitButton()));
    EXPECT_TRUE(remove->getScheme().contains(remove->getScheme().getRemoveCylinderButton()));
    clickBottomButton(remove->getBottomBar(), GenericView::BACK_BUTTON);
    clickBottomButton(app.screen<GenericView>()->getBottomBar(), GenericView::BACK_BUTTON);
    EXPECT_EQ(current(), &app.pages().wizardSchemeMainPage);
    EXPECT_TRUE(writes().empty());
}
} // namespace
