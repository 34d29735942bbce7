#ifndef GUI_COMMON_SHELLCONTEXT_HPP
#define GUI_COMMON_SHELLCONTEXT_HPP

namespace pagemanager
{
class PageManager;
}
namespace model
{
class DataModelManager;
}
class PopupSystem;

// What every presenter and view of the running application reaches: the page manager, the
// model and the popup system. The application object fills it once; screen tests fill their own.
struct ShellContext
{
    pagemanager::PageManager* pageManager = nullptr;
    model::DataModelManager* model = nullptr;
    PopupSystem* popupSystem = nullptr;

    static ShellContext& current()
    {
        static ShellContext context;
        return context;
    }
};

#endif
