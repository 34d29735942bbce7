#include "gui/screens/wizard/WizzardAbsorberSurfaceView.hpp"

#include "gui/common/Functors.hpp"
#include "gui/pagemanager/PageManager.hpp"
#include "guicontrols/Palette.hpp"
#include "helpers/WideFormat.hpp"

#include <quillon/Font.hpp>
#include <quillon/TypedText.hpp>

namespace
{
const quillon::TextId HELP_TEXT = 687;
const quillon::TextId KEYBOARD_TITLE = 805; // "Absorber surface"
const quillon::TextId MODEL_LABEL = 1150;
const quillon::TextId OTHER_LABEL = 816;
const quillon::TextId COUNT_LABEL = 824;
const quillon::TextId UNIT_TEXT = 1244; // "m²"
const quillon::BitmapId BUTTON_BITMAP = 10;
const quillon::BitmapId CHECK_MARK = 11;
const quillon::BitmapId ACCEPT_ICON = 210;
const uint8_t WHITE = 11;
const uint8_t RESULT_GREEN = 16;
const int32_t COUNT_ARROWS = 2;
const float MODEL_AREAS[2] = {2.32f, 3.03f};
const quillon::WideChar EQUALS[] = {'=', 0};

const quillon::WideChar* text(quillon::TextId id)
{
    return quillon::TypedText(id).getText();
}
} // namespace

WizzardAbsorberSurfaceView::WizzardAbsorberSurfaceView()
    : BaseView<WizzardAbsorberSurfacePresenter>(&Functors::getInstance().plain),
      collectorAreas{MODEL_AREAS[0], MODEL_AREAS[1], 0.0f}, maxCollectorArea(6.0f), keyboardMode(*this),
      modelTexts(), otherText(), resultText(), countCallback(this, &WizzardAbsorberSurfaceView::onCountChanged),
      typeCallback(this, &WizzardAbsorberSurfaceView::onTypeClicked)
{
    const quillon::Bitmap button(BUTTON_BITMAP);
    for (uint8_t type = 0; type < TYPES; ++type) {
        typeButtons[type].setBitmaps(button, button);
        typeButtons[type].setCheckMarkBitmap(quillon::Bitmap(CHECK_MARK));
        typeButtons[type].setLabel(type == WizzardAbsorberSurfacePresenter::OTHER_COLLECTOR ? OTHER_LABEL
                                                                                             : MODEL_LABEL);
        typeButtons[type].setAction(typeCallback);
    }
    for (uint8_t type = 0; type < 2; ++type) {
        formatArea(modelTexts[type], MODEL_AREAS[type], TEXT_UNITS, true);
        typeButtons[type].setValueText(modelTexts[type]);
    }
    typeButtons[0].setChecked(true);

    countBox.setArrowStyle(COUNT_ARROWS);
    countBox.setValueType(guicontrols::SpinBox::INTEGER_VALUE);
    countBox.setValueCallback(&countCallback);
    countBox.setMinimum(MIN_COUNT);
    countBox.setMaximum(MAX_COUNT);
    countBox.setWrapAround(false);
    countBox.setValue(MIN_COUNT);

    countLabel.setTextId(quillon::TypedText(COUNT_LABEL));
    countLabel.setColor(guicontrols::Palette::entry(WHITE));
    const quillon::Font* font = quillon::TypedText(MODEL_LABEL).getFont();
    equalsSign.setText(EQUALS, font);
    equalsSign.setAlignment(1);
    equalsSign.setVerticalAlignment(1);
    equalsSign.setColor(guicontrols::Palette::entry(WHITE));
    result.setText(resultText, font);
    result.setAlignment(0);
    result.setVerticalAlignment(1);
    result.setColor(guicontrols::Palette::entry(RESULT_GREEN));

    keyboard.setMaxDecimals(MAX_DECIMALS);
    keyboardMode.setKeyboard(&keyboard);
    keyboardMode.setMaxLength(MAX_LENGTH);
}

const quillon::WideChar* WizzardAbsorberSurfaceView::getHelpText()
{
    return text(HELP_TEXT);
}

void WizzardAbsorberSurfaceView::setupContent(guicontrols::Content& area)
{
    layout(area);
    keyboardMode.setTitle(text(KEYBOARD_TITLE));
    collectorAreas[WizzardAbsorberSurfacePresenter::OTHER_COLLECTOR] = presenter->getCollectorArea();
    updateTypeButtons();
    countBox.setValue(presenter->getCollectorCount()); // clamped to 1..10; the presenter keeps its own
    updateResult();
    countBox.setMaximum(MAX_COUNT);
}

void WizzardAbsorberSurfaceView::layout(guicontrols::Content& area)
{
    int16_t y = 55;
    for (uint8_t type = 0; type < TYPES; ++type) {
        typeButtons[type].setXY(30, y);
        y = static_cast<int16_t>(y + typeButtons[type].getHeight() + 10);
    }
    const guicontrols::CheckableButtonWithLabel& first = typeButtons[0];
    const int16_t firstRight = static_cast<int16_t>(first.getX() + first.getWidth());
    countBox.setXY(static_cast<int16_t>(firstRight + 40), first.getY());

    const int16_t labelHeight = static_cast<int16_t>(countLabel.getTypedText().getFont()->getFullHeight());
    countLabel.setPosition(firstRight, static_cast<int16_t>((countBox.getY() - labelHeight) / 2),
                           static_cast<int16_t>(countBox.getWidth() + 80), labelHeight);

    const int16_t fontHeight = static_cast<int16_t>(quillon::TypedText(MODEL_LABEL).getFont()->getFullHeight());
    const int16_t signY = static_cast<int16_t>(countBox.getY() + countBox.getHeight() / 2 - fontHeight / 2);
    // As wide as the sign: ten pixels cut it in the font of the labels.
    const quillon::Font* font = quillon::TypedText(MODEL_LABEL).getFont();
    const int16_t signWidth = static_cast<int16_t>(font->getStringWidth(EQUALS) > 10 ? font->getStringWidth(EQUALS) : 10);
    equalsSign.setPosition(static_cast<int16_t>(countBox.getX() + countBox.getWidth() + 5), signY, signWidth, fontHeight);
    const int16_t resultX = static_cast<int16_t>(equalsSign.getX() + equalsSign.getWidth() + 10);
    result.setPosition(resultX, signY, static_cast<int16_t>(area.getWidth() - resultX), fontHeight);

    for (uint8_t type = 0; type < TYPES; ++type) {
        area.add(typeButtons[type]);
    }
    area.add(countBox);
    area.add(countLabel);
    area.add(equalsSign);
    area.add(result);
}

void WizzardAbsorberSurfaceView::setupBottomBar(guicontrols::BottomBar& bar)
{
    GenericView::setupBottomBar(bar);
    bar.setButtonIcon(CONFIRM_BUTTON, ACCEPT_ICON);
}

void WizzardAbsorberSurfaceView::onBottomBarButton(int index)
{
    if (index != CONFIRM_BUTTON) {
        GenericView::onBottomBarButton(index);
        return;
    }
    // The count shown, not a stored 0 that the box shows as 1 and the surface counts as 1.
    presenter->setCollectorCount(static_cast<uint8_t>(countBox.getValue()));
    presenter->writeSurface();
    presenter->writeType();
    presenter->writeCount();
    if (pageManager != nullptr) {
        pageManager->back();
    }
}

void WizzardAbsorberSurfaceView::onTypeClicked(const quillon::AbstractButton& button)
{
    int32_t touched = 0;
    while (touched < TYPES - 1 && &typeButtons[touched] != &button) {
        ++touched;
    }
    const int32_t before = presenter->getCollectorType();
    presenter->setCollectorType(touched);
    if (touched == WizzardAbsorberSurfacePresenter::OTHER_COLLECTOR) {
        // Without the trailing blank: five units would not fit the keyboard's line.
        helpers::formatWide(otherText, TEXT_UNITS, "%.2f", static_cast<double>(presenter->getCollectorArea()));
        keyboardMode.setText(otherText);
        setViewMode(&keyboardMode);
        setCount(MIN_COUNT);
    }
    if (touched != before) {
        setCount(MIN_COUNT);
    }
    updateTypeButtons();
    updateResult();
    countBox.setMaximum(MAX_COUNT);
}

void WizzardAbsorberSurfaceView::onCountChanged(const int& count)
{
    presenter->setCollectorCount(static_cast<uint8_t>(count));
    updateResult();
}

void WizzardAbsorberSurfaceView::onViewModeFinished()
{
    if (getViewMode() != &keyboardMode) {
        GenericView::onViewModeFinished();
        return;
    }
    // A cancel keeps the area: the start text of a stored area of 10 m² or more does not fit
    // the keyboard's line, and reading it back would give 0.
    if (presenter->getCollectorType() == WizzardAbsorberSurfacePresenter::OTHER_COLLECTOR &&
        keyboardMode.isAccepted()) {
        const float typed = keyboard.getValue();
        presenter->setCollectorArea(typed > maxCollectorArea ? maxCollectorArea : typed);
        collectorAreas[WizzardAbsorberSurfacePresenter::OTHER_COLLECTOR] = presenter->getCollectorArea();
        updateTypeButtons();
        updateResult();
    }
    setViewMode(this);
}

void WizzardAbsorberSurfaceView::updateTypeButtons()
{
    for (uint8_t type = 0; type < TYPES; ++type) {
        typeButtons[type].setChecked(type == presenter->getCollectorType());
    }
    const float other = presenter->getCollectorArea();
    formatArea(otherText, other, TEXT_UNITS, true);
    typeButtons[WizzardAbsorberSurfacePresenter::OTHER_COLLECTOR].setValueText(other > 0.0f ? otherText : nullptr);
    for (uint8_t type = 0; type < TYPES; ++type) {
        typeButtons[type].invalidate();
    }
}

void WizzardAbsorberSurfaceView::updateResult()
{
    const float surface = countBox.getValue() * collectorAreas[presenter->getCollectorType()];
    presenter->setSurface(surface);
    formatArea(resultText, surface, TEXT_UNITS, true);
    result.invalidate();
}

void WizzardAbsorberSurfaceView::setCount(int32_t count)
{
    presenter->setCollectorCount(static_cast<uint8_t>(count));
    countBox.setValue(count);
}

void WizzardAbsorberSurfaceView::formatArea(quillon::WideChar* buffer, float value, uint16_t maxUnits, bool withUnit)
{
    if (withUnit) {
        helpers::formatWide(buffer, maxUnits, "%.2f %ls", static_cast<double>(value), text(UNIT_TEXT));
    } else {
        helpers::formatWide(buffer, maxUnits, "%.2f ", static_cast<double>(value));
    }
}

const quillon::WideChar* WizzardAbsorberSurfaceView::getTypeValueText(uint8_t type) const
{
    return type == WizzardAbsorberSurfacePresenter::OTHER_COLLECTOR
               ? (presenter->getCollectorArea() > 0.0f ? otherText : nullptr)
               : modelTexts[type];
}
