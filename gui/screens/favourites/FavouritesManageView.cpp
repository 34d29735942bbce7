#include "gui/screens/favourites/FavouritesManageView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "helpers/WideFormat.hpp"
#include "model/devices/DeviceIds.hpp"

#include <quillon/TypedText.hpp>
#include <quillon/WideString.hpp>

namespace
{
const quillon::TextId TEXT_TITLE = 936;       // "Select favorites"
const quillon::TextId TEXT_HELP = 718;
const quillon::TextId TEXT_HOLIDAY = 938;     // "Holiday program", numbered
const quillon::TextId TEXT_TIME_PROGRAM = 1582; // "Time program heating circuit", numbered

// Favourite n: its text, the circuit number it carries (0: none) and the device flags that
// allow it. The hot-water programs also need a circulation flag; energy balance any of four.
struct Favourite
{
    quillon::TextId text;
    int circuit;
    int32_t device;
    bool needsCirculation;
};

const int32_t ALWAYS = -1;
const int32_t ENERGY_DEVICES = -2;

const Favourite TABLE[FavouritesManagePresenter::FAVOURITES] = {
    {TEXT_HOLIDAY, 1, DEVICE_HC1, false},
    {TEXT_HOLIDAY, 2, DEVICE_HC2, false},
    {TEXT_HOLIDAY, 3, DEVICE_HC3, false},
    {909, 0, ALWAYS, false},  // "One time charge"
    {1576, 0, DEVICE_DHW_HC1, true}, // "DHW time prog 1"
    {1578, 0, DEVICE_DHW_HC2, true},
    {1580, 0, DEVICE_DHW_HC3, true},
    {TEXT_TIME_PROGRAM, 1, DEVICE_HC1, false},
    {TEXT_TIME_PROGRAM, 2, DEVICE_HC2, false},
    {TEXT_TIME_PROGRAM, 3, DEVICE_HC3, false},
    {917, 0, ENERGY_DEVICES, false}, // "Energy balance"
};

const uint32_t ENERGY_FLAGS[] = {DEVICE_ZR6, DEVICE_ZR6_B, DEVICE_CYLINDER_4,
                                 DEVICE_BOILER_4};
} // namespace

FavouritesManageView::FavouritesManageView()
    : BaseView<FavouritesManagePresenter>(&Functors::getInstance().plain),
      providers{{nullptr, 0}, {nullptr, 0}, {nullptr, 0}, {nullptr, 0}, {nullptr, 0}, {nullptr, 0},
                {nullptr, 0}, {nullptr, 0}, {nullptr, 0}, {nullptr, 0}, {nullptr, 0}},
      labels()
{
    for (uint32_t n = 0; n < FAVOURITES; ++n) {
        const quillon::WideChar* text = quillon::TypedText(TABLE[n].text).getText();
        if (TABLE[n].circuit != 0) {
            helpers::formatWide(labels[n], LABEL_UNITS, "%ls %d", text, TABLE[n].circuit);
        } else {
            quillon::WideString::strncpy(labels[n], text, LABEL_UNITS - 1);
            labels[n][LABEL_UNITS - 1] = 0;
        }
    }
}

quillon::TextId FavouritesManageView::getTitleText()
{
    return TEXT_TITLE;
}

const quillon::WideChar* FavouritesManageView::getHelpText()
{
    return quillon::TypedText(TEXT_HELP).getText();
}

void FavouritesManageView::setupContent(guicontrols::Content& area)
{
    listControl.clear(false);
    listControl.setPosition(0, 0, area.getWidth(), area.getHeight());
    area.add(listControl);
    buildList();
}

void FavouritesManageView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.setButtonIcon(OK_BUTTON, ACCEPT_ICON);
}

void FavouritesManageView::onBottomBarButton(int index)
{
    if (index != OK_BUTTON) {
        GenericView::onBottomBarButton(index);
        return;
    }
    // A favourite without a line keeps its stored bit: its device is away, not unwanted.
    for (uint32_t n = 0; n < FAVOURITES; ++n) {
        if (isListed(n)) {
            presenter->setFavourite(n, lines[n].isChecked());
        }
    }
    presenter->saveFavourites();
    if (pageManager != nullptr) {
        pageManager->back();
    }
}

void FavouritesManageView::update()
{
    buildList();
}

bool FavouritesManageView::isListed(uint32_t favourite) const
{
    return favourite < FAVOURITES && listControl.contains(&lines[favourite]);
}

// Reloads the stored favourites: marks changed but not confirmed are lost when the devices
// change under the screen.
void FavouritesManageView::buildList()
{
    listControl.clear(false);
    presenter->loadFavourites();
    for (uint32_t n = 0; n < FAVOURITES; ++n) {
        if (!isAllowed(n)) {
            continue;
        }
        providers[n].set(labels[n], presenter->isFavourite(n) ? 1 : 0);
        listControl.add(&lines[n].setProvider(&providers[n]));
    }
    listControl.updateItems();
}

bool FavouritesManageView::isAllowed(uint32_t favourite)
{
    const Favourite& entry = TABLE[favourite];
    if (entry.device == ALWAYS) {
        return true;
    }
    if (entry.device == ENERGY_DEVICES) {
        for (uint32_t flag : ENERGY_FLAGS) {
            if (presenter->isAvailable(flag)) {
                return true;
            }
        }
        return false;
    }
    if (!presenter->isAvailable(static_cast<uint32_t>(entry.device))) {
        return false;
    }
    return !entry.needsCirculation || presenter->isAvailable(DEVICE_CIRCULATION_A) ||
           presenter->isAvailable(DEVICE_CIRCULATION_B);
}
