#include "gui/screens/menu/CPSelectionPresenter.hpp"

#include "gui/pagemanager/PageManager.hpp"

namespace
{
const Params::CPSelection DEFAULT_SELECTION = {0, 0, {0, 1}, 751};
}

CPSelectionPresenter::CPSelectionPresenter(IView& view) : MenuPresenter(view), selection(nullptr)
{
    if (pageManager == nullptr) {
        return;
    }
    selection = pageManager->getParam<Params::CPSelection>(nullptr);
    if (selection == nullptr && pageManager->setParam(DEFAULT_SELECTION)) {
        selection = pageManager->getParam<Params::CPSelection>(pageManager->getCurrentPage());
    }
}
