#ifndef GUICONTROLS_DIAGRAMAXES_HPP
#define GUICONTROLS_DIAGRAMAXES_HPP

#include <quillon/Widget.hpp>

namespace guicontrols
{
class HeatingCurve;

// The heating-curve diagram's two axes and their ticks, in grey; reads the layout through
// its diagram. Transparent.
class DiagramAxes : public quillon::Widget
{
public:
    DiagramAxes() : heatingCurve(nullptr) {}

    void draw(const quillon::Rectangle& area) const override;
    quillon::Rectangle getOpaqueArea() const override { return quillon::Rectangle(); }

    void setHeatingCurve(HeatingCurve* curve) { heatingCurve = curve; }

private:
    HeatingCurve* heatingCurve;
};
} // namespace guicontrols

#endif
