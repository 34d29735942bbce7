#include "gui/screens/info/InfoListBase.hpp"

#include "gui/pagemanager/ListPageSetting.hpp"
#include "gui/pagemanager/OverviewState.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "helpers/WideFormat.hpp"
#include "model/devices/DeviceIds.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const quillon::TextId MODE_TEXTS[3] = {
    994,  // "Information"
    882,  // "Diagnosis"
    1122, // "Status"
};
const uint32_t OVERVIEW_STATUS = 2;

const quillon::WideChar* textOf(quillon::TextId id)
{
    return quillon::TypedText(id).getText();
}
} // namespace

bool InfoListBase::chooseMode(pagemanager::PageManager* pageManager, uint8_t& detail)
{
    detail = 0;
    if (pageManager == nullptr) {
        return false;
    }
    const OverviewState* overview = pageManager->getParam<OverviewState>(nullptr);
    if (overview != nullptr && takeOverview(*overview, detail)) {
        return true;
    }
    pagemanager::Page* page = pageManager->getCurrentPage();
    const ListPageSetting* setting = page != nullptr ? page->getPointer<const ListPageSetting>() : nullptr;
    if (setting == nullptr) {
        return false;
    }
    mode = setting->diagnosis == 0 ? LIST_MODE_INFORMATION : LIST_MODE_DIAGNOSIS;
    return true;
}

bool InfoListBase::takeOverview(const OverviewState& overview, uint8_t& detail)
{
    if (overview.view != OVERVIEW_STATUS) {
        return false;
    }
    mode = LIST_MODE_STATUS;
    detail = overview.detail;
    return true;
}

void InfoListBase::formatTitle(quillon::TextId subject, quillon::TextId secondSubject)
{
    const quillon::TextId modeText = MODE_TEXTS[mode >= 0 && mode <= 2 ? mode : LIST_MODE_STATUS];
    if (secondSubject != 0) {
        helpers::formatWide(title, TITLE_UNITS, "%ls %ls/%ls", textOf(modeText), textOf(subject),
                            textOf(secondSubject));
    } else {
        helpers::formatWide(title, TITLE_UNITS, "%ls %ls", textOf(modeText), textOf(subject));
    }
}

void InfoListBase::addGroup(guicontrols::ITextContentProvider* heading,
                            std::initializer_list<guicontrols::ITextContentProvider*> subs)
{
    const guicontrols::ITextContentProvider* last = nullptr;
    for (guicontrols::ITextContentProvider* sub : subs) {
        if (sub != nullptr) {
            last = sub;
        }
    }
    if (last == nullptr) {
        addLine(heading);
        return;
    }
    addLine(heading, 1);
    for (guicontrols::ITextContentProvider* sub : subs) {
        if (sub == last) {
            addSubLine(sub);
        } else if (sub != nullptr) {
            addSubLine(sub, 1);
        }
    }
}

void InfoListBase::addProgramActions(guicontrols::ButtonItem* actions)
{
    const uint32_t programs = 3;
    const uint32_t programFlags[programs] = {DEVICE_DHW_HC1, DEVICE_DHW_HC2, DEVICE_DHW_HC3};
    const bool circulation = hasFlag(DEVICE_CIRCULATION_A) || hasFlag(DEVICE_CIRCULATION_B);
    for (uint32_t program = 0; program < programs; ++program) {
        if (!hasFlag(programFlags[program])) {
            continue;
        }
        addAction(actions[program]);
        if (circulation) {
            addAction(actions[program + programs]);
        }
    }
}
