// The two exports of libData.so: one root for the life of the library.

#include "plan_root.h"

namespace {
PlanRoot* g_root = nullptr;
}

QEL_API CPlanData* DllGetData(CUndoHistory* history) {
    if (!g_root) g_root = new PlanRoot(history);
    return g_root;
}

QEL_API void DllFreeData() {
    delete g_root;
    g_root = nullptr;
}
