#ifndef GUI_SCREENS_MENU_TILESELECTORPRESENTER_HPP
#define GUI_SCREENS_MENU_TILESELECTORPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"
#include "model/DataPoint.hpp"

namespace pagemanager
{
class PageManager;
}

// One yes/no-like device setting on two tiles. Which one is chosen by the screen that opens
// the page (a tile choice); without one the page's own kind, the LAN module switch.
class TileSelectorPresenter : public BasePresenter
{
public:
    enum Choice : int32_t
    {
        CHOICE_NONE = -1,
        GAS_TYPE = 0,
        SOLAR_PUMP = 1,
        CIRCULATION_PUMP = 2,
        DESTRATIFICATION_PUMP = 3,
        PROXY = 4,
        LAN_MODULE = 5,
    };
    static constexpr uint8_t LEAVE_GAS_TYPE_VALUE = 8;

    explicit TileSelectorPresenter(IView& view);
    ~TileSelectorPresenter() override {}

    static Choice resolveChoice(pagemanager::PageManager* manager);

    void activate() override;
    void deactivate() override;

    // The tile of the stored value; 0 when nothing is edited.
    uint8_t getValue();
    void setValue(uint8_t tile);
    bool isGasTypeWritable();

private:
    model::DataPoint<unsigned char, DP_U8>* dataPointOf(Choice edited);

    // Taken when the screen is entered: on leaving, the page that stored the choice may
    // already be gone, yet the gas type still has its leaving write.
    Choice choice;
};

#endif
