#ifndef GUI_SCREENS_ENERGY_ENERGYCOCKPITVIEW_HPP
#define GUI_SCREENS_ENERGY_ENERGYCOCKPITVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/energy/EnergyCockpitPresenter.hpp"
#include "gui/screens/energy/HeatArrows.hpp"
#include "guicontrols/EnergyCockpitBuffer.hpp"
#include "guicontrols/EnergyCockpitBufferLoad.hpp"
#include "guicontrols/EnergyCockpitSolar.hpp"
#include "guicontrols/IconButton.hpp"
#include "guicontrols/MainTopBar.hpp"
#include "guicontrols/PageIndicator.hpp"
#include "guicontrols/WaterTankDataProviderImpl.hpp"
#include "guicontrols/WaterTankGadget.hpp"

#include <quillon/Callback.hpp>
#include <quillon/widgets/Button.hpp>
#include <quillon/widgets/Image.hpp>

#include <stdint.h>

// A picture of the installation (collector, cylinder or buffer, boiler) in one of four
// arrangements by the boiler variant; arrows run while a source heats the cylinder, and
// every part opens its details.
class EnergyCockpitView : public BaseView<EnergyCockpitPresenter>
{
public:
    static const uint16_t TEXT_UNITS = 10;
    static const uint8_t LEFT_ARROW_BUTTON = 4;
    static const uint8_t RIGHT_ARROW_BUTTON = 5;

    EnergyCockpitView();
    ~EnergyCockpitView() override {}

    void setupTopBar(guicontrols::TopBar& bar) override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    const quillon::WideChar* getHelpText() override;
    void refresh() override;
    void rebuildContent() override;

    // For tests and the benchmark: the picture's parts.
    const guicontrols::EnergyCockpitSolar& getCollector() const { return collector; }
    const guicontrols::EnergyCockpitBuffer& getBuffer() const { return buffer; }
    const guicontrols::WaterTankGadget& getTank() const { return tank; }
    const guicontrols::EnergyCockpitBufferLoad& getChargeGadget() const { return chargeGadget; }
    const quillon::Button& getBoiler() const { return boiler; }
    const quillon::Button& getCylinder() const { return cylinder; }
    const quillon::Image& getFlame() const { return flame; }
    HeatArrows& getSolarArrows() { return solarArrows; }
    HeatArrows& getBoilerArrows() { return boilerArrows; }
    const guicontrols::IconButton& getEnergyBalanceButton() const { return energyBalanceButton; }
    const guicontrols::PageIndicator& getPageIndicator() const { return pageIndicator; }
    const guicontrols::MainTopBar& getMainTopBar() const { return mainTopBar; }
    const quillon::WideChar* getCollectorText() const { return collectorText; }
    const quillon::WideChar* getChargeText() const { return chargeText; }
    // Whether the current arrangement put the part into the picture.
    bool isShown(const quillon::Drawable& part) const { return content.contains(part); }

private:
    void buildArrangement1(guicontrols::Content& area);
    void buildArrangement2(guicontrols::Content& area);
    void buildArrangement3(guicontrols::Content& area);
    void buildArrangement4(guicontrols::Content& area);
    // Boiler and cylinder in one column, the arrows and the flame at arrowsY on the right.
    void placeBoilerOnCylinder(int16_t boilerX, int16_t arrowsY);
    // The tank with its charge state, or the plain buffer, at x; its right edge.
    int16_t placeStore(guicontrols::Content& area, int16_t x, bool withTank);
    void placeCollector(guicontrols::Content& area, int16_t x);
    void placeEnergyBalanceButton(guicontrols::Content& area, int16_t x, int16_t y);
    void raiseArrows(guicontrols::Content& area);
    void setBoilerBitmap(quillon::BitmapId bitmap);
    void updateGadgets();

    void onTopBarButton(const int& id);
    void onGadgetClicked(const quillon::AbstractButton& source);

    quillon::Callback<EnergyCockpitView, const int&> topBarCallback;
    guicontrols::MainTopBar mainTopBar;
    quillon::Callback<EnergyCockpitView, const quillon::AbstractButton&> gadgetCallback;
    guicontrols::PageIndicator pageIndicator;
    guicontrols::EnergyCockpitSolar collector;
    guicontrols::EnergyCockpitBuffer buffer;
    HeatArrows solarArrows;
    HeatArrows boilerArrows;
    quillon::Image flame;
    quillon::Button boiler;
    quillon::Button cylinder;
    guicontrols::WaterTankDataProviderImpl tankProvider;
    guicontrols::WaterTankGadget tank;
    guicontrols::IconButton energyBalanceButton;
    quillon::WideChar collectorText[TEXT_UNITS];
    guicontrols::EnergyCockpitBufferLoad chargeGadget;
    quillon::WideChar chargeText[TEXT_UNITS];
};

#endif
