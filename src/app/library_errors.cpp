// The C++ runtime reports misuse of its containers (a string index past the end, a length over
// the maximum) through a handful of functions that all live in one object file. That file
// builds std::logic_error and its kin from a message, and with them links in a second,
// reference-counted string implementation, its stream and random-device helpers: about a
// tenth of the executable. The program catches no exception, so what matters is that one is
// still raised and ends the program through the terminate handler as before; its type and
// text are never looked at. Defining the functions here keeps the runtime's file out.

#include <exception>
#include <new>

namespace glyphwright {
namespace {

// Carries the runtime's message as a plain pointer: it is a string literal in every caller.
class LibraryMisuse : public std::exception {
public:
    explicit LibraryMisuse(const char* what) noexcept : what_(what) {}
    const char* what() const noexcept override { return what_; }

private:
    const char* what_;
};

}  // namespace
}  // namespace glyphwright

namespace std {

void __throw_bad_alloc() { throw std::bad_alloc(); }

void __throw_bad_array_new_length() { throw std::bad_array_new_length(); }

void __throw_logic_error(const char* what) { throw glyphwright::LibraryMisuse(what); }

void __throw_length_error(const char* what) { throw glyphwright::LibraryMisuse(what); }

void __throw_out_of_range_fmt(const char* format, ...) { throw glyphwright::LibraryMisuse(format); }

}  // namespace std
