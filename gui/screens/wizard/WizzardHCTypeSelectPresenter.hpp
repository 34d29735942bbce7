#ifndef GUI_SCREENS_WIZARD_WIZZARDHCTYPESELECTPRESENTER_HPP
#define GUI_SCREENS_WIZARD_WIZZARDHCTYPESELECTPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <stdint.h>

// What one heating circuit supplies: 0 radiators (a mixer circuit beyond circuit 1),
// 1 underfloor heating, 2 swimming pool. The circuit is the one the tuning screens chose.
class WizzardHCTypeSelectPresenter : public BasePresenter
{
public:
    static const uint16_t CIRCUIT_COUNT = 3;

    explicit WizzardHCTypeSelectPresenter(IView& view) : BasePresenter(view), circuit(0) {}
    ~WizzardHCTypeSelectPresenter() override {}

    void activate() override;
    void deactivate() override;
    bool hasDataChanged() override { return filterChanged(); }

    uint16_t getCircuit() const { return circuit; }
    uint8_t getType() const;
    void setType(uint8_t type);

private:
    uint16_t circuit;
};

#endif
