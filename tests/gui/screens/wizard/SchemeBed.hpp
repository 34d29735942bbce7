#ifndef TESTS_GUI_SCREENS_WIZARD_SCHEMEBED_HPP
#define TESTS_GUI_SCREENS_WIZARD_SCHEMEBED_HPP

#include "gui/screens/wizard/WizardBed.hpp"

#include "gui/popups/Popup.hpp"
#include "gui/popups/QuestionPopup.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

namespace screens
{
// Step 4 of the wizard: the installation the boiler reports, set up by the test, and the
// pages of the step reached as the engineer reaches them (with history).
class SchemeBed : public WizardBed
{
public:
    static constexpr std::uint32_t SCHEME = 319;        // 0x7700
    static constexpr std::uint32_t ADDED_CYLINDER = 265; // 0x6911
    static constexpr std::uint32_t CYLINDER_TYPE = 255; // 0x6705
    static constexpr std::uint32_t CIRCUIT_TYPES[3] = {86, 139, 192};

    // The wizard entered (so the commissioning mask exists) with the given installation.
    void installation(std::uint8_t scheme, std::initializer_list<std::uint32_t> flags, std::uint8_t added = 0)
    {
        ASSERT_NE(enterWizard(), nullptr);
        app.bed.deviceSends(SCHEME, scheme);
        app.bed.deviceSends(ADDED_CYLINDER, added);
        for (std::uint32_t index : CIRCUIT_TYPES) {
            app.bed.deviceSends(index, std::uint8_t{0});
        }
        app.bed.ticks(1);
        presentOnly(flags);
        forgetWrites();
    }

    template <class V>
    V* openPage(pagemanager::Page& page)
    {
        app.open(page);
        app.bed.ticks(2);
        return app.screen<V>();
    }

    const Popup* popup(const GenericView& view)
    {
        const PopupContainer* container = view.getPopupContainer();
        return container != nullptr ? container->getCurrentPopup() : nullptr;
    }
    std::uint16_t popupId(const GenericView& view)
    {
        const Popup* shown = popup(view);
        return shown != nullptr ? shown->getId() : 0xFFFF;
    }
    void answer(const GenericView& view, bool yes)
    {
        const QuestionPopup* question = static_cast<const QuestionPopup*>(popup(view));
        ASSERT_NE(question, nullptr);
        clickOn(yes ? question->getYesButton() : question->getNoButton());
        app.bed.ticks(2);
    }

    std::uint16_t pageId()
    {
        pagemanager::Page* page = current();
        return page != nullptr ? page->getId() : 0xFFFF;
    }
};
} // namespace screens

#endif
