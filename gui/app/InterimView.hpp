#ifndef GUI_APP_INTERIMVIEW_HPP
#define GUI_APP_INTERIMVIEW_HPP

#include "gui/app/InterimPresenter.hpp"
#include "gui/common/BaseView.hpp"

// Stands in for a screen not built yet: "SettingsLanguage 72" as title, home and back.
class InterimView : public BaseView<InterimPresenter>
{
public:
    InterimView();

    // Before the set-up.
    void setPageId(uint16_t pageId);
    uint16_t getPageId() const { return shownPageId; }

    const quillon::WideChar* getTitle() override { return title; }

private:
    static const uint16_t TITLE_UNITS = 48;

    uint16_t shownPageId;
    quillon::WideChar title[TITLE_UNITS];
};

#endif
