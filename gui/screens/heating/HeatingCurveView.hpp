#ifndef GUI_SCREENS_HEATING_HEATINGCURVEVIEW_HPP
#define GUI_SCREENS_HEATING_HEATINGCURVEVIEW_HPP

#include "gui/common/BaseView.hpp"
#include "gui/screens/heating/HeatingCurvePresenter.hpp"
#include "guicontrols/HeatingCurve.hpp"
#include "guicontrols/SpinBox.hpp"
#include "guicontrols/TextField.hpp"

#include <quillon/Callback.hpp>

// Slope and shift of one circuit's heating curve in two spin boxes, the curve beside them
// following every step; confirm writes both, back and home write nothing.
class HeatingCurveView : public BaseView<HeatingCurvePresenter>
{
public:
    static constexpr uint8_t CONFIRM_BUTTON = 5;
    static constexpr quillon::BitmapId CONFIRM_ICON = 210;

    HeatingCurveView();
    ~HeatingCurveView() override {}

    quillon::TextId getTitleText() override;
    const quillon::WideChar* getHelpText() override;
    void setupContent(guicontrols::Content& area) override;
    void setupBottomBar(guicontrols::BottomBar& bar) override;
    void onBottomBarButton(int index) override;

    const guicontrols::SpinBox& getSlopeBox() const { return slopeBox; }
    const guicontrols::SpinBox& getLevelBox() const { return levelBox; }
    const guicontrols::HeatingCurve& getDiagram() const { return diagram; }

private:
    void onSlopeChanged(const float& slope);
    void onLevelChanged(const int& level);
    // Centred above the spin box, 5 px clear of it.
    void placeCaption(guicontrols::TextField& caption, quillon::TextId text, const guicontrols::SpinBox& box);
    void placeText(guicontrols::TextField& field, quillon::TextId text, int16_t x, int16_t y);

    guicontrols::SpinBox slopeBox;
    guicontrols::SpinBox levelBox;
    guicontrols::HeatingCurve diagram;
    guicontrols::TextField slopeCaption;
    guicontrols::TextField levelCaption;
    guicontrols::TextField outsideCaption;
    guicontrols::TextField supplyCaption;
    quillon::Callback<HeatingCurveView, const float&> slopeCallback;
    quillon::Callback<HeatingCurveView, const int&> levelCallback;
};

#endif
