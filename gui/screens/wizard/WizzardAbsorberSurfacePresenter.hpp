#ifndef GUI_SCREENS_WIZARD_WIZZARDABSORBERSURFACEPRESENTER_HPP
#define GUI_SCREENS_WIZARD_WIZZARDABSORBERSURFACEPRESENTER_HPP

#include "gui/common/BasePresenter.hpp"

#include <stdint.h>

// The absorber surface as the collector type, the number of collectors and, for a collector
// of another make, the area of one. Read on entry; the device gets them only on confirm.
class WizzardAbsorberSurfacePresenter : public BasePresenter
{
public:
    static constexpr int32_t FIRST_MODEL = 0;
    static constexpr int32_t SECOND_MODEL = 1;
    static constexpr int32_t OTHER_COLLECTOR = 2;

    explicit WizzardAbsorberSurfacePresenter(IView& view);
    ~WizzardAbsorberSurfacePresenter() override {}

    // A stored type without a button counts as the first model.
    void activate() override;

    float getSurface() const { return surface; }
    void setSurface(float value) { surface = value; }
    float getCollectorArea() const { return collectorArea; }
    void setCollectorArea(float value) { collectorArea = value; }
    int32_t getCollectorType() const { return collectorType; }
    void setCollectorType(int32_t value) { collectorType = value; }
    uint8_t getCollectorCount() const { return collectorCount; }
    void setCollectorCount(uint8_t value) { collectorCount = value; }

    void writeSurface();
    void writeType();
    void writeCount();

private:
    float surface;
    float collectorArea;
    int32_t collectorType;
    uint8_t collectorCount;
};

#endif
