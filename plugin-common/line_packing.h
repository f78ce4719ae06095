#pragma once

// First-fit packing of bars into lines: bars in order of their left edge
// each take the lowest line whose last bar ends at or before their left
// edge. Bars whose right edge is not greater than their left take no line.

#include <utility>
#include <vector>

struct BarSpan {
    int left = 0;
    int right = 0;
};

// lines[i] := the line of bars[i], or -1 for a bar that takes none; the
// bars must be sorted by left edge and start at 0 or more. Returns the
// number of lines used. O(n log n); a packer reused for many rows keeps its
// buffers.
class FirstFitPacker {
public:
    int Pack(const std::vector<BarSpan>& bars, std::vector<int>& lines);

private:
    static constexpr int kFewEdges = 256;
    int PackFewEdges(const std::vector<BarSpan>& bars, std::vector<int>& lines, int maxRight);
    void FreeLine(int line);
    int TakeLine(int& used);

    std::vector<std::pair<int, int>> busy_;   // min-heap of (end, line)
    std::vector<int> free_;                   // min-heap of lines
    std::vector<std::vector<int>> endingAt_;  // busy lines by their end, for few edges
};

int PackFirstFit(const std::vector<BarSpan>& bars, std::vector<int>& lines);
