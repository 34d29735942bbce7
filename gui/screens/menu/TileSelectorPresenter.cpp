#include "gui/screens/menu/TileSelectorPresenter.hpp"

#include "gui/pagemanager/PageManager.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/pages/TileSelectorDescriptor.hpp"
#include "model/DataModelManager.hpp"

namespace
{
const uint32_t LAN_MODULE_KIND = 5;
const uint8_t PWM_VALUE = 2;
} // namespace

TileSelectorPresenter::TileSelectorPresenter(IView& view) : BasePresenter(view), choice(resolveChoice(pageManager)) {}

TileSelectorPresenter::Choice TileSelectorPresenter::resolveChoice(pagemanager::PageManager* manager)
{
    if (manager == nullptr) {
        return CHOICE_NONE;
    }
    const Params::TileChoice* stored = manager->getParam<Params::TileChoice>(nullptr);
    if (stored != nullptr && stored->choice >= GAS_TYPE && stored->choice <= PROXY) {
        return static_cast<Choice>(stored->choice);
    }
    const pagemanager::Page* page = manager->getCurrentPage();
    const TileSelectorDescriptor* kind = page != nullptr ? page->getPointer<TileSelectorDescriptor>() : nullptr;
    return kind != nullptr && kind->selectorKind == LAN_MODULE_KIND ? LAN_MODULE : CHOICE_NONE;
}

model::DataPoint<unsigned char, DP_U8>* TileSelectorPresenter::dataPointOf(Choice edited)
{
    if (getModel() == nullptr) {
        return nullptr;
    }
    model::ParameterGroups& groups = getModel()->getGroups();
    switch (edited) {
    case GAS_TYPE:
        return &groups.flueGasSensor.gasType;
    case SOLAR_PUMP:
        return &groups.solar.pumpType;
    case CIRCULATION_PUMP:
        return &groups.dhw.circulationPumpPresent;
    case DESTRATIFICATION_PUMP:
        return &groups.dhw.destratificationPump;
    case PROXY:
        return &groups.lan.proxyOn;
    case LAN_MODULE:
        return &groups.lan.moduleOn;
    default:
        return nullptr;
    }
}

void TileSelectorPresenter::activate()
{
    if (choice == GAS_TYPE) {
        watch({&getModel()->getGroups().flueGasSensor.tileChoice1});
    }
}

void TileSelectorPresenter::deactivate()
{
    if (choice == GAS_TYPE) {
        getModel()->getGroups().flueGasSensor.tileChoice2.setValue(LEAVE_GAS_TYPE_VALUE);
    }
    unwatch();
}

uint8_t TileSelectorPresenter::getValue()
{
    model::DataPoint<unsigned char, DP_U8>* point = dataPointOf(choice);
    if (point == nullptr) {
        return 0;
    }
    const uint8_t value = point->getValue();
    if (choice == SOLAR_PUMP) {
        return value != 0 ? 1 : 0;
    }
    return value;
}

void TileSelectorPresenter::setValue(uint8_t tile)
{
    model::DataPoint<unsigned char, DP_U8>* point = dataPointOf(choice);
    if (point == nullptr) {
        return;
    }
    if (choice == SOLAR_PUMP) {
        point->setValue(tile != 0 ? PWM_VALUE : 0);
        return;
    }
    point->setValue(tile);
}

bool TileSelectorPresenter::isGasTypeWritable()
{
    return getModel() != nullptr && getModel()->getGroups().flueGasSensor.tileChoice1.getValue() != 0;
}
