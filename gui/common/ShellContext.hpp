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

// What every presenter and view of the running application reaches: the page manager and
// the model. The application object fills it once; screen tests fill their own.
struct ShellContext
{
    pagemanager::PageManager* pageManager = nullptr;
    model::DataModelManager* model = nullptr;

    static ShellContext& current()
    {
        static ShellContext context;
        return context;
    }
};

#endif
