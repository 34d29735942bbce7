#ifndef GUI_SCREENS_HEATING_HEATINGOPERATINGPROGRAMVIEW_HPP
#define GUI_SCREENS_HEATING_HEATINGOPERATINGPROGRAMVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/heating/HeatingOperatingProgramPresenter.hpp"
#include "gui/viewmodes/ExternalConnectionViewMode.hpp"
#include "gui/viewmodes/ExternalControlViewMode.hpp"
#include "guicontrols/TileSelector.hpp"

// Standby, hot water only, or heating and hot water for one circuit. A circuit run from
// outside first asks (external program) or only tells (external connection).
class HeatingOperatingProgramView : public BaseView<HeatingOperatingProgramPresenter>
{
public:
    static constexpr uint8_t CONFIRM_BUTTON = 5;
    static constexpr quillon::BitmapId CONFIRM_ICON = 210;

    // What stands before the tiles on this visit.
    enum class Notice : uint8_t
    {
        None,
        ExternalControl,    // "External program HC n": change it?
        ExternalConnection, // not changeable here
    };

    HeatingOperatingProgramView();
    ~HeatingOperatingProgramView() override {}

    quillon::TextId getTitleText() override;
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;
    void update() override;
    // The notice's end: "Yes" to the question shows the tiles, anything else returns
    // without writing.
    void onViewModeFinished() override;

    void updateState();

    Notice getNotice() const { return notice; }
    bool showsTiles() const { return getViewMode() == this; }
    const ExternalControlViewMode& getControlMode() const { return controlMode; }
    const ExternalConnectionViewMode& getConnectionMode() const { return connectionMode; }
    const guicontrols::TileSelector& getTiles() const { return tiles; }

private:
    ExternalConnectionViewMode connectionMode;
    ExternalControlViewMode controlMode;
    guicontrols::TileSelector tiles;
    Notice notice;
    uint8_t noticeShown;
};

#endif
