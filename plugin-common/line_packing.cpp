#include "line_packing.h"

#include <functional>
#include <queue>
#include <utility>

int PackFirstFit(const std::vector<BarSpan>& bars, std::vector<int>& lines) {
    lines.assign(bars.size(), -1);
    // Bars come by left edge, so a line that is free for one bar stays free
    // for every later one: busy lines wait by their end, free lines by index.
    using Busy = std::pair<int, int>;   // (end, line)
    std::priority_queue<Busy, std::vector<Busy>, std::greater<>> busy;
    std::priority_queue<int, std::vector<int>, std::greater<>> free;
    int used = 0;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const BarSpan& bar = bars[i];
        if (bar.right <= bar.left) continue;
        while (!busy.empty() && busy.top().first <= bar.left) {
            free.push(busy.top().second);
            busy.pop();
        }
        int line;
        if (!free.empty()) {
            line = free.top();
            free.pop();
        } else {
            line = used++;
        }
        lines[i] = line;
        busy.emplace(bar.right, line);
    }
    return used;
}
