#ifndef GUI_SCREENS_INFO_INFOLISTVIEW_HPP
#define GUI_SCREENS_INFO_INFOLISTVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/common/Functors.hpp"
#include "gui/screens/info/InfoActionEntries.hpp"
#include "gui/screens/info/InfoListBase.hpp"
#include "guicontrols/Content.hpp"
#include "guicontrols/IActionContentProvider.hpp"

#include <quillon/TypedText.hpp>

// The frame of an information list that opens with a mode: its title, the help it offers
// outside the Status list, the list in the content area built again whenever the presenter
// reports a change, and the hot-water action lines. P answers hasDataChanged and isAvailable.
template <class P>
class InfoListView : public BaseView<P>, public guicontrols::IActionContentProvider, public InfoListBase
{
public:
    static constexpr quillon::TextId HELP_TEXT = 712;

    InfoListView() : BaseView<P>(&Functors::getInstance().plain) {}
    ~InfoListView() override {}

    const quillon::WideChar* getTitle() override { return getListTitle(); }
    // None in the Status list: its bottom bar has no help button.
    const quillon::WideChar* getHelpText() override
    {
        return mode == LIST_MODE_STATUS ? nullptr : quillon::TypedText(HELP_TEXT).getText();
    }
    void setupContent(guicontrols::Content& area) override
    {
        listControl.setPosition(0, 0, area.getWidth(), area.getHeight());
        configure();
        area.add(listControl);
    }
    void update() override
    {
        configure();
    }

    const quillon::WideChar* getText(uint32_t index) override { return InfoActionEntries::label(index); }
    void execute(uint32_t index) override { InfoActionEntries::execute(this->pageManager, index, mode); }

    bool hasFlag(uint32_t flag) override { return this->presenter->isAvailable(flag); }
};

#endif
