#ifndef TESTS_GUI_SCREENS_WIZARD_WIZARDPREVIEWBED_HPP
#define TESTS_GUI_SCREENS_WIZARD_WIZARDPREVIEWBED_HPP

#include "gui/screens/wizard/WizardBed.hpp"

#include "gui/screens/heating/ScreenDriving.hpp"
#include "support/screen/TextFit.hpp"

#include <gtest/gtest.h>

#include <string>

namespace screens
{
// The wizard's application for language previews: the screen shown now, kept as a picture
// under wizard/, fails the test for every text wider than its field.
class WizardPreviewBed : public WizardBed
{
public:
    void render(const std::string& name, int language)
    {
        app.bed.ticks(2);
        quillon::Screen* screen = app.app.getCurrentScreen();
        ASSERT_NE(screen, nullptr) << name;
        EXPECT_TRUE(test::writePreview(app, "wizard", name + "-" + std::to_string(language)));
        for (const std::string& line : test::overwideTexts(screen->getRootContainer())) {
            ADD_FAILURE() << name << " in language " << language << ": " << line;
        }
    }
};
} // namespace screens

#endif
