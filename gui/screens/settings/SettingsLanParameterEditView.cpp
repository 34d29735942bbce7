#include "gui/screens/settings/SettingsLanParameterEditView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "helpers/Conversions.hpp"

namespace
{
const uint8_t COMPLETE_POINTS = 3;
const uint8_t COMPLETE_DIGITS = 12;
} // namespace

SettingsLanParameterEditView::SettingsLanParameterEditView()
    : BaseView<SettingsLanParameterEditPresenter>(&Functors::getInstance().plain)
{
}

quillon::TextId SettingsLanParameterEditView::getTitleText()
{
    const LanConfigState& held = presenter->config();
    return LanConfigState::ROW_TEXTS[held.isEditRow() ? held.state : 0];
}

void SettingsLanParameterEditView::setupContent(guicontrols::Content& area)
{
    keyboard.setPosition(0, 0, area.getWidth(), area.getHeight());
    keyboard.setMaxLength(guicontrols::IPKeyboard::ADDRESS_LENGTH);
    const LanConfigState& held = presenter->config();
    if (held.isEditRow()) {
        if (held.state == SettingsLanParameterEditPresenter::MASK_ROW) {
            keyboard.setAddressKind(guicontrols::IPKeyboard::MASK);
        }
        quillon::WideChar text[guicontrols::IPKeyboard::ADDRESS_LENGTH + 1] = {};
        helpers::ipAddressToText(held.addresses[held.state], text);
        keyboard.setText(text);
    }
    area.add(keyboard);
}

void SettingsLanParameterEditView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.clearButton(SERVICE_NOTICE_BUTTON);
    bar.setButtonIcon(ACCEPT_BUTTON, ACCEPT_ICON);
}

bool SettingsLanParameterEditView::takeEntry()
{
    LanConfigState& held = presenter->config();
    // Opened without a row there is nowhere to keep the entry.
    if (!held.isEditRow() || keyboard.getPointCount() != COMPLETE_POINTS || keyboard.getDigitCount() != COMPLETE_DIGITS) {
        return false;
    }
    const quillon::WideChar* text = keyboard.getText();
    const bool valid = keyboard.getAddressKind() == guicontrols::IPKeyboard::MASK
                           ? SettingsLanParameterEditPresenter::isValidMask(text)
                           : SettingsLanParameterEditPresenter::isValidAddress(text);
    if (!valid) {
        return false;
    }
    held.addresses[held.state] = helpers::textToIpAddress(text);
    return true;
}

void SettingsLanParameterEditView::onBottomBarButton(int index)
{
    if (index == ACCEPT_BUTTON) {
        if (takeEntry() && pageManager != nullptr) {
            presenter->config().state = LanConfigState::EDITED;
            pageManager->back();
        }
        return;
    }
    presenter->config().state = LanConfigState::EDITED;
    GenericView::onBottomBarButton(index);
}
