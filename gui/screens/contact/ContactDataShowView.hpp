#ifndef GUI_SCREENS_CONTACT_CONTACTDATASHOWVIEW_HPP
#define GUI_SCREENS_CONTACT_CONTACTDATASHOWVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/contact/ContactDataShowPresenter.hpp"
#include "gui/screens/list/ListConfiguration.hpp"
#include "guicontrols/SimpleTextProvider.hpp"

// Name, telephone, mobile and e-mail of the service contact, read once per visit.
class ContactDataShowView : public BaseView<ContactDataShowPresenter>, public ListConfiguration
{
public:
    static constexpr uint32_t LINES = 4;
    static constexpr uint16_t TITLE_UNITS = 60;
    // A contact text of the settings: 26 characters and the terminator.
    static constexpr uint16_t VALUE_UNITS = 27;

    ContactDataShowView();
    ~ContactDataShowView() override {}

    const quillon::WideChar* getTitle() override { return title; }
    void setupContent(guicontrols::Content& area) override;

private:
    guicontrols::SimpleTextProvider providers[LINES];
    quillon::WideChar title[TITLE_UNITS];
    // Copies: a pointer into the settings store is only good until the store is written.
    quillon::WideChar values[LINES][VALUE_UNITS];
};

#endif
