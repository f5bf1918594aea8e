#pragma once

#include <cstdint>

namespace engine {

// Writes the decimal digits of n at out, most significant first ("0" for 0);
// returns one past the last. The number routines assemble their short texts so.
inline char* PutDigits(char* out, std::uint64_t n) {
    char reversed[20];
    int count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    while (count > 0) *out++ = reversed[--count];
    return out;
}

}  // namespace engine
