#include "engine_test_support.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace glyphwright::testing {

bool UsesWesternCodePages() {
#ifdef _WIN32
    return GetACP() == 1252 && GetOEMCP() == 437;
#else
    return true;
#endif
}

}  // namespace glyphwright::testing
