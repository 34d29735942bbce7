#ifndef TESTS_GUI_SCREENS_INFOCIRCUIT_INFOLISTBED_HPP
#define TESTS_GUI_SCREENS_INFOCIRCUIT_INFOLISTBED_HPP

#include "gui/screens/timeprogram/TimeProgramBed.hpp"

#include "gui/pagemanager/ListPageSetting.hpp"
#include "guicontrols/BaseTextItem.hpp"
#include "guicontrols/ButtonItem.hpp"
#include "guicontrols/ListControl.hpp"
#include "guicontrols/SubTextItem.hpp"
#include "model/devices/DeviceManager.hpp"

#include <quillon/Callback.hpp>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

namespace infocircuit_test
{
// UTF-16 to UTF-8, enough for the texts of the lists.
inline std::string utf8(const quillon::WideChar* units)
{
    std::string out;
    for (; units != nullptr && *units != 0; ++units) {
        const unsigned c = *units;
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

// The lines of a list as a user reads them, top to bottom: "label = value" for a line with a
// value, the label alone for one without, "  " in front of an indented sub line and "[label]"
// for an action entry.
class ListLines : public quillon::GenericCallback<quillon::Drawable&>
{
public:
    explicit ListLines(const guicontrols::ListControl& list)
    {
        const_cast<guicontrols::ItemsArea&>(list.getItemsArea()).forEachChild(*this);
    }
    void execute(quillon::Drawable& child) override
    {
        if (auto* button = dynamic_cast<guicontrols::ButtonItem*>(&child)) {
            lines.push_back("[" + utf8(button->getButton().getText()) + "]");
        } else if (auto* item = dynamic_cast<guicontrols::BaseTextItem*>(&child)) {
            const std::string indent = dynamic_cast<guicontrols::SubTextItem*>(&child) != nullptr ? "  " : "";
            const std::string value = utf8(item->getSecondTextField().getText());
            lines.push_back(indent + utf8(item->getTextField().getText()) + (value.empty() ? "" : " = " + value));
        }
    }
    bool isValid() const override { return true; }

    std::vector<std::string> lines;
};

inline std::vector<std::string> linesOf(const guicontrols::ListControl& list)
{
    return ListLines(list).lines;
}

inline bool hasLine(const std::vector<std::string>& lines, const std::string& start)
{
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return line.compare(0, start.size(), start) == 0; });
}

// The real application with the device calls recorded, and device flags set by hand.
class InfoListBed : public timeprogram_test::TimeProgramBed
{
protected:
    static constexpr std::uint32_t DEVICE_FLAGS = 96;

    // The flags are the model's, which outlives the test: they go back as they were found.
    void SetUp() override
    {
        TimeProgramBed::SetUp();
        for (std::uint32_t flag = 0; flag < DEVICE_FLAGS; ++flag) {
            flagsFound[flag] = devices().isPresent(flag);
        }
    }
    void TearDown() override
    {
        for (std::uint32_t flag = 0; flag < DEVICE_FLAGS; ++flag) {
            devices().setPresence(flag, flagsFound[flag]);
        }
        devices().takeChanged();
        TimeProgramBed::TearDown();
    }

    model::DeviceManager& devices() { return app.bed.model().getDeviceManager(); }
    model::ParameterGroups& groups() { return app.bed.model().getGroups(); }

    void setFlags(std::initializer_list<uint32_t> present, std::initializer_list<uint32_t> absent)
    {
        for (uint32_t flag : present) {
            devices().setPresent(flag);
        }
        for (uint32_t flag : absent) {
            devices().setAbsent(flag);
        }
    }

    // Goes to the page from the information menu, as a user does; the screen's own view.
    template <class V>
    V& openPage(pagemanager::Page& page)
    {
        app.open(app.pages().informationMenuPage);
        app.open(page);
        app.bed.ticks(1);
        V* view = app.screen<V>();
        EXPECT_NE(view, nullptr);
        return *view;
    }

    // The calls in the order the panel made them: the link queues each at the front.
    std::vector<std::string> callsInSentOrder()
    {
        std::vector<std::string> calls = takeCalls();
        std::reverse(calls.begin(), calls.end());
        return calls;
    }

private:
    bool flagsFound[DEVICE_FLAGS] = {};
};
} // namespace infocircuit_test

#endif
