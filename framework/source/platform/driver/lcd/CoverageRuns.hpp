#ifndef QUILLON_PLATFORM_DRIVER_LCD_COVERAGERUNS_HPP
#define QUILLON_PLATFORM_DRIVER_LCD_COVERAGERUNS_HPP

#include <stdint.h>
#include <string.h>

// Runs of pixels blended by a per-pixel 8-bit coverage (a glyph value, an alpha-plane byte)
// times a global alpha, eight pixels at a time (glyph rows sixteen at a time with AVX2).
// Without SSE2 the renderer keeps its per-pixel loops and these are not built.
#if defined(__SSE2__)
#include <emmintrin.h>

#define QUILLON_COVERAGE_RUNS 1
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define QUILLON_COVERAGE_RUNS_AVX2 1
#endif
// Every step of a run inlined, so what a run keeps in registers stays there.
#define QUILLON_RUNS_INLINE inline __attribute__((always_inline))

namespace quillon
{
namespace runs
{
const int32_t LANES = 8;

QUILLON_RUNS_INLINE __m128i load(const uint16_t* pixels)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels));
}

QUILLON_RUNS_INLINE void store(uint16_t* pixels, __m128i lanes)
{
    _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels), lanes);
}

// The channel values of eight pixels.
struct Channels
{
    __m128i red;
    __m128i green;
    __m128i blue;
};

QUILLON_RUNS_INLINE Channels channels(__m128i pixels)
{
    return Channels{_mm_srli_epi16(pixels, 11), _mm_and_si128(_mm_srli_epi16(pixels, 5), _mm_set1_epi16(0x3F)),
                    _mm_and_si128(pixels, _mm_set1_epi16(0x1F))};
}

// One channel's change: ((s - d) x coverage x alpha) >> 16, the shift arithmetic, so that
// d plus it is (d x (65536 - w) + s x w) >> 16 with w = coverage x alpha, bit for bit.
// (s - d) x coverage fits 16 signed bits (63 x 256 at most) and its product with alpha is the
// high half of a 16 x 16 multiply.
QUILLON_RUNS_INLINE __m128i change(__m128i destination, __m128i source, __m128i coverage, __m128i alpha)
{
    return _mm_mulhi_epi16(_mm_mullo_epi16(_mm_sub_epi16(source, destination), coverage), alpha);
}

// Eight RGB565 pixels blended with weights coverage x alpha (coverage and alpha up to 255 in
// 16-bit lanes); coverage 0 keeps the pixel. OPAQUE is alpha 255, where coverage 255 gives the
// source itself, as the per-pixel paths write it: those lanes get weight 256 x 256 = 65536.
// Each channel stays in its range, so the three changes add to the pixel without carries.
template <bool OPAQUE>
QUILLON_RUNS_INLINE __m128i withCoverage(__m128i destination, const Channels& source, __m128i coverage,
                                         __m128i alpha)
{
    if (OPAQUE) {
        const __m128i full = _mm_cmpeq_epi16(coverage, _mm_set1_epi16(0xFF));
        coverage = _mm_sub_epi16(coverage, full);
        alpha = _mm_sub_epi16(alpha, full);
    }
    const Channels mixed = channels(destination);
    const __m128i red = change(mixed.red, source.red, coverage, alpha);
    const __m128i green = change(mixed.green, source.green, coverage, alpha);
    const __m128i blue = change(mixed.blue, source.blue, coverage, alpha);
    return _mm_add_epi16(_mm_add_epi16(destination, blue),
                         _mm_add_epi16(_mm_slli_epi16(red, 11), _mm_slli_epi16(green, 5)));
}

// Eight alpha-plane bytes as coverage lanes.
QUILLON_RUNS_INLINE __m128i byteCoverage(const uint8_t* alphas)
{
    return _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(alphas)), _mm_setzero_si128());
}

// Eight 4-bit glyph values (the first in the low nibble) as coverage lanes: value v is
// v << 4 | 15 like every raw value, except 0, which covers nothing.
QUILLON_RUNS_INLINE __m128i nibbleCoverage(uint32_t packed)
{
    const __m128i bytes = _mm_cvtsi32_si128(static_cast<int>(packed));
    const __m128i highBits = _mm_set1_epi8(static_cast<char>(0xF0));
    const __m128i low = _mm_and_si128(_mm_slli_epi16(bytes, 4), highBits);
    const __m128i high = _mm_and_si128(bytes, highBits);
    const __m128i shifted = _mm_unpacklo_epi8(low, high); // v << 4, in pixel order
    const __m128i empty = _mm_cmpeq_epi8(shifted, _mm_setzero_si128());
    const __m128i coverage = _mm_andnot_si128(empty, _mm_or_si128(shifted, _mm_set1_epi8(0x0F)));
    return _mm_unpacklo_epi8(coverage, _mm_setzero_si128());
}

// The eight 4-bit values of columns column .. column + 7 of a row-aligned glyph row, the
// first in the low nibble (odd: column is odd). Reads no byte past the last of those columns.
QUILLON_RUNS_INLINE uint32_t eightNibbles(const uint8_t* rowBytes, int32_t column, bool odd)
{
    const uint8_t* first = rowBytes + (column >> 1);
    uint32_t packed;
    memcpy(&packed, first, sizeof(packed));
    if (odd) {
        packed = (packed >> 4) | (static_cast<uint32_t>(first[4]) << 28);
    }
    return packed;
}

// Columns [first, last) of the rows of a row-aligned 4-bit glyph, each row onto consecutive
// pixels, at least eight a row (glyphRows() takes any number). The last eight of a row are worked out before anything is
// stored: where they overlap the others they are blended from the same pixels, so storing
// them twice is exact.
template <bool ODD, bool OPAQUE>
QUILLON_RUNS_INLINE void glyphRowsOf8(uint16_t* rowStart, int32_t rowStep, const uint8_t* data, int32_t rowBytes,
                                      int32_t rows, int32_t first, int32_t last, uint16_t color, uint8_t alpha)
{
    const Channels ink = channels(_mm_set1_epi16(static_cast<int16_t>(color)));
    const __m128i alphaLanes = _mm_set1_epi16(alpha);
    const int32_t tail = last - LANES;
    const bool tailOdd = (tail & 1) != 0;
    for (int32_t row = 0; row < rows; ++row, rowStart += rowStep, data += rowBytes) {
        uint16_t* pixels = rowStart;
        uint16_t* const tailPixels = rowStart + (tail - first);
        const __m128i tailCoverage = nibbleCoverage(eightNibbles(data, tail, tailOdd));
        const __m128i tailMixed = withCoverage<OPAQUE>(load(tailPixels), ink, tailCoverage, alphaLanes);
        for (int32_t column = first; column < tail; column += LANES, pixels += LANES) {
            const __m128i coverage = nibbleCoverage(eightNibbles(data, column, ODD));
            store(pixels, withCoverage<OPAQUE>(load(pixels), ink, coverage, alphaLanes));
        }
        store(tailPixels, tailMixed);
    }
}

// One to four bytes, the first in the low byte, read in at most two moves of two bytes
// (overlapping, and reading the same bytes, when there are three or two).
QUILLON_RUNS_INLINE uint32_t fewBytes(const uint8_t* from, uint32_t count)
{
    if (count < 2) {
        return *from;
    }
    uint16_t head;
    uint16_t end;
    memcpy(&head, from, sizeof(head));
    memcpy(&end, from + count - sizeof(end), sizeof(end));
    return head | (static_cast<uint32_t>(end) << (8 * (count - 2)));
}

QUILLON_RUNS_INLINE __m128i loadTwo(const uint16_t* pixels)
{
    uint32_t two;
    memcpy(&two, pixels, sizeof(two));
    return _mm_cvtsi32_si128(static_cast<int>(two));
}

QUILLON_RUNS_INLINE void storeTwo(uint16_t* pixels, __m128i lanes)
{
    const uint32_t two = static_cast<uint32_t>(_mm_cvtsi128_si32(lanes));
    memcpy(pixels, &two, sizeof(two));
}

// Rows of fewer than eight columns (narrow letters, clipped edges): the first and the last
// four pixels of a row side by side in one register (two and two below four, one alone).
// Where the halves overlap they are blended from the same pixels, as in glyphRowsOf8().
template <bool OPAQUE>
void shortGlyphRows(uint16_t* rowStart, int32_t rowStep, const uint8_t* data, int32_t rowBytes, int32_t rows,
                    int32_t first, int32_t last, uint16_t color, uint8_t alpha)
{
    const Channels ink = channels(_mm_set1_epi16(static_cast<int16_t>(color)));
    const __m128i alphaLanes = _mm_set1_epi16(alpha);
    const int32_t count = last - first;
    const int32_t firstByte = first >> 1;
    const uint32_t valueBytes = static_cast<uint32_t>(((last - 1) >> 1) - firstByte + 1);
    const uint32_t shift = (first & 1) != 0 ? 4 : 0;
    const int32_t half = count >= 4 ? 4 : 2;
    const uint32_t endShift = 4u * static_cast<uint32_t>(count - half); // from column 0 to the last half
    for (int32_t row = 0; row < rows; ++row, rowStart += rowStep, data += rowBytes) {
        const uint32_t values = fewBytes(data + firstByte, valueBytes) >> shift; // column k in nibble k
        uint16_t* const end = rowStart + (count - half);
        if (count >= 4) {
            const __m128i under = _mm_unpacklo_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(rowStart)),
                                                     _mm_loadl_epi64(reinterpret_cast<const __m128i*>(end)));
            const uint32_t packed = (values & 0xFFFFu) | ((values >> endShift) << 16);
            const __m128i mixed = withCoverage<OPAQUE>(under, ink, nibbleCoverage(packed), alphaLanes);
            _mm_storel_epi64(reinterpret_cast<__m128i*>(rowStart), mixed);
            _mm_storel_epi64(reinterpret_cast<__m128i*>(end), _mm_unpackhi_epi64(mixed, mixed));
        } else if (count >= 2) {
            const __m128i under = _mm_unpacklo_epi32(loadTwo(rowStart), loadTwo(end));
            const uint32_t packed = (values & 0xFFu) | (((values >> endShift) & 0xFFu) << 8);
            const __m128i mixed = withCoverage<OPAQUE>(under, ink, nibbleCoverage(packed), alphaLanes);
            storeTwo(rowStart, mixed);
            storeTwo(end, _mm_srli_si128(mixed, 4));
        } else {
            const __m128i under = _mm_cvtsi32_si128(*rowStart);
            const __m128i mixed = withCoverage<OPAQUE>(under, ink, nibbleCoverage(values & 0x0Fu), alphaLanes);
            *rowStart = static_cast<uint16_t>(_mm_cvtsi128_si32(mixed));
        }
    }
}

template <bool ODD, bool OPAQUE>
void glyphRowsSSE2(uint16_t* rowStart, int32_t rowStep, const uint8_t* data, int32_t rowBytes, int32_t rows,
                   int32_t first, int32_t last, uint16_t color, uint8_t alpha)
{
    glyphRowsOf8<ODD, OPAQUE>(rowStart, rowStep, data, rowBytes, rows, first, last, color, alpha);
}

typedef void (*GlyphRows)(uint16_t* rowStart, int32_t rowStep, const uint8_t* data, int32_t rowBytes, int32_t rows,
                          int32_t first, int32_t last, uint16_t color, uint8_t alpha);

#if defined(QUILLON_COVERAGE_RUNS_AVX2)
// Glyph rows sixteen pixels at a time where the processor has AVX2, asked once, at the first
// glyph; rows narrower than sixteen take the eight-lane steps.
#define QUILLON_RUNS_AVX2 __attribute__((target("avx2")))

struct Channels16
{
    __m256i red;
    __m256i green;
    __m256i blue;
};

QUILLON_RUNS_AVX2 QUILLON_RUNS_INLINE Channels16 channels(__m256i pixels)
{
    return Channels16{_mm256_srli_epi16(pixels, 11),
                      _mm256_and_si256(_mm256_srli_epi16(pixels, 5), _mm256_set1_epi16(0x3F)),
                      _mm256_and_si256(pixels, _mm256_set1_epi16(0x1F))};
}

// As change() and withCoverage() above.
QUILLON_RUNS_AVX2 QUILLON_RUNS_INLINE __m256i change(__m256i destination, __m256i source, __m256i coverage,
                                                     __m256i alpha)
{
    return _mm256_mulhi_epi16(_mm256_mullo_epi16(_mm256_sub_epi16(source, destination), coverage), alpha);
}

template <bool OPAQUE>
QUILLON_RUNS_AVX2 QUILLON_RUNS_INLINE __m256i withCoverage(__m256i destination, const Channels16& source,
                                                           __m256i coverage, __m256i alpha)
{
    if (OPAQUE) {
        const __m256i full = _mm256_cmpeq_epi16(coverage, _mm256_set1_epi16(0xFF));
        coverage = _mm256_sub_epi16(coverage, full);
        alpha = _mm256_sub_epi16(alpha, full);
    }
    const Channels16 mixed = channels(destination);
    const __m256i red = change(mixed.red, source.red, coverage, alpha);
    const __m256i green = change(mixed.green, source.green, coverage, alpha);
    const __m256i blue = change(mixed.blue, source.blue, coverage, alpha);
    return _mm256_add_epi16(_mm256_add_epi16(destination, blue),
                            _mm256_add_epi16(_mm256_slli_epi16(red, 11), _mm256_slli_epi16(green, 5)));
}

// Sixteen 4-bit values as coverage lanes, as nibbleCoverage().
QUILLON_RUNS_AVX2 QUILLON_RUNS_INLINE __m256i nibbleCoverage16(uint64_t packed)
{
    const __m128i bytes = _mm_cvtsi64_si128(static_cast<long long>(packed));
    const __m128i highBits = _mm_set1_epi8(static_cast<char>(0xF0));
    const __m128i low = _mm_and_si128(_mm_slli_epi16(bytes, 4), highBits);
    const __m128i high = _mm_and_si128(bytes, highBits);
    const __m128i shifted = _mm_unpacklo_epi8(low, high);
    const __m128i empty = _mm_cmpeq_epi8(shifted, _mm_setzero_si128());
    return _mm256_cvtepu8_epi16(_mm_andnot_si128(empty, _mm_or_si128(shifted, _mm_set1_epi8(0x0F))));
}

// As eightNibbles(), sixteen of them.
QUILLON_RUNS_INLINE uint64_t sixteenNibbles(const uint8_t* rowBytes, int32_t column, bool odd)
{
    const uint8_t* first = rowBytes + (column >> 1);
    uint64_t packed;
    memcpy(&packed, first, sizeof(packed));
    if (odd) {
        packed = (packed >> 4) | (static_cast<uint64_t>(first[8]) << 60);
    }
    return packed;
}

template <bool ODD, bool OPAQUE>
QUILLON_RUNS_AVX2 void glyphRowsAVX2(uint16_t* rowStart, int32_t rowStep, const uint8_t* data, int32_t rowBytes,
                                     int32_t rows, int32_t first, int32_t last, uint16_t color, uint8_t alpha)
{
    const int32_t lanes = 2 * LANES;
    if (last - first < lanes) {
        glyphRowsOf8<ODD, OPAQUE>(rowStart, rowStep, data, rowBytes, rows, first, last, color, alpha);
        return;
    }
    const Channels16 ink = channels(_mm256_set1_epi16(static_cast<int16_t>(color)));
    const __m256i alphaLanes = _mm256_set1_epi16(alpha);
    const int32_t tail = last - lanes;
    const bool tailOdd = (tail & 1) != 0;
    for (int32_t row = 0; row < rows; ++row, rowStart += rowStep, data += rowBytes) {
        uint16_t* pixels = rowStart;
        uint16_t* const tailPixels = rowStart + (tail - first);
        const __m256i tailCoverage = nibbleCoverage16(sixteenNibbles(data, tail, tailOdd));
        const __m256i tailMixed = withCoverage<OPAQUE>(
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(tailPixels)), ink, tailCoverage, alphaLanes);
        for (int32_t column = first; column < tail; column += lanes, pixels += lanes) {
            const __m256i coverage = nibbleCoverage16(sixteenNibbles(data, column, ODD));
            const __m256i under = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pixels));
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(pixels),
                                withCoverage<OPAQUE>(under, ink, coverage, alphaLanes));
        }
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(tailPixels), tailMixed);
    }
}

inline bool hasAVX2()
{
    static const bool available = (__builtin_cpu_init(), __builtin_cpu_supports("avx2") != 0);
    return available;
}
#endif

inline void glyphRows(uint16_t* rowStart, int32_t rowStep, const uint8_t* data, int32_t rowBytes, int32_t rows,
                      int32_t first, int32_t last, uint16_t color, uint8_t alpha)
{
    const bool odd = (first & 1) != 0;
    const bool opaque = alpha == 255;
    if (last - first < LANES) {
        (opaque ? shortGlyphRows<true> : shortGlyphRows<false>)(rowStart, rowStep, data, rowBytes, rows, first, last,
                                                                color, alpha);
        return;
    }
    GlyphRows draw = opaque ? (odd ? glyphRowsSSE2<true, true> : glyphRowsSSE2<false, true>)
                            : (odd ? glyphRowsSSE2<true, false> : glyphRowsSSE2<false, false>);
#if defined(QUILLON_COVERAGE_RUNS_AVX2)
    if (hasAVX2()) {
        draw = opaque ? (odd ? glyphRowsAVX2<true, true> : glyphRowsAVX2<false, true>)
                      : (odd ? glyphRowsAVX2<true, false> : glyphRowsAVX2<false, false>);
    }
#endif
    draw(rowStart, rowStep, data, rowBytes, rows, first, last, color, alpha);
}

// A line of an RGB565 bitmap with an alpha plane, at least eight pixels, overlapping its last
// eight as glyphRows does. Eight zero alpha values leave their pixels; eight opaque ones at
// alpha 255 are a plain copy.
template <bool OPAQUE>
void alphaPlaneRow(uint16_t* row, const uint16_t* from, const uint8_t* alphas, int32_t count, uint8_t alpha)
{
    const __m128i alphaLanes = _mm_set1_epi16(alpha);
    const int32_t tail = count - LANES;
    const __m128i tailMixed =
        withCoverage<OPAQUE>(load(row + tail), channels(load(from + tail)), byteCoverage(alphas + tail), alphaLanes);
    for (int32_t column = 0; column < tail; column += LANES) {
        uint64_t values;
        memcpy(&values, alphas + column, sizeof(values));
        if (values == 0) {
            continue;
        }
        if (OPAQUE && values == ~0ull) {
            memcpy(row + column, from + column, LANES * sizeof(uint16_t));
            continue;
        }
        store(row + column, withCoverage<OPAQUE>(load(row + column), channels(load(from + column)),
                                                 byteCoverage(alphas + column), alphaLanes));
    }
    store(row + tail, tailMixed);
}

inline void alphaPlaneRow(uint16_t* row, const uint16_t* from, const uint8_t* alphas, int32_t count, uint8_t alpha)
{
    (alpha == 255 ? alphaPlaneRow<true> : alphaPlaneRow<false>)(row, from, alphas, count, alpha);
}
} // namespace runs
} // namespace quillon

#endif
#endif
