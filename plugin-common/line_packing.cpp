#include "line_packing.h"

#include <algorithm>
#include <functional>

int FirstFitPacker::Pack(const std::vector<BarSpan>& bars, std::vector<int>& lines) {
    lines.assign(bars.size(), -1);
    busy_.clear();
    free_.clear();
    // Bars come by left edge, so a line that is free for one bar stays free
    // for every later one: busy lines wait by their end, free lines by index.
    const auto later = std::greater<>();
    int used = 0;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const BarSpan& bar = bars[i];
        if (bar.right <= bar.left) continue;
        while (!busy_.empty() && busy_.front().first <= bar.left) {
            free_.push_back(busy_.front().second);
            std::push_heap(free_.begin(), free_.end(), later);
            std::pop_heap(busy_.begin(), busy_.end(), later);
            busy_.pop_back();
        }
        int line = used;
        if (!free_.empty()) {
            std::pop_heap(free_.begin(), free_.end(), later);
            line = free_.back();
            free_.pop_back();
        } else {
            ++used;
        }
        lines[i] = line;
        busy_.emplace_back(bar.right, line);
        std::push_heap(busy_.begin(), busy_.end(), later);
    }
    return used;
}

int PackFirstFit(const std::vector<BarSpan>& bars, std::vector<int>& lines) {
    FirstFitPacker packer;
    return packer.Pack(bars, lines);
}
