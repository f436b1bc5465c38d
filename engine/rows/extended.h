#pragma once
// The float type with a 64-bit significand used for the intermediate steps of
// the odds arithmetic. On x86-64 with GCC or Clang this is long double (x87
// extended). Elsewhere long double is either plain double (MSVC) or a 113-bit
// quad (aarch64 Linux); both would change the last bit of some odds, so a
// correctly rounded software float with the same 64-bit significand is used.
#include <cfloat>

#if defined(KORVANA_SOFT_EXTENDED) || LDBL_MANT_DIG != 64
#define KORVANA_EXTENDED_IS_SOFTWARE 1
#include <boost/multiprecision/cpp_bin_float.hpp>
namespace korvana {
using Extended = boost::multiprecision::number<
    boost::multiprecision::cpp_bin_float<64, boost::multiprecision::digit_base_2, void, int, -16382,
                                         16383>,
    boost::multiprecision::et_off>;
}  // namespace korvana
#else
#define KORVANA_EXTENDED_IS_SOFTWARE 0
namespace korvana {
using Extended = long double;
}  // namespace korvana
#endif
