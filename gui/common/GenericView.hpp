#ifndef GUI_COMMON_GENERICVIEW_HPP
#define GUI_COMMON_GENERICVIEW_HPP

#include "gui/common/ConfirmViewMode.hpp"
#include "gui/common/FeedbackViewMode.hpp"
#include "gui/common/HelpViewMode.hpp"
#include "gui/common/IView.hpp"
#include "gui/common/IViewMode.hpp"
#include "gui/popups/PopupContainer.hpp"
#include "guicontrols/BottomBar.hpp"
#include "guicontrols/Content.hpp"
#include "guicontrols/TopBar.hpp"

#include <quillon/Callback.hpp>
#include <quillon/Screen.hpp>
#include <quillon/hal/Types.hpp>

#include <optional>

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
// fills them. The view itself is the default mode: its title, home, back, help, the service
// notice and paging through content wider than the display. It owns a feedback, a confirm
// and a help mode; a view may hand the frame a mode of its own. Over everything lies the
// popup container, which follows the current mode's allowsPopups.
class GenericView : public IView, public IViewMode, public virtual quillon::Screen
{
public:
    static const int16_t TOP_BAR_HEIGHT = 72;
    static const int16_t BOTTOM_BAR_HEIGHT = 71;
    static const uint8_t HOME_BUTTON = 0;
    static const uint8_t BACK_BUTTON = 1;
    static const uint8_t HELP_BUTTON = 2;
    static const uint8_t SERVICE_NOTICE_BUTTON = 3;
    static const uint8_t SCROLL_BACK_BUTTON = 4;
    static const uint8_t SCROLL_ON_BUTTON = 5;
    static const quillon::BitmapId BACK_ICON = 204;
    static const quillon::BitmapId HELP_ICON = 207;
    static const quillon::BitmapId SCROLL_BACK_ICON = 209;
    static const quillon::BitmapId SCROLL_ON_ICON = 211;
    static const quillon::BitmapId SERVICE_NOTICE_ICON = 214;
    // Where paged content stands after "scroll on".
    static const int16_t SCROLLED_X = -730;

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

    // How a feedback or a confirm ends. By default both go back a page; a view that stays
    // leaves handled false and its default mode returns.
    virtual void onFeedbackFinished(bool* handled);
    virtual void onConfirmFinished(uint8_t result, bool* handled);

    // The title as a text id (none by default), or as a string (that text, else empty).
    virtual quillon::TextId getTitleText() { return quillon::TYPED_TEXT_INVALID; }
    virtual const quillon::WideChar* getTitle();
    // A help text offers the help button; null, the default, offers none.
    virtual const quillon::WideChar* getHelpText() { return nullptr; }

    void setViewMode(IViewMode* mode);
    // Texts are the caller's and must live while shown. With a first argument the message
    // or question is a format of one or two "%s". A top-right text shows only on a view
    // without a title of its own.
    void showFeedback(const quillon::WideChar* message, const quillon::WideChar* argument1 = nullptr,
                      const quillon::WideChar* argument2 = nullptr, const quillon::WideChar* topRightText = nullptr);
    void showConfirm(const quillon::WideChar* question, const quillon::WideChar* argument1 = nullptr,
                     const quillon::WideChar* argument2 = nullptr);
    void showHelp(const quillon::WideChar* helpText);
    bool isServiceNoticePending();

    const guicontrols::TopBar& getTopBar() const { return topBar; }
    const guicontrols::BottomBar& getBottomBar() const { return bottomBar; }
    const guicontrols::Content& getContent() const { return content; }
    IViewMode* getViewMode() const { return currentViewMode; }
    FeedbackViewMode& getFeedbackMode() { return feedbackMode; }
    ConfirmViewMode& getConfirmMode() { return confirmMode; }
    HelpViewMode& getHelpMode() { return helpMode; }
    // Null in a screen test that gave no popup system.
    const PopupContainer* getPopupContainer() const { return popupContainer ? &*popupContainer : nullptr; }
    PopupContainer* getPopupContainer() { return popupContainer ? &*popupContainer : nullptr; }

protected:
    void onBottomBarButtonClicked(int index) { currentViewMode->onBottomBarButton(index); }
    void onContentSizeChanged();
    void applyViewMode();
    void clearBars();
    void updatePopupContainer();
    // All buttons afresh from the current mode, then redrawn.
    void rebuildBottomBar();
    // The title a mode shows: the view's own, else what the top bar shows now.
    const quillon::WideChar* modeTitle();
    static bool hasText(const quillon::WideChar* text) { return text != nullptr && text[0] != 0; }

    IViewMode* currentViewMode;
    FeedbackViewMode feedbackMode;
    guicontrols::TopBar topBar;
    guicontrols::Content content;
    guicontrols::BottomBar bottomBar;
    pagemanager::PageManager* pageManager;
    model::DataModelManager* viewModel;
    TitleFunctor* titleFunctor;
    // Built in place with the application's popup system; a screen test may have none.
    std::optional<PopupContainer> popupContainer;
    ConfirmViewMode confirmMode;
    HelpViewMode helpMode;
    quillon::Callback<GenericView, int> bottomBarCallback;
    quillon::Callback<GenericView> contentCallback;
    bool serviceNoticeShown;
};

#endif
