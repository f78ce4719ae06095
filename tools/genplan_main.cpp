// qel-genplan: writes a generated planning document.
//   qel-genplan [--resources N] [--tasks N] [--bookings N] [--resource-groups N]
//               [--task-groups N] [--seed N] [--password TEXT] FILE
// Without size options it writes a small demo plan around the current month.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "plan_generator.h"
#include "plan_root.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: qel-genplan [--resources N] [--tasks N] [--bookings N]\n"
                 "                   [--resource-groups N] [--task-groups N] [--seed N]\n"
                 "                   [--password TEXT] FILE\n");
    return 2;
}

bool ParseCount(const char* text, int32_t& out) {
    char* end = nullptr;
    long value = std::strtol(text, &end, 10);
    if (!end || *end != '\0' || value < 0 || value > 100000000) return false;
    out = static_cast<int32_t>(value);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    PlanShape shape;
    const char* file = nullptr;
    const char* password = nullptr;
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        int32_t* target = option == "--resources"         ? &shape.resources
                          : option == "--tasks"           ? &shape.tasks
                          : option == "--bookings"        ? &shape.bookings
                          : option == "--resource-groups" ? &shape.resourceGroups
                          : option == "--task-groups"     ? &shape.taskGroups
                                                          : nullptr;
        if (target || option == "--seed" || option == "--password") {
            if (i + 1 >= argc) return Usage();
            const char* value = argv[++i];
            int32_t seed = 0;
            if (option == "--password")
                password = value;
            else if (!ParseCount(value, target ? *target : seed))
                return Usage();
            if (option == "--seed") shape.seed = static_cast<uint32_t>(seed);
        } else if (option.starts_with("-") || file) {
            return Usage();
        } else {
            file = argv[i];
        }
    }
    if (!file) return Usage();

    PlanRoot root(nullptr);
    int32_t status = GeneratePlan(root, shape);
    if (status == kDataOk && password) {
        root.BeginTransaction(nullptr);
        root.properties->BeginChange();
        root.properties->passwordFlag = 1;
        root.properties->SetPassword1(password);
        root.CommitTransaction();
    }
    if (status == kDataOk) status = root.Save(file);
    if (status != kDataOk) {
        std::fprintf(stderr, "qel-genplan: could not write %s (status %d)\n", file, status);
        return 1;
    }
    std::printf("%s: %d resources, %d tasks, %d bookings\n", file, root.resources->GetCount(),
                root.tasks->GetCount(), root.bookings->GetCount());
    return 0;
}
