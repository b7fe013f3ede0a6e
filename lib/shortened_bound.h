// A bound the environment may shorten but never lengthen: a test sets a
// short one instead of waiting the real one out.
#pragma once

#include <chrono>

// The bound the variable `name` gives, when it holds a plain number of
// milliseconds above 0 and below `bound`; `bound` for any other value.
std::chrono::milliseconds ShortenedBound(const char* name, std::chrono::milliseconds bound);
