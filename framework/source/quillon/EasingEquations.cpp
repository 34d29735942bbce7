#include <quillon/EasingEquations.hpp>

#include <math.h>

namespace quillon
{
namespace Easing
{
namespace
{
const float PI = 3.14159265f;

// The step as a fraction of the whole, held in single precision like every curve's result.
float progress(uint16_t t, uint16_t d)
{
    return static_cast<float>(static_cast<double>(t) / d);
}

// The step against half the steps, for the in-out forms: below 1 in the first half.
float halfProgress(uint16_t t, uint16_t d)
{
    return static_cast<float>(static_cast<double>(t) / (d / 2.0));
}

int16_t endValue(int16_t b, int16_t c)
{
    return static_cast<int16_t>(b + c);
}
} // namespace

int16_t nearestInt16(float f)
{
    const float rounded = f > 0.0f ? f + 0.5f : f - 0.5f;
    // Written so that NaN fails too; the cast below is only defined inside the range.
    if (!(rounded > -32769.0f && rounded < 32768.0f)) {
        return -32768;
    }
    return static_cast<int16_t>(static_cast<int32_t>(rounded));
}

int16_t linear(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    return nearestInt16(static_cast<float>(c) * t / d + b);
}

int16_t linearIn(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    return linear(t, b, c, d);
}

int16_t linearOut(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    return linear(t, b, c, d);
}

int16_t linearInOut(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    return linear(t, b, c, d);
}

int16_t quadIn(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    const float p = progress(t, d);
    return nearestInt16(c * p * p + b);
}

int16_t quadOut(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    const float p = progress(t, d);
    return nearestInt16(-c * p * (p - 2.0f) + b);
}

int16_t quadInOut(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    const float h = halfProgress(t, d);
    if (h < 1.0f) {
        return nearestInt16(c / 2.0f * h * h + b);
    }
    const float w = h - 2.0f;
    return nearestInt16(-c / 2.0f * (w * w - 2.0f) + b);
}

int16_t cubicIn(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    const float p = progress(t, d);
    return nearestInt16(c * p * p * p + b);
}

int16_t cubicOut(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    const float u = static_cast<float>(static_cast<double>(t) / d - 1.0);
    const float r = c * (u * u * u + 1.0f) + b;
    return nearestInt16(r);
}

int16_t cubicInOut(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    const float h = halfProgress(t, d);
    if (h < 1.0f) {
        return nearestInt16(c / 2.0f * h * h * h + b);
    }
    const float w = h - 2.0f;
    return nearestInt16(c / 2.0f * (w * w * w + 2.0f) + b);
}

int16_t quartIn(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    const float p = progress(t, d);
    return nearestInt16(c * p * p * p * p + b);
}

int16_t quartOut(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    const float u = progress(t, d) - 1.0f;
    return nearestInt16(-c * (u * u * u * u - 1.0f) + b);
}

int16_t quartInOut(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    const float h = halfProgress(t, d);
    if (h < 1.0f) {
        return nearestInt16(c / 2.0f * h * h * h * h + b);
    }
    const float w = h - 2.0f;
    return nearestInt16(-c / 2.0f * (w * w * w * w - 2.0f) + b);
}

int16_t quintIn(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    const float p = progress(t, d);
    return nearestInt16(c * p * p * p * p * p + b);
}

int16_t quintOut(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    const float u = progress(t, d) - 1.0f;
    return nearestInt16(c * (u * u * u * u * u + 1.0f) + b);
}

int16_t quintInOut(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    const float h = halfProgress(t, d);
    if (h < 1.0f) {
        return nearestInt16(c / 2.0f * h * h * h * h * h + b);
    }
    const float w = h - 2.0f;
    return nearestInt16(c / 2.0f * (w * w * w * w * w + 2.0f) + b);
}

int16_t sineIn(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    const float p = progress(t, d);
    return nearestInt16(-c * cosf(p * (PI / 2.0f)) + c + b);
}

int16_t sineOut(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    const float p = progress(t, d);
    return nearestInt16(c * sinf(p * (PI / 2.0f)) + b);
}

int16_t sineInOut(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    const float p = progress(t, d);
    return nearestInt16(-c / 2.0f * (cosf(PI * p) - 1.0f) + b);
}

int16_t circIn(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    const float p = progress(t, d);
    return nearestInt16(-c * (sqrtf(1.0f - p * p) - 1.0f) + b);
}

int16_t circOut(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    const float u = progress(t, d) - 1.0f;
    return nearestInt16(c * sqrtf(1.0f - u * u) + b);
}

int16_t circInOut(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    const float h = halfProgress(t, d);
    if (h < 1.0f) {
        return nearestInt16(-c / 2.0f * (sqrtf(1.0f - h * h) - 1.0f) + b);
    }
    const float w = h - 2.0f;
    return nearestInt16(c / 2.0f * (sqrtf(1.0f - w * w) + 1.0f) + b);
}

int16_t expoIn(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    if (t == 0) {
        return b;
    }
    const float p = progress(t, d);
    return nearestInt16(c * powf(2.0f, 10.0f * (p - 1.0f)) + b);
}

int16_t expoOut(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    if (t == d) {
        return endValue(b, c);
    }
    const float p = progress(t, d);
    return nearestInt16(c * (1.0f - powf(2.0f, -10.0f * p)) + b);
}

int16_t expoInOut(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    if (t == 0) {
        return b;
    }
    if (t == d) {
        return endValue(b, c);
    }
    const float h = halfProgress(t, d);
    if (h < 1.0f) {
        return nearestInt16(c / 2.0f * powf(2.0f, 10.0f * (h - 1.0f)) + b);
    }
    const int16_t halfChange = static_cast<int16_t>(c / 2);
    return nearestInt16(halfChange * (2.0f - powf(2.0f, -10.0f * (h - 1.0f))) + b);
}

int16_t backIn(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    const float s = 1.70158f;
    const float p = progress(t, d);
    return nearestInt16(c * p * p * ((s + 1.0f) * p - s) + b);
}

int16_t backOut(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    const float s = 1.70158f;
    const float u = progress(t, d) - 1.0f;
    return nearestInt16(c * (u * u * ((s + 1.0f) * u + s) + 1.0f) + b);
}

int16_t backInOut(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    const float s = 2.5949094f;
    const float h = halfProgress(t, d);
    if (h < 1.0f) {
        return nearestInt16(c / 2.0f * h * h * ((s + 1.0f) * h - s) + b);
    }
    const float w = h - 2.0f;
    return nearestInt16(c / 2.0f * (w * w * ((s + 1.0f) * w + s) + 2.0f) + b);
}

int16_t bounceOut(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    const float k = 7.5625f;
    const float p = progress(t, d);
    if (p < 0.36363637f) {
        return nearestInt16(c * k * p * p + b);
    }
    if (p < 0.72727275f) {
        const float w = p - 0.54545456f;
        return nearestInt16(c * (k * w * w + 0.75f) + b);
    }
    if (p < 0.90909094f) {
        const float w = p - 0.8181818f;
        return nearestInt16(c * (k * w * w + 0.9375f) + b);
    }
    const float w = p - 0.95454544f;
    return nearestInt16(c * (k * w * w + 0.984375f) + b);
}

// In whole numbers: the mirror of the out curve.
int16_t bounceIn(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    return static_cast<int16_t>(b + c - bounceOut(static_cast<uint16_t>(d - t), 0, c, d));
}

int16_t bounceInOut(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    // Compared in floating point: 2t - d must not wrap below zero for an odd d.
    if (t < d / 2.0f) {
        const int16_t inner = bounceIn(static_cast<uint16_t>(2 * t), 0, c, d);
        return nearestInt16(inner * 0.5f + b);
    }
    const int16_t inner = bounceOut(static_cast<uint16_t>(2 * t - d), 0, c, d);
    return nearestInt16(inner * 0.5f + c * 0.5f + b);
}

int16_t elasticIn(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    if (t == 0) {
        return b;
    }
    if (t >= d) {
        return endValue(b, c);
    }
    const float period = d * 0.3f;
    const float shift = period / 4.0f;
    const float u = progress(t, d) - 1.0f;
    return nearestInt16(-(c * powf(2.0f, 10.0f * u) * sinf((u * d - shift) * (2.0f * PI) / period)) + b);
}

int16_t elasticOut(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    if (t == 0) {
        return b;
    }
    if (t >= d) {
        return endValue(b, c);
    }
    const float period = d * 0.3f;
    const float shift = period / 4.0f;
    const float p = progress(t, d);
    return nearestInt16(c * powf(2.0f, -10.0f * p) * sinf((p * d - shift) * (2.0f * PI) / period) + c + b);
}

int16_t elasticInOut(uint16_t t, int16_t b, int16_t c, uint16_t d)
{
    if (t == 0) {
        return b;
    }
    if (t >= d) {
        return endValue(b, c);
    }
    const float period = d * 0.45f;
    const float shift = period / 4.0f;
    const float u = halfProgress(t, d) - 1.0f;
    const float wave = sinf((u * d - shift) * (2.0f * PI) / period);
    if (u < 0.0f) {
        return nearestInt16(-0.5f * c * powf(2.0f, 10.0f * u) * wave + b);
    }
    return nearestInt16(0.5f * c * powf(2.0f, -10.0f * u) * wave + c + b);
}
} // namespace Easing
} // namespace quillon
