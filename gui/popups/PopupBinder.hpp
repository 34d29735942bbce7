#ifndef GUI_POPUPS_POPUPBINDER_HPP
#define GUI_POPUPS_POPUPBINDER_HPP

#include "gui/popups/IPopupListener.hpp"

#include <stdint.h>

class PopupData;
class Pages;
namespace model
{
class DataModelManager;
}
namespace pagemanager
{
class IPopupManager;
class PageManager;
} // namespace pagemanager

// The rules that raise and close popups from the popup data, all evaluated in a fixed order
// on every change; a later rule's popup lands on top. GUI task only.
class PopupBinder : public IPopupListener
{
public:
    // Set in the commissioning parameter when the flue-gas check passed.
    static const uint32_t FLUE_GAS_CHECK_PASSED_BIT = 0x20;

    PopupBinder(model::DataModelManager& model, pagemanager::IPopupManager* manager, PopupData* data);

    // The application's navigation; until it is given, the rules that navigate or touch page
    // parameters do nothing.
    void setNavigation(pagemanager::PageManager* manager, Pages* pages);

    void onPopupDataChanged() override;

private:
    // Rules 2 and 3: to the filling or venting screen unless one of them is current. Nothing
    // before the first page is shown.
    void goToProcedurePage(bool filling);
    void applyFlueGasCheckResult(uint8_t result);

    [[maybe_unused]] model::DataModelManager& popupModel; // no rule reads the model yet
    pagemanager::IPopupManager* popupManager;
    PopupData* popupData;
    pagemanager::PageManager* pageManager;
    Pages* pages;
};

#endif
