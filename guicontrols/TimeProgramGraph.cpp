#include "guicontrols/TimeProgramGraph.hpp"

#include "guicontrols/BitmapDrawing.hpp"
#include "guicontrols/LiteralText.hpp"
#include "guicontrols/Palette.hpp"

#include <quillon/ApplicationFontProvider.hpp>
#include <quillon/hal/HAL.hpp>
#include <quillon/lcd/LCD.hpp>

namespace guicontrols
{
using quillon::Rectangle;

namespace
{
const quillon::BitmapId BAR_BITMAP = 226;
const quillon::FontId NUMBER_FONT = 8;
const uint8_t INACTIVE_ALPHA = 128;
const int16_t FRAME = 4; // the bar bitmap's border around the day
const uint8_t NO_PERIOD = 0xFF;

const quillon::Color& barBackground() { return Palette::entry(12); }
const quillon::Color& periodColor() { return Palette::entry(24); }
const quillon::Color& highlightColor() { return Palette::entry(10); }
const quillon::Color& numberColor() { return Palette::entry(6); }
} // namespace

TimeProgramGraph::TimeProgramGraph()
    : selected(-1), barBitmap(BAR_BITMAP), active(true), numbered(true), switchTimeBuffer()
{
    setWidth(static_cast<int16_t>(barBitmap.getWidth()));
    setHeight(static_cast<int16_t>(barBitmap.getHeight()));
}

Rectangle TimeProgramGraph::phaseToRect(const TimePhase& phase) const
{
    const int32_t innerWidth = getWidth() - 2 * FRAME;
    // In ten-thousandths of a day.
    const int32_t start = static_cast<int32_t>(phase.start.getSecondsOfDay() * 100 / 864);
    const int32_t length =
        (static_cast<int32_t>(phase.end.getSecondsOfDay()) - static_cast<int32_t>(phase.start.getSecondsOfDay())) *
        100 / 864;
    return Rectangle(static_cast<int16_t>(FRAME + innerWidth * start / 10000), FRAME,
                     static_cast<int16_t>(innerWidth * length / 10000), static_cast<int16_t>(getHeight() - 2 * FRAME));
}

uint16_t TimeProgramGraph::addPhase(const TimePhase& phase)
{
    if (!isFull() && phase.end > phase.start) {
        phases.add(phase);
        bars.add(phaseToRect(phase));
        invalidate();
    }
    return phases.size();
}

void TimeProgramGraph::setPhase(const TimePhase& phase, int32_t index)
{
    if (index >= 0 && index < phases.size()) {
        phases[static_cast<uint16_t>(index)] = phase;
        bars[static_cast<uint16_t>(index)] = phaseToRect(phase);
    }
    invalidate();
}

void TimeProgramGraph::removePhase(int32_t index)
{
    if (index < 0 || index >= phases.size()) {
        return;
    }
    phases.removeAt(static_cast<uint16_t>(index));
    bars.removeAt(static_cast<uint16_t>(index));
    invalidate();
}

void TimeProgramGraph::removeLastPhase()
{
    if (!isEmpty()) {
        removePhase(phases.size() - 1);
    }
}

void TimeProgramGraph::clear()
{
    while (!isEmpty()) {
        removeLastPhase();
    }
}

void TimeProgramGraph::setSelectedPhase(int32_t index)
{
    selected = static_cast<int8_t>(index);
    invalidate();
}

bool TimeProgramGraph::setSwitchTimes(const uint8_t* switchTimes)
{
    for (uint16_t k = 0; k < MAX_PHASES; ++k) {
        const uint8_t startByte = switchTimes[2 * k];
        const uint8_t endByte = switchTimes[2 * k + 1];
        if (startByte >= endByte) {
            continue;
        }
        TimePhase phase;
        phase.start.setFromSwitchTime(startByte);
        phase.end.setFromSwitchTime(endByte);
        if (k < phases.size()) {
            setPhase(phase, k);
        } else {
            addPhase(phase); // 200, 210 read as 24:00 both: refused here
        }
    }
    return !isEmpty();
}

const uint8_t* TimeProgramGraph::getSwitchTimes()
{
    for (uint16_t k = 0; k < MAX_PHASES; ++k) {
        if (k < phases.size()) {
            switchTimeBuffer[2 * k] = phases[k].start.toSwitchTime();
            switchTimeBuffer[2 * k + 1] = phases[k].end.toSwitchTime();
        } else {
            switchTimeBuffer[2 * k] = NO_PERIOD;
            switchTimeBuffer[2 * k + 1] = NO_PERIOD;
        }
    }
    return switchTimeBuffer;
}

void TimeProgramGraph::draw(const Rectangle& area) const
{
    if (area.intersects(barBitmap.getRect())) {
        fillBar(barBitmap.getRect(), barBackground(), area);
        BitmapDrawing::draw(*this, barBitmap, 0, 0, area, active ? 255 : INACTIVE_ALPHA);
    }
    for (uint16_t i = 0; i < phases.size(); ++i) {
        if (bars[i].isEmpty() || i == selected) {
            continue;
        }
        if (numbered) {
            fillBar(bars[i], periodColor(), area);
            drawPhaseNumber(i, area);
        } else {
            fillBar(bars[i], highlightColor(), area);
        }
    }
    if (numbered && selected >= 0 && selected < phases.size() && !bars[static_cast<uint16_t>(selected)].isEmpty()) {
        fillBar(bars[static_cast<uint16_t>(selected)], highlightColor(), area);
        drawPhaseNumber(selected, area);
    }
}

void TimeProgramGraph::fillBar(const Rectangle& bar, quillon::Color color, const Rectangle& area) const
{
    Rectangle part = bar & area;
    if (part.isEmpty()) {
        return;
    }
    toScreenCoordinates(part);
    quillon::HAL::lcd().fillRect(part, color, 255);
}

void TimeProgramGraph::drawPhaseNumber(int32_t index, const Rectangle& area) const
{
    const quillon::Font* font = ApplicationFontProvider().getFont(NUMBER_FONT);
    if (font == nullptr) {
        return;
    }
    const Rectangle& bar = bars[static_cast<uint16_t>(index)];
    const int16_t characterWidth = static_cast<int16_t>(font->getCharWidth('2'));
    // A bar too narrow for a digit stays without one.
    if (characterWidth >= bar.width) {
        return;
    }
    const quillon::WideChar text[] = {static_cast<quillon::WideChar>('1' + index), 0};
    const Rectangle box(static_cast<int16_t>(bar.x + bar.width / 2 - characterWidth / 2),
                        static_cast<int16_t>((bar.height - font->getFontHeight()) / 2), characterWidth,
                        static_cast<int16_t>(font->getFullHeight()));
    Rectangle clip = area & box;
    if (clip.isEmpty()) {
        return;
    }
    clip.x = static_cast<int16_t>(clip.x - box.x);
    clip.y = static_cast<int16_t>(clip.y - box.y);
    Rectangle screenBox = box;
    toScreenCoordinates(screenBox);
    const quillon::LCD::TextStyle style(font, numberColor(), 255, quillon::CENTER, 0, 0);
    LiteralText::draw(screenBox, clip, style, text);
}
} // namespace guicontrols
