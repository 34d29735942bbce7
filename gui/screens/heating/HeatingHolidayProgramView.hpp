#ifndef GUI_SCREENS_HEATING_HEATINGHOLIDAYPROGRAMVIEW_HPP
#define GUI_SCREENS_HEATING_HEATINGHOLIDAYPROGRAMVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/heating/HeatingHolidayProgramPresenter.hpp"
#include "guicontrols/HolidayProgramOverview.hpp"

// Departure and return day of a circuit's holiday program; confirm writes them, or deletes
// the program when both are the same day.
class HeatingHolidayProgramView : public BaseView<HeatingHolidayProgramPresenter>
{
public:
    static constexpr uint8_t CONFIRM_BUTTON = 5;
    static constexpr quillon::BitmapId CONFIRM_ICON = 210;
    static constexpr uint16_t MESSAGE_UNITS = 200;
    static constexpr uint16_t DATE_UNITS = 12;

    HeatingHolidayProgramView();
    ~HeatingHolidayProgramView() override {}

    quillon::TextId getTitleText() override;
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;

    const guicontrols::HolidayProgramOverview& getEditor() const { return editor; }
    // The confirmation of the last confirm, as the user is told it.
    const quillon::WideChar* getMessage() const { return message; }

private:
    void confirm();

    guicontrols::HolidayProgramOverview editor;
    helpers::DateTime departure;
    helpers::DateTime back;
    helpers::DateTime now;
    quillon::WideChar message[MESSAGE_UNITS];
};

#endif
