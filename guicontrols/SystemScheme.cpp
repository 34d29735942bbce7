#include "guicontrols/SystemScheme.hpp"

namespace guicontrols
{
namespace
{
enum Tile : uint8_t
{
    COLLECTOR = 0,     // B0
    CYLINDER,          // B1
    SECOND_CYLINDER,   // B2
    BOILER,            // B3
    COMPACT_BOILER,    // B4: boiler with integrated cylinder
    INTERMEDIATE,      // B5
    CIRCUIT_1,         // B6
    CIRCUIT_2,         // B7
    CIRCUIT_3          // B8
};

struct TileSetup
{
    uint32_t type;
    uint8_t number;
    uint32_t lineStyle;
    int clickId;
};

const TileSetup TILE_SETUPS[SystemScheme::TILE_COUNT] = {
    {0, 0, 0, 2}, {1, 0, 0, 3}, {3, 0, 2, 4}, {4, 0, 2, 1}, {5, 0, 0, 0},
    {6, 0, 2, 8}, {7, 1, 5, 5}, {10, 2, 5, 6}, {10, 3, 5, 7},
};
const int UNKNOWN_BUTTON_ID = 2;
const quillon::BitmapId REMOVE_RELEASED = 16;
const quillon::BitmapId REMOVE_PRESSED = 18;
const quillon::BitmapId REMOVE_ICON = 159;
const int16_t GAP = 10;
const int16_t GENERATOR_ROW = 70;
const int16_t CIRCUIT_ROW = 20;
const uint32_t SINGLE_CIRCUIT_LINE = 1;
const uint32_t SHARED_CIRCUIT_LINE = 4;

bool isSolar(uint32_t code)
{
    return code >= 26 && code <= 29;
}

bool hasIntegratedCylinder(uint32_t boilerCode)
{
    return boilerCode >= 58 && boilerCode <= 60;
}
} // namespace

SystemScheme::SystemScheme(uint32_t mode, uint8_t flag)
    : buttonCallback(this, &SystemScheme::onButtonClicked),
      mode(mode),
      flag(flag),
      configuration(),
      handlerContext(nullptr),
      handlerFunction(nullptr),
      pipes(*this, tiles, TILE_COUNT)
{
    setWidth(1200);
    setHeight(450);
    pipes.setPosition(0, 0, 1200, 450);
    for (uint8_t i = 0; i < TILE_COUNT; ++i) {
        const TileSetup& setup = TILE_SETUPS[i];
        tiles[i].setDevice(setup.type, setup.number, mode, setup.lineStyle);
        tiles[i].setAction(buttonCallback);
    }
    IconButton* const removers[2] = {&removeCircuit, &removeCylinder};
    for (IconButton* remover : removers) {
        remover->setBitmaps(quillon::Bitmap(REMOVE_RELEASED), quillon::Bitmap(REMOVE_PRESSED));
        remover->setIcon(quillon::Bitmap(REMOVE_ICON));
        remover->setAction(buttonCallback);
    }
    tiles[COLLECTOR].setXY(20, 20);
    placeRightOf(tiles[CYLINDER], tiles[COLLECTOR], GAP, GENERATOR_ROW);
    placeRightOf(tiles[COMPACT_BOILER], tiles[COLLECTOR], GAP, GENERATOR_ROW);
    placeRightOf(tiles[BOILER], tiles[COLLECTOR], 0, GENERATOR_ROW);
}

void SystemScheme::placeRightOf(quillon::Drawable& item, const quillon::Drawable& anchor, int16_t gap, int16_t y)
{
    item.setXY(static_cast<int16_t>(anchor.getX() + anchor.getWidth() + gap), y);
}

void SystemScheme::show(quillon::Drawable& drawable)
{
    if (!contains(drawable)) {
        add(drawable);
    }
}

void SystemScheme::setConfiguration(const Configuration& wanted)
{
    configuration = wanted;
    Configuration& c = configuration;
    if ((c.boilerCode == 57 && c.secondCode == 65) || c.boilerCode == 60) {
        c.flag1 = 0;
    }
    const bool solar = isSolar(c.solarCode);
    if (!(c.boilerCode == 57 && solar) || c.scheme % 2 == 1) {
        c.flag2 = 0;
    }

    tiles[BOILER].setDevice(4, 0, mode, 2);
    removeAll();
    if (c.scheme == 0) {
        return;
    }
    add(pipes);

    if (c.solarCode == NO_DEVICE_CODE) {
        if (c.boilerCode == 60) {
            tiles[COLLECTOR].setXY(20, 20);
            show(tiles[COLLECTOR]);
        }
    } else {
        if (c.secondCode != NO_DEVICE_CODE || solar) {
            show(tiles[COLLECTOR]);
        }
        if (solar && c.scheme % 2 == 1) {
            c.scheme = static_cast<uint8_t>(c.scheme + 1); // the cylinder the solar circuit needs
        }
    }

    const bool integrated = hasIntegratedCylinder(c.boilerCode);
    const bool odd = c.scheme % 2 == 1;
    if (c.scheme >= 1 && c.scheme <= 10) {
        if (odd) {
            placeRightOf(tiles[BOILER], tiles[COLLECTOR], GAP, GENERATOR_ROW);
            placeRightOf(tiles[COMPACT_BOILER], tiles[COLLECTOR], GAP, GENERATOR_ROW);
        } else {
            placeCylinders(c.flag2 != 0);
        }
        placeCircuits(c.scheme, integrated, odd);
    }

    if (integrated) {
        remove(tiles[CYLINDER]); // the compact boiler stands in its place
        show(tiles[COMPACT_BOILER]);
    } else {
        show(tiles[BOILER]);
    }

    if (mode == SystemSchemeDeviceButton::DISPLAY_ONLY) {
        const uint8_t s = c.scheme;
        if (contains(tiles[CIRCUIT_1]) && (s == 5 || s == 6 || s == 9 || s == 10)) {
            placeUnder(removeCircuit, tiles[CIRCUIT_1]);
        }
        if (contains(tiles[SECOND_CYLINDER])) {
            placeUnder(removeCylinder, tiles[SECOND_CYLINDER]);
        }
    }
}

void SystemScheme::placeCylinders(bool withSecondCylinder)
{
    placeRightOf(tiles[CYLINDER], tiles[COLLECTOR], GAP, GENERATOR_ROW);
    placeRightOf(tiles[COMPACT_BOILER], tiles[COLLECTOR], GAP, GENERATOR_ROW);
    if (withSecondCylinder) {
        const int16_t y = mode == SystemSchemeDeviceButton::DISPLAY_ONLY ? CIRCUIT_ROW : GENERATOR_ROW;
        placeRightOf(tiles[SECOND_CYLINDER], tiles[CYLINDER], GAP, y);
        placeRightOf(tiles[BOILER], tiles[SECOND_CYLINDER], GAP, GENERATOR_ROW);
        show(tiles[SECOND_CYLINDER]);
    } else {
        placeRightOf(tiles[BOILER], tiles[CYLINDER], GAP, GENERATOR_ROW);
    }
    show(tiles[CYLINDER]);
}

void SystemScheme::placeFirstCircuit(SystemSchemeDeviceButton& circuit, bool integrated, bool odd)
{
    if (odd && !integrated) {
        tiles[BOILER].setDevice(4, 0, mode, 0);
    }
    const SystemSchemeDeviceButton& generator = integrated ? tiles[COMPACT_BOILER] : tiles[BOILER];
    if (configuration.flag1 == 0) {
        placeRightOf(circuit, generator, GAP, CIRCUIT_ROW);
    } else {
        placeRightOf(tiles[INTERMEDIATE], generator, GAP, GENERATOR_ROW);
        show(tiles[INTERMEDIATE]);
        placeRightOf(circuit, tiles[INTERMEDIATE], GAP, CIRCUIT_ROW);
    }
}

void SystemScheme::placeCircuits(uint8_t scheme, bool integrated, bool odd)
{
    static const uint8_t CIRCUITS[5][4] = {
        {1, CIRCUIT_1}, {1, CIRCUIT_2}, {2, CIRCUIT_1, CIRCUIT_2}, {2, CIRCUIT_2, CIRCUIT_3},
        {3, CIRCUIT_1, CIRCUIT_2, CIRCUIT_3},
    };
    const uint8_t* row = CIRCUITS[(scheme - 1) / 2];
    const uint8_t count = row[0];
    const uint32_t line = count == 1 ? SINGLE_CIRCUIT_LINE : SHARED_CIRCUIT_LINE;
    for (uint8_t i = 0; i < count; ++i) {
        SystemSchemeDeviceButton& circuit = tiles[row[1 + i]];
        if (i == 0) {
            placeFirstCircuit(circuit, integrated, odd);
        } else {
            placeRightOf(circuit, tiles[row[i]], GAP, CIRCUIT_ROW);
        }
        circuit.setDeviceType(getCircuitType(static_cast<uint8_t>(row[1 + i] - CIRCUIT_1 + 1)), line);
        show(circuit);
    }
}

uint32_t SystemScheme::getCircuitType(uint8_t circuit) const
{
    const uint8_t option = configuration.circuitOptions[circuit - 1] & 3;
    if (option == 1) {
        return circuit == 1 ? 7 : 8;
    }
    if (option == 2) {
        return 9;
    }
    return circuit == 1 ? 7 : 10;
}

void SystemScheme::placeUnder(IconButton& button, const quillon::Drawable& tile)
{
    button.setXY(static_cast<int16_t>(tile.getX() + tile.getWidth() / 2 - button.getWidth() / 2),
                 static_cast<int16_t>(tile.getY() + tile.getHeight() - button.getHeight() - 5));
    show(button);
}

void SystemScheme::onButtonClicked(const quillon::AbstractButton& button)
{
    int id = UNKNOWN_BUTTON_ID;
    for (uint8_t i = 0; i < TILE_COUNT; ++i) {
        if (&button == &tiles[i]) {
            id = TILE_SETUPS[i].clickId;
        }
    }
    if (&button == &removeCircuit) {
        id = REMOVE_CIRCUIT_ID;
    } else if (&button == &removeCylinder) {
        id = REMOVE_CYLINDER_ID;
    }
    if (handlerContext != nullptr && handlerFunction != nullptr) {
        handlerFunction(handlerContext, id);
    }
}
} // namespace guicontrols
