// For code that stands before one of the program's functions, under the same
// name (a preloaded library, or a test program's own definition): the
// definition it stands before, the next one in the program's search order.
#pragma once

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

template<typename Function>
Function* nextDefinition(Function* ours)
{
    Dl_info self{};
    void* found = nullptr;
    if (dladdr(reinterpret_cast<void*>(ours), &self) && self.dli_sname)
        found = dlsym(RTLD_NEXT, self.dli_sname);
    if (!found) {
        std::fprintf(stderr, "the definition after ours cannot be found: %s\n", dlerror());
        std::abort();
    }
    return reinterpret_cast<Function*>(found);
}
