#ifndef GUI_SCREENS_ENERGY_BUFFERLOADONETIMECHARGEVIEW_HPP
#define GUI_SCREENS_ENERGY_BUFFERLOADONETIMECHARGEVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/energy/BufferLoadOneTimeChargePresenter.hpp"
#include "guicontrols/Frame.hpp"
#include "guicontrols/TextField.hpp"

// Tells the user that the one-time charge has started; OK goes back.
class BufferLoadOneTimeChargeView : public BaseView<BufferLoadOneTimeChargePresenter>
{
public:
    static const uint8_t OK_BUTTON = 5;

    BufferLoadOneTimeChargeView();
    ~BufferLoadOneTimeChargeView() override {}

    quillon::TextId getTitleText() override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;

    const guicontrols::TextField& getMessage() const { return message; }

private:
    guicontrols::Frame frame;
    guicontrols::TextField message;
};

#endif
