#ifndef GUI_COMMON_IVIEWMODE_HPP
#define GUI_COMMON_IVIEWMODE_HPP

#include <stdint.h>

namespace guicontrols
{
class TopBar;
class Content;
class BottomBar;
} // namespace guicontrols

// An exchangeable behaviour of a screen's bars and content. A mode ends by calling
// IView::onViewModeFinished on its owner.
class IViewMode
{
public:
    virtual ~IViewMode() {}
    virtual void setupTopBar(guicontrols::TopBar& topBar) = 0;
    virtual void setupContent(guicontrols::Content& content) = 0;
    virtual void setupBottomBar(guicontrols::BottomBar& bottomBar) = 0;
    // Bottom-bar button index 0..5.
    virtual void onBottomBarButton(int index) = 0;
    // Once per frame while the mode is current.
    virtual void tick() = 0;
    virtual bool allowsPopups() { return true; }
};

#endif
