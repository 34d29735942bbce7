#ifndef TESTS_GUI_SCREENS_SETTINGS_LANDRIVING_HPP
#define TESTS_GUI_SCREENS_SETTINGS_LANDRIVING_HPP

#include "gui/screens/heating/ScreenDriving.hpp"

#include "gui/common/GenericView.hpp"
#include "gui/pages/Pages.hpp"

#include <quillon/TypedText.hpp>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace lan_test
{
// Every write and every read request the table sends, by device address, while it lives.
class LinkLog
{
public:
    LinkLog()
    {
        writes().clear();
        reads().clear();
        dptSetSenders(DptSenders{&recordWrite, &recordRead, &recordRead});
    }
    ~LinkLog() { dptSetSenders(linkTableSenders()); }

    static std::vector<test::WriteLog::Write>& writes()
    {
        static std::vector<test::WriteLog::Write> log;
        return log;
    }
    static std::vector<std::uint16_t>& reads()
    {
        static std::vector<std::uint16_t> log;
        return log;
    }
    static std::vector<std::uint16_t> writtenAddresses()
    {
        std::vector<std::uint16_t> addresses;
        for (const auto& write : writes()) {
            addresses.push_back(write.address);
        }
        return addresses;
    }
    static std::size_t readsOf(std::uint16_t address)
    {
        std::size_t count = 0;
        for (std::uint16_t read : reads()) {
            count += read == address ? 1 : 0;
        }
        return count;
    }

private:
    static int recordWrite(std::uint16_t address, const void* data, std::uint32_t n)
    {
        const std::uint8_t* bytes = static_cast<const std::uint8_t*>(data);
        writes().push_back(test::WriteLog::Write{address, std::vector<std::uint8_t>(bytes, bytes + n)});
        return 1;
    }
    static int recordRead(std::uint16_t address)
    {
        reads().push_back(address);
        return 1;
    }
};

inline std::u16string shown(const quillon::WideChar* text)
{
    std::u16string result;
    while (text != nullptr && *text != 0) {
        result.push_back(static_cast<char16_t>(*text++));
    }
    return result;
}

inline std::u16string textOf(quillon::TextId id)
{
    return shown(quillon::TypedText(id).getText());
}

inline void press(test::AppTestBed& app, int button)
{
    app.bed.click(static_cast<std::int16_t>(button * 134 + 65), 445);
    app.bed.ticks(1);
}

// A key of the keyboards' grid (x, y in the keyboard), as a finger touches it.
inline void tapKey(test::AppTestBed& app, std::int16_t x, std::int16_t y)
{
    app.bed.click(static_cast<std::int16_t>(x + 35), static_cast<std::int16_t>(GenericView::TOP_BAR_HEIGHT + y + 35));
}

inline void tapGrid(test::AppTestBed& app, std::size_t i)
{
    tapKey(app, static_cast<std::int16_t>(4 + 72 * (i % 11)), static_cast<std::int16_t>(110 + 72 * (i / 11)));
}

// An address on the address keyboard, after clearing what it held.
inline void typeAddress(test::AppTestBed& app, const char* text)
{
    for (int i = 0; i < 16; ++i) {
        tapKey(app, 652, 20); // backspace
    }
    for (const char* c = text; *c != 0; ++c) {
        if (*c == '.') {
            tapKey(app, 724, 110);
        } else {
            tapGrid(app, static_cast<std::size_t>(*c == '0' ? 9 : *c - '1'));
        }
    }
    app.bed.ticks(1);
}

// A password on the full keyboard: letters on the first page, capitals there with shift
// held on and off again, anything else on the symbols page (the mode key switches there and
// back).
inline void typePassword(test::AppTestBed& app, const std::u16string& text)
{
    const std::u16string letters = shown(quillon::TypedText(43).getText());
    const std::u16string capitals = shown(quillon::TypedText(40).getText());
    const std::u16string symbols = shown(quillon::TypedText(41).getText());
    for (char16_t c : text) {
        std::size_t i = letters.find(c);
        if (i != std::u16string::npos) {
            tapGrid(app, i);
            continue;
        }
        i = capitals.find(c);
        if (i != std::u16string::npos) {
            tapKey(app, 4, 20); // shift
            tapGrid(app, i);
            tapKey(app, 4, 20);
            continue;
        }
        i = symbols.find(c);
        ASSERT_NE(i, std::u16string::npos);
        tapKey(app, 652, 20);
        tapGrid(app, i);
        tapKey(app, 652, 20);
    }
    app.bed.ticks(1);
}

inline std::uint16_t currentPageId(test::AppTestBed& app)
{
    return app.pageManager().getCurrentPage() != nullptr ? app.pageManager().getCurrentPage()->getId() : 0xFFFF;
}
} // namespace lan_test

#endif
