// The process entry: the whole life of the program is percent_main, and its
// result is the process's exit status.
#include "app/Lifecycle.h"

int main()
{
    return tolvane::percent_main();
}
