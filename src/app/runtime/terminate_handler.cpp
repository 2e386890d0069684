// The C++ runtime's default terminate handler prints the type of the escaping exception, and
// with it links in a whole symbol demangler (tens of kilobytes). A window program has nowhere
// to print to, so ending at once is all the handler can usefully do; defining it here keeps
// the runtime's version out of the executable.

#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
    std::abort();
}

}  // namespace __gnu_cxx
