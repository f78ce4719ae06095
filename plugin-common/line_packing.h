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
// Lines from limit on are not told apart: a bar that finds no line below
// it gets the limit and holds no line, which leaves the lines below as
// they are without a limit (a later bar never depends on a higher line).
class FirstFitPacker {
public:
    int Pack(const std::vector<BarSpan>& bars, std::vector<int>& lines, int limit = kNoLimit);

    static constexpr int kNoLimit = 1 << 30;

private:
    static constexpr int kFewEdges = 256;
    int PackFewEdges(const std::vector<BarSpan>& bars, std::vector<int>& lines, int maxRight, int limit);
    void FreeLine(int line);
    // The lowest free line, else the next unused one below the limit, else the limit.
    int TakeLine(int& used, int limit);

    std::vector<std::pair<int, int>> busy_;   // min-heap of (end, line)
    std::vector<int> free_;                   // min-heap of lines
    std::vector<std::vector<int>> endingAt_;  // busy lines by their end, for few edges
};

int PackFirstFit(const std::vector<BarSpan>& bars, std::vector<int>& lines);
