// The widget gallery: each widget family built on a screen, driven through the touch panel
// and frame ticks, checked, and written to widget-gallery/<family>.png for review.

#include "guicontrols/BasicScreenCenterButton.hpp"
#include "guicontrols/CheckableButtonWithLabel.hpp"
#include "guicontrols/CheckableIconButton.hpp"
#include "guicontrols/CheckableLongButton.hpp"
#include "guicontrols/CheckableSmallButton.hpp"
#include "guicontrols/CheckableTileButton.hpp"
#include "guicontrols/Frame.hpp"
#include "guicontrols/IconLabelButton.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/TextField.hpp"
#include "guicontrols/TextFieldWithShadow.hpp"
#include "guicontrols/TileButtonWithStar.hpp"
#include "guicontrols/Gallery.hpp"
#include "guicontrols/WidgetFixture.hpp"

#include <assets/GeneratedFonts.hpp>
#include <quillon/events/ClickEvent.hpp>
#include <quillon/widgets/Box.hpp>

using namespace guicontrols;
using namespace guicontrols::test;
using quillon::Rectangle;

namespace
{
const quillon::Color BACKGROUND = 0x2945;

class GalleryTest : public WidgetTest
{
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        background.setPosition(0, 0, 800, 480);
        background.setColor(BACKGROUND);
        screen.add(background);
    }

    // Draws the whole screen through the framework, as a frame of the panel does.
    std::vector<quillon::Color> show()
    {
        application.switchScreen(&screen);
        frame.frames(1);
        return snapshot(frame);
    }

    quillon::Screen screen;
    quillon::Box background;
};

class Recorder
{
public:
    Recorder() : clicked(this, &Recorder::onClick), repeated(this, &Recorder::onRepeat) {}
    void onClick(const quillon::AbstractButton& button) { clicks.push_back(&button); }
    void onRepeat(const RepeatableButton&) { ++repeats; }

    quillon::Callback<Recorder, const quillon::AbstractButton&> clicked;
    quillon::Callback<Recorder, const RepeatableButton&> repeated;
    std::vector<const quillon::AbstractButton*> clicks;
    int repeats = 0;
};

int changedPixels(const std::vector<quillon::Color>& a, const std::vector<quillon::Color>& b, const Rectangle& area)
{
    int changed = 0;
    for (int y = area.y; y < area.bottom(); ++y) {
        for (int x = area.x; x < area.right(); ++x) {
            changed += a[static_cast<size_t>(y) * 800 + x] != b[static_cast<size_t>(y) * 800 + x] ? 1 : 0;
        }
    }
    return changed;
}
} // namespace

TEST_F(GalleryTest, TextFields)
{
    static const char16_t percent[] = u"50% off, 100%% shown once, %s as written";
    static const char16_t lines[] = u"A text taller\nthan its field\nis cut at its edges";
    static const char16_t shadowText[] = u"0123 abcdef";
    const char16_t* alignments[] = {u"left top", u"centre centre", u"right bottom"};
    quillon::Box boxes[3];
    TextField fields[3];
    for (int i = 0; i < 3; ++i) {
        boxes[i].setPosition(static_cast<int16_t>(10 + 262 * i), 10, 250, 71);
        boxes[i].setColor(Palette::entry(4));
        fields[i].setPosition(static_cast<int16_t>(10 + 262 * i), 10, 250, 71);
        fields[i].setText(w(alignments[i]), &assets::font2());
        fields[i].setAlignment(static_cast<uint32_t>(i));
        fields[i].setVerticalAlignment(static_cast<uint32_t>(i));
        screen.add(boxes[i]);
        screen.add(fields[i]);
    }
    TextField typed;
    typed.setPosition(10, 95, 780, 40);
    typed.setTextId(quillon::TypedText(963));
    TextField literal;
    literal.setPosition(10, 140, 780, 40);
    literal.setText(w(percent), &assets::font2());
    literal.setColor(Palette::entry(7));
    quillon::Box lowBox;
    lowBox.setPosition(10, 190, 380, 60);
    lowBox.setColor(Palette::entry(4));
    TextField low;
    low.setPosition(10, 190, 380, 60);
    low.setText(w(lines), &assets::font0());
    low.setAlignment(1);
    low.setVerticalAlignment(1);
    TextField german;
    german.setPosition(410, 190, 380, 60);
    german.setTextId(quillon::TypedText(963));
    german.setAlignment(1);
    german.setVerticalAlignment(1);
    quillon::Box black;
    black.setPosition(10, 270, 380, 200);
    black.setColor(0x0000);
    TextFieldWithShadow shadow;
    shadow.setPosition(10, 280, 380, 180);
    shadow.setText(w(shadowText), &assets::font4());
    shadow.setShadowArea(280, 53, 0); // the text's rows, mirrored right below them
    for (quillon::Drawable* d : std::initializer_list<quillon::Drawable*>{&typed, &literal, &lowBox, &low, &german,
                                                                         &black, &shadow}) {
        screen.add(*d);
    }
    quillon::LanguageTable::setLanguage(quillon::LANGUAGE_GERMAN);
    const std::vector<quillon::Color> german1 = show();
    quillon::LanguageTable::setLanguage(quillon::LANGUAGE_ENGLISH);
    application.invalidate();
    frame.frames(1);
    const std::vector<quillon::Color> pixels = snapshot(frame);
    EXPECT_GT(changedPixels(german1, pixels, Rectangle(10, 95, 780, 40)), 0); // follows the language
    EXPECT_GT(frame.count(Palette::entry(7), Rectangle(10, 140, 780, 40)), 0);
    EXPECT_GT(frame.count(0x18E3, Rectangle(10, 333, 380, 53)), 0); // the shadow
    EXPECT_EQ(frame.count(BACKGROUND, Rectangle(0, 0, 800, 9)), 800 * 9);
    quillon::LanguageTable::setLanguage(quillon::LANGUAGE_GERMAN);
    application.invalidate();
    frame.frames(1);
    std::vector<quillon::Color> both = pixels;
    const std::vector<quillon::Color> germanAgain = snapshot(frame);
    both.insert(both.end(), germanAgain.begin(), germanAgain.end());
    quillon::LanguageTable::setLanguage(quillon::LANGUAGE_ENGLISH);
    EXPECT_TRUE(writeGalleryPng("text-fields", 800, 960, both));
}

// Top half: every class released and unchecked; bottom half: pressed, checked, with the
// centre button's selection moved and the repeatable button held.
TEST_F(GalleryTest, Buttons)
{
    static const char16_t second[] = u"HC 1";
    static const char16_t value[] = u"45.5 \u00B0C";
    static const char16_t wizard[] = u"Cylinder with coil";
    static const char16_t smallText[] = u"Monday to Friday";
    static const char16_t check[] = u"Check";
    static const char16_t tileText[] = u"Heating circuit 1";
    static const char16_t starText[] = u"Time program hot water";
    static const char16_t tileOnly[] = u"Information about the boiler and the circuits";
    static const char16_t dayValue[] = u"3";
    Recorder recorder;

    LongButton longButton;
    longButton.setXY(10, 5);
    longButton.setText(quillon::TypedText(809));
    longButton.setSecondText(w(second));
    longButton.setValueText(w(value));
    longButton.setIcon(quillon::Bitmap(59), -290);
    longButton.setAction(recorder.clicked);
    CheckableLongButton checkableLong;
    checkableLong.setXY(10, 80);
    checkableLong.setText(quillon::TypedText(963));
    checkableLong.setSecondText(w(wizard));
    SmallButton small;
    small.setXY(10, 160);
    small.setText(w(smallText));
    CheckableSmallButton checkableSmall;
    checkableSmall.setXY(160, 160);
    checkableSmall.setText(w(check));
    IconButton icon;
    icon.setBitmaps(quillon::Bitmap(16), quillon::Bitmap(18));
    icon.setIcon(quillon::Bitmap(208));
    icon.setXY(310, 160);
    CheckableIconButton checkableIcon;
    checkableIcon.setBitmaps(quillon::Bitmap(16), quillon::Bitmap(18));
    checkableIcon.setIcon(quillon::Bitmap(208));
    checkableIcon.setXY(390, 160);
    IconLabelButton labelButton;
    labelButton.setBitmaps(quillon::Bitmap(0), quillon::Bitmap(1));
    labelButton.setXY(470, 160);
    labelButton.setLabel(quillon::TypedText(1168).getText());
    IconLabelButton home;
    home.setBitmaps(quillon::Bitmap(0), quillon::Bitmap(1));
    home.setIcon(quillon::Bitmap(208));
    home.setXY(610, 160);
    RepeatableButton repeatable;
    repeatable.setBitmaps(quillon::Bitmap(19), quillon::Bitmap(21));
    repeatable.setXY(700, 30);
    repeatable.setRepeatAction(&recorder.repeated);
    CheckableButtonWithLabel day;
    day.setBitmaps(quillon::Bitmap(2), quillon::Bitmap(4));
    day.setCheckMarkBitmap(quillon::Bitmap(3));
    day.setLabel(801);
    day.setValueText(w(dayValue));
    day.setXY(10, 240);
    BasicScreenCenterButton centre;
    centre.setXY(170, 240);
    centre.setCircuits(true, true, false);
    centre.selectCircuit(0);
    centre.setAction(recorder.clicked);
    TileButton tile;
    tile.setIcon(quillon::Bitmap(109));
    tile.setText(w(tileText));
    TileButtonWithStar star;
    star.setIcon(quillon::Bitmap(122));
    star.setText(w(starText));
    CheckableTileButton textTile;
    textTile.setText(w(tileOnly));
    quillon::Container tiles;
    tiles.setPosition(0, 315, 800, 165);
    TileButton* row[] = {&tile, &star, &textTile};
    for (uint16_t i = 0; i < 3; ++i) {
        Frame::placeTile(tiles, *row[i], i, 3, 0);
    }
    for (quillon::Drawable* d : std::initializer_list<quillon::Drawable*>{
             &longButton, &checkableLong, &small, &checkableSmall, &icon, &checkableIcon, &labelButton, &home,
             &repeatable, &day, &centre, &tiles}) {
        screen.add(*d);
    }
    const std::vector<quillon::Color> released = show();
    const Rectangle longArea(10, 5, 658, 71);

    // Click the long button: the pressed bitmap while held, then the action on lifting.
    frame.touch().press(300, 40);
    frame.frames(2);
    EXPECT_GT(changedPixels(released, snapshot(frame), longArea), 1000);
    EXPECT_TRUE(recorder.clicks.empty());
    frame.touch().release();
    frame.frames(2);
    ASSERT_EQ(recorder.clicks.size(), 1u);
    EXPECT_EQ(recorder.clicks[0], &longButton);
    EXPECT_EQ(changedPixels(released, snapshot(frame), longArea), 0);

    // Hold the repeatable button for 13 frames: three repeats.
    frame.touch().press(740, 70);
    frame.frames(14); // the press is seen on the first
    EXPECT_EQ(recorder.repeats, 3);
    EXPECT_EQ(application.timerWidgetCount(), 1);
    frame.touch().release();
    frame.frames(2);
    EXPECT_EQ(application.timerWidgetCount(), 0);

    // Click the centre button: circuit 2 is selected, then the action runs.
    frame.click(450, 275);
    EXPECT_TRUE(centre.isCircuit2Selected());
    ASSERT_EQ(recorder.clicks.size(), 2u);
    EXPECT_EQ(recorder.clicks[1], &centre);
    EXPECT_GT(changedPixels(released, snapshot(frame), centre.getAbsoluteRect()), 0);

    // The second half: everything pressed or checked at once.
    const quillon::ClickEvent press(quillon::ClickEvent::PRESSED, 1, 1);
    for (quillon::AbstractButton* b : std::initializer_list<quillon::AbstractButton*>{
             &longButton, &small, &icon, &labelButton, &home, &repeatable, &centre, &tile, &star}) {
        b->onClick(press);
    }
    for (ICheckable* c : std::initializer_list<ICheckable*>{&checkableLong, &checkableSmall, &checkableIcon, &day,
                                                            &textTile}) {
        c->setChecked(true);
    }
    application.invalidate();
    frame.frames(1);
    std::vector<quillon::Color> both = released;
    const std::vector<quillon::Color> pressed = snapshot(frame);
    EXPECT_GT(changedPixels(released, pressed, Rectangle(10, 80, 658, 71)), 1000); // check mark
    both.insert(both.end(), pressed.begin(), pressed.end());
    EXPECT_TRUE(writeGalleryPng("buttons", 800, 960, both));
}

TEST_F(GalleryTest, Frames)
{
    static const char16_t message[] = u"The frame of a popup:\nits text sits on the dark panel.";
    Frame frames[3];
    const quillon::BitmapId styles[] = {65, 66, 67};
    for (int i = 0; i < 3; ++i) {
        frames[i].setPosition(static_cast<int16_t>(10 + 262 * i), 10, 250, 150);
        frames[i].setInsets(9, 9, 9, 9);
        frames[i].setStyle(styles[i]);
        screen.add(frames[i]);
    }
    Frame popup;
    popup.setPosition(0, 0, 600, 200);
    popup.setInsets(9, 9, 9, 9);
    popup.setStyle(66);
    quillon::Container area;
    area.setPosition(0, 180, 800, 300);
    Frame::center(area, popup);
    area.add(popup);
    TextField text;
    text.setPosition(static_cast<int16_t>(popup.getX() + 20), static_cast<int16_t>(popup.getY() + 20), 560, 160);
    text.setText(w(message), &assets::font2());
    text.setAlignment(1);
    text.setVerticalAlignment(1);
    area.add(text);
    screen.add(area);
    const std::vector<quillon::Color> pixels = show();
    EXPECT_EQ(frame.count(Palette::entry(25), Rectangle(30, 10, 200, 2)), 400);
    EXPECT_EQ(frame.count(Palette::entry(26), Rectangle(300, 10, 200, 2)), 400);
    EXPECT_EQ(frame.count(Palette::entry(27), Rectangle(560, 10, 200, 2)), 400);
    EXPECT_EQ(popup.getAbsoluteRect(), Rectangle(100, 230, 600, 200));

    // Redrawn in bands, as under a closing popup: the same picture.
    frame.fill(SENTINEL);
    for (int16_t y = 0; y < 480; y = static_cast<int16_t>(y + 7)) {
        Rectangle band(0, y, 800, 7);
        screen.draw(band);
    }
    EXPECT_EQ(snapshot(frame), pixels);
    EXPECT_TRUE(writeGalleryPng("frames", 800, 480, pixels));
}
