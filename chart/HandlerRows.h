// The layout rows name "NoHandler" for an image well that has no handler.
// TOLVANE_IF_HANDLER(handler, tokens...) expands to the tokens for a row that
// names a handler and to nothing for "NoHandler", so that code generated from
// the well rows declares, registers and binds only the handlers that exist.
//
// How: pasting the name onto TOLVANE_NO_HANDLER_ gives a macro that expands
// to a comma only for "NoHandler"; the extra argument shifts which of the
// two trailing flags is picked.
#pragma once

#define TOLVANE_NO_HANDLER_NoHandler ,
#define TOLVANE_THIRD_ARGUMENT(first, second, third, ...) third
#define TOLVANE_HANDLER_ABSENT(...) TOLVANE_THIRD_ARGUMENT(__VA_ARGS__, 1, 0, 0)
#define TOLVANE_IF_HANDLER_CHOOSE(absent) TOLVANE_IF_HANDLER_CHOOSE_EXPANDED(absent)
#define TOLVANE_IF_HANDLER_CHOOSE_EXPANDED(absent) TOLVANE_IF_HANDLER_ABSENT_##absent
#define TOLVANE_IF_HANDLER_ABSENT_0(...) __VA_ARGS__
#define TOLVANE_IF_HANDLER_ABSENT_1(...)

#define TOLVANE_IF_HANDLER(handler, ...) \
    TOLVANE_IF_HANDLER_CHOOSE(TOLVANE_HANDLER_ABSENT(TOLVANE_NO_HANDLER_##handler))(__VA_ARGS__)
