#ifndef GUI_SCREENS_HEATING_HEATINGOPERATINGPROGRAMPRESENTER_HPP
#define GUI_SCREENS_HEATING_HEATINGOPERATINGPROGRAMPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <stdint.h>

// The operating program of one circuit and whether something outside the panel runs it.
class HeatingOperatingProgramPresenter : public BasePresenter
{
public:
    // Programs from here on are external ones.
    static constexpr uint8_t FIRST_EXTERNAL_PROGRAM = 3;

    explicit HeatingOperatingProgramPresenter(IView& view);
    ~HeatingOperatingProgramPresenter() override {}

    void activate() override;
    void deactivate() override;

    uint8_t getOperatingProgram();
    void setOperatingProgram(uint8_t program);
    // Bit 1 of the circuit information's first byte.
    bool isExternallyConnected();
    uint8_t getCircuit() const { return circuit; }

private:
    uint8_t circuit;
};

#endif
