#include "FrameFixture.hpp"

#include "gui/common/KeyboardViewMode.hpp"
#include "gui/viewmodes/ExternalConnectionViewMode.hpp"
#include "gui/viewmodes/ExternalControlViewMode.hpp"
#include "gui/viewmodes/HelioraWarningViewMode.hpp"
#include "support/screen/TextFit.hpp"
#include "../../guicontrols/Gallery.hpp"

#include <functional>
#include <vector>

namespace frametest
{
namespace
{
class PreviewView : public ModeView
{
public:
    PreviewView() : keyboardMode(*this), connectionMode(*this), controlMode(*this), warningMode(*this) {}

    KeyboardViewMode keyboardMode;
    ExternalConnectionViewMode connectionMode;
    ExternalControlViewMode controlMode;
    HelioraWarningViewMode warningMode;
};

// Every mode drawn in English and German, written for review; no text wider than its field.
TEST_F(Frame, ViewModePreviews)
{
    const char16_t helpText[] = u"The heating curve sets the supply temperature by the outside temperature. "
                                u"A steeper curve heats more on cold days. Change it in small steps and wait a day "
                                u"before the next change, as the building reacts slowly. The foot point moves the "
                                u"whole curve up or down. Ask your heating engineer before large changes.";
    struct Mode
    {
        const char* name;
        std::function<void(PreviewView&)> open;
    };
    const Mode modes[] = {
        {"feedback", [](PreviewView& v) { v.showFeedback(wide(u"%s to %s adopted"), wide(u"01.02.2026"),
                                                         wide(u"03.02.2026")); }},
        {"confirm", [](PreviewView& v) { v.showConfirm(wide(u"Do you really want to reset %s?"),
                                                       wide(u"Burner starts")); }},
        {"help", [&](PreviewView& v) { v.showHelp(wide(helpText)); }},
        {"keyboard", [](PreviewView& v) {
             v.keyboardMode.setTitle(wide(u"Name"));
             v.keyboardMode.setText(wide(u"Miller"));
             v.setViewMode(&v.keyboardMode);
         }},
        {"external-connection", [](PreviewView& v) { v.setViewMode(&v.connectionMode); }},
        {"external-control", [](PreviewView& v) {
             v.controlMode.setCircuit(1);
             v.setViewMode(&v.controlMode);
         }},
        {"warning", [](PreviewView& v) {
             v.warningMode.setup(wide(u"Solar module"), wide(u"Check the collector sensor."));
             v.setViewMode(&v.warningMode);
         }},
    };
    const quillon::LanguageId languages[] = {1, 0}; // English, German
    for (quillon::LanguageId language : languages) {
        bed.setLanguage(language);
        for (const Mode& mode : modes) {
            SCOPED_TRACE(std::string(mode.name) + " " + std::to_string(language));
            bed.show<PreviewView, ModePresenter>();
            bed.ticks(1);
            PreviewView& view = bed.view<PreviewView>();
            mode.open(view);
            bed.ticks(1);
            EXPECT_EQ(test::overwideTexts(view.getRootContainer()), std::vector<std::string>());
            std::vector<quillon::Color> pixels = bed.frame().pixels();
            const std::string name = std::string("view-mode-") + mode.name + "-" + std::to_string(language);
            EXPECT_TRUE(guicontrols::test::writeGalleryPng(name, 800, 480, pixels));
        }
    }
    bed.setLanguage(1);
}
} // namespace
} // namespace frametest
