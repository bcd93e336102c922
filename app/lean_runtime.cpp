// The program's own ends for the C++ runtime's failure paths. The runtime's defaults build
// exception objects with their messages and print demangled type names, which links its
// exception classes, string copies and demangler into the program; here every one of them
// ends in the program's fatal-error path or stops the process at once.
#include <cstdlib>

#include "app/fatal.h"

// The names are the runtime's own: defining them is the point.
// NOLINTBEGIN(bugprone-reserved-identifier)
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

namespace std {
// Memory for a text, a list or a picture cannot be had.
void __throw_bad_alloc() { tw::app::FatalError(tw::app::FatalReason::kOutOfMemory); }
void __throw_bad_array_new_length() { tw::app::FatalError(tw::app::FatalReason::kOutOfMemory); }
void __throw_length_error(const char*) { tw::app::FatalError(tw::app::FatalReason::kOutOfMemory); }
// Programming errors: nothing sensible can follow.
void __throw_logic_error(const char*) { std::abort(); }
void __throw_bad_function_call() { std::abort(); }
// A checked container or string access out of range.
void __glibcxx_assert_fail(const char*, int, const char*, const char*) noexcept { std::abort(); }
}  // namespace std
// NOLINTEND(bugprone-reserved-identifier)
