#include "support/comparators.h"

#include <tuple>

#include "plat/collate.h"

namespace {

// (top-level index, rank at that index, top-level id, item of a group,
// own index, item id): ungrouped items rank 0, groups and their items 1.
auto TreeTuple(const TreeOrderKey& k) {
    if (k.hasGroup) return std::make_tuple(k.groupIndex, 1, k.groupId, 1, k.ownIndex, k.itemId);
    if (k.isGroupRow) return std::make_tuple(k.ownIndex, 1, k.groupId, 0, k.ownIndex, 0);
    return std::make_tuple(k.ownIndex, 0, k.itemId, 0, k.ownIndex, k.itemId);
}

}  // namespace

int CompareNames(std::string_view a, std::string_view b) {
    return plat::CompareNoCase(a, b);
}

bool TreeOrderLess(const TreeOrderKey& x, const TreeOrderKey& y) {
    return TreeTuple(x) < TreeTuple(y);
}

bool CompareTaskTreeOrder(const TaskTreePair& x, const TaskTreePair& y) {
    return TreeOrderLess(MakeTreeOrderKey(x.first, x.second), MakeTreeOrderKey(y.first, y.second));
}

bool CompareResourceTreeOrder(const ResourceTreePair& x, const ResourceTreePair& y) {
    return TreeOrderLess(MakeTreeOrderKey(x.first, x.second), MakeTreeOrderKey(y.first, y.second));
}
