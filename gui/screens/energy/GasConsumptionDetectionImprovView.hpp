#ifndef GUI_SCREENS_ENERGY_GASCONSUMPTIONDETECTIONIMPROVVIEW_HPP
#define GUI_SCREENS_ENERGY_GASCONSUMPTIONDETECTIONIMPROVVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/energy/GasConsumptionDetectionImprovPresenter.hpp"
#include "guicontrols/Frame.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/Callback.hpp>
#include <quillon/widgets/ButtonWithLabel.hpp>

// Before the first gas meter reading: why two readings help, and whether to enter the first
// now. With a reading stored it hands over to the reading screen without showing anything.
class GasConsumptionDetectionImprovView : public BaseView<GasConsumptionDetectionImprovPresenter>
{
public:
    GasConsumptionDetectionImprovView();
    ~GasConsumptionDetectionImprovView() override {}

    quillon::TextId getTitleText() override { return 1147; }
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void refresh() override;

    const quillon::ButtonWithLabel& getYesButton() const { return yesButton; }
    const quillon::ButtonWithLabel& getNoButton() const { return noButton; }
    const guicontrols::TextField& getQuestion() const { return question; }
    const guicontrols::Frame& getPanel() const { return panel; }

private:
    void showContent();
    void onButtonClicked(const quillon::AbstractButton& source);
    void openReadings();

    guicontrols::Frame panel;
    guicontrols::TextField question;
    quillon::ButtonWithLabel yesButton;
    quillon::ButtonWithLabel noButton;
    quillon::Callback<GasConsumptionDetectionImprovView, const quillon::AbstractButton&> buttonCallback;
};

#endif
