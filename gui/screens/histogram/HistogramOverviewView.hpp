#ifndef GUI_SCREENS_HISTOGRAM_HISTOGRAMOVERVIEWVIEW_HPP
#define GUI_SCREENS_HISTOGRAM_HISTOGRAMOVERVIEWVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/histogram/HistogramOverviewPresenter.hpp"
#include "guicontrols/EnergyBarScale.hpp"
#include "guicontrols/EnergyHistogram.hpp"
#include "guicontrols/IEnergyBarConfigurator.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/Callback.hpp>

#include <stdint.h>

namespace pagemanager
{
class Page;
}
class Pages;

// A history as a bar chart of 8 periods (3 years), paged back with the bottom-bar arrows;
// a touched bar opens its period's details. Without an interval (no road stored one, or
// one of the cylinder charts) the chart stays empty.
class HistogramOverviewView : public BaseView<HistogramOverviewPresenter>, public guicontrols::IEnergyBarConfigurator
{
public:
    static constexpr uint16_t RANGE_SIZE = 100;
    static const uint16_t LABEL_SIZE = 15;
    static constexpr uint8_t OLDER_BUTTON = 4;
    static constexpr uint8_t NEWER_BUTTON = 5;
    static constexpr quillon::BitmapId OLDER_ICON = 209;
    static constexpr quillon::BitmapId NEWER_ICON = 211;

    // How far back the arrows page: of 53 weeks and 13 months, 8 are shown at a time.
    static uint8_t maximumPageOffset(uint32_t interval);

    HistogramOverviewView();
    ~HistogramOverviewView() override {}

    void setupTopBar(guicontrols::TopBar& bar) override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void refresh() override;

    bool showOlder();
    bool showNewer();

    // Read by tests.
    const guicontrols::EnergyHistogram& getHistogram() const { return histogram; }
    const guicontrols::EnergyBarScale& getScale() const { return scale; }
    const quillon::WideChar* getRangeText() const { return rangeText; }
    uint8_t getPageOffset() const { return pageOffset; }
    static const quillon::WideChar* getSelectedLabel() { return selectedLabel; }

protected:
    virtual void setTitle(guicontrols::TopBar& bar) = 0;
    // The variant's segments beyond the first, and what it adds after the scale.
    virtual void setExtraSegments() {}
    virtual void addExtras(guicontrols::Content& area) { (void)area; }
    virtual pagemanager::Page* detailsPage(Pages& pages) = 0;

    // The variant's first title text, then the interval's period in orange.
    void writeTitle(guicontrols::TopBar& bar, quillon::TextId first);
    bool hasChart() const { return interval < 4 && presenter->getIntervalSelection() != nullptr; }

    guicontrols::EnergyHistogram histogram;
    guicontrols::EnergyBarScale scale;
    uint32_t interval;

private:
    void onBarClicked(const int& index);
    void reloadPage();
    void updateRangeText(guicontrols::Content& area);

    quillon::Callback<HistogramOverviewView, const int&> barCallback;
    uint8_t noDetails;
    uint8_t barCount;
    uint8_t pageOffset;
    guicontrols::TextField rangeField;
    quillon::WideChar rangeText[RANGE_SIZE];

    // Outlives this screen: the details screen shows it as its bar's label.
    static quillon::WideChar selectedLabel[LABEL_SIZE];
};

#endif
