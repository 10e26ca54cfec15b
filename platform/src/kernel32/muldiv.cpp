// MulDiv: a product of two 32-bit values divided without overflow, rounded half away from zero.
#include <winuser.h>

#include <cstdint>
#include <cstdlib>

extern "C" int WINAPI MulDiv(int nNumber, int nNumerator, int nDenominator) {
  if (nDenominator == 0)
    return -1;
  const long long product = static_cast<long long>(nNumber) * nNumerator;
  long long quotient = product / nDenominator;
  const long long remainder = product % nDenominator;
  if (std::llabs(remainder) * 2 >= std::llabs(static_cast<long long>(nDenominator)))
    quotient += (product < 0) != (nDenominator < 0) ? -1 : 1;
  if (quotient > INT32_MAX || quotient < INT32_MIN)
    return -1;
  return static_cast<int>(quotient);
}
