// Numeric faults. C++ arithmetic does not trap, so the faults that end a
// computation are detected explicitly: a non-finite intermediate or result, a
// conversion to an integer type outside its range. The checked helpers throw
// NumericFault; the procedures that handle faults catch it and show the
// computation error message.
#pragma once

#include <cmath>
#include <cstdint>
#include <exception>

namespace lw {

struct NumericFault : std::exception {
    const char* what() const noexcept override { return "numeric fault"; }
};

// Returns x when it is finite, else throws NumericFault.
inline double finite(double x) {
    if (!std::isfinite(x))
        throw NumericFault{};
    return x;
}

// Conversion to a 16-bit integer with rounding half to even, as an implicit
// integer conversion does; outside -32768..32767 (or NaN) it faults.
inline std::int16_t toInt16(double x) {
    double r = std::nearbyint(x);
    if (!(r >= -32768.0 && r <= 32767.0))
        throw NumericFault{};
    return static_cast<std::int16_t>(r);
}

} // namespace lw
