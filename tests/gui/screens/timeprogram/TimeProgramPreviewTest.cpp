#include "TimeProgramBed.hpp"

#include "support/screen/TextFit.hpp"
#include "../menu/TileWords.hpp"

#include "gui/common/GenericView.hpp"
#include "guicontrols/Palette.hpp"

#include "../../../guicontrols/Gallery.hpp"

#include <quillon/Screen.hpp>

#include <sys/stat.h>

namespace timeprogram_test
{
namespace
{
class Preview : public TimeProgramBed
{
protected:
    // Into screen-previews/timeprogram beside the widget gallery's folder.
    bool writePreview(const std::string& name)
    {
        mkdir("screen-previews", 0755);
        mkdir("screen-previews/timeprogram", 0755);
        std::vector<quillon::Color> pixels = app.bed.frame().pixels();
        return guicontrols::test::writeGalleryPng("../screen-previews/timeprogram/" + name, 800, 480, pixels);
    }

    // Label-coloured pixels in the outer 3 columns of each side of the button.
    std::uint32_t labelAtEdges(const quillon::Drawable& button)
    {
        const quillon::Rectangle r = button.getAbsoluteRect();
        std::uint32_t count = 0;
        for (std::int16_t y = r.y; y < r.y + r.height; ++y) {
            for (std::int16_t dx = 0; dx < 3; ++dx) {
                for (std::int16_t x : {static_cast<std::int16_t>(r.x + dx), static_cast<std::int16_t>(r.x + r.width - 1 - dx)}) {
                    count += app.bed.frame().at(x, y) == guicontrols::Palette::entry(11) ? 1 : 0;
                }
            }
        }
        return count;
    }
};

TEST_F(Preview, EveryScreenInEveryLanguageFitsItsTexts)
{
    app.bed.frame().setCounting(false); // pictures and text fits only: no write counts
    struct Screen
    {
        const char* name;
        pagemanager::Page Pages::*page;
    };
    const Screen screens[] = {
        {"heating-overview", &Pages::heatingTimeProgramOverviewPage},
        {"heating-edit", &Pages::heatingTimeProgramEditPage},
        {"heating-copy", &Pages::heatingTimeProgramCopyPage},
        {"dhw-overview", &Pages::dhwTimeProgramOverviewPage},
        {"dhw-edit", &Pages::dhwTimeProgramEditPage},
        {"dhw-copy", &Pages::dhwTimeProgramCopyPage},
        {"dhw-type", &Pages::dhwTimeProgramTypePage},
        {"circulation-overview", &Pages::dhwCirculationOverviewPage},
        {"circulation-edit", &Pages::dhwCirculationEditPage},
        {"circulation-copy", &Pages::dhwCirculationCopyPage},
        {"circulation-type", &Pages::dhwCirculationTypePage},
    };
    app.bed.deviceSends(heatingIndex(0, 2), record({0x30, 0x48, 0x80, 0xB0}));
    app.bed.deviceSends(hotWaterIndex(0, 2), record({0x28, 0x40, 0x88, 0xA8}));
    app.bed.deviceSends(circulationIndex(0, 2), record({0x30, 0x38, 0x90, 0x98}));
    app.open(app.pages().mainPage);
    for (int language = 0; language < quillon::NUMBER_OF_LANGUAGES; ++language) {
        app.bed.setLanguage(static_cast<quillon::LanguageId>(language));
        for (const Screen& s : screens) {
            const std::string name = std::string(s.name) + "-" + std::to_string(language);
            SCOPED_TRACE(name);
            openWith(app.pages().*s.page, 0, 2);
            quillon::Screen* screen = app.app.getCurrentScreen();
            ASSERT_NE(screen, nullptr);
            app.bed.ticks(1);
            EXPECT_TRUE(writePreview(name));
            for (const std::string& line : test::overwideTexts(screen->getRootContainer())) {
                ADD_FAILURE() << line;
            }
            for (const std::string& line : test::TileWords::brokenCaptions(screen->getRootContainer())) {
                ADD_FAILURE() << "tile " << line;
            }
            // The bar's labels are no text fields: a label too wide shows at the button's edges.
            const GenericView* view = dynamic_cast<const GenericView*>(screen);
            ASSERT_NE(view, nullptr);
            for (std::uint8_t id : {std::uint8_t{4}, std::uint8_t{5}}) {
                EXPECT_EQ(labelAtEdges(view->getBottomBar().getButton(id)), 0u) << "bottom-bar button " << int(id);
            }
            app.pageManager().back();
            app.bed.ticks(1);
        }
    }
}
} // namespace
} // namespace timeprogram_test
