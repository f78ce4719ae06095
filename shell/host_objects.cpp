#include "host_objects.h"

HostObjects& Host() {
    static HostObjects objects;
    return objects;
}
