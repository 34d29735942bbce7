#ifndef GUI_SCREENS_INFOCIRCUIT_RESETDATAVIEW_HPP
#define GUI_SCREENS_INFOCIRCUIT_RESETDATAVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/info/WholeNumberProvider.hpp"
#include "gui/screens/infocircuit/ListChoice.hpp"
#include "gui/screens/infocircuit/ResetDataPresenter.hpp"
#include "gui/screens/list/ListConfiguration.hpp"
#include "guicontrols/LongButton.hpp"
#include "guicontrols/NumericContentProvider.hpp"
#include "guicontrols/ScrollArea.hpp"
#include "guicontrols/SimpleTextProvider.hpp"
#include "guicontrols/SolarDataProvider.hpp"

#include <quillon/Callback.hpp>

// One button per counter with its value, and one for a whole set; a press asks first, a yes
// sends the resets, asks for the counters again and confirms. The Information list holds
// what a user resets, the Diagnosis list every counter.
class ResetDataView : public BaseView<ResetDataPresenter>, public ListConfiguration
{
public:
    static constexpr uint16_t TITLE_UNITS = 60;
    static constexpr uint32_t BUTTONS = 13;
    static constexpr uint32_t VALUE_UNITS = 20;

    ResetDataView();
    // The mode as given, for a list no page of the tree opens.
    explicit ResetDataView(const ListChoice& choice);
    ~ResetDataView() override {}

    const quillon::WideChar* getTitle() override { return title; }
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void update() override;

    void configureInformation() override;
    void configureDiagnosis() override;

    void onConfirmFinished(uint8_t result, bool* handled) override;
    void onFeedbackFinished(bool* handled) override;

    uint32_t getButtonCount() const { return buttonCount; }
    const guicontrols::LongButton& getButton(uint32_t index) const { return buttons[index]; }
    const guicontrols::ScrollArea& getScrollArea() const { return scrollArea; }

private:
    struct Row
    {
        guicontrols::ITextContentProvider* provider;
        ResetItem item;
        bool shown;
    };

    void bindProviders();
    void buildButtons(const Row* rows, uint32_t count);
    void onButtonClicked(const quillon::AbstractButton& button);

    quillon::WideChar title[TITLE_UNITS];
    uint32_t selected;
    ResetItem itemOfButton[BUTTONS];
    uint32_t buttonCount;
    guicontrols::LongButton buttons[BUTTONS];
    guicontrols::ScrollArea scrollArea;
    quillon::Callback<ResetDataView, const quillon::AbstractButton&> buttonCallback;
    WholeNumberProvider<DP_SCALED_S16> subduedOutsideTemperature;
    guicontrols::NumericContentProvider<unsigned int, DP_U32, VALUE_UNITS> burnerHours;
    guicontrols::NumericContentProvider<unsigned int, DP_U32, VALUE_UNITS> burnerStarts;
    guicontrols::SolarDataProvider pumpHours;
    guicontrols::SolarDataProvider solarEnergy;
    guicontrols::SolarDataProvider pumpStarts;
    guicontrols::SolarDataProvider stagnation;
    guicontrols::SolarDataProvider incorrectCirculation;
    guicontrols::SolarDataProvider differenceMonitor;
    guicontrols::SolarDataProvider output22Hours;
    guicontrols::SolarDataProvider output22Starts;
    guicontrols::SimpleTextProvider all;
};

#endif
