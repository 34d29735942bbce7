#ifndef GUICONTROLS_BUTTONITEM_HPP
#define GUICONTROLS_BUTTONITEM_HPP

#include "guicontrols/IActionContentProvider.hpp"
#include "guicontrols/IItemProvider.hpp"
#include "guicontrols/LongButton.hpp"

#include <quillon/Bitmap.hpp>
#include <quillon/Callback.hpp>

namespace guicontrols
{
// A list line that is a full-width button: its label and its action come from the
// provider, by the item's index. Draws no separator.
class ButtonItem : public IItemProvider
{
public:
    static const uint32_t SEPARATOR_STYLE = 3;

    explicit ButtonItem(uint32_t index);
    ButtonItem(IActionContentProvider* provider, uint32_t index);
    ~ButtonItem() override {}

    void update() override;
    void updateLayout() override;
    uint32_t getSeparatorStyle() const override { return SEPARATOR_STYLE; }
    virtual ButtonItem& setProvider(IActionContentProvider* provider);
    virtual ButtonItem& setProvider(IActionContentProvider* provider, uint32_t index);
    virtual void setValueText(const quillon::WideChar* text);
    virtual void setIcon(const quillon::Bitmap& bitmap, int16_t offset);

    const LongButton& getButton() const { return button; }

private:
    void buttonClicked(const quillon::AbstractButton& source);

    IActionContentProvider* provider;
    LongButton button;
    quillon::Callback<ButtonItem, const quillon::AbstractButton&, void> clicked;
};
} // namespace guicontrols

#endif
