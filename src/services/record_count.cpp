#include "services/record_count.h"

#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

// Nearest whole number, halves to even, whatever the current rounding mode is.
double RoundHalfEven(double value) {
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction < 0.5) return lower;
    if (fraction > 0.5) return lower + 1;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1;
}

}  // namespace

int32_t RecordCount(int32_t bytesNeeded, int32_t recordSize) {
    const double count = RoundHalfEven(static_cast<double>(bytesNeeded) / recordSize + 1);
    if (count < 1 || count > std::numeric_limits<int32_t>::max())
        throw std::overflow_error("record count");
    return static_cast<int32_t>(count);
}

int32_t BufferBytes(int32_t count, int32_t recordSize) {
    const int64_t bytes = static_cast<int64_t>(count) * recordSize;
    if (bytes > std::numeric_limits<int32_t>::max()) throw std::overflow_error("buffer size");
    return static_cast<int32_t>(bytes);
}
