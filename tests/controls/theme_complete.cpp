// A stand-in visual-style service that exports every entry point the
// controls know, each as a function that does nothing. It lets a test check
// that every slot is resolved, and resolved by its own name.

#include "platform/visualstyle/VisualStyleApi.h"

using namespace kxtheme;

// `return result();` gives 0, a null handle, or nothing for void.
#define KX_EXPORT_STUB(name, result, parameters) \
    extern "C" __attribute__((visibility("default"))) result name parameters \
    { \
        return result(); \
    }
KXTHEME_ENTRY_POINTS(KX_EXPORT_STUB)
