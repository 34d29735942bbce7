#include "gui/screens/wizard/SchemeBed.hpp"

#include "gui/screens/wizard/WizzardSystemSchemeAddView.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeEditView.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeMainView.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeRemoveView.hpp"
#include "gui/popups/MessagePopup.hpp"
#include "model/devices/DeviceIds.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace
{
using screens::DeviceWrite;

const uint16_t SCHEME_ADDRESS = 0x7700;
const uint16_t ADDED_ADDRESS = 0x6911;

// The add and remove screens, reached from the scheme and the edit choice as the engineer does.
class SchemeChange : public ::testing::Test, public screens::SchemeBed
{
protected:
    WizzardSystemSchemeRemoveView* openRemove()
    {
        app.open(app.pages().wizardSchemeMainPage);
        app.open(app.pages().wizardSchemeEditPage);
        return openPage<WizzardSystemSchemeRemoveView>(app.pages().wizardSchemeRemovePage);
    }
    WizzardSystemSchemeAddView* openAdd()
    {
        app.open(app.pages().wizardSchemeMainPage);
        app.open(app.pages().wizardSchemeEditPage);
        return openPage<WizzardSystemSchemeAddView>(app.pages().wizardSchemeAddPage);
    }
    void ok(const GenericView& view) { clickBottomButton(view.getBottomBar(), 5); }
};

TEST_F(SchemeChange, RemovingWritesWhatTheCrossesChanged)
{
    struct Case
    {
        uint8_t scheme;
        std::vector<uint32_t> flags;
        uint8_t added;
        bool circuitMark;
        bool cylinderMark;
        uint8_t shown; // the scheme drawn on entry
        std::vector<DeviceWrite> written;
    };
    const Case cases[] = {
        {5, {57}, 0, true, false, 5, {{SCHEME_ADDRESS, 3}}},
        {5, {57, 26}, 0, true, false, 6, {{SCHEME_ADDRESS, 4}}},
        {5, {57, 26}, 0, false, false, 6, {{SCHEME_ADDRESS, 6}}}, // the widget's correction
        {4, {57, 26}, 1, false, true, 4, {{ADDED_ADDRESS, 0}}},
        {10, {57, 28}, 1, true, true, 10, {{SCHEME_ADDRESS, 8}, {ADDED_ADDRESS, 0}}},
        {3, {58}, 1, false, false, 3, {{ADDED_ADDRESS, 0}}}, // a flag the widget dropped
        {6, {57, 26}, 0, false, false, 6, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scheme);
        installation(c.scheme, {}, c.added);
        for (uint32_t flag : c.flags) {
            devices().setPresent(flag);
        }
        devices().takeChanged();
        WizzardSystemSchemeRemoveView* view = openRemove();
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(screens::str(view->getTopBar().getTitleField().getText()), u"Remove components");
        EXPECT_EQ(view->getScheme().getScheme(), c.shown);
        if (c.circuitMark) {
            ASSERT_TRUE(view->getScheme().contains(view->getScheme().getRemoveCircuitButton()));
            view->onMarkClicked(guicontrols::SystemScheme::REMOVE_CIRCUIT_ID);
            app.bed.ticks(1);
            EXPECT_FALSE(view->getScheme().contains(view->getScheme().getRemoveCircuitButton()));
        }
        if (c.cylinderMark) {
            ASSERT_TRUE(view->getScheme().contains(view->getScheme().getRemoveCylinderButton()));
            view->onMarkClicked(guicontrols::SystemScheme::REMOVE_CYLINDER_ID);
            app.bed.ticks(1);
        }
        EXPECT_TRUE(writes().empty()); // nothing before OK
        ok(*view);
        EXPECT_EQ(writes(), c.written);
        EXPECT_EQ(current(), &app.pages().wizardSchemeEditPage);
    }
}

TEST_F(SchemeChange, TheCircuitCrossWorksByTouch)
{
    installation(5, {DEVICE_BOILER_1});
    WizzardSystemSchemeRemoveView* view = openRemove();
    ASSERT_NE(view, nullptr);
    const quillon::Drawable& cross = view->getScheme().getRemoveCircuitButton();
    ASSERT_LT(cross.getAbsoluteRect().x + cross.getWidth() / 2, 800);
    clickOn(cross);
    EXPECT_EQ(view->getScheme().getScheme(), 3);
    ok(*view);
    EXPECT_EQ(writes(), (std::vector<DeviceWrite>{{SCHEME_ADDRESS, 3}}));
}

TEST_F(SchemeChange, BackAndAModelChangeDropTheCrosses)
{
    installation(5, {DEVICE_BOILER_1});
    WizzardSystemSchemeRemoveView* view = openRemove();
    ASSERT_NE(view, nullptr);
    view->onMarkClicked(guicontrols::SystemScheme::REMOVE_CIRCUIT_ID);
    clickBottomButton(view->getBottomBar(), GenericView::BACK_BUTTON);
    EXPECT_EQ(current(), &app.pages().wizardSchemeEditPage);
    EXPECT_TRUE(writes().empty());

    view = openPage<WizzardSystemSchemeRemoveView>(app.pages().wizardSchemeRemovePage);
    ASSERT_NE(view, nullptr);
    view->onMarkClicked(guicontrols::SystemScheme::REMOVE_CIRCUIT_ID);
    EXPECT_EQ(view->getScheme().getScheme(), 3);
    app.bed.deviceSends(CIRCUIT_TYPES[0], uint8_t{2});
    app.bed.ticks(2);
    EXPECT_EQ(view->getScheme().getScheme(), 5);
    ok(*view);
    EXPECT_TRUE(writes().empty());
}

TEST_F(SchemeChange, NothingIsWrittenAfterTheErrorPopup)
{
    installation(12, {DEVICE_BOILER_1, DEVICE_HELIORA_1}, 1);
    WizzardSystemSchemeRemoveView* view = openRemove();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(popupId(*view), 16);
    EXPECT_FALSE(view->getContent().contains(view->getScheme()));
    clickOn(static_cast<const MessagePopup*>(popup(*view))->getButton());
    EXPECT_EQ(popupId(*view), 0xFFFF);
    ok(*view);
    EXPECT_TRUE(writes().empty());
    EXPECT_EQ(current(), &app.pages().wizardSchemeEditPage);
}

TEST_F(SchemeChange, ThePlusMarksTheCylinderAndOkAddsIt)
{
    installation(6, {DEVICE_BOILER_1, DEVICE_HELIORA_1});
    WizzardSystemSchemeAddView* view = openAdd();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(screens::str(view->getTopBar().getTitleField().getText()), u"Add components");
    EXPECT_EQ(view->getSymbol().getDeviceType(), 2u);
    EXPECT_EQ(view->getSymbol().getY(), 10);
    ASSERT_TRUE(view->getContent().contains(view->getPlusButton()));
    const quillon::Rectangle symbol = view->getSymbol().getAbsoluteRect();
    const quillon::Rectangle plus = view->getPlusButton().getAbsoluteRect();
    EXPECT_EQ(plus.x + plus.width / 2, symbol.x + symbol.width / 2);
    EXPECT_EQ(plus.y + plus.height, symbol.y + symbol.height - 5);
    clickOn(view->getPlusButton());
    EXPECT_FALSE(view->getContent().contains(view->getPlusButton()));
    EXPECT_TRUE(writes().empty());
    ok(*view);
    EXPECT_EQ(writes(), (std::vector<DeviceWrite>{{ADDED_ADDRESS, 1}}));
    EXPECT_EQ(current(), &app.pages().wizardSchemeEditPage);
}

TEST_F(SchemeChange, AddingWritesNothingWithoutThePlus)
{
    installation(6, {DEVICE_BOILER_1, DEVICE_HELIORA_1}, 1);
    WizzardSystemSchemeAddView* view = openAdd();
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(view->getContent().contains(view->getPlusButton())); // already part of it
    ok(*view);
    EXPECT_TRUE(writes().empty());

    installation(6, {DEVICE_BOILER_1, DEVICE_HELIORA_1});
    view = openAdd();
    ASSERT_NE(view, nullptr);
    clickOn(view->getPlusButton());
    clickBottomButton(view->getBottomBar(), GenericView::BACK_BUTTON);
    EXPECT_TRUE(writes().empty());
    EXPECT_EQ(current(), &app.pages().wizardSchemeEditPage);
}

TEST_F(SchemeChange, TheSchemeShowsTheChangeOnReturn)
{
    installation(5, {DEVICE_BOILER_1});
    WizzardSystemSchemeRemoveView* view = openRemove();
    ASSERT_NE(view, nullptr);
    view->onMarkClicked(guicontrols::SystemScheme::REMOVE_CIRCUIT_ID);
    ok(*view);
    app.pageManager().back();
    app.bed.ticks(3);
    WizzardSystemSchemeMainView* main = app.screen<WizzardSystemSchemeMainView>();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->getScheme().getScheme(), 3);
}
} // namespace
