#ifndef GUI_POPUPS_POPUPSYSTEM_HPP
#define GUI_POPUPS_POPUPSYSTEM_HPP

#include "gui/popups/PopupBinder.hpp"
#include "gui/popups/PopupData.hpp"
#include "gui/popups/PopupManager.hpp"

// The application's popup data, the rules over it and the popup manager, for the whole run.
// Built on the GUI task; the rules run once at construction, so a condition that already
// holds raises its popup at once.
class PopupSystem
{
public:
    explicit PopupSystem(model::DataModelManager& model, BoardStates& boardStates = BoardStates::board());
    PopupSystem(const PopupSystem&) = delete;
    PopupSystem& operator=(const PopupSystem&) = delete;

    PopupData& getData() { return data; }
    PopupManager& getManager() { return manager; }
    void setNavigation(pagemanager::PageManager* pageManager, Pages* pages)
    {
        binder.setNavigation(pageManager, pages);
    }

private:
    PopupData data;
    PopupBinder binder;
    PopupManager manager;
};

#endif
