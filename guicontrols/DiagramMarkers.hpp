#ifndef GUICONTROLS_DIAGRAMMARKERS_HPP
#define GUICONTROLS_DIAGRAMMARKERS_HPP

#include <quillon/Widget.hpp>

#include <stdint.h>

namespace guicontrols
{
class HeatingCurve;

// A disc on each point of the heating curve and dashed guides from it to both axes.
// Transparent.
class DiagramMarkers : public quillon::Widget
{
public:
    DiagramMarkers() : heatingCurve(nullptr) {}

    void draw(const quillon::Rectangle& area) const override;
    quillon::Rectangle getOpaqueArea() const override { return quillon::Rectangle(); }

    void setHeatingCurve(HeatingCurve* curve) { heatingCurve = curve; }

    // A filled disc of radius 6 around (cx, cy) in display coordinates, only inside clip.
    static void fillEllipse(uint16_t* frameBuffer, int16_t cx, int16_t cy, quillon::Color color,
                            const quillon::Rectangle& clip);

private:
    HeatingCurve* heatingCurve;
};
} // namespace guicontrols

#endif
