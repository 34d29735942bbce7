#include "gui/common/HeatingTitleFunctor.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "guicontrols/TopBar.hpp"
#include "helpers/WideFormat.hpp"
#include "model/DataModelManager.hpp"

#include <quillon/TypedText.hpp>

namespace
{
const quillon::TextId HEATING_CIRCUIT_TEXT = 963;
const quillon::WideChar EMPTY[] = {0};

const quillon::WideChar* circuitName(model::DataModelManager* model, uint16_t circuit)
{
    if (model == nullptr) {
        return EMPTY;
    }
    model::SettingsGroup& settings = model->getGroups().settings;
    switch (circuit) {
    case 0:
        return settings.hc1.get();
    case 1:
        return settings.hc2.get();
    case 2:
        return settings.hc3.get();
    default:
        return EMPTY;
    }
}
} // namespace

void HeatingTitleFunctor::operator()(guicontrols::TopBar& bar, const quillon::WideChar* title)
{
    uint16_t circuit = 0;
    bool generic = true;
    const HeatingCircuitParam* param =
        pageManager != nullptr ? pageManager->getParam<HeatingCircuitParam>(nullptr) : nullptr;
    if (param != nullptr) {
        circuit = param->circuit;
        generic = param->titleByNumber != 0;
    }
    const quillon::WideChar* name = circuitName(model, circuit);
    if (title == nullptr) {
        title = EMPTY;
    }
    // Joined first, then shown as the plain title is: a "%" in the circuit's name shows as
    // it stands.
    static quillon::WideChar joined[TITLE_UNITS + 1];
    if (name == nullptr || name[0] == 0 || generic) {
        helpers::formatWide(joined, TITLE_UNITS + 1, "%ls %d %ls", quillon::TypedText(HEATING_CIRCUIT_TEXT).getText(),
                            circuit + 1, title);
    } else {
        helpers::formatWide(joined, TITLE_UNITS + 1, "%ls %ls", name, title);
    }
    showAsTitle(bar, joined);
}
