#ifndef GUI_SCREENS_WIZARD_SCHEMECANVAS_HPP
#define GUI_SCREENS_WIZARD_SCHEMECANVAS_HPP

#include "guicontrols/BottomBar.hpp"
#include "guicontrols/Content.hpp"
#include "guicontrols/SystemScheme.hpp"

#include <stdint.h>

class WizzardSystemSchemeMainPresenter;
namespace pagemanager
{
class PageManager;
}

// The scheme widget of the scheme and remove screens, built from the model, and the two
// bottom-bar buttons that scroll it while it is wider than the display.
class SchemeCanvas
{
public:
    static const uint8_t LEFT_BUTTON = 0;
    static const uint8_t RIGHT_BUTTON = 4;
    static const quillon::BitmapId LEFT_ICON = 209;
    static const quillon::BitmapId RIGHT_ICON = 211;
    static const int16_t RIGHT_END_X = -100;
    static const uint16_t ERROR_POPUP = 16;

    // Mode 0 touchable components, 1 remove marks.
    explicit SchemeCanvas(uint32_t mode);

    // Empties the area and lays the scheme out from the model. A scheme number the widget
    // cannot draw raises the error popup, leaves the area empty, puts the widget back to its
    // default and returns false; the caller brings the popup up.
    bool build(guicontrols::Content& area, const WizzardSystemSchemeMainPresenter& presenter,
               pagemanager::PageManager* pageManager);
    bool isShown() const { return shown; }

    // Buttons 0 and 4 for the scheme as it is now; true while they show. set always writes
    // them, update only when they change, and then redraws the bar.
    bool setScrollButtons(guicontrols::BottomBar& bar, bool solar);
    bool updateScrollButtons(guicontrols::BottomBar& bar, bool solar);
    // Buttons 0 and 4 move the scheme to its left and right end; false for any other button.
    bool onScrollButton(guicontrols::Content& area, int index);

    guicontrols::SystemScheme& getScheme() { return scheme; }
    const guicontrols::SystemScheme& getScheme() const { return scheme; }

private:
    bool isTooWide(bool solar) const;
    void scrollTo(guicontrols::Content& area, int16_t x);

    guicontrols::SystemScheme scheme;
    bool shown;
    bool scrollShown;
};

#endif
