#ifndef GUI_COMMON_TITLEFUNCTOR_HPP
#define GUI_COMMON_TITLEFUNCTOR_HPP

#include <quillon/hal/Types.hpp>

namespace guicontrols
{
class TopBar;
}
namespace pagemanager
{
class PageManager;
}
namespace model
{
class DataModelManager;
}

// Writes a screen's title into its top bar; shared by all views.
class TitleFunctor
{
public:
    TitleFunctor() : pageManager(nullptr), model(nullptr) {}
    virtual ~TitleFunctor() {}

    // The title is a text of the text database, so "%%" in it stands for one "%"; any other
    // "%" (a user's name, say) shows as it stands and never reads an argument.
    virtual void operator()(guicontrols::TopBar& bar, const quillon::WideChar* title);

    void setPageManager(pagemanager::PageManager* manager) { pageManager = manager; }
    void setModel(model::DataModelManager* dataModel) { model = dataModel; }

protected:
    // Every "%" doubled but in "%%": room for a full bar's title.
    static const uint16_t FORMAT_UNITS = 2 * 100 + 1;
    static const uint16_t TITLE_UNITS = 100;

    static void showAsTitle(guicontrols::TopBar& bar, const quillon::WideChar* text);

    pagemanager::PageManager* pageManager;
    model::DataModelManager* model;
};

#endif
