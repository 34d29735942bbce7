#ifndef GUI_SCREENS_WIZARD_WIZARDREPORTRESULTVIEW_HPP
#define GUI_SCREENS_WIZARD_WIZARDREPORTRESULTVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/list/ListConfiguration.hpp"
#include "gui/screens/wizard/WizardReportResultPresenter.hpp"
#include "guicontrols/TextImageProvider.hpp"
#include "guicontrols/TextWithImageItem.hpp"

// One line per wizard step with a tick when the commissioning mask marks it done, as the
// mask stood when the screen was built. Only shows; nothing can be touched.
class WizardReportResultView : public BaseView<WizardReportResultPresenter>, public ListConfiguration
{
public:
    static const uint8_t LINE_COUNT = 9;
    static const quillon::BitmapId DONE_ICON = 108;
    static const quillon::BitmapId OPEN_TICK_ICON = 189;  // lines 1, 3, 5, 7 not done
    static const quillon::BitmapId OPEN_CROSS_ICON = 159; // the other lines not done
    // The solar pump calibration line needs the calibratable pump.
    static const uint32_t CALIBRATION_DEVICE = 50;
    static const quillon::TextId TITLE_TEXT = 924;
    static const quillon::TextId HELP_TEXT = 771;

    WizardReportResultView();
    ~WizardReportResultView() override {}

    void setupContent(guicontrols::Content& area) override;
    quillon::TextId getTitleText() override { return TITLE_TEXT; }
    const quillon::WideChar* getHelpText() override;

    const guicontrols::TextImageProvider& getLine(uint8_t index) const { return providers[index]; }

private:
    guicontrols::TextImageProvider providers[LINE_COUNT];
    guicontrols::TextWithImageItem items[LINE_COUNT];
};

#endif
