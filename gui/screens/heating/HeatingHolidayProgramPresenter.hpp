#ifndef GUI_SCREENS_HEATING_HEATINGHOLIDAYPROGRAMPRESENTER_HPP
#define GUI_SCREENS_HEATING_HEATINGHOLIDAYPROGRAMPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"
#include "helpers/DateTime.hpp"

#include <stdint.h>

// The holiday program of one circuit: its start and end as the device stores them.
class HeatingHolidayProgramPresenter : public BasePresenter
{
public:
    explicit HeatingHolidayProgramPresenter(IView& view);
    ~HeatingHolidayProgramPresenter() override {}

    void activate() override;
    void deactivate() override;

    helpers::DateTime getStart();
    helpers::DateTime getEnd();
    // Start, then end, then the whole heating group is read again.
    void setProgram(const helpers::DateTime& start, const helpers::DateTime& end);
    helpers::DateTime getCurrentDateTime();
    uint16_t getCircuit() const { return circuit; }

private:
    uint16_t circuit;
};

#endif
