#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace quillora {

// A length-prefixed string of fixed capacity, byte for byte as it lies in a class file:
// one length byte, then N bytes of which only the first `length` count. The bytes past
// the length are kept untouched so that a file loaded and saved again is identical.
template <std::size_t N> struct ShortString {
    static_assert(N < 256);
    static constexpr std::size_t Capacite = N;

    std::uint8_t longueur = 0;
    char octets[N] = {};

    std::size_t size() const { return std::min<std::size_t>(longueur, N); }
    bool empty() const { return longueur == 0; }
    std::string_view view() const { return {octets, size()}; }
    std::string str() const { return std::string(view()); }
    operator std::string_view() const { return view(); }

    // Longer values are cut to the capacity, as every field of the record does.
    void assign(std::string_view s) {
        const std::size_t n = std::min(s.size(), N);
        if (n) std::memcpy(octets, s.data(), n);
        longueur = static_cast<std::uint8_t>(n);
    }
    ShortString& operator=(std::string_view s) {
        assign(s);
        return *this;
    }
    void clear() { longueur = 0; }

    friend bool operator==(const ShortString& a, std::string_view b) { return a.view() == b; }
};

// An array indexed from 1, as every array of the class record is.
template <typename T, std::size_t N> struct Tab1 {
    T v[N];
    T& operator[](std::size_t i) { return v[i - 1]; }
    const T& operator[](std::size_t i) const { return v[i - 1]; }
    static constexpr std::size_t size() { return N; }
};

// An IEEE binary64 kept as 8 raw bytes, so that records holding it have no alignment
// and no padding and their memory is exactly the file image.
struct Double8 {
    unsigned char octets[8] = {};
    Double8() = default;
    Double8(double d) { std::memcpy(octets, &d, 8); }
    operator double() const {
        double d;
        std::memcpy(&d, octets, 8);
        return d;
    }
    Double8& operator=(double d) {
        std::memcpy(octets, &d, 8);
        return *this;
    }
};

} // namespace quillora
