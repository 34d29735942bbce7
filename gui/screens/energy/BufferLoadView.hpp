#ifndef GUI_SCREENS_ENERGY_BUFFERLOADVIEW_HPP
#define GUI_SCREENS_ENERGY_BUFFERLOADVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/energy/BufferLoadPresenter.hpp"
#include "gui/screens/energy/HeatArrows.hpp"
#include "guicontrols/EnergyCockpitTemperatureWithPointer.hpp"
#include "guicontrols/IconButton.hpp"
#include "guicontrols/TextField.hpp"
#include "guicontrols/WaterTankDataProviderImpl.hpp"
#include "guicontrols/WaterTankGadgetWithLabels.hpp"

#include <quillon/Callback.hpp>
#include <quillon/widgets/Image.hpp>

#include <stdint.h>

// The cylinder in one of six arrangements by boiler variant and cylinder type: its
// temperatures, its charge state by zone, the arrows of the heat sources and the button
// that starts a one-time charge.
class BufferLoadView : public BaseView<BufferLoadPresenter>
{
public:
    static const uint16_t TEXT_UNITS = 10;
    static const uint8_t TEXT_BUFFERS = 8;
    static const uint8_t FIRST_COLUMN_BUFFER = 5;
    static const uint16_t CHARGE_LABEL_UNITS = 40;

    BufferLoadView();
    ~BufferLoadView() override {}

    quillon::TextId getTitleText() override;
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void refresh() override;
    void rebuildContent() override;

    // For tests: the picture's parts and texts.
    const quillon::Image& getPicture() const { return picture; }
    const quillon::Image& getSun() const { return sun; }
    const quillon::Image& getFlame() const { return flame; }
    const HeatArrows& getSolarArrows() const { return solarArrows; }
    const HeatArrows& getBoilerArrows() const { return boilerArrows; }
    const guicontrols::WaterTankGadgetWithLabels& getTank() const { return tank; }
    const guicontrols::IconButton& getChargeButton() const { return chargeButton; }
    const guicontrols::TextField& getChargeLabel() const { return chargeLabel; }
    const guicontrols::TextField& getUpperField() const { return upperField; }
    const guicontrols::TextField& getLowerField() const { return lowerField; }
    const guicontrols::EnergyCockpitTemperatureWithPointer& getUpperPointer() const { return upperPointer; }
    const guicontrols::EnergyCockpitTemperatureWithPointer& getLowerPointer() const { return lowerPointer; }
    const quillon::WideChar* getText(uint8_t buffer) const { return texts[buffer]; }
    uint8_t getMarkerCount() const { return markerCount; }
    uint8_t getColumnCount() const { return columnCount; }
    bool isShown(const quillon::Drawable& part) const { return content.contains(part); }

private:
    void buildLabelledTank(guicontrols::Content& area, bool threeZones);
    void buildBoilerOnCylinder(guicontrols::Content& area, bool withSolar);
    void buildBuffer(guicontrols::Content& area, bool twoTemperatures);
    // The boiler arrows, the flame right of them and the button below.
    void placeBoilerRow(guicontrols::Content& area, int16_t arrowsX, int16_t arrowsY, int16_t flameGap);
    void placeChargeButton(guicontrols::Content& area, int16_t x, int16_t y);
    void placeFlame(guicontrols::Content& area, int16_t gap);
    void placeSunBeside(guicontrols::Content& area);
    void placeTemperatureField(guicontrols::Content& area, guicontrols::TextField& field, int16_t x, int16_t y,
                               const quillon::WideChar* text);
    void setPicture(guicontrols::Content& area, quillon::BitmapId bitmap);
    void updateGadgets();
    void onButtonClicked(const quillon::AbstractButton& source);

    quillon::Callback<BufferLoadView, const quillon::AbstractButton&> buttonCallback;
    HeatArrows solarArrows;
    HeatArrows boilerArrows;
    quillon::Image sun;
    quillon::Image flame;
    quillon::Image picture;
    guicontrols::WaterTankDataProviderImpl tankProvider;
    guicontrols::WaterTankGadgetWithLabels tank;
    guicontrols::TextField chargeLabel;
    quillon::WideChar chargeLabelText[CHARGE_LABEL_UNITS];
    guicontrols::TextField upperField;
    guicontrols::TextField lowerField;
    guicontrols::EnergyCockpitTemperatureWithPointer upperPointer;
    guicontrols::EnergyCockpitTemperatureWithPointer lowerPointer;
    guicontrols::IconButton chargeButton;
    quillon::WideChar texts[TEXT_BUFFERS][TEXT_UNITS];
    uint8_t markerCount;
    uint8_t columnCount;
    const uint8_t* markerTable;
};

#endif
