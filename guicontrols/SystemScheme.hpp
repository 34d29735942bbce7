#ifndef GUICONTROLS_SYSTEMSCHEME_HPP
#define GUICONTROLS_SYSTEMSCHEME_HPP

#include "guicontrols/IconButton.hpp"
#include "guicontrols/SystemSchemeDeviceButton.hpp"
#include "guicontrols/SystemSchemePipes.hpp"

#include <quillon/Callback.hpp>
#include <quillon/containers/Container.hpp>

#include <stdint.h>

namespace guicontrols
{
// The installation as a row of device tiles joined by pipes: collector, cylinders, heat
// generator, an intermediate device and up to three circuits, laid out from one of ten
// schemes. Presses arrive at one handler as click ids 0 to 10.
class SystemScheme : public quillon::Container
{
public:
    static const uint32_t NO_DEVICE_CODE = 84;
    static const uint8_t TILE_COUNT = 9;
    static const int REMOVE_CIRCUIT_ID = 9;
    static const int REMOVE_CYLINDER_ID = 10;

    struct Configuration
    {
        uint8_t scheme = 1;                   // 1 to 10; 0 shows nothing
        uint32_t solarCode = NO_DEVICE_CODE;  // 26 to 29
        uint32_t secondCode = NO_DEVICE_CODE; // 61 to 65
        uint32_t boilerCode = 57;             // 57 to 60
        uint8_t flag1 = 0;                    // the intermediate device
        uint8_t flag2 = 0;                    // a second cylinder
        uint8_t circuitOptions[3] = {0, 0, 0};
    };

    typedef void (*ClickHandler)(void* context, int clickId);

    // Mode 0 main view, 1 remove view (display-only tiles and remove buttons).
    SystemScheme(uint32_t mode, uint8_t flag);
    ~SystemScheme() override {}

    // Rebuilds the child list from scratch; the owner redraws.
    void setConfiguration(const Configuration& configuration);
    // With the corrections the last setConfiguration made.
    Configuration getConfiguration() const { return configuration; }
    uint8_t getScheme() const { return configuration.scheme; }
    uint8_t getSecondFlag() const { return configuration.flag2; }
    uint32_t getSolarCode() const { return configuration.solarCode; }
    uint32_t getSecondCode() const { return configuration.secondCode; }
    uint32_t getBoilerCode() const { return configuration.boilerCode; }
    uint8_t getFirstFlag() const { return configuration.flag1; }

    void setClickHandler(void* context, ClickHandler handler)
    {
        handlerContext = context;
        handlerFunction = handler;
    }

    // B0 to B8, and the remove buttons RA and RB.
    const SystemSchemeDeviceButton& getTile(uint8_t index) const { return tiles[index]; }
    SystemSchemeDeviceButton& getTile(uint8_t index) { return tiles[index]; }
    const IconButton& getRemoveCircuitButton() const { return removeCircuit; }
    const IconButton& getRemoveCylinderButton() const { return removeCylinder; }

private:
    void onButtonClicked(const quillon::AbstractButton& button);
    void show(quillon::Drawable& drawable);
    static void placeRightOf(quillon::Drawable& item, const quillon::Drawable& anchor, int16_t gap, int16_t y);
    void placeCylinders(bool withSecondCylinder);
    void placeFirstCircuit(SystemSchemeDeviceButton& circuit, bool boilerWithCylinder, bool oddScheme);
    void placeCircuits(uint8_t scheme, bool boilerWithCylinder, bool oddScheme);
    uint32_t getCircuitType(uint8_t circuit) const;
    void placeUnder(IconButton& button, const quillon::Drawable& tile);

    SystemSchemeDeviceButton tiles[TILE_COUNT];
    IconButton removeCircuit;
    IconButton removeCylinder;
    quillon::Callback<SystemScheme, const quillon::AbstractButton&> buttonCallback;
    uint32_t mode;
    [[maybe_unused]] uint8_t flag; // kept as given; nothing reads it
    Configuration configuration;
    void* handlerContext;
    ClickHandler handlerFunction;
    SystemSchemePipes pipes;
};
} // namespace guicontrols

#endif
