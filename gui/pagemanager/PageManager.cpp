#include "gui/pagemanager/PageManager.hpp"

#include "gui/pagemanager/NullPopupManager.hpp"

namespace pagemanager
{
PageManager::PageManager(IPageViewer* viewer, IPasswordStorage* storage, uint16_t passwordPageId)
    : viewer(viewer)
    , current(nullptr)
    , passwordPending(0)
    , passwordPageId(passwordPageId)
    , pageTimeout(Page::NO_TIMEOUT)
    , popupManager(&NullPopupManager::getInstance())
    , access(storage)
{
}

void PageManager::goTo(Page* page, bool noHistory)
{
    if (page == nullptr || page == current || passwordPending != 0) {
        return;
    }
    if (current != nullptr) {
        viewer->onPageLeave();
        current->onLeave();
        // A full history drops the page as noHistory would, rather than stop the panel.
        if (!noHistory && !history.isFull()) {
            history.push(current);
        }
    }
    current = page;
    onUserActivity();
    bool redirected = false;
    page->onEnter(&redirected);
    if (redirected) {
        return; // the nested call has shown where it went
    }
    if (access.hasAccess(page->getAccessMask())) {
        passwordPending = 0;
        viewer->showPage(page->getId());
    } else {
        passwordPending = 1; // the protected page stays current for checkPassword
        viewer->showPage(passwordPageId);
    }
}

void PageManager::back()
{
    if (history.size() == 0) {
        return;
    }
    params.removeAllOf(current);
    history.pop(current);
    enterAndShow();
}

void PageManager::backTo(bool toAnchor)
{
    if (history.size() == 0) {
        return;
    }
    // At least one page goes, so a current anchor is itself left for the next one below.
    do {
        params.removeAllOf(current);
        history.pop(current);
    } while (history.size() > 0 && !(toAnchor && current->isAnchor()));
    enterAndShow();
}

// Going down: no access check and no leave hook; only the final page is entered.
void PageManager::enterAndShow()
{
    passwordPending = 0;
    onUserActivity();
    bool redirected = false;
    current->onEnter(&redirected);
    if (!redirected) {
        viewer->showPage(current->getId());
    }
}

bool PageManager::checkPassword(const quillon::WideChar* password)
{
    if (current == nullptr || !access.login(current->getAccessMask(), password)) {
        return false;
    }
    passwordPending = 0;
    viewer->showPage(current->getId());
    return true;
}

void PageManager::lockPanel(bool fullLock)
{
    access.setBasicLevel(fullLock ? ACCESS_LOCK_FULL : ACCESS_LOCK_SETPOINTS);
    backTo(true);
}

Page* PageManager::findAnchorPage() const
{
    for (uint16_t index = history.size(); index > 0; --index) {
        Page* page = history.at(static_cast<uint16_t>(index - 1));
        if (page != nullptr && page->isAnchor()) {
            return page;
        }
    }
    return history.size() == 0 ? current : nullptr;
}

void PageManager::tick()
{
    access.tick();
    if (pageTimeout == Page::NO_TIMEOUT) {
        return;
    }
    if (pageTimeout > 0) {
        --pageTimeout;
    }
    if (pageTimeout >= 1) {
        return;
    }
    pageTimeout = Page::NO_TIMEOUT;
    if (history.size() > 0) {
        backTo(false); // re-arms the time-out with the root page's own
    } else {
        viewer->setDimmed(true);
    }
}

void PageManager::onUserActivity()
{
    access.onActivity();
    if (viewer->isDimmed()) {
        viewer->setDimmed(false);
    }
    // Before the first page (or after a reset) there is nothing to time out.
    pageTimeout = current != nullptr ? current->getTimeout() : Page::NO_TIMEOUT;
}

void PageManager::reset()
{
    params.clear();
    history.clear();
    current = nullptr;
    passwordPending = 0;
    pageTimeout = Page::NO_TIMEOUT;
    access.logout();
}

bool PageManager::isOnHistory(const Page* page) const
{
    for (uint16_t index = 0; index < history.size(); ++index) {
        if (history.at(index) == page) {
            return true;
        }
    }
    return false;
}

// Makes room by dropping the oldest entry that no page can reach by going back: its owner
// was left without a history entry. The splash page's entries stay: they are read for the
// whole run.
bool PageManager::dropUnreachableParam()
{
    for (uint16_t index = 0; index < params.size(); ++index) {
        const Page* owner = params.at(index).owner;
        const bool kept = owner == current || isOnHistory(owner) ||
                          (owner != nullptr && owner->getId() == STARTUP_PAGE_ID);
        if (!kept) {
            params.removeAt(index);
            return true;
        }
    }
    return false;
}
} // namespace pagemanager
