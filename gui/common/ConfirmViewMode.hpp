#ifndef GUI_COMMON_CONFIRMVIEWMODE_HPP
#define GUI_COMMON_CONFIRMVIEWMODE_HPP

#include "gui/common/IView.hpp"
#include "gui/common/IViewMode.hpp"
#include "guicontrols/Frame.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/hal/Types.hpp>

#include <stdint.h>

// A yes/no question in a frame: button 1 answers no (0), button 5 yes (1); either ends the
// mode at its owner, which reads the answer.
class ConfirmViewMode : public IViewMode
{
public:
    static const uint16_t QUESTION_CAPACITY = 200;
    static const uint8_t NO_BUTTON = 1;
    static const uint8_t YES_BUTTON = 5;

    explicit ConfirmViewMode(IView& owner);

    // Texts are the caller's. Without a first argument the question is shown as it stands;
    // with one it is a format ("%s") read from the caller's text into the mode's own buffer.
    void setup(const quillon::WideChar* title, const quillon::WideChar* question, const quillon::WideChar* argument1,
               const quillon::WideChar* argument2);
    uint8_t getResult() const { return confirmResult; }

    void setupTopBar(guicontrols::TopBar& bar) override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void tick() override {}

    const guicontrols::TextField& getQuestionField() const { return questionField; }

private:
    IView* modeOwner;
    guicontrols::Frame confirmFrame;
    guicontrols::TextField questionField;
    guicontrols::TextField titleField;
    uint8_t confirmResult;
    quillon::WideChar questionBuffer[QUESTION_CAPACITY];
};

#endif
