#ifndef GUICONTROLS_MAINTOPBAR_HPP
#define GUICONTROLS_MAINTOPBAR_HPP

#include "guicontrols/BasicScreenCenterButton.hpp"
#include "guicontrols/TextField.hpp"
#include "helpers/DateTime.hpp"

#include <quillon/Callback.hpp>
#include <quillon/containers/Container.hpp>
#include <quillon/widgets/ButtonWithLabel.hpp>
#include <quillon/widgets/Image.hpp>
#include <quillon/widgets/TextAreaWithOneWildcard.hpp>

#include <stdint.h>

namespace guicontrols
{
// The top bar of the home, energy-cockpit and favourites screens: a menu button, the
// heating-circuit selector (or a title in its place) and the date and time. It is a timer
// widget for its whole life and reformats the clock only when the board says it changed.
// A click reports 0 for the menu button and 1 for the circuit selector.
class MainTopBar : public quillon::Container
{
public:
    static const uint16_t TITLE_CAPACITY = 40;
    static const uint16_t CLOCK_TEXT_CAPACITY = 20;

    // The board clock as the bar reaches it; tests hand in one of their own.
    struct Clock
    {
        bool (*read)(helpers::DateTime& value); // false: value unchanged
        bool (*changed)();
    };
    static const Clock& boardClock();

    MainTopBar();
    explicit MainTopBar(const Clock& clock);
    ~MainTopBar() override;

    void onTick() override;

    void setButtonCallback(quillon::GenericCallback<const int&>& callback) { barCallback = &callback; }
    // Selects index 0..2 on the circuit selector, then sets which circuits are there.
    void setCircuits(uint8_t selected, bool circuit1, bool circuit2, bool circuit3);
    uint8_t getSelectedCircuit() const { return centerButton.getSelectedCircuit(); }
    // False shows the title in place of the circuit selector. No redraw.
    void setCenterButtonVisible(bool visible);
    void setCenterButtonTouchable(bool touchable) { centerButton.setTouchable(touchable); }
    // Copied (cut to 39 units) and redrawn.
    void setTitle(const quillon::WideChar* text);
    // Reads the clock (a failed read keeps the last value) and redraws date and time.
    void updateDateTime();

    const quillon::WideChar* getDateText() const { return dateBuffer; }
    const quillon::WideChar* getTimeText() const { return timeBuffer; }
    const quillon::WideChar* getTitle() const { return titleBuffer; }
    const TextField& getTitleField() const { return titleField; }
    const BasicScreenCenterButton& getCenterButton() const { return centerButton; }

private:
    void build();
    void onButtonClicked(const quillon::AbstractButton& button);

    Clock clock;
    helpers::DateTime clockValue;
    quillon::ButtonWithLabel menuButton;
    quillon::Image separator1;
    quillon::Image centerImage;
    BasicScreenCenterButton centerButton;
    TextField titleField;
    quillon::WideChar titleBuffer[TITLE_CAPACITY];
    quillon::Image separator2;
    quillon::Image clockBackground;
    quillon::TextAreaWithOneWildcard date;
    quillon::WideChar dateBuffer[CLOCK_TEXT_CAPACITY];
    quillon::TextAreaWithOneWildcard time;
    quillon::WideChar timeBuffer[CLOCK_TEXT_CAPACITY];
    quillon::Callback<MainTopBar, const quillon::AbstractButton&> buttonHandler;
    quillon::GenericCallback<const int&>* barCallback;
};
} // namespace guicontrols

#endif
