#ifndef TESTS_GUI_PAGEMANAGER_NAVIGATIONFAKES_HPP
#define TESTS_GUI_PAGEMANAGER_NAVIGATIONFAKES_HPP

#include "gui/pagemanager/IPageViewer.hpp"
#include "gui/pagemanager/IPasswordStorage.hpp"
#include "gui/pagemanager/Page.hpp"
#include "gui/pagemanager/PageManager.hpp"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace navtest
{
constexpr std::uint16_t PAGE_AUTH = 10;

// Records every call in order: "show 14", "dim 1", "leave", "enter 14", "exit 14".
// Pages write into the same log, so a test reads the whole road in one list.
struct CallLog
{
    std::vector<std::string> calls;

    void add(const std::string& call) { calls.push_back(call); }
    std::vector<std::string> take()
    {
        std::vector<std::string> taken;
        taken.swap(calls);
        return taken;
    }
};

class RecordingViewer : public pagemanager::IPageViewer
{
public:
    explicit RecordingViewer(CallLog& log) : log(log) {}

    void showPage(std::uint16_t pageId) override
    {
        shown = pageId;
        log.add("show " + std::to_string(pageId));
    }
    void setDimmed(bool on) override
    {
        dimmed = on;
        log.add(std::string("dim ") + (on ? "1" : "0"));
    }
    bool isDimmed() override { return dimmed; }
    void onPageLeave() override { log.add("leave"); }

    std::int32_t shown = -1;
    bool dimmed = false;

private:
    CallLog& log;
};

// Passwords by access level, as the real storage compares them (exactly, here).
class FakePasswords : public pagemanager::IPasswordStorage
{
public:
    FakePasswords()
    {
        for (std::int32_t level : {0, 1, 5}) {
            passwords[level] = u"user";
        }
        passwords[13] = u"service";
        passwords[29] = u"menu";
        passwords[61] = u"master";
    }

    bool checkPassword(std::int32_t accessLevel, const quillon::WideChar* entered) override
    {
        const auto found = passwords.find(accessLevel);
        if (found == passwords.end() || entered == nullptr) {
            return false;
        }
        std::u16string text;
        while (*entered != 0) {
            text.push_back(static_cast<char16_t>(*entered++));
        }
        return text == found->second;
    }

    std::map<std::int32_t, std::u16string> passwords;
};

inline std::vector<quillon::WideChar> wideText(const std::u16string& text)
{
    std::vector<quillon::WideChar> units(text.begin(), text.end());
    units.push_back(0);
    return units;
}

class TestPage : public pagemanager::Page
{
public:
    TestPage(CallLog& log, std::uint16_t id, std::int32_t mask = 5, std::int32_t timeout = 120, bool anchor = false)
        : pagemanager::Page(id, mask, timeout, anchor), log(log)
    {
    }

    void onEnter(bool* redirected) override
    {
        log.add("enter " + std::to_string(getId()));
        pagemanager::Page::onEnter(redirected);
    }
    void onLeave() override { log.add("exit " + std::to_string(getId())); }

protected:
    CallLog& log;
};

// Goes on to its target from onEnter, as a selection page with one device does.
class RedirectingPage : public TestPage
{
public:
    RedirectingPage(CallLog& log, std::uint16_t id, pagemanager::PageManager& manager, pagemanager::Page& target,
                    bool noHistory)
        : TestPage(log, id), manager(manager), target(target), noHistory(noHistory)
    {
    }

    void onEnter(bool* redirected) override
    {
        log.add("enter " + std::to_string(getId()));
        manager.goTo(&target, noHistory);
        *redirected = true;
    }

private:
    pagemanager::PageManager& manager;
    pagemanager::Page& target;
    bool noHistory;
};

// A page manager with a recording viewer and the fake passwords.
struct Navigation
{
    CallLog log;
    RecordingViewer viewer{log};
    FakePasswords passwords;
    pagemanager::PageManager manager{&viewer, &passwords, PAGE_AUTH};

    bool enter(const std::u16string& password) { return manager.checkPassword(wideText(password).data()); }
    void ticks(int count)
    {
        for (int tick = 0; tick < count; ++tick) {
            manager.tick();
        }
    }
};
} // namespace navtest

#endif
