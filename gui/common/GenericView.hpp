#ifndef GUI_COMMON_GENERICVIEW_HPP
#define GUI_COMMON_GENERICVIEW_HPP

#include "gui/common/IView.hpp"
#include "gui/common/IViewMode.hpp"
#include "guicontrols/BottomBar.hpp"
#include "guicontrols/Content.hpp"
#include "guicontrols/TopBar.hpp"

#include <quillon/Callback.hpp>
#include <quillon/Screen.hpp>
#include <quillon/hal/Types.hpp>

class TitleFunctor;
namespace pagemanager
{
class PageManager;
}
namespace model
{
class DataModelManager;
}

// The frame of every screen: top bar, content area and bottom bar, and the view mode that
// fills them. The view itself is the default mode: its title, home and back.
class GenericView : public IView, public IViewMode, public virtual quillon::Screen
{
public:
    static const int16_t TOP_BAR_HEIGHT = 72;
    static const int16_t BOTTOM_BAR_HEIGHT = 71;
    static const uint8_t HOME_BUTTON = 0;
    static const uint8_t BACK_BUTTON = 1;
    static const quillon::BitmapId BACK_ICON = 204;

    explicit GenericView(TitleFunctor* titleFunctor);
    ~GenericView() override {}

    void setUp() override;
    void onTick() override;
    void onViewModeFinished() override;

    // The default mode; views override and call these for the common buttons and actions.
    void setupTopBar(guicontrols::TopBar& bar) override;
    void setupContent(guicontrols::Content& area) override { (void)area; }
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void tick() override { refresh(); }

    // The title as a text id (none by default), or as a string (that text, else empty).
    virtual quillon::TextId getTitleText() { return quillon::TYPED_TEXT_INVALID; }
    virtual const quillon::WideChar* getTitle();

    void setViewMode(IViewMode* mode);

    const guicontrols::TopBar& getTopBar() const { return topBar; }
    const guicontrols::BottomBar& getBottomBar() const { return bottomBar; }

protected:
    void onBottomBarButtonClicked(int index) { currentViewMode->onBottomBarButton(index); }
    void applyViewMode();
    void clearBars();

    IViewMode* currentViewMode;
    guicontrols::TopBar topBar;
    guicontrols::Content content;
    guicontrols::BottomBar bottomBar;
    pagemanager::PageManager* pageManager;
    model::DataModelManager* viewModel;
    TitleFunctor* titleFunctor;
    quillon::Callback<GenericView, int> bottomBarCallback;
};

#endif
