#ifndef QUILLON_EASINGEQUATIONS_HPP
#define QUILLON_EASINGEQUATIONS_HPP

#include <stdint.h>

namespace quillon
{
// Curves that turn the step t of a d-step animation into a position running from b to b + c.
// Every curve ends in nearestInt16, so positions are whole pixels. d must not be 0.
namespace Easing
{
// Halves round away from zero; a value outside the 16-bit range becomes -32768.
int16_t nearestInt16(float f);

int16_t linear(uint16_t t, int16_t b, int16_t c, uint16_t d);
int16_t linearIn(uint16_t t, int16_t b, int16_t c, uint16_t d);
int16_t linearOut(uint16_t t, int16_t b, int16_t c, uint16_t d);
int16_t linearInOut(uint16_t t, int16_t b, int16_t c, uint16_t d);

int16_t quadIn(uint16_t t, int16_t b, int16_t c, uint16_t d);
int16_t quadOut(uint16_t t, int16_t b, int16_t c, uint16_t d);
int16_t quadInOut(uint16_t t, int16_t b, int16_t c, uint16_t d);

int16_t cubicIn(uint16_t t, int16_t b, int16_t c, uint16_t d);
int16_t cubicOut(uint16_t t, int16_t b, int16_t c, uint16_t d);
int16_t cubicInOut(uint16_t t, int16_t b, int16_t c, uint16_t d);

int16_t quartIn(uint16_t t, int16_t b, int16_t c, uint16_t d);
int16_t quartOut(uint16_t t, int16_t b, int16_t c, uint16_t d);
int16_t quartInOut(uint16_t t, int16_t b, int16_t c, uint16_t d);

int16_t quintIn(uint16_t t, int16_t b, int16_t c, uint16_t d);
int16_t quintOut(uint16_t t, int16_t b, int16_t c, uint16_t d);
int16_t quintInOut(uint16_t t, int16_t b, int16_t c, uint16_t d);

int16_t sineIn(uint16_t t, int16_t b, int16_t c, uint16_t d);
int16_t sineOut(uint16_t t, int16_t b, int16_t c, uint16_t d);
int16_t sineInOut(uint16_t t, int16_t b, int16_t c, uint16_t d);

int16_t circIn(uint16_t t, int16_t b, int16_t c, uint16_t d);
int16_t circOut(uint16_t t, int16_t b, int16_t c, uint16_t d);
int16_t circInOut(uint16_t t, int16_t b, int16_t c, uint16_t d);

int16_t expoIn(uint16_t t, int16_t b, int16_t c, uint16_t d);
int16_t expoOut(uint16_t t, int16_t b, int16_t c, uint16_t d);
int16_t expoInOut(uint16_t t, int16_t b, int16_t c, uint16_t d);

int16_t backIn(uint16_t t, int16_t b, int16_t c, uint16_t d);
int16_t backOut(uint16_t t, int16_t b, int16_t c, uint16_t d);
int16_t backInOut(uint16_t t, int16_t b, int16_t c, uint16_t d);

int16_t bounceIn(uint16_t t, int16_t b, int16_t c, uint16_t d);
int16_t bounceOut(uint16_t t, int16_t b, int16_t c, uint16_t d);
int16_t bounceInOut(uint16_t t, int16_t b, int16_t c, uint16_t d);

// Exact at both ends; in between a sine whose amplitude grows (in) or decays (out).
int16_t elasticIn(uint16_t t, int16_t b, int16_t c, uint16_t d);
int16_t elasticOut(uint16_t t, int16_t b, int16_t c, uint16_t d);
int16_t elasticInOut(uint16_t t, int16_t b, int16_t c, uint16_t d);
} // namespace Easing
} // namespace quillon

#endif
