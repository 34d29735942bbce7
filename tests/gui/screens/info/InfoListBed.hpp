#ifndef TESTS_GUI_SCREENS_INFO_INFOLISTBED_HPP
#define TESTS_GUI_SCREENS_INFO_INFOLISTBED_HPP

#include "gui/screens/menu/ScreenFixture.hpp"

#include "gui/common/GenericView.hpp"
#include "gui/pagemanager/HeatingCircuitParam.hpp"
#include "gui/screens/list/ListConfiguration.hpp"
#include "gui/screens/menu/MenuView.hpp"
#include "guicontrols/BaseTextItem.hpp"
#include "guicontrols/ButtonItem.hpp"
#include "guicontrols/SubTextItem.hpp"

#include <quillon/Callback.hpp>

#include <cstdint>
#include <string>
#include <vector>

namespace info
{
inline std::string utf8(const std::u16string& text)
{
    std::string out;
    for (char16_t unit : text) {
        const std::uint32_t c = unit;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

inline std::string utf8(const quillon::WideChar* text)
{
    return utf8(screens::str(text));
}

// One line of a list as a reader sees it:
//   "label: value"     a line (": " and nothing after it for a heading)
//   "  label: value"   a sub line
//   "[label]"          an action line
// A line whose separator takes the group colour ends in " +".
struct ListLines
{
    std::vector<std::string> lines;
    std::vector<const quillon::Drawable*> items;
    std::uint32_t base = 0;
    std::uint32_t sub = 0;
    std::uint32_t actions = 0;

    bool has(const std::string& line) const
    {
        for (const std::string& shown : lines) {
            if (shown == line) {
                return true;
            }
        }
        return false;
    }
    int indexOf(const std::string& line) const
    {
        for (std::size_t n = 0; n < lines.size(); ++n) {
            if (lines[n] == line) {
                return static_cast<int>(n);
            }
        }
        return -1;
    }
};

class LineReader
{
public:
    explicit LineReader(ListLines& out) : out(out), callback(this, &LineReader::read) {}
    quillon::GenericCallback<quillon::Drawable&>& each() { return callback; }

private:
    void read(quillon::Drawable& item)
    {
        if (const auto* action = dynamic_cast<const guicontrols::ButtonItem*>(&item)) {
            out.lines.push_back("[" + utf8(action->getButton().getText()) + "]");
            ++out.actions;
        } else if (const auto* line = dynamic_cast<const guicontrols::BaseTextItem*>(&item)) {
            const bool isSub = dynamic_cast<const guicontrols::SubTextItem*>(&item) != nullptr;
            std::string shown = (isSub ? "  " : "") + utf8(line->getTextField().getText()) + ": " +
                                utf8(line->getSecondTextField().getText());
            if ((line->getIndex() & 0xFF) != 0) {
                shown += " +";
            }
            out.lines.push_back(shown);
            ++(isSub ? out.sub : out.base);
        } else {
            return;
        }
        out.items.push_back(&item);
    }

    ListLines& out;
    quillon::Callback<LineReader, quillon::Drawable&> callback;
};

// The lines of a list screen, in their order.
inline ListLines linesOf(const ListConfiguration& list)
{
    ListLines out;
    LineReader reader(out);
    const_cast<guicontrols::ItemsArea&>(list.getListControl().getItemsArea()).forEachChild(reader.each());
    return out;
}

// The board clock's "show the new time" signal, raised by the test; taken by the first read.
inline bool& clockSignal()
{
    static bool raised = false;
    return raised;
}

inline model::TimeManager::Clock signalledClock()
{
    model::TimeManager::Clock clock = model::TimeManager::boardClock();
    clock.changed = [] {
        const bool raised = clockSignal();
        clockSignal() = false;
        return raised;
    };
    return clock;
}

// The application with English texts, chosen devices and the device writes logged.
class InfoListBed : public screens::ScreenFixture
{
public:
    InfoListBed()
    {
        clockSignal() = false;
        app.bed.model().getTimeManager().useClock(signalledClock());
        app.bed.frame().setCounting(false); // no test here counts writes per pixel: draw once
    }
    ~InfoListBed() { app.bed.model().getTimeManager().useClock(model::TimeManager::boardClock()); }

    // The common information as the device sends it, after the change.
    template <class Change>
    void sendCommonInfo(Change change)
    {
        common_info record = groups().general.commonInfo.getValue();
        change(record.bytes);
        app.bed.deviceSends(groups().general.commonInfo.getId(), record);
    }

    // The time-program overview of the page is shown, read-only, for the circuit.
    void expectProgramOpened(pagemanager::Page& page, std::uint16_t circuit, std::uint8_t titleByNumber)
    {
        EXPECT_EQ(app.pageManager().getCurrentPage(), &page);
        const HeatingCircuitParam param = circuitParam();
        EXPECT_EQ(param.circuit, circuit);
        EXPECT_EQ(param.readOnly, 1);
        EXPECT_EQ(param.titleByNumber, titleByNumber);
    }

    // The newest heating-circuit parameter; all zero when there is none.
    HeatingCircuitParam circuitParam()
    {
        const HeatingCircuitParam* param = app.pageManager().getParam<HeatingCircuitParam>(nullptr);
        return param != nullptr ? *param : HeatingCircuitParam{};
    }

    template <class V>
    V* current()
    {
        return app.screen<V>();
    }

    // A tile of the menu shown, by its text, clicked as a user would.
    bool clickTile(const std::u16string& label)
    {
        MenuView* menu = app.screen<MenuView>();
        if (menu == nullptr) {
            return false;
        }
        for (std::uint32_t n = 0; n < menu->getTileCount(); ++n) {
            if (screens::str(menu->getTile(n).getText()) == label) {
                clickOn(menu->getTile(n));
                return true;
            }
        }
        return false;
    }

    // Main menu, "Information", then the tile: the road a user takes.
    template <class V>
    V* openFromMenu(const std::u16string& tile)
    {
        app.open(app.pages().mainMenuPage);
        app.bed.ticks(1);
        if (!clickTile(u"Information") || !clickTile(tile)) {
            return nullptr;
        }
        return app.screen<V>();
    }

    // The page shown with its parameters as they stand, without the menus.
    template <class V>
    V* openPage(pagemanager::Page& page)
    {
        if (app.pageManager().getCurrentPage() == &page) {
            app.pageManager().back();
            app.bed.ticks(1);
        }
        app.open(page);
        app.bed.ticks(1);
        return app.screen<V>();
    }

    // The list's down button held until the list shows its last line.
    void scrollToEnd(const ListConfiguration& list)
    {
        const guicontrols::ListControl& control = list.getListControl();
        if (control.getScrollOffset() >= control.getMaxScrollOffset()) {
            return;
        }
        const quillon::Rectangle r = control.getDownButton().getAbsoluteRect();
        app.bed.frame().touch().press(r.x + r.width / 2, r.y + r.height / 2);
        for (int n = 0; n < 500 && control.getScrollOffset() < control.getMaxScrollOffset(); ++n) {
            app.bed.ticks(1);
        }
        app.bed.frame().touch().release();
        app.bed.ticks(2);
    }

    // A line of the list clicked on the screen, after the list's down button has brought it
    // into view as a user would.
    void clickLine(const ListConfiguration& list, const ListLines& lines, const std::string& line)
    {
        const int at = lines.indexOf(line);
        ASSERT_GE(at, 0) << line;
        const quillon::Drawable& item = *lines.items[static_cast<std::size_t>(at)];
        const quillon::Rectangle area = list.getListControl().getItemsArea().getAbsoluteRect();
        for (int step = 0; step < 100; ++step) {
            const quillon::Rectangle shown = item.getAbsoluteRect();
            if (shown.y >= area.y && shown.y + shown.height <= area.y + area.height) {
                break;
            }
            clickOn(list.getListControl().getDownButton());
        }
        clickOn(item);
    }
};
} // namespace info

#endif
