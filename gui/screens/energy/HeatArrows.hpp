#ifndef GUI_SCREENS_ENERGY_HEATARROWS_HPP
#define GUI_SCREENS_ENERGY_HEATARROWS_HPP

#include <quillon/widgets/AnimatedImage.hpp>

#include <stdint.h>

// The animated arrows of a heat source: four pictures, one every 10 ticks, looping while the
// source heats; stopped they show their first picture.
class HeatArrows : public quillon::AnimatedImage
{
public:
    static const uint8_t TICKS_PER_FRAME = 10;
    static const int16_t WIDTH = 110;

    HeatArrows(quillon::BitmapId first, quillon::BitmapId last);
    ~HeatArrows() override {}

    // Runs on from the picture shown, or stops and rewinds; redraws either way.
    void follow(bool heating);

private:
    quillon::BitmapId firstPicture;
};

#endif
