#pragma once

// The one export macro: every target builds with hidden visibility, so only
// the entry points marked with it leave a deliverable.
#define QEL_EXPORT __attribute__((visibility("default")))

#ifdef __cplusplus
#define QEL_EXTERN_C extern "C"
#else
#define QEL_EXTERN_C
#endif

#define QEL_API QEL_EXTERN_C QEL_EXPORT
