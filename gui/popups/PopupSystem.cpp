#include "gui/popups/PopupSystem.hpp"

// The binder is handed the manager before the manager is built; it only keeps the address.
PopupSystem::PopupSystem(model::DataModelManager& model, BoardStates& boardStates)
    : data(model, boardStates), binder(model, &manager, &data), manager()
{
    data.setListener(&binder);
    binder.onPopupDataChanged();
}
