#ifndef GUI_SCREENS_SERVICE_SERVICEEXITVIEW_HPP
#define GUI_SCREENS_SERVICE_SERVICEEXITVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/service/ServiceExitPresenter.hpp"
#include "guicontrols/Frame.hpp"
#include "guicontrols/TextField.hpp"

// "Service start-up": a warning and the question whether to commission anew. OK sets the
// request, forgets all navigation and starts the panel over at the splash, which then opens
// the wizard; back leaves without writing.
class ServiceExitView : public BaseView<ServiceExitPresenter>
{
public:
    static const uint8_t OK_BUTTON = 5;
    static const quillon::BitmapId OK_ICON = 210;
    static const quillon::TextId TITLE_TEXT = 1080;
    static const quillon::TextId NOTICE_TEXT = 986;
    static const quillon::TextId QUESTION_TEXT = 1172;
    static const int16_t NOTICE_Y = 120;
    static const int16_t QUESTION_Y = 160;
    static const int16_t LINE_HEIGHT = 30;

    ServiceExitView();
    ~ServiceExitView() override {}

    void setupContent(guicontrols::Content& area) override;
    void refresh() override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    quillon::TextId getTitleText() override { return TITLE_TEXT; }

    bool isContentPending() const { return contentPending; }
    const guicontrols::Frame& getPanel() const { return panel; }
    const guicontrols::TextField& getNotice() const { return notice; }
    const guicontrols::TextField& getQuestion() const { return question; }

private:
    guicontrols::Frame panel;
    guicontrols::TextField notice;
    guicontrols::TextField question;
    bool contentPending;
};

#endif
