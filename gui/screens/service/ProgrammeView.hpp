#ifndef GUI_SCREENS_SERVICE_PROGRAMMEVIEW_HPP
#define GUI_SCREENS_SERVICE_PROGRAMMEVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "guicontrols/Frame.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/widgets/Image.hpp>

// What the filling and the venting screen share: on entry the question whether to run the
// programme (unless the device runs one already or does not allow it), then a notice while it
// runs. OK, home and back only stop the programme; the screen leaves when the device reports
// the end, whoever ended it.
template <class P>
class ProgrammeView : public BaseView<P>
{
public:
    struct Look
    {
        quillon::TextId title;
        quillon::TextId help;
        quillon::TextId request;
        uint8_t popupMode;
    };

    static const uint8_t OK_BUTTON = 5;
    static const quillon::BitmapId OK_ICON = 210;
    static const quillon::BitmapId PANEL_STYLE = 65;
    static const quillon::BitmapId ICON = 93;
    static const quillon::TextId HEADING_TEXT = 1163;
    static const quillon::TextId END_TEXT = 915;
    static const uint16_t QUESTION_POPUP = 6;
    static const int16_t ICON_Y = 40;
    static const int16_t HEADING_Y = 120;
    static const int16_t REQUEST_Y = 180;
    static const int16_t END_Y = 210;
    static const int16_t LINE_HEIGHT = 30;

    explicit ProgrammeView(const Look& look);
    ~ProgrammeView() override {}

    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void refresh() override;
    quillon::TextId getTitleText() override { return look.title; }
    const quillon::WideChar* getHelpText() override;

    bool isStarted() const { return started; }
    const quillon::Image& getIcon() const { return icon; }
    const guicontrols::TextField& getHeading() const { return heading; }
    const guicontrols::TextField& getRequestLine() const { return requestLine; }
    const guicontrols::TextField& getEndLine() const { return endLine; }

protected:
    // Writes this screen's programme code.
    virtual void start() = 0;
    // The device reports the programme over: where the screen goes now.
    virtual void onProgrammeEnded() = 0;
    // Back was pressed (before the stop command goes out).
    virtual void onBackPressed() {}

    // Inside the commissioning wizard: the filling/venting request is set.
    bool isInWizard();
    // Leaves once: a later tick before the page switch must not navigate again.
    void leave();

private:
    void showQuestion();
    bool isConfirmed();

    Look look;
    guicontrols::Frame panel;
    quillon::Image icon;
    guicontrols::TextField heading;
    guicontrols::TextField requestLine;
    guicontrols::TextField endLine;
    bool started;
    bool entered;
    bool leaving;
};

#endif
