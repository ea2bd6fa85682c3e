// Most values of a drawing are either whole numbers (node coordinates, zero z, angles, text
// heights) or lie between 1e-4 and 1e12, where "%.12g" writes fixed notation. Both are written
// here without the general conversion, which costs several times as much; the rest, and a value
// lying exactly halfway between two 12-digit numbers, go through std::to_chars.
#include "draw/dxf/DxfReal.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace znDraw {

namespace {

// GCC and Clang keep 128-bit integers as an extension.
__extension__ typedef unsigned __int128 Wide;

constexpr int kDigits = 12;
// Whole numbers below this have at most kDigits digits and are written in full.
constexpr double kWholeLimit = 1e12;
// The smallest magnitude "%.12g" writes in fixed notation.
constexpr double kFixedLow = 1e-4;
constexpr std::uint64_t kLowestDigits = 100'000'000'000;  // 10^(kDigits - 1)
constexpr std::uint64_t kDigitsLimit = 1'000'000'000'000;

constexpr std::uint64_t kPowersOfTen[] = {1,
                                          10,
                                          100,
                                          1'000,
                                          10'000,
                                          100'000,
                                          1'000'000,
                                          10'000'000,
                                          100'000'000,
                                          1'000'000'000,
                                          10'000'000'000,
                                          100'000'000'000,
                                          1'000'000'000'000,
                                          10'000'000'000'000,
                                          100'000'000'000'000,
                                          1'000'000'000'000'000,
                                          10'000'000'000'000'000};

char* General(char* first, double value) {
  return std::to_chars(first, first + kRealTextBytes, value, std::chars_format::general, kDigits)
      .ptr;
}

// The 12 significant digits of a magnitude in [kFixedLow, kWholeLimit) and its decimal
// exponent: the magnitude times 10^(11 - exponent), rounded to the nearest whole number, is
// worked out exactly in 128-bit integers. False for a value halfway between two neighbours.
bool SignificantDigits(double magnitude, std::uint64_t& digits, int& exponent) {
  const auto bits = std::bit_cast<std::uint64_t>(magnitude);
  const int biased = static_cast<int>(bits >> 52);
  const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int shift = 1075 - biased;  // magnitude = mantissa / 2^shift, shift > 0 in this range
  // floor(log10(2) * binary exponent), which is the decimal exponent or one less.
  exponent = ((biased - 1023) * 78913) >> 18;
  for (int attempt = 0; attempt < 2; ++attempt, ++exponent) {
    const int scale = kDigits - 1 - exponent;
    if (scale < 0) return false;
    const Wide scaled = static_cast<Wide>(mantissa) * kPowersOfTen[scale];
    const auto whole = static_cast<std::uint64_t>(scaled >> shift);
    if (whole >= kDigitsLimit) continue;
    const Wide rest = scaled & ((static_cast<Wide>(1) << shift) - 1);
    const Wide half = static_cast<Wide>(1) << (shift - 1);
    if (rest == half) return false;
    digits = whole + (rest > half ? 1 : 0);
    if (digits == kDigitsLimit) {
      digits = kLowestDigits;
      ++exponent;
    }
    return exponent < kDigits;
  }
  return false;
}

}  // namespace

char* WriteReal(char* first, double value) {
  if (value > -kWholeLimit && value < kWholeLimit && value == std::trunc(value) &&
      !(value == 0.0 && std::signbit(value))) {
    return std::to_chars(first, first + kRealTextBytes, static_cast<std::int64_t>(value)).ptr;
  }
  const double magnitude = std::fabs(value);
  std::uint64_t digits = 0;
  int exponent = 0;
  if (!(magnitude >= kFixedLow && magnitude < kWholeLimit) ||
      !SignificantDigits(magnitude, digits, exponent)) {
    return General(first, value);
  }
  char text[kDigits];
  for (int k = kDigits - 1; k >= 0; --k) {
    text[k] = static_cast<char>('0' + digits % 10);
    digits /= 10;
  }
  int length = kDigits;
  while (text[length - 1] == '0') --length;
  char* out = first;
  if (value < 0.0) *out++ = '-';
  if (exponent >= 0) {
    const int whole = exponent + 1;
    for (int k = 0; k < whole; ++k) *out++ = text[k];
    if (length > whole) *out++ = '.';
    for (int k = whole; k < length; ++k) *out++ = text[k];
    return out;
  }
  *out++ = '0';
  *out++ = '.';
  for (int k = -1; k > exponent; --k) *out++ = '0';
  for (int k = 0; k < length; ++k) *out++ = text[k];
  return out;
}

}  // namespace znDraw
