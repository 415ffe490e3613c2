#include "fuzz/FuzzTarget.h"

#include <cstdio>
#include <cstdlib>

void FuzzFailure(const char* what) {
    std::fprintf(stderr, "fuzz property broken: %s\n", what);
    std::abort();
}
