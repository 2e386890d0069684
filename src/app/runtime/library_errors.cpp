// How the C++ runtime's failures end the program. The runtime reports misuse of its containers
// (an index past the end, a length over the maximum), an empty std::function called and memory
// run out by raising an exception. The program catches none, so each of them ended it through
// the terminate handler, which aborts (terminate_handler.cpp). Ending here the same way, at the
// point of failure, leaves the whole exception machinery out of the executable: the unwinder,
// the personality routine, the exception allocator and the POSIX thread library their locks
// pull in, about a fifth of the 32-bit program. The runtime's own versions of these functions
// would also bring a second, reference-counted string implementation.

#include <cstdlib>
#include <new>

namespace {

[[noreturn]] void EndOnRuntimeFailure() { std::abort(); }

}  // namespace

namespace std {

void __throw_bad_alloc() { EndOnRuntimeFailure(); }

void __throw_bad_array_new_length() { EndOnRuntimeFailure(); }

void __throw_logic_error(const char*) { EndOnRuntimeFailure(); }

void __throw_length_error(const char*) { EndOnRuntimeFailure(); }

void __throw_out_of_range_fmt(const char*, ...) { EndOnRuntimeFailure(); }

void __throw_bad_function_call() { EndOnRuntimeFailure(); }

// The rest the runtime declares, so that a first std::stoi, std::thread or stream does not
// bring the machinery back unnoticed (make test checks the executables for it too).
void __throw_bad_exception() { EndOnRuntimeFailure(); }

void __throw_bad_cast() { EndOnRuntimeFailure(); }

void __throw_bad_typeid() { EndOnRuntimeFailure(); }

void __throw_domain_error(const char*) { EndOnRuntimeFailure(); }

void __throw_invalid_argument(const char*) { EndOnRuntimeFailure(); }

void __throw_out_of_range(const char*) { EndOnRuntimeFailure(); }

void __throw_runtime_error(const char*) { EndOnRuntimeFailure(); }

void __throw_range_error(const char*) { EndOnRuntimeFailure(); }

void __throw_overflow_error(const char*) { EndOnRuntimeFailure(); }

void __throw_underflow_error(const char*) { EndOnRuntimeFailure(); }

void __throw_ios_failure(const char*) { EndOnRuntimeFailure(); }

void __throw_ios_failure(const char*, int) { EndOnRuntimeFailure(); }

void __throw_system_error(int) { EndOnRuntimeFailure(); }

void __throw_future_error(int) { EndOnRuntimeFailure(); }

}  // namespace std

// The runtime's operator new throws std::bad_alloc when no new-handler can free memory. This
// one keeps the new-handler loop and ends the program where the exception would have.
// Memory still comes from malloc, so the runtime's operator delete (free) matches it.
void* operator new(std::size_t size) {
    if (size == 0) size = 1;
    for (;;) {
        if (void* memory = std::malloc(size)) return memory;
        std::new_handler handler = std::get_new_handler();
        if (!handler) EndOnRuntimeFailure();
        handler();
    }
}
