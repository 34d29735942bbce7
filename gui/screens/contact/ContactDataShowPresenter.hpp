#ifndef GUI_SCREENS_CONTACT_CONTACTDATASHOWPRESENTER_HPP
#define GUI_SCREENS_CONTACT_CONTACTDATASHOWPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <quillon/hal/Types.hpp>

// The heating engineer's contact details as the settings screen stored them; nothing of
// the device, so nothing is watched.
class ContactDataShowPresenter : public BasePresenter
{
public:
    explicit ContactDataShowPresenter(IView& view) : BasePresenter(view) {}
    ~ContactDataShowPresenter() override {}

    // Each the stored text, or empty when none is stored; read at once, the store may move.
    const quillon::WideChar* getName();
    const quillon::WideChar* getTelephone();
    const quillon::WideChar* getMobile();
    const quillon::WideChar* getEmail();
};

#endif
