#ifndef GUI_VIEWMODES_HELIORAWARNINGVIEWMODE_HPP
#define GUI_VIEWMODES_HELIORAWARNINGVIEWMODE_HPP

#include "gui/common/IView.hpp"
#include "gui/common/IViewMode.hpp"
#include "guicontrols/Frame.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/widgets/Image.hpp>

// A warning with its icon in a frame, ended by accept (5).
class HelioraWarningViewMode : public IViewMode
{
public:
    explicit HelioraWarningViewMode(IView& owner);

    // Texts are the caller's and must live while the mode is shown.
    void setup(const quillon::WideChar* title, const quillon::WideChar* message);

    void setupTopBar(guicontrols::TopBar& bar) override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void tick() override {}

    const quillon::Image& getWarningIcon() const { return warningIcon; }
    const guicontrols::TextField& getMessageField() const { return messageField; }

private:
    IView* modeOwner;
    quillon::Image warningIcon;
    guicontrols::Frame infoFrame;
    guicontrols::TextField titleField;
    guicontrols::TextField messageField;
};

#endif
