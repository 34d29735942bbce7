#ifndef GUI_SCREENS_HEATING_CIRCUITOFPAGE_HPP
#define GUI_SCREENS_HEATING_CIRCUITOFPAGE_HPP

#include "gui/pagemanager/HeatingCircuitParam.hpp"
#include "gui/pagemanager/PageManager.hpp"

#include <stdint.h>

// The circuit the page was opened for: the newest heating-circuit parameter, circuit 0
// when there is none or when it names no circuit of the three.
inline uint16_t circuitOfPage(pagemanager::PageManager* pageManager)
{
    const HeatingCircuitParam* param =
        pageManager != nullptr ? pageManager->getParam<HeatingCircuitParam>(nullptr) : nullptr;
    if (param == nullptr || param->circuit > 2) {
        return 0;
    }
    return param->circuit;
}

#endif
