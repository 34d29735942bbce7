#include "gui/screens/startup/StartupView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/pages/Pages.hpp"
#include "gui/shell/ShellContext.hpp"
#include "guicontrols/BottomBar.hpp"
#include "guicontrols/Content.hpp"
#include "guicontrols/Palette.hpp"
#include "guicontrols/TopBar.hpp"
#include "helpers/WideFormat.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/hal/HAL.hpp>

namespace
{
const uint32_t TOP_ALIGNED = 0;
const int16_t LABEL_GAP = 2;
} // namespace

StartupView::StartupView() : BaseView<StartupPresenter>(&Functors::getInstance().plain), elapsed(0), labelBuffer()
{
    logo.setBitmap(quillon::Bitmap(LOGO));
}

void StartupView::setupTopBar(guicontrols::TopBar& bar)
{
    bar.removeAll(); // no title, date or buttons
}

void StartupView::setupContent(guicontrols::Content& area)
{
    // The whole display below its first line; the bottom bar, hidden, stays below it.
    const int16_t width = static_cast<int16_t>(quillon::HAL::SCREEN_WIDTH);
    const int16_t height = static_cast<int16_t>(quillon::HAL::SCREEN_HEIGHT - 1);
    area.setPosition(0, 1, width, height);
    background.setPosition(0, 0, width, height);
    background.setColor(guicontrols::Palette::entry(BACKGROUND_COLOR));
    logo.setXY(LOGO_X, LOGO_Y);
    progressBar.setXY(BAR_X, BAR_Y);
    helpers::formatWide(labelBuffer, LABEL_UNITS, "Showcase");
    label.setText(labelBuffer, ApplicationFontProvider().getFont(LABEL_FONT));
    label.setPosition(progressBar.getX(), static_cast<int16_t>(progressBar.getY() + progressBar.getHeight() + LABEL_GAP),
                      progressBar.getWidth(), progressBar.getHeight());
    label.setAlignment(quillon::CENTER);
    label.setVerticalAlignment(TOP_ALIGNED);
    area.add(background);
    area.add(label);
    area.add(logo);
    area.add(progressBar);
}

void StartupView::setupBottomBar(guicontrols::BottomBar& bar)
{
    bar.setVisible(false);
}

void StartupView::tick()
{
    GenericView::tick();
    elapsed += FRAME_MS;
    progressBar.setProgress(static_cast<uint8_t>(elapsed * 100 / DURATION_MS));
    label.invalidate();
    if (elapsed >= DURATION_MS) {
        // Restarted first: the frames until the switch take no second decision.
        elapsed = 0;
        leave();
    }
}

void StartupView::leave()
{
    ShellContext* context = ShellContext::running();
    if (pageManager == nullptr || context == nullptr) {
        return;
    }
    // Without history: back and home never lead to the splash again.
    Pages& pages = *context->pages;
    if (presenter->isCommissioningPending()) {
        clearWizardParameters();
        pageManager->goTo(&pages.wizardInitPage, true);
    } else {
        pageManager->goTo(&pages.mainPage, true);
    }
}

void StartupView::clearWizardParameters()
{
    pageManager->setParam(Params::FillingVenting{0});
    pageManager->setParam(Params::Commissioning{0});
}
