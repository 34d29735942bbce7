#include "gui/screens/contact/ContactDataShowPresenter.hpp"

const quillon::WideChar* ContactDataShowPresenter::getName()
{
    return getModel()->getGroups().settings.name.get();
}

const quillon::WideChar* ContactDataShowPresenter::getTelephone()
{
    return getModel()->getGroups().settings.telephone.get();
}

const quillon::WideChar* ContactDataShowPresenter::getMobile()
{
    return getModel()->getGroups().settings.mobile.get();
}

const quillon::WideChar* ContactDataShowPresenter::getEmail()
{
    return getModel()->getGroups().settings.email.get();
}
