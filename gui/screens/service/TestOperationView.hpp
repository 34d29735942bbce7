#ifndef GUI_SCREENS_SERVICE_TESTOPERATIONVIEW_HPP
#define GUI_SCREENS_SERVICE_TESTOPERATIONVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/service/TestOperationPresenter.hpp"
#include "guicontrols/Frame.hpp"
#include "guicontrols/RotatingIcon.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/Callback.hpp>
#include <quillon/widgets/ButtonWithLabel.hpp>
#include <quillon/widgets/Image.hpp>

// Test operation: "On" switches it on while it is off; while it runs, "On" checks the
// heating water flow first, and OK after a sufficient flow switches on and goes back. The
// maximum thermal output page starts the flow check on entry.
class TestOperationView : public BaseView<TestOperationPresenter>
{
public:
    enum State : uint8_t
    {
        STATE_START = 0,
        STATE_FLOW_TEST = 1,
        STATE_FLOW_SUFFICIENT = 2,
    };

    static const uint8_t OK_BUTTON = 5;
    static const quillon::BitmapId OK_ICON = 210;
    static const quillon::BitmapId PANEL_STYLE = 66;
    static const quillon::BitmapId PICTOGRAM = 183;
    static const uint16_t MAXIMUM_OUTPUT_PAGE = 2;
    static const uint16_t MAXIMAL_THERMAL_OUTPUT_POPUP = 13;
    static const quillon::TextId TITLE_TEXT = 1064;
    static const quillon::TextId MAXIMUM_OUTPUT_TEXT = 1033;
    static const quillon::TextId TESTING_FLOW_TEXT = 1066;
    static const quillon::TextId HEAT_DISSIPATION_TEXT = 944;
    static const quillon::TextId FLOW_SUFFICIENT_TEXT = 1559;
    static const quillon::TextId ON_TEXT = 1452;
    static const quillon::TextId START_HELP_TEXT = 685;
    static const quillon::TextId FLOW_HELP_TEXT = 686;

    TestOperationView();
    ~TestOperationView() override {}

    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void refresh() override;
    quillon::TextId getTitleText() override;
    const quillon::WideChar* getHelpText() override;

    uint8_t getState() const { return state; }
    const guicontrols::TextField& getFirstLine() const { return firstLine; }
    const guicontrols::TextField& getSecondLine() const { return secondLine; }
    const guicontrols::RotatingIcon& getBusyIcon() const { return busyIcon; }
    const quillon::ButtonWithLabel& getOnButton() const { return onButton; }

private:
    void onOnButtonClicked(const quillon::AbstractButton& button);
    void startFlowTest();
    bool isMaximumOutputPage() const;

    guicontrols::Frame panel;
    quillon::Image pictogram;
    guicontrols::TextField firstLine;
    guicontrols::TextField secondLine;
    guicontrols::RotatingIcon busyIcon;
    quillon::ButtonWithLabel onButton;
    quillon::Callback<TestOperationView, const quillon::AbstractButton&> onClicked;
    uint8_t state;
    bool flowTestRequested;
    const uint16_t* pageValue;
};

#endif
