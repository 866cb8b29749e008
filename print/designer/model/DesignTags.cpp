#include "designer/model/DesignTags.h"

#include <algorithm>

namespace {
constexpr int kFirstGridTag = 500;
constexpr int kFirstFieldTag = 1000;
}

int NextDesignTag(const QList<int> &tags, bool grid)
{
    const int first = grid ? kFirstGridTag : kFirstFieldTag;
    int next = first;
    for (const int tag : tags) {
        const bool inSequence = grid ? (tag >= kFirstGridTag && tag < kFirstFieldTag) : tag >= kFirstFieldTag;
        if (inSequence)
            next = std::max(next, tag + 1);
    }
    return next;
}
