// What ends the program when an exception escapes everything. GCC's runtime
// ends it through a handler that writes the exception's demangled type name
// to standard error, which a GUI program does not have; that handler alone
// brings the whole C++ name demangler (about 46 KB, an eighth of the exe)
// into the program. Ours ends it the same way without the text.
#include <cstdlib>

#if defined(__GLIBCXX__)
namespace __gnu_cxx {
// NOLINTNEXTLINE(bugprone-reserved-identifier): it replaces the runtime's handler by that name
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
#endif
