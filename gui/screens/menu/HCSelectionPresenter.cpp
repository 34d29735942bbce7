#include "gui/screens/menu/HCSelectionPresenter.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/pages/IntervalMenuDescriptor.hpp"
#include "helpers/WideFormat.hpp"
#include "model/DataModelManager.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const quillon::WideChar EMPTY[] = {0};
const quillon::TextId FIRST_CIRCUIT_TEXT = 964; // "Heating circuit 1", then 2 and 3
const quillon::TextId DHW_TIME_PROGRAM_TEXT = 1192;
const quillon::TextId CIRCULATION_TIME_PROGRAM_TEXT = 1193;
const quillon::TextId CIRCUIT_SELECTION_TEXT = 1186;
} // namespace

HCSelectionPresenter::HCSelectionPresenter(IView& view)
    : BasePresenter(view), target(nullptr), mode(MODE_HEATING), title(nullptr), help(nullptr), titleBuffer{}
{
}

void HCSelectionPresenter::activate()
{
    pagemanager::Page* page = pageManager != nullptr ? pageManager->getCurrentPage() : nullptr;
    const SelectionDescriptor* descriptor = page != nullptr ? page->getPointer<SelectionDescriptor>() : nullptr;
    if (descriptor != nullptr) {
        mode = static_cast<uint8_t>(descriptor->selectionKind & 0xFF);
        target = descriptor->target;
        title = quillon::TypedText(static_cast<quillon::TextId>(descriptor->titleTextId)).getText();
        help = quillon::TypedText(static_cast<quillon::TextId>(descriptor->helpTextId)).getText();
    }
    if (mode == MODE_DHW_TIME_PROGRAM || mode == MODE_CIRCULATION_TIME_PROGRAM) {
        const quillon::TextId program =
            mode == MODE_DHW_TIME_PROGRAM ? DHW_TIME_PROGRAM_TEXT : CIRCULATION_TIME_PROGRAM_TEXT;
        helpers::formatWide(titleBuffer, TITLE_UNITS, "%ls %ls", quillon::TypedText(program).getText(),
                            quillon::TypedText(CIRCUIT_SELECTION_TEXT).getText());
    }
}

bool HCSelectionPresenter::isDevicePresent(uint32_t device) const
{
    return getModel() != nullptr && getModel()->getDeviceManager().isPresent(device);
}

bool HCSelectionPresenter::isCircuitAvailable(uint8_t index)
{
    return index < CIRCUITS && isDevicePresent(index);
}

void HCSelectionPresenter::selectCircuit(uint8_t index)
{
    if (pageManager == nullptr) {
        return;
    }
    HeatingCircuitParam selection = {};
    selection.circuit = index;
    pageManager->setParam(selection);
    if (target != nullptr) {
        pageManager->goTo(target, false);
    }
}

const quillon::WideChar* HCSelectionPresenter::getTitle() const
{
    if (mode == MODE_DHW_TIME_PROGRAM || mode == MODE_CIRCULATION_TIME_PROGRAM) {
        return titleBuffer;
    }
    return title != nullptr ? title : EMPTY;
}

const quillon::WideChar* HCSelectionPresenter::getCircuitName(uint8_t index) const
{
    if (index >= CIRCUITS) {
        return EMPTY;
    }
    if (getModel() != nullptr) {
        model::SettingsGroup& settings = getModel()->getGroups().settings;
        const quillon::WideChar* names[] = {settings.hc1.get(), settings.hc2.get(), settings.hc3.get()};
        if (names[index] != nullptr && names[index][0] != 0) {
            return names[index];
        }
    }
    return quillon::TypedText(static_cast<quillon::TextId>(FIRST_CIRCUIT_TEXT + index)).getText();
}
