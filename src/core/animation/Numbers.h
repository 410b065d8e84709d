#pragma once

namespace tavrolin::animation {

// The run computes in double precision and stops with an error where a
// value overflows or stops being a number, instead of drawing garbage.
double checked(double value);

// The drawing operations take single-precision coordinates: the nearest
// float, or an overflow error where the value does not fit one.
float single(double value);

} // namespace tavrolin::animation
