#ifndef GUI_SCREENS_INFOCIRCUIT_MODELISTVIEW_HPP
#define GUI_SCREENS_INFOCIRCUIT_MODELISTVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/common/Functors.hpp"
#include "gui/screens/infocircuit/ListChoice.hpp"
#include "gui/screens/list/ListConfiguration.hpp"
#include "guicontrols/IActionContentProvider.hpp"
#include "guicontrols/ProviderTexts.hpp"
#include "helpers/WideFormat.hpp"

// The frame of an information list with the three modes and action entries: the title
// "<mode> <subject>", help except in Status, and a list that is bound, built by the mode's
// hook and built again whenever the presenter reports a change.
template <class P>
class ModeListView : public BaseView<P>, public guicontrols::IActionContentProvider, public ListConfiguration
{
public:
    static constexpr uint16_t TITLE_UNITS = 60;

    explicit ModeListView(const ListChoice& choice) : BaseView<P>(&Functors::getInstance().plain), title()
    {
        mode = choice.mode;
    }
    ~ModeListView() override {}

    const quillon::WideChar* getTitle() override { return title; }
    const quillon::WideChar* getHelpText() override
    {
        return mode == LIST_MODE_STATUS ? nullptr : guicontrols::providertexts::text(HELP_TEXT);
    }

    void setupContent(guicontrols::Content& area) override
    {
        listControl.setPosition(0, 0, area.getWidth(), area.getHeight());
        bindProviders();
        configure();
        area.add(listControl);
    }

    void update() override
    {
        configure();
    }

protected:
    // The providers to the presenter's data points; on every content set-up.
    virtual void bindProviders() = 0;

    void formatTitle(const quillon::WideChar* subject)
    {
        static const quillon::TextId MODE_TEXTS[3] = {994, 882, 1122}; // "Information", "Diagnosis", "Status"
        helpers::formatWide(title, TITLE_UNITS, "%ls %ls", guicontrols::providertexts::text(MODE_TEXTS[mode]),
                            subject);
    }

private:
    static const quillon::TextId HELP_TEXT = 712;

    quillon::WideChar title[TITLE_UNITS];
};

#endif
