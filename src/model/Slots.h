#pragma once

#include <array>
#include <cassert>
#include <cstddef>

// A fixed array addressed 1 … N, as the plan counts its stations, tracks,
// trains and points. An index outside 1 … N asserts in a debug build; in a
// release build it lands in the spare slot 0, which is reset before every
// access, so a bad index can never touch memory outside the plan.
template <typename T, std::size_t N> class Slots {
public:
    static constexpr int Size = static_cast<int>(N);

    T& operator[](int i) {
        if (i < 1 || i > Size) {
            assert(!"slot index out of range");
            Items[0] = T{};
            return Items[0];
        }
        return Items[static_cast<std::size_t>(i)];
    }
    const T& operator[](int i) const {
        if (i < 1 || i > Size) {
            assert(!"slot index out of range");
            static const T empty{};
            return empty;
        }
        return Items[static_cast<std::size_t>(i)];
    }
    static bool Valid(int i) { return i >= 1 && i <= Size; }

private:
    std::array<T, N + 1> Items{};
};
