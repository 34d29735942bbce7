#ifndef GUI_COMMON_PAGEINDICATORDATAPROVIDER_HPP
#define GUI_COMMON_PAGEINDICATORDATAPROVIDER_HPP

#include <stdint.h>

namespace pagemanager
{
class Page;
}
namespace model
{
class DataModelManager;
}

namespace guicontrols
{
// Mixed into the presenters of the home pages: how many pages the row of home pages has
// (home, energy cockpit, and one favourites page per six shown tiles) and which of them the
// presenter's screen is.
class PageIndicatorDataProvider
{
public:
    static constexpr uint8_t PAGES_BEFORE_FIRST_COUNT = 10;
    static constexpr uint8_t PAGES_BEFORE_FAVOURITES = 2;
    static constexpr uint8_t TILES_PER_PAGE = 6;

    // The page whose attached tile list is counted; null counts nothing.
    explicit PageIndicatorDataProvider(const pagemanager::Page* favouritesPage);
    virtual ~PageIndicatorDataProvider() {}

    // Without a model only the always-shown tiles count.
    void setModel(model::DataModelManager* dataModel) { model = dataModel; }

    // Counts again, so a changed favourites selection shows at once. Without a tile list the
    // last count (10 before the first) stays.
    uint8_t getNumberOfPages();

    virtual uint8_t getPageIndex() = 0;

private:
    const pagemanager::Page* page;
    uint8_t numberOfPages;
    model::DataModelManager* model;
};
} // namespace guicontrols

#endif
