#include "Statics_p.h"

#include "NeverDestroyed_p.h"
#include "framework/Box.h"
#include "framework/Delegate.h"

#include <algorithm>
#include <vector>

namespace fw {

namespace {
struct Entry {
    StaticsRank rank;
    void (*initialize)();
    void (*finalize)();
};

std::vector<Entry>& entries()
{
    static NeverDestroyed<std::vector<Entry>> list;
    return list.get();
}

std::vector<Entry> byRank()
{
    std::vector<Entry> sorted = entries();
    std::stable_sort(sorted.begin(), sorted.end(), [](const Entry& a, const Entry& b) { return a.rank < b.rank; });
    return sorted;
}

void initializeRuntimeClasses()
{
    ObjectClass();
    RuntimeException::__Lookup();
    NilObjectException::__Lookup();
    IllegalCastException::__Lookup();
    PropertyListException::__Lookup();
    Box::__Lookup();
    ArgumentList::__Lookup();
    Delegate::__Lookup();
}

const StaticsRegistration runtimeStatics(StaticsRank::Runtime, initializeRuntimeClasses, nullptr);
} // namespace

StaticsRegistration::StaticsRegistration(StaticsRank rank, void (*initialize)(), void (*finalize)())
{
    entries().push_back(Entry{rank, initialize, finalize});
}

void runStaticsInitializers()
{
    for (const Entry& entry : byRank()) {
        if (entry.initialize)
            entry.initialize();
    }
}

void runStaticsFinalizers()
{
    for (const Entry& entry : byRank()) {
        if (entry.finalize)
            entry.finalize();
    }
}

} // namespace fw
