#include "export/Palette16.h"

#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

int NearestPaletteIndex(QRgb rgb) {
    int best = 0;
    long long bestDist = -1;
    for (int i = 0; i < PaletteSize; ++i) {
        const long long dr = qRed(rgb) - qRed(StandardPalette[i]);
        const long long dg = qGreen(rgb) - qGreen(StandardPalette[i]);
        const long long db = qBlue(rgb) - qBlue(StandardPalette[i]);
        const long long d = dr * dr + dg * dg + db * db;
        if (bestDist < 0 || d < bestDist) {
            best = i;
            bestDist = d;
        }
    }
    return best;
}

namespace {

// The palette colours differ in the high nibbles of their components, so
// those twelve bits find the only palette colour a pixel can equal.
struct ExactTable {
    std::uint8_t Index[4096];
    ExactTable() {
        std::memset(Index, 0, sizeof Index);
        for (int i = 0; i < PaletteSize; ++i)
            Index[KeyOf(StandardPalette[i])] = static_cast<std::uint8_t>(i);
    }
    static unsigned KeyOf(QRgb p) {
        return ((p >> 12) & 0xF00) | ((p >> 8) & 0xF0) | ((p >> 4) & 0xF);
    }
};
const ExactTable Exact;

int IndexOf(QRgb p) {
    p |= 0xFF000000;
    const std::uint8_t i = Exact.Index[ExactTable::KeyOf(p)];
    return StandardPalette[i] == p ? i : NearestPaletteIndex(p);
}

// Pixels from x on that equal p, four at a time: diagram rows are long runs
// of one colour.
int RunLength(const QRgb* pixels, int x, int width, QRgb p) {
    const std::uint64_t two = (static_cast<std::uint64_t>(p) << 32) | p;
    int n = x;
    while (n + 4 <= width) {
        std::uint64_t a, b;
        std::memcpy(&a, pixels + n, 8);
        std::memcpy(&b, pixels + n + 2, 8);
        if (a != two || b != two)
            break;
        n += 4;
    }
    while (n < width && pixels[n] == p)
        ++n;
    return n - x;
}

} // namespace

namespace {

bool IsPaletteColour(QRgb p) {
    p |= 0xFF000000;
    return StandardPalette[Exact.Index[ExactTable::KeyOf(p)]] == p;
}

// True when every pixel already is a palette colour, the case of nearly
// every row. The palette is the eight colours of channels 00 and 80, the
// eight of 00 and FF, and silver; that can be checked on four pixels at once.
bool RowIsPalette(const QRgb* pixels, int width) {
    int x = 0;
#ifdef __SSE2__
    const __m128i alpha = _mm_set1_epi32(static_cast<int>(0xFF000000));
    const __m128i low7 = _mm_set1_epi32(0x007F7F7F);
    const __m128i silver = _mm_set1_epi32(static_cast<int>(0xFFC0C0C0));
    const __m128i zero = _mm_setzero_si128();
    __m128i ok = _mm_set1_epi32(-1);
    for (; x + 4 <= width; x += 4) {
        const __m128i v =
            _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + x)), alpha);
        const __m128i low = _mm_and_si128(v, low7);
        // every channel 00 or 80: nothing below the top bit
        const __m128i half = _mm_cmpeq_epi32(low, zero);
        // every channel 00 or FF: each bit equals the one above it
        const __m128i full = _mm_cmpeq_epi32(low, _mm_and_si128(_mm_srli_epi32(v, 1), low7));
        const __m128i grey = _mm_cmpeq_epi32(v, silver);
        ok = _mm_and_si128(ok, _mm_or_si128(_mm_or_si128(half, full), grey));
    }
    if (_mm_movemask_epi8(ok) != 0xFFFF)
        return false;
#endif
    for (; x < width; ++x)
        if (!IsPaletteColour(pixels[x]))
            return false;
    return true;
}

} // namespace

void ReduceRowInPlace(QRgb* pixels, int width) {
    if (RowIsPalette(pixels, width))
        return;
    int x = 0;
    while (x < width) {
        const QRgb p = pixels[x];
        const int run = RunLength(pixels, x, width, p);
        const QRgb q = StandardPalette[IndexOf(p)];
        if (q != p)
            for (int i = x; i < x + run; ++i)
                pixels[i] = q;
        x += run;
    }
}

void IndexRow(const QRgb* pixels, int width, std::uint8_t* indexes) {
    int x = 0;
    while (x < width) {
        const QRgb p = pixels[x];
        const int run = RunLength(pixels, x, width, p);
        std::memset(indexes + x, IndexOf(p), static_cast<std::size_t>(run));
        x += run;
    }
}
