#include "SettingsBed.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/screens/menu/HCSelectionView.hpp"
#include "gui/screens/settings/SettingsHeatingCircuitNameView.hpp"

namespace settings_test
{
namespace
{
const std::uint16_t CIRCUIT_2_NAME_ADDRESS = 0x738A;
const std::uint8_t ENGLISH_CODE = 5;

class CircuitName : public SettingsBed
{
protected:
    void SetUp() override
    {
        SettingsBed::SetUp();
        presentOnly({0, 1, 2, 7});
        app.bed.deviceSends(267, ENGLISH_CODE); // the device's language code, English as in use
        app.bed.ticks(1);
    }
    // Settings, "Renaming the heating circuits", then the circuit's tile.
    SettingsHeatingCircuitNameView& openFor(uint8_t circuit)
    {
        openSettingsMenu();
        tapMenuItem(u"Renaming the heating circuits");
        HCSelectionView* selection = app.screen<HCSelectionView>();
        EXPECT_NE(selection, nullptr);
        tap(selection->getTile(circuit));
        SettingsHeatingCircuitNameView* view = app.screen<SettingsHeatingCircuitNameView>();
        EXPECT_NE(view, nullptr);
        return *view;
    }
    const guicontrols::CustomKeyboard& keyboard() { return app.screen<SettingsHeatingCircuitNameView>()->getKeyboard(); }
    // The record written for circuit 2: code, length, then the characters, little-endian.
    std::vector<std::uint8_t> record(const std::u16string& name)
    {
        std::vector<std::uint8_t> bytes(42, 0);
        bytes[0] = ENGLISH_CODE;
        bytes[1] = static_cast<std::uint8_t>(name.size());
        for (std::size_t i = 0; i < name.size(); ++i) {
            bytes[2 + 2 * i] = static_cast<std::uint8_t>(name[i]);
            bytes[3 + 2 * i] = static_cast<std::uint8_t>(name[i] >> 8);
        }
        return bytes;
    }
};

TEST_F(CircuitName, AnUnnamedCircuitOffersItsNumberedNameAndAcceptWritesIt)
{
    SettingsHeatingCircuitNameView& view = openFor(1);
    EXPECT_EQ(title(), u"Renaming heating circuit 2");
    EXPECT_EQ(str(view.getKeyboard().getText()), u"Heating circuit 2");
    EXPECT_EQ(frame()->getBottomBar().getButton(5).getIcon().getId(), 210);
    tapBottomButton(5);
    ASSERT_TRUE(feedbackShown());
    EXPECT_EQ(feedbackMessage(), u"Name Heating circuit 2\nfor heating circuit 2 accepted");
    const std::vector<DeviceWrite> writes = writesTo(CIRCUIT_2_NAME_ADDRESS);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].bytes, record(u"Heating circuit 2"));
    // Not the default name, so the circuit keeps it as its own.
    EXPECT_EQ(str(settings().hc2.get()), u"Heating circuit 2");
    app.bed.ticks(260);
    EXPECT_EQ(app.screen<HCSelectionView>() != nullptr, true); // back to the circuits
}

TEST_F(CircuitName, AnEmptiedNameWritesTheDefaultAndTheCircuitHasNoNameOfItsOwn)
{
    settings().hc2.set(reinterpret_cast<const quillon::WideChar*>(u"Attic"));
    openFor(1);
    EXPECT_EQ(str(keyboard().getText()), u"Attic");
    erase(keyboard(), 5);
    EXPECT_EQ(str(keyboard().getText()), u"");
    tapBottomButton(5);
    const std::vector<DeviceWrite> writes = writesTo(CIRCUIT_2_NAME_ADDRESS);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].bytes, record(u"Heizkreis 2"));
    EXPECT_EQ(writes[0].bytes[1], 11);
    EXPECT_EQ(str(settings().hc2.get()), u"");
}

TEST_F(CircuitName, TwentyCharactersFillTheRecordWithoutATerminator)
{
    openFor(1);
    erase(keyboard(), 17);
    type(keyboard(), u"abcdefghijklmnopqrstu"); // the 21st is refused
    EXPECT_EQ(str(keyboard().getText()), u"abcdefghijklmnopqrst");
    tapBottomButton(5);
    const std::vector<DeviceWrite> writes = writesTo(CIRCUIT_2_NAME_ADDRESS);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].bytes, record(u"abcdefghijklmnopqrst"));
    EXPECT_NE(writes[0].bytes[40], 0);
    EXPECT_EQ(str(settings().hc2.get()), u"abcdefghijklmnopqrst");
}

TEST_F(CircuitName, BackWritesNothing)
{
    openFor(2);
    EXPECT_EQ(title(), u"Renaming heating circuit 3");
    erase(keyboard(), 3);
    tapBottomButton(GenericView::BACK_BUTTON);
    EXPECT_TRUE(deviceWrites().empty());
    EXPECT_EQ(str(settings().hc3.get()), u"");
}

// Opened directly: without a chosen circuit nothing is offered for circuit 1 either; a
// circuit beyond the three counts as the first.
TEST_F(CircuitName, WithoutAChosenCircuitThereIsNeitherKeyboardNorAccept)
{
    openSettingsMenu();
    app.open(app.pages().circuitNamePage);
    SettingsHeatingCircuitNameView* view = app.screen<SettingsHeatingCircuitNameView>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(title(), u"Renaming heating circuit 1");
    EXPECT_EQ(view->getKeyboard().getParent(), nullptr);
    EXPECT_EQ(frame()->getBottomBar().getButton(5).getIcon().getId(), quillon::BITMAP_NONE);
    app.bed.click(5 * 134 + 65, 444); // where OK would be
    app.bed.ticks(2);
    EXPECT_TRUE(deviceWrites().empty());

    tapBottomButton(GenericView::BACK_BUTTON);
    HeatingCircuitParam beyond = {};
    beyond.circuit = 5;
    ASSERT_TRUE(app.pageManager().setParam(beyond));
    app.open(app.pages().circuitNamePage);
    EXPECT_EQ(title(), u"Renaming heating circuit 1");
    EXPECT_EQ(str(keyboard().getText()), u"Heating circuit 1");
}
} // namespace
} // namespace settings_test
