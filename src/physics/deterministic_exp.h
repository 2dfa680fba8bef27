// The exponential function with the same bits on every platform.
//
// The C library's exp differs between platforms, and even between CPUs for
// one library (glibc picks an FMA variant where the CPU has one), in the
// last bit of some results. This one uses only IEEE double additions,
// subtractions, multiplications and exact scalings by powers of two, so
// x86-64, aarch64 and WebAssembly give identical results. Its error is
// below 0.51 units in the last place: nearly always the correctly rounded
// result.
#pragma once

namespace tarnvik {

// e^x. Overflows to +inf, underflows through the subnormals to +0;
// exp(-inf) is +0, exp(+inf) is +inf, and a NaN gives a NaN.
double DeterministicExp(double x);

}  // namespace tarnvik
