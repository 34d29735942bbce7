#ifndef GUI_SCREENS_WIZARD_WIZZARDINITPRESENTER_HPP
#define GUI_SCREENS_WIZARD_WIZZARDINITPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <stdint.h>

// Step 1 of the commissioning wizard. Building it opens every page to the engineer (access
// level 61) until "Finish" drops the level again.
class WizzardInitPresenter : public BasePresenter
{
public:
    static constexpr uint16_t WIZARD_ACCESS_LEVEL = 61;

    explicit WizzardInitPresenter(IView& view);
    ~WizzardInitPresenter() override {}

    void activate() override;
    void deactivate() override;
    // A change of the watched points, else a new value of the clock to show.
    bool hasDataChanged() override;

    uint32_t getLanguage() const;
    bool isAvailable(uint32_t deviceFlag) const;
    uint8_t getBuildingType() const;
    void setBuildingType(uint8_t type);
    bool isFillingReleased() const;
    void setGasTypeCode(uint8_t code);
    uint8_t getGasType() const;
};

#endif
