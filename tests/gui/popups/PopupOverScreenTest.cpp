#include "gui/popups/RealPopups.hpp"

#include "guicontrols/Palette.hpp"

#include <quillon/Bitmap.hpp>

#include <vector>

// The fault popup over a screen, as the display shows it, and a touch on "Confirm".
namespace popuptest
{
namespace
{
std::vector<quillon::Color> pixels(test::AppTestBed& app, const quillon::Rectangle& area)
{
    return app.bed.frame().pixels(area);
}

// Rows of the area holding at least one pixel of the colour.
std::vector<std::int16_t> rowsWith(test::AppTestBed& app, const quillon::Rectangle& area, quillon::Color colour)
{
    std::vector<std::int16_t> rows;
    for (std::int16_t y = area.y; y < area.bottom(); ++y) {
        for (std::int16_t x = area.x; x < area.right(); ++x) {
            if (app.bed.frame().at(x, y) == colour) {
                rows.push_back(y);
                break;
            }
        }
    }
    return rows;
}

using PopupOverScreen = RealPopups;

TEST_F(PopupOverScreen, TheFaultPopupIsDrawnOverTheScreenAndConfirmTakesItAway)
{
    const quillon::Rectangle whole(0, 0, 800, 480);
    const std::vector<quillon::Color> screen = pixels(app, whole);

    sendFault(true);
    app.bed.ticks(1);
    FaultPopup& fault = popup<FaultPopup>(POPUP_FAULT);
    ASSERT_EQ(shown(), &fault);
    const quillon::Rectangle panel(20, 38, 760, 404);
    EXPECT_EQ(fault.getAbsoluteRect(), panel);

    // The red frame: its top and left bands in palette entry 27.
    const quillon::Color red = guicontrols::Palette::entry(27);
    EXPECT_EQ(app.bed.frame().at(panel.x + 380, panel.y), red);
    EXPECT_EQ(app.bed.frame().at(panel.x, panel.y + 200), red);

    // Icon 91, centred at y 25: its opaque pixels as the bitmap has them.
    const quillon::Bitmap icon(91);
    ASSERT_EQ(icon.getFormat(), quillon::BITMAP_RGB565);
    const std::int16_t iconX = static_cast<std::int16_t>(panel.x + (760 - icon.getWidth()) / 2);
    const std::int16_t iconY = static_cast<std::int16_t>(panel.y + 25);
    const std::uint16_t* colours = reinterpret_cast<const std::uint16_t*>(icon.getData());
    const std::uint8_t* alpha = icon.getAlphaData();
    int opaque = 0;
    int matching = 0;
    for (std::int16_t y = 0; y < icon.getHeight(); ++y) {
        for (std::int16_t x = 0; x < icon.getWidth(); ++x) {
            const int i = y * icon.getWidth() + x;
            if (alpha == nullptr || alpha[i] == 255) {
                ++opaque;
                matching += app.bed.frame().at(iconX + x, iconY + y) == colours[i] ? 1 : 0;
            }
        }
    }
    EXPECT_GT(opaque, 500);
    EXPECT_EQ(matching, opaque);

    // "Fault" in white from y 110 of the panel, the message under it, "Confirm" on its button.
    const quillon::Color white = guicontrols::Palette::entry(0);
    const guicontrols::TextField& message = fault.getMessage();
    const quillon::Rectangle titleBand(panel.x, panel.y + 110, 760, static_cast<std::int16_t>(message.getY() - 110));
    const std::vector<std::int16_t> titleRows = rowsWith(app, titleBand, white);
    ASSERT_FALSE(titleRows.empty());
    EXPECT_GE(titleRows.front(), panel.y + 110);
    const quillon::Rectangle messageBand = message.getAbsoluteRect();
    EXPECT_EQ(messageBand.y, panel.y + 150);
    EXPECT_GT(app.bed.frame().count(white, messageBand), 200);
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(message.getText())),
              u"Please see the fault list \nor inform your heating contractor.");
    const quillon::Rectangle button = fault.getButton().getAbsoluteRect();
    EXPECT_EQ(button, quillon::Rectangle(panel.x + 290, panel.y + 315, 180, 65));

    // Around the panel the screen, dimmed: no pixel of it as it was.
    int unchanged = 0;
    int lit = 0;
    for (std::int16_t y = 0; y < panel.y; ++y) {
        for (std::int16_t x = 0; x < 800; ++x) {
            const quillon::Color before = screen[static_cast<std::size_t>(y * 800 + x)];
            lit += before != 0 ? 1 : 0;
            unchanged += before != 0 && app.bed.frame().at(x, y) == before ? 1 : 0;
        }
    }
    EXPECT_GT(lit, 200);
    EXPECT_EQ(unchanged, 0);

    app.bed.click(static_cast<std::int16_t>(button.x + 90), static_cast<std::int16_t>(button.y + 30));
    EXPECT_EQ(manager().getLevel(POPUP_FAULT), 1);
    app.bed.ticks(1); // the next frame
    EXPECT_EQ(shown(), nullptr);
    EXPECT_EQ(pixels(app, whole), screen);
    // Dismissed: the lasting fault keeps it away.
    sendFault(true);
    app.bed.ticks(2);
    EXPECT_EQ(shown(), nullptr);
}
} // namespace
} // namespace popuptest
