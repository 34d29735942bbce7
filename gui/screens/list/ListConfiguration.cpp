#include "gui/screens/list/ListConfiguration.hpp"

ListConfiguration::ListConfiguration() : mode(LIST_MODE_INFORMATION), nextBaseItem(0), nextSubItem(0)
{
    listStyle.itemSpacing = ITEM_SPACING;
    listStyle.insetLeft = INSET_LEFT;
    listStyle.insetRight = INSET_RIGHT;
    listStyle.insetTop = INSET_TOP;
    listStyle.insetBottom = INSET_BOTTOM;
    listControl.setLayout(listStyle);
}

void ListConfiguration::configure()
{
    switch (mode) {
    case LIST_MODE_INFORMATION:
        configureInformation();
        break;
    case LIST_MODE_DIAGNOSIS:
        configureDiagnosis();
        break;
    default:
        configureStatus();
        break;
    }
}

void ListConfiguration::beginList()
{
    nextBaseItem = 0;
    nextSubItem = 0;
    listControl.clear(false);
}

bool ListConfiguration::addLine(guicontrols::ITextContentProvider* provider)
{
    guicontrols::BaseTextItem* item = takeBaseItem();
    if (item == nullptr) {
        return false;
    }
    listControl.add(&item->setProvider(provider));
    return true;
}

bool ListConfiguration::addLine(guicontrols::ITextContentProvider* provider, uint32_t lineIndex)
{
    guicontrols::BaseTextItem* item = takeBaseItem();
    if (item == nullptr) {
        return false;
    }
    listControl.add(&item->setProvider(provider, lineIndex));
    return true;
}

bool ListConfiguration::addSubLine(guicontrols::ITextContentProvider* provider)
{
    guicontrols::SubTextItem* item = takeSubItem();
    if (item == nullptr) {
        return false;
    }
    listControl.add(&item->setProvider(provider));
    return true;
}

bool ListConfiguration::addSubLine(guicontrols::ITextContentProvider* provider, uint32_t lineIndex)
{
    guicontrols::SubTextItem* item = takeSubItem();
    if (item == nullptr) {
        return false;
    }
    listControl.add(&item->setProvider(provider, lineIndex));
    return true;
}

void ListConfiguration::endList()
{
    listControl.updateItems();
}

// A line beyond the stock is dropped rather than taken from past the array.
guicontrols::BaseTextItem* ListConfiguration::takeBaseItem()
{
    return nextBaseItem < BASE_ITEMS ? &baseTextItems[nextBaseItem++] : nullptr;
}

guicontrols::SubTextItem* ListConfiguration::takeSubItem()
{
    return nextSubItem < SUB_ITEMS ? &subTextItems[nextSubItem++] : nullptr;
}
