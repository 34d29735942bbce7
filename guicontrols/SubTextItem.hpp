#ifndef GUICONTROLS_SUBTEXTITEM_HPP
#define GUICONTROLS_SUBTEXTITEM_HPP

#include "guicontrols/BaseTextItem.hpp"

namespace guicontrols
{
// A text line one step further in: a sub-item under a heading.
class SubTextItem : public BaseTextItem
{
public:
    SubTextItem() : BaseTextItem(0u) { updateLayout(); }
    explicit SubTextItem(ITextContentProvider* provider) : BaseTextItem(provider, 0) { updateLayout(); }
    ~SubTextItem() override {}

    void updateLayout() override;
};
} // namespace guicontrols

#endif
