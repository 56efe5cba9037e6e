// What the C++ library throws when a container is misused or asked for more
// than it can hold. GCC's runtime builds those exceptions from its older,
// reference-counted string, which brings that whole second string
// implementation and the library's own string code with it (about 60 KB,
// a sixth of the exe). The program never catches them by type: they end it,
// or a catch-all takes them, so ours throw the same way with the fixed text.
// Only those the program calls are here: code that needs another one brings
// GCC's file of them back, and the link fails on the ones defined twice.
#include <exception>
#include <new>

#if defined(__GLIBCXX__)
namespace {
class LibraryError : public std::exception {
public:
    explicit LibraryError(const char* what) : what_(what) {}
    const char* what() const noexcept override { return what_; }

private:
    const char* what_;
};
}  // namespace

namespace std {
// NOLINTBEGIN(bugprone-reserved-identifier): they replace the library's throwers by those names
void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_length_error(const char* what) { throw LibraryError(what); }
void __throw_logic_error(const char* what) { throw LibraryError(what); }
// The format's arguments are left out: only the text of a failure that ends
// the program.
void __throw_out_of_range_fmt(const char* format, ...) { throw LibraryError(format); }
// NOLINTEND(bugprone-reserved-identifier)
}  // namespace std
#endif
