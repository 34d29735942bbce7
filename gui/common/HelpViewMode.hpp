#ifndef GUI_COMMON_HELPVIEWMODE_HPP
#define GUI_COMMON_HELPVIEWMODE_HPP

#include "gui/common/IView.hpp"
#include "gui/common/IViewMode.hpp"
#include "guicontrols/ScrollArea.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/hal/Types.hpp>
#include <quillon/widgets/Box.hpp>

#include <stdint.h>

// A screen's help text, word-wrapped into a scroll area over the whole content. Button 1
// ends it, and so does two minutes without a press.
class HelpViewMode : public IViewMode
{
public:
    static const uint16_t HELP_CAPACITY = 1000;
    static const uint8_t MAX_LINES = 20;
    // Up to this many lines fit without scrolling; a longer text is wrapped again, narrower,
    // to leave room for the scroll bar.
    static const uint16_t LINES_WITHOUT_BAR = 9;
    static const uint32_t TIMEOUT_MS = 120000;
    static const uint8_t BACK_BUTTON = 1;

    explicit HelpViewMode(IView& owner);

    // Texts are the caller's; the help text is wrapped into the mode's own buffer.
    void setup(const quillon::WideChar* title, const quillon::WideChar* helpText);

    void setupTopBar(guicontrols::TopBar& bar) override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void tick() override;

    const quillon::WideChar* getWrappedText() const { return helpBuffer; }
    const guicontrols::ScrollArea& getScrollArea() const { return helpScrollArea; }
    // Wrap widths, by the content width the help is laid out for.
    static int16_t wideWrapWidth(int16_t areaWidth) { return static_cast<int16_t>(areaWidth - 80); }
    static int16_t narrowWrapWidth(int16_t areaWidth) { return static_cast<int16_t>(areaWidth - 170); }

private:
    IView* modeOwner;
    uint32_t helpElapsedMs;
    quillon::Box helpBackground;
    guicontrols::ScrollArea helpScrollArea;
    guicontrols::TextField helpTextField;
    guicontrols::TextField titleField;
    quillon::WideChar helpBuffer[HELP_CAPACITY];
    int16_t helpAreaWidth;
};

#endif
