#include "gui/screens/wizard/SchemeBed.hpp"

#include "gui/pagemanager/HeatingCircuitParam.hpp"
#include "gui/screens/wizard/WizzardCylinderTypeView.hpp"
#include "gui/screens/wizard/WizzardHCTypeSelectView.hpp"
#include "gui/screens/wizard/WizzardSystemSchemeMainView.hpp"
#include "model/devices/DeviceIds.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace
{
using guicontrols::SystemSchemeDeviceButton;
using screens::DeviceWrite;

const uint16_t CYLINDER_ADDRESS = 0x6705;
const uint16_t CIRCUIT_ADDRESSES[3] = {0x2350, 0x3350, 0x4350};

// The cylinder type and the circuit type, opened from the scheme as the tuning screens do.
class ComponentType : public ::testing::Test, public screens::SchemeBed
{
protected:
    WizzardCylinderTypeView* openCylinder(uint8_t value)
    {
        installation(2, {DEVICE_BOILER_1});
        app.bed.deviceSends(CYLINDER_TYPE, value);
        app.open(app.pages().wizardSchemeMainPage);
        forgetWrites();
        return openPage<WizzardCylinderTypeView>(app.pages().wizardCylinderTypePage);
    }
    std::vector<uint8_t> marked(const WizzardCylinderTypeView& view)
    {
        std::vector<uint8_t> types;
        for (uint8_t type = 0; type < WizzardCylinderTypeView::BUTTON_COUNT; ++type) {
            if (view.getButton(type).isChecked()) {
                types.push_back(type);
            }
        }
        return types;
    }

    // Circuit -1: no circuit chosen before.
    WizzardHCTypeSelectView* openCircuit(int circuit, uint8_t stored, int storedOn = -1)
    {
        installation(9, {DEVICE_BOILER_1});
        app.bed.deviceSends(CIRCUIT_TYPES[storedOn < 0 ? (circuit < 0 || circuit > 2 ? 0 : circuit) : storedOn],
                            stored);
        app.open(app.pages().wizardSchemeMainPage);
        if (circuit >= 0) {
            app.pageManager().setParam(HeatingCircuitParam{uint16_t(circuit), 0, 0, 1, {0, 0, 0}});
        }
        forgetWrites();
        return openPage<WizzardHCTypeSelectView>(app.pages().wizardHcTypeSelectPage);
    }
    std::vector<uint32_t> row(const WizzardHCTypeSelectView& view, int* selected)
    {
        std::vector<uint32_t> symbols;
        *selected = -1;
        for (uint8_t type = 0; type < WizzardHCTypeSelectView::TYPE_COUNT; ++type) {
            const SystemSchemeDeviceButton& button = view.getTypeButton(type);
            if (view.getContent().contains(button)) {
                symbols.push_back(button.getDeviceType());
                if (button.getMode() == SystemSchemeDeviceButton::LOOSE_SELECTED) {
                    *selected = type;
                }
            }
        }
        return symbols;
    }
    void ok(const GenericView& view) { clickBottomButton(view.getBottomBar(), 5); }
    // Scrolled into view first, as a user would.
    void touch(const WizzardCylinderTypeView& view, uint8_t type)
    {
        const int16_t listBottom = 480 - GenericView::BOTTOM_BAR_HEIGHT;
        for (int i = 0; i < 10; ++i) {
            const quillon::Rectangle r = view.getButton(type).getAbsoluteRect();
            if (r.y + r.height <= listBottom) {
                break;
            }
            clickOn(view.getList().getDownButton());
        }
        clickOn(view.getButton(type));
    }
};

TEST_F(ComponentType, TheDeviceValueIsMarkedModuloSix)
{
    struct Case
    {
        uint8_t value;
        std::vector<uint8_t> marked;
    };
    const Case cases[] = {{3, {3}}, {0, {}}, {6, {}}, {7, {1}}, {5, {5}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.value));
        WizzardCylinderTypeView* view = openCylinder(c.value);
        ASSERT_NE(view, nullptr);
        std::vector<uint8_t> visible = marked(*view);
        if (!visible.empty() && visible.front() == 0) {
            visible.erase(visible.begin()); // the hidden place of no type
        }
        EXPECT_EQ(visible, c.marked);
        ok(*view);
        if (c.marked.empty()) {
            EXPECT_TRUE(writes().empty());
        } else {
            EXPECT_EQ(writes(), (std::vector<DeviceWrite>{{CYLINDER_ADDRESS, c.marked.front()}}));
        }
        EXPECT_EQ(current(), &app.pages().wizardSchemeMainPage);
    }
}

TEST_F(ComponentType, CylinderTypesAreListedInOrder)
{
    WizzardCylinderTypeView* view = openCylinder(1);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(screens::str(view->getTopBar().getTitleField().getText()), u"DHW cylinder type");
    const char16_t* texts[] = {u"Monovalent cylinder", u"Two monovalent cylinders ", u"Dual mode cylinder",
                               u"System cylinder PXLT-E", u"Combination cylinder"};
    int16_t y = view->getButton(1).getAbsoluteRect().y;
    EXPECT_GE(y, GenericView::TOP_BAR_HEIGHT + 10);
    EXPECT_EQ(view->getButton(1).getAbsoluteRect().x, 30);
    for (uint8_t type = 1; type <= 5; ++type) {
        EXPECT_EQ(screens::str(view->getButton(type).getText()), texts[type - 1]);
        EXPECT_FALSE(view->getButton(type).hasExtraText());
    }
    EXPECT_EQ(view->getButton(2).getAbsoluteRect().y, y + view->getButton(1).getHeight() + 10);
    EXPECT_EQ(view->getBottomBar().getButton(5).getIcon().getId(), 210);
}

TEST_F(ComponentType, ACombinationCylinderBecomesTheSchemesCylinder)
{
    WizzardCylinderTypeView* view = openCylinder(3);
    ASSERT_NE(view, nullptr);
    touch(*view, 5);
    EXPECT_EQ(marked(*view), (std::vector<uint8_t>{5}));
    ok(*view);
    EXPECT_EQ(writes(), (std::vector<DeviceWrite>{{CYLINDER_ADDRESS, 5}}));
    app.bed.ticks(3);
    EXPECT_TRUE(devices().isPresent(DEVICE_CYLINDER_5));
    WizzardSystemSchemeMainView* scheme = app.screen<WizzardSystemSchemeMainView>();
    ASSERT_NE(scheme, nullptr);
    EXPECT_EQ(scheme->getScheme().getSecondCode(), 65u);
}

// A refill keeps one mark: the device's before any touch, the engineer's after it.
TEST_F(ComponentType, OneMarkOnlyAndOneWrite)
{
    WizzardCylinderTypeView* view = openCylinder(3);
    ASSERT_NE(view, nullptr);
    app.bed.deviceSends(CYLINDER_TYPE, uint8_t{4});
    app.bed.ticks(2);
    EXPECT_EQ(marked(*view), (std::vector<uint8_t>{4}));
    touch(*view, 2);
    app.bed.deviceSends(CYLINDER_TYPE, uint8_t{5});
    app.bed.ticks(2);
    EXPECT_EQ(marked(*view), (std::vector<uint8_t>{2}));
    ok(*view);
    EXPECT_EQ(writes(), (std::vector<DeviceWrite>{{CYLINDER_ADDRESS, 2}}));
}

TEST_F(ComponentType, CylinderBackWritesNothing)
{
    WizzardCylinderTypeView* view = openCylinder(3);
    ASSERT_NE(view, nullptr);
    touch(*view, 1);
    clickBottomButton(view->getBottomBar(), GenericView::BACK_BUTTON);
    EXPECT_TRUE(writes().empty());
    EXPECT_EQ(current(), &app.pages().wizardSchemeMainPage);
}

TEST_F(ComponentType, CircuitTypesOfferedByCircuit)
{
    struct Case
    {
        int circuit;
        std::vector<uint32_t> symbols;
    };
    const Case cases[] = {{0, {7, 9}}, {1, {10, 8, 9}}, {2, {10, 8, 9}}, {-1, {7, 9}}, {3, {7, 9}}, {700, {7, 9}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.circuit);
        WizzardHCTypeSelectView* view = openCircuit(c.circuit, 0);
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(screens::str(view->getTopBar().getTitleField().getText()), u"Type of heating circuit");
        int selected = 0;
        EXPECT_EQ(row(*view, &selected), c.symbols);
        EXPECT_EQ(selected, 0);
        const int16_t width = view->getTypeButton(0).getWidth();
        const int16_t n = static_cast<int16_t>(c.symbols.size());
        EXPECT_EQ(view->getTypeButton(0).getX(), (830 - n * width) / 2);
        EXPECT_EQ(view->getTypeButton(0).getY(), 10);
        EXPECT_EQ(view->getTypeButton(2).getX(), (830 - n * width) / 2 + (n - 1) * (width + 10));
        ok(*view);
        const uint8_t circuit = c.circuit >= 1 && c.circuit <= 2 ? uint8_t(c.circuit) : 0;
        EXPECT_EQ(writes(), (std::vector<DeviceWrite>{{CIRCUIT_ADDRESSES[circuit], 0}}));
    }
}

TEST_F(ComponentType, AStoredTypeNotOfferedSelectsNoneAndIsWrittenBack)
{
    WizzardHCTypeSelectView* view = openCircuit(0, 1);
    ASSERT_NE(view, nullptr);
    int selected = 0;
    EXPECT_EQ(row(*view, &selected), (std::vector<uint32_t>{7, 9}));
    EXPECT_EQ(selected, -1);
    ok(*view);
    EXPECT_EQ(writes(), (std::vector<DeviceWrite>{{0x2350, 1}}));
    EXPECT_EQ(current(), &app.pages().wizardSchemeMainPage);
}

TEST_F(ComponentType, TheTouchedTypeIsWrittenAndKeptOverAChange)
{
    WizzardHCTypeSelectView* view = openCircuit(2, 0);
    ASSERT_NE(view, nullptr);
    clickOn(view->getTypeButton(2));
    int selected = 0;
    row(*view, &selected);
    EXPECT_EQ(selected, 2);
    clickOn(view->getTypeButton(2)); // again: no change
    row(*view, &selected);
    EXPECT_EQ(selected, 2);
    app.bed.deviceSends(CIRCUIT_TYPES[2], uint8_t{1});
    app.bed.ticks(2);
    row(*view, &selected);
    EXPECT_EQ(selected, 2);
    EXPECT_TRUE(writes().empty());
    ok(*view);
    EXPECT_EQ(writes(), (std::vector<DeviceWrite>{{0x4350, 2}}));
}

TEST_F(ComponentType, CircuitBackWritesNothing)
{
    WizzardHCTypeSelectView* view = openCircuit(1, 0);
    ASSERT_NE(view, nullptr);
    clickOn(view->getTypeButton(1));
    clickBottomButton(view->getBottomBar(), GenericView::BACK_BUTTON);
    EXPECT_TRUE(writes().empty());
    EXPECT_EQ(current(), &app.pages().wizardSchemeMainPage);
}
} // namespace
