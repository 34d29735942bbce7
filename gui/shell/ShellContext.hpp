#ifndef GUI_SHELL_SHELLCONTEXT_HPP
#define GUI_SHELL_SHELLCONTEXT_HPP

#include <stdint.h>

namespace pagemanager
{
class PageManager;
}
namespace model
{
class DataModelManager;
}
class Pages;
class PopupSystem;

// What screens and popups may ask of the running application beyond its page tree.
class Shell
{
public:
    virtual ~Shell() {}
    virtual bool isDimmed() = 0;
    // A language without a panel language (above 9) applies German, 0.
    virtual void setLanguage(const uint16_t& language, bool store) = 0;
};

// The one way from screens and popups into the shell: the page manager, the model, the popup
// system, the page tree and the shell. The application object fills it once; screen tests fill
// their own and leave the page tree and the shell null. It sits below the popups and the screen
// frame, which both read it.
struct ShellContext
{
    pagemanager::PageManager* pageManager = nullptr;
    model::DataModelManager* model = nullptr;
    PopupSystem* popupSystem = nullptr;
    Pages* pages = nullptr;
    Shell* shell = nullptr;

    static ShellContext& current()
    {
        static ShellContext context;
        return context;
    }

    // The context while an application of ours runs, else null (a bare test application).
    static ShellContext* running()
    {
        ShellContext& context = current();
        return context.shell != nullptr ? &context : nullptr;
    }
};

#endif
