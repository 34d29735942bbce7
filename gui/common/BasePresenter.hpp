#ifndef GUI_COMMON_BASEPRESENTER_HPP
#define GUI_COMMON_BASEPRESENTER_HPP

#include "gui/common/IView.hpp"
#include "gui/common/ModelPresenter.hpp"
#include "helpers/DateTime.hpp"

namespace pagemanager
{
class PageManager;
}
class PopupSystem;

// The base of every screen's presenter: the model recipe of ModelPresenter, the page
// manager, its view to tell when the page is left, and the popup system.
class BasePresenter : public ModelPresenter
{
public:
    explicit BasePresenter(IView& view);
    ~BasePresenter() override {}

    // Asked by the view every frame while its default mode is current.
    virtual bool hasDataChanged() { return false; }

    // The page manager goes forward from this page to another one (not back).
    void onPageLeave() { presenterView->onPageLeave(); }

    // The panel clock's date and time; the earliest date while no model is bound.
    helpers::DateTime getCurrentDateTime() const;
    // Null in a screen test that gave none.
    PopupSystem* getPopupSystem() const { return popupSystem; }

protected:
    pagemanager::PageManager* pageManager;
    IView* presenterView;
    PopupSystem* popupSystem;
};

#endif
