#include "gui/app/InterimView.hpp"

#include "gui/app/InterimPages.hpp"
#include "gui/common/Functors.hpp"
#include "helpers/WideFormat.hpp"

InterimView::InterimView() : BaseView<InterimPresenter>(&Functors::getInstance().plain), shownPageId(0)
{
    title[0] = 0;
}

void InterimView::setPageId(uint16_t pageId)
{
    shownPageId = pageId;
    const char* stem = InterimPages::stemOf(pageId);
    helpers::formatWide(title, TITLE_UNITS, "%s %u", stem != nullptr ? stem : "Page", static_cast<unsigned>(pageId));
}
