#ifndef GUICONTROLS_FAVOURITESITEM_HPP
#define GUICONTROLS_FAVOURITESITEM_HPP

#include "guicontrols/CheckableIconButton.hpp"
#include "guicontrols/FavouritesProvider.hpp"
#include "guicontrols/IItemProvider.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/Callback.hpp>
#include <quillon/widgets/Box.hpp>

namespace guicontrols
{
// A favourites entry: its name and a check button. The check is the item's own; the
// favourites screen reads isChecked() when it stores the choice.
class FavouritesItem : public IItemProvider
{
public:
    static const int16_t HEIGHT = 80;
    static const uint32_t SEPARATOR_STYLE = 2;

    FavouritesItem();
    ~FavouritesItem() override {}

    void update() override;
    void updateLayout() override;
    uint32_t getSeparatorStyle() const override { return SEPARATOR_STYLE; }
    virtual FavouritesItem& setProvider(FavouritesProvider* provider);

    bool isChecked() const { return checked; }
    void setChecked(bool c);
    const CheckableIconButton& getButton() const { return button; }
    const TextField& getNameField() const { return name; }

private:
    void onButtonClicked(const quillon::AbstractButton& source);

    FavouritesProvider* provider;
    quillon::Callback<FavouritesItem, const quillon::AbstractButton&, void> clicked;
    TextField name;
    CheckableIconButton button;
    quillon::Box line;
    bool checked;
};
} // namespace guicontrols

#endif
