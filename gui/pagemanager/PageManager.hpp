#ifndef GUI_PAGEMANAGER_PAGEMANAGER_HPP
#define GUI_PAGEMANAGER_PAGEMANAGER_HPP

#include "gui/pagemanager/AccessControl.hpp"
#include "gui/pagemanager/IPageViewer.hpp"
#include "gui/pagemanager/IPasswordStorage.hpp"
#include "gui/pagemanager/IPopupManager.hpp"
#include "gui/pagemanager/Page.hpp"
#include "gui/pagemanager/ParamStore.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/pagemanager/Stack.hpp"

#include <quillon/hal/Types.hpp>

#include <stdint.h>

namespace pagemanager
{
// The one navigation authority: the current page, the pages below it, the access level,
// the idle time-outs and the parameters screens hand on. It tells the viewer which page
// to show and never builds a screen itself. GUI task only.
class PageManager
{
public:
    static constexpr uint16_t HISTORY_CAPACITY = 10;
    // The start-up splash: what it stores is read for the whole run, though it leaves
    // without a history entry.
    static constexpr uint16_t STARTUP_PAGE_ID = 52;

    PageManager(IPageViewer* viewer, IPasswordStorage* storage, uint16_t passwordPageId);

    void setPopupManager(IPopupManager* manager) { popupManager = manager; }
    IPopupManager* getPopupManager() const { return popupManager; }

    void goTo(Page* page, bool noHistory);
    void back();
    void backTo(bool toAnchor);

    bool checkPassword(const quillon::WideChar* password);
    void logout() { access.logout(); }
    void lockPanel(bool fullLock);
    void setAccessLevel(uint16_t bits) { access.setLevel(bits); }
    const AccessControl& getAccessControl() const { return access; }

    Page* getCurrentPage() const { return current; }
    Page* findAnchorPage() const;
    bool isPasswordPending() const { return passwordPending != 0; }
    uint16_t getHistorySize() const { return history.size(); }

    void tick();
    void onUserActivity();
    void reset();
    void clearHistory() { history.clear(); }

    // Stores the value for the current page, in place of its own earlier one of the tag.
    // False, storing nothing, when the store is full of entries that are still read.
    template <typename T>
    bool setParam(const T& value)
    {
        Param<Params::ParamUnion> param;
        param.set(value);
        PageParam* own = params.findOwnedBy(Params::Traits<T>::TAG, current);
        if (own != nullptr) {
            own->param = param;
            return true;
        }
        if (params.isFull() && !dropUnreachableParam()) {
            return false;
        }
        return params.add(param, current);
    }

    // The newest value of T's tag (of that owner; any owner for null), writable in place.
    template <typename T>
    T* getParam(Page* owner = nullptr)
    {
        PageParam* entry = params.find(Params::Traits<T>::TAG, owner);
        return entry != nullptr ? entry->param.template as<T>() : nullptr;
    }

    bool hasParam(uint16_t tag, Page* owner = nullptr) { return params.has(tag, owner); }
    // The current page's entries of the tag; with no current page, every entry of it.
    void removeParam(uint16_t tag) { params.remove(tag, current); }

private:
    void enterAndShow();
    void showCurrent();
    bool isOnHistory(const Page* page) const;
    bool dropUnreachableParam();

    IPageViewer* viewer;
    Page* current;
    Stack<Page*, HISTORY_CAPACITY> history;
    uint32_t passwordPending;
    uint16_t passwordPageId;
    int32_t pageTimeout;
    ParamStore params;
    IPopupManager* popupManager;
    AccessControl access;
};
} // namespace pagemanager

#endif
