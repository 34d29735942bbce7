#ifndef GUI_SCREENS_LIST_LISTCONFIGURATION_HPP
#define GUI_SCREENS_LIST_LISTCONFIGURATION_HPP

#include "guicontrols/BaseTextItem.hpp"
#include "guicontrols/ListControl.hpp"
#include "guicontrols/SubTextItem.hpp"

#include <stdint.h>

enum ListMode : int32_t
{
    LIST_MODE_INFORMATION = 0,
    LIST_MODE_DIAGNOSIS = 1,
    LIST_MODE_STATUS = 2,
};

// The list every list screen carries beside its view base: the list control, its layout and
// a fixed stock of line items that each build binds again to the screen's providers.
//
// A build, from a mode hook or directly:
//     beginList();                      // forgets the lines, keeps the scroll offset
//     addLine(&heading);                // the next free base item
//     if (present) addSubLine(&value, 1);
//     endList();                        // every line reads its provider, the list redraws
// Every pass takes items from the first of each stock again, so lines after a skipped one
// move up into the freed items.
class ListConfiguration
{
public:
    static constexpr uint32_t BASE_ITEMS = 50;
    static constexpr uint32_t SUB_ITEMS = 40;
    static constexpr uint16_t ITEM_SPACING = 10;
    static constexpr uint16_t INSET_LEFT = 30;
    static constexpr uint16_t INSET_RIGHT = 10;
    static constexpr uint16_t INSET_TOP = 10;
    static constexpr uint16_t INSET_BOTTOM = 10;

    ListConfiguration();
    virtual ~ListConfiguration() {}

    // Runs the hook of the mode; any mode but Information and Diagnosis counts as Status.
    virtual void configure();
    virtual void configureInformation() {}
    virtual void configureDiagnosis() {}
    virtual void configureStatus() {}

    int32_t getMode() const { return mode; }
    const guicontrols::ListControl& getListControl() const { return listControl; }
    const guicontrols::BaseTextItem& getBaseItem(uint32_t index) const { return baseTextItems[index]; }
    const guicontrols::SubTextItem& getSubItem(uint32_t index) const { return subTextItems[index]; }

protected:
    void beginList();
    // Binds the next free item of its stock and adds it. A line index other than 0 draws the
    // separator in the group colour. False, and nothing added, once the stock is used up.
    bool addLine(guicontrols::ITextContentProvider* provider);
    bool addLine(guicontrols::ITextContentProvider* provider, uint32_t lineIndex);
    bool addSubLine(guicontrols::ITextContentProvider* provider);
    bool addSubLine(guicontrols::ITextContentProvider* provider, uint32_t lineIndex);
    void endList();

    int32_t mode;
    guicontrols::ListControl listControl;
    guicontrols::ListControl::Layout listStyle;

private:
    // A base item as the stock holds it: unbound, line index 0.
    struct StockItem : guicontrols::BaseTextItem
    {
        StockItem() : guicontrols::BaseTextItem(0u) {}
    };

    guicontrols::BaseTextItem* takeBaseItem();
    guicontrols::SubTextItem* takeSubItem();

    StockItem baseTextItems[BASE_ITEMS];
    guicontrols::SubTextItem subTextItems[SUB_ITEMS];
    uint32_t nextBaseItem;
    uint32_t nextSubItem;
};

#endif
