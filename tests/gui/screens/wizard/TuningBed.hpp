#ifndef TESTS_GUI_SCREENS_WIZARD_TUNINGBED_HPP
#define TESTS_GUI_SCREENS_WIZARD_TUNINGBED_HPP

#include "gui/screens/wizard/WizardBed.hpp"

#include "gui/screens/wizard/TuningList.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace screens
{
// The tuning screens as the system scheme opens them: the scheme page with the wizard's
// access level, the hand-over parameters stored there, then the screen with history.
class TuningBed : public WizardBed
{
public:
    static constexpr std::uint16_t SCHEME_PAGE = 92;
    static constexpr std::uint16_t WIZARD_LEVEL = 61;

    // The scheme is shown (as an interim page until it is built) and nothing is stored yet.
    void atScheme()
    {
        app.pageManager().reset();
        app.open(app.pages().mainPage, true);
        app.pageManager().setAccessLevel(WIZARD_LEVEL);
        app.open(app.pages().wizardSchemeMainPage);
        app.bed.ticks(1);
    }

    void storeScope(std::int32_t scope) { app.pageManager().setParam(Params::SystemScheme{scope}); }
    void storeCircuit(std::uint16_t circuit)
    {
        HeatingCircuitParam param = {};
        param.circuit = circuit;
        app.pageManager().setParam(param);
    }

    template <class V>
    V* openTuning(pagemanager::Page& page)
    {
        app.open(page);
        app.bed.ticks(1);
        return app.screen<V>();
    }

    // "label|value" per line, in list order; "label" alone for a line without a value.
    static std::vector<std::u16string> lines(const TuningList& list)
    {
        std::vector<std::u16string> out;
        for (std::uint32_t n = 0; n < list.getLineCount(); ++n) {
            const guicontrols::LongButton& line = list.getLine(n);
            std::u16string shown = str(line.getText());
            if (line.getValueText() != nullptr && line.getValueText()[0] != 0) {
                shown += u"|" + str(line.getValueText());
            }
            out.push_back(shown);
        }
        return out;
    }

    // Scrolled into view first, as a user would.
    void touchLine(const TuningList& list, const guicontrols::LongButton& line)
    {
        const int16_t listBottom = 480 - GenericView::BOTTOM_BAR_HEIGHT;
        for (int i = 0; i < 40; ++i) {
            const quillon::Rectangle r = line.getAbsoluteRect();
            if (r.y + r.height <= listBottom) {
                break;
            }
            clickOn(list.getScrollArea().getDownButton());
        }
        clickOn(line);
    }

    std::uint16_t currentId() { return current() != nullptr ? current()->getId() : 0xFFFF; }
};
} // namespace screens

#endif
