#ifndef GUI_SCREENS_INFO_INFOLISTBASE_HPP
#define GUI_SCREENS_INFO_INFOLISTBASE_HPP

#include "gui/screens/list/ListConfiguration.hpp"
#include "guicontrols/ButtonItem.hpp"
#include "guicontrols/ITextContentProvider.hpp"

#include <quillon/hal/Types.hpp>

#include <initializer_list>
#include <stdint.h>

namespace pagemanager
{
class PageManager;
}
struct OverviewState;

// The list base of the information lists that open with a mode: the choice of the mode from
// the page, the "mode subject" title, and groups of a heading and its sub lines.
class InfoListBase : public ListConfiguration
{
public:
    static constexpr uint16_t TITLE_UNITS = 60;

    const quillon::WideChar* getListTitle() const { return title; }

protected:
    InfoListBase() : title() {}

    // The mode the current page asks for: Status when an overview asks for it, else the
    // page's list setting. False, the mode left at Information, when the page has neither.
    // detail gets the overview's detail byte (0 without one).
    bool chooseMode(pagemanager::PageManager* pageManager, uint8_t& detail);
    // "mode subject" ("Information General"); with a second subject "mode subject/second".
    void formatTitle(quillon::TextId subject, quillon::TextId secondSubject = 0);
    // What an overview sets: with view 2 the Status mode and its detail byte (true);
    // any other view changes nothing (false).
    bool takeOverview(const OverviewState& overview, uint8_t& detail);

    // A heading and the sub lines under it; a null sub is left out. Every line but the last
    // of the group draws its separator in the group colour.
    void addGroup(guicontrols::ITextContentProvider* heading,
                  std::initializer_list<guicontrols::ITextContentProvider*> subs);
    void addAction(guicontrols::ButtonItem& action) { listControl.add(&action); }
    // The action lines of the hot-water time programs present, each followed by its
    // circulation program's where a circulation exists: actions 0..2, then 3..5.
    void addProgramActions(guicontrols::ButtonItem* actions);
    // A device flag, asked anew at every build.
    virtual bool hasFlag(uint32_t flag) = 0;

    // A format for the numeric providers, which take UTF-16.
    static const quillon::WideChar* wide(const char16_t* text) { return reinterpret_cast<const quillon::WideChar*>(text); }

private:
    quillon::WideChar title[TITLE_UNITS];
};

#endif
