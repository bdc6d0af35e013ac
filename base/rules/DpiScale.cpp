#include "base/rules/DpiScale.h"
#include <cstdint>

static uint32_t Magnitude(int32_t v) { return v < 0 ? 0u - uint32_t(v) : uint32_t(v); }

// 64 bits by 32, by shifting and subtracting: the 32-bit program then links
// no division helper of the compiler's library, nor the unwind tables that
// come with it.
static uint64_t Quotient(uint64_t dividend, uint32_t divisor) {
  uint64_t quotient = 0, rest = 0;
  for (int bit = 63; bit >= 0; --bit) {
    rest = rest << 1 | (dividend >> bit & 1);
    if (rest >= divisor) {
      rest -= divisor;
      quotient |= uint64_t(1) << bit;
    }
  }
  return quotient;
}

int32_t MulDivRounded(int32_t value, int32_t numerator, int32_t denominator) {
  if (denominator == 0) return 0;
  // Rounded half away from zero, on the magnitudes; the sign after.
  const uint32_t den = Magnitude(denominator);
  const uint64_t q = Quotient(uint64_t(Magnitude(value)) * Magnitude(numerator) + den / 2, den);
  const bool negative = (value < 0) != (numerator < 0) != (denominator < 0);
  if (!negative) return q > uint64_t(INT32_MAX) ? INT32_MAX : int32_t(q);
  return q > uint64_t(INT32_MAX) ? INT32_MIN : -int32_t(q);
}

int32_t DpiScale::ToPixels(int32_t figure) const {
  return MulDivRounded(figure, Dpi, kDesignDpi);
}

int32_t DpiScale::ToFigure(int32_t pixels) const {
  return MulDivRounded(pixels, kDesignDpi, Dpi);
}

int32_t DpiScale::FromScale(int32_t pixels, DpiScale from) const {
  return ToPixels(from.ToFigure(pixels));
}
