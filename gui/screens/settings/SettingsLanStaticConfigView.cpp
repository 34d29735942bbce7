#include "gui/screens/settings/SettingsLanStaticConfigView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "gui/pages/Pages.hpp"
#include "gui/shell/ShellContext.hpp"
#include "helpers/Conversions.hpp"

SettingsLanStaticConfigView::SettingsLanStaticConfigView()
    : BaseView<SettingsLanStaticConfigPresenter>(&Functors::getInstance().plain),
      addressTexts(),
      rowCallback(this, &SettingsLanStaticConfigView::onRowClicked)
{
}

void SettingsLanStaticConfigView::setupContent(guicontrols::Content& area)
{
    list.setPadding(0, 0, 0, 0);
    list.setPosition(30, 10, static_cast<int16_t>(area.getWidth() - 50), static_cast<int16_t>(area.getHeight() - 20));
    list.setItemSpacing(10);
    list.removeAll();
    for (uint32_t row = 0; row < LanConfigState::ROW_COUNT; ++row) {
        quillon::WideChar* text = addressTexts[row];
        text[helpers::ipAddressToText(presenter->getAddress(row), text)] = 0;
        rows[row].setText(quillon::TypedText(LanConfigState::ROW_TEXTS[row]));
        rows[row].setValueText(text);
        rows[row].setAction(rowCallback);
        list.addItem(rows[row]);
    }
    area.add(list);
    list.invalidate();
    presenter->config().state = LanConfigState::STATIC_TEST; // the next entry loads the module's values
}

void SettingsLanStaticConfigView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.setButtonIcon(ACCEPT_BUTTON, ACCEPT_ICON);
}

void SettingsLanStaticConfigView::onRowClicked(const quillon::AbstractButton& row)
{
    ShellContext* context = ShellContext::running();
    if (context == nullptr || pageManager == nullptr) {
        return;
    }
    for (uint32_t index = 0; index < LanConfigState::ROW_COUNT; ++index) {
        if (&rows[index] == &row) {
            presenter->config().state = index;
            pageManager->goTo(&context->pages->lanParameterEditPage, false);
            return;
        }
    }
}

void SettingsLanStaticConfigView::onBottomBarButton(int index)
{
    ShellContext* context = ShellContext::running();
    if (index != ACCEPT_BUTTON || context == nullptr || pageManager == nullptr) {
        GenericView::onBottomBarButton(index);
        return;
    }
    presenter->writeAddresses();
    presenter->setStatic(true);
    pageManager->goTo(&context->pages->lanConnectionTestPage, false);
}
