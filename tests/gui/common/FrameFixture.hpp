#ifndef TESTS_GUI_COMMON_FRAMEFIXTURE_HPP
#define TESTS_GUI_COMMON_FRAMEFIXTURE_HPP

#include "../pagemanager/NavigationFakes.hpp"
#include "gui/common/BasePresenter.hpp"
#include "gui/common/BaseView.hpp"
#include "gui/common/Functors.hpp"
#include "gui/pagemanager/Params.hpp"
#include "gui/shell/ShellContext.hpp"
#include "support/screen/ScreenTestBed.hpp"

#include <gtest/gtest.h>

#include <string>

namespace frametest
{
inline std::u16string shown(const quillon::WideChar* text)
{
    std::u16string result;
    while (text != nullptr && *text != 0) {
        result.push_back(static_cast<char16_t>(*text++));
    }
    return result;
}

inline const quillon::WideChar* wide(const char16_t* text)
{
    return reinterpret_cast<const quillon::WideChar*>(text);
}

// Bottom-bar button centres on the 800 x 480 display.
inline int16_t buttonX(uint8_t index)
{
    return static_cast<int16_t>(index * 134 + 65);
}
const int16_t BUTTON_Y = 444;
const int16_t CONTENT_Y = 72;

class ModePresenter;

// A screen of the frame alone, configured before it is shown (the bed builds it without
// arguments); it records how its dialogs ended.
class ModeView : public BaseView<ModePresenter>
{
public:
    ModeView() : BaseView<ModePresenter>(&Functors::getInstance().plain) {}

    quillon::TextId getTitleText() override { return titled ? 963 : quillon::TYPED_TEXT_INVALID; } // "Heating circuit"
    const quillon::WideChar* getHelpText() override { return helpText; }
    void setupContent(guicontrols::Content& area) override
    {
        if (contentWidth != 0) {
            area.setWidth(contentWidth);
        }
    }
    void onConfirmFinished(uint8_t result, bool* handled) override
    {
        answers.push_back(result);
        GenericView::onConfirmFinished(result, handled);
    }

    std::basic_string<uint8_t> answers;
    static inline bool titled = true;
    static inline const quillon::WideChar* helpText = nullptr;
    static inline int16_t contentWidth = 0;
};

class ModePresenter : public BasePresenter
{
public:
    explicit ModePresenter(ModeView& view) : BasePresenter(view) {}
};

// The screen bed with a page manager behind the frame, three pages deep.
class Frame : public ::testing::Test
{
protected:
    Frame() : viewer(log), pageManager(&viewer, &passwords, navtest::PAGE_AUTH)
    {
        ModeView::titled = true;
        ModeView::helpText = nullptr;
        ModeView::contentWidth = 0;
        ShellContext::current().pageManager = &pageManager;
        ShellContext::current().model = &bed.model();
        for (pagemanager::Page& page : pages) {
            pageManager.goTo(&page, false);
        }
    }
    ~Frame() override { ShellContext::current() = ShellContext(); }

    ModeView& show()
    {
        bed.show<ModeView, ModePresenter>();
        bed.ticks(1); // the first frame after a change may go to the transition
        return view();
    }
    ModeView& view() { return bed.view<ModeView>(); }
    quillon::BitmapId icon(uint8_t index) { return view().getBottomBar().getButton(index).getIcon().getId(); }
    void press(uint8_t index) { bed.click(buttonX(index), BUTTON_Y); }
    const pagemanager::Page* page() { return pageManager.getCurrentPage(); }
    const pagemanager::Page* lastPage() { return &pages[2]; }

    test::ScreenTestBed bed;
    navtest::CallLog log;
    navtest::RecordingViewer viewer;
    navtest::FakePasswords passwords;
    pagemanager::PageManager pageManager;
    pagemanager::Page pages[3] = {{51, 1, -1, true}, {14, 1, -1, false}, {34, 1, -1, false}};
};
} // namespace frametest

#endif
