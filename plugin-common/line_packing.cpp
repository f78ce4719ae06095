#include "line_packing.h"

#include <algorithm>
#include <functional>

void FirstFitPacker::FreeLine(int line) {
    free_.push_back(line);
    std::push_heap(free_.begin(), free_.end(), std::greater<>());
}

int FirstFitPacker::TakeLine(int& used, int limit) {
    if (free_.empty()) return used < limit ? used++ : limit;
    std::pop_heap(free_.begin(), free_.end(), std::greater<>());
    const int line = free_.back();
    free_.pop_back();
    return line;
}

int FirstFitPacker::Pack(const std::vector<BarSpan>& bars, std::vector<int>& lines, int limit) {
    limit = std::max(limit, 0);
    lines.assign(bars.size(), -1);
    busy_.clear();
    free_.clear();
    int minLeft = 0, maxRight = 0;
    for (const BarSpan& bar : bars) {
        minLeft = std::min(minLeft, bar.left);
        maxRight = std::max(maxRight, bar.right);
    }
    if (minLeft >= 0 && maxRight < kFewEdges) return PackFewEdges(bars, lines, maxRight, limit);
    // Bars come by left edge, so a line that is free for one bar stays free
    // for every later one: busy lines wait by their end, free lines by index.
    const auto later = std::greater<>();
    int used = 0;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const BarSpan& bar = bars[i];
        if (bar.right <= bar.left) continue;
        while (!busy_.empty() && busy_.front().first <= bar.left) {
            FreeLine(busy_.front().second);
            std::pop_heap(busy_.begin(), busy_.end(), later);
            busy_.pop_back();
        }
        const int line = TakeLine(used, limit);
        lines[i] = line;
        if (line == limit) continue;
        busy_.emplace_back(bar.right, line);
        std::push_heap(busy_.begin(), busy_.end(), later);
    }
    return used;
}

// The same packing where edges take few values (a calendar week's days): busy
// lines wait in a bucket per end instead of a heap.
int FirstFitPacker::PackFewEdges(const std::vector<BarSpan>& bars, std::vector<int>& lines, int maxRight, int limit) {
    for (std::vector<int>& bucket : endingAt_) bucket.clear();
    if (endingAt_.size() < static_cast<std::size_t>(maxRight) + 1) endingAt_.resize(static_cast<std::size_t>(maxRight) + 1);
    int used = 0;
    std::size_t nextToFree = 0;   // the lines of the ends before this are free
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const BarSpan& bar = bars[i];
        if (bar.right <= bar.left) continue;
        for (; nextToFree <= static_cast<std::size_t>(bar.left); ++nextToFree) {
            for (int line : endingAt_[nextToFree]) FreeLine(line);
            endingAt_[nextToFree].clear();
        }
        const int line = TakeLine(used, limit);
        lines[i] = line;
        if (line != limit) endingAt_[static_cast<std::size_t>(bar.right)].push_back(line);
    }
    return used;
}

int PackFirstFit(const std::vector<BarSpan>& bars, std::vector<int>& lines) {
    FirstFitPacker packer;
    return packer.Pack(bars, lines);
}
