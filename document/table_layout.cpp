#include "table_layout.h"

#include <algorithm>

namespace doc {
namespace {

struct MeasuredCell {
    const TableCell* cell = nullptr;
    int x = 0;
    int width = 0;
    TextStyle style;
    std::vector<std::string> lines;
};

struct MeasuredRow {
    const TableRow* row = nullptr;
    int content = 0;  // height of the text area
    int height = 0;   // with padding and spaces
    std::vector<MeasuredCell> cells;
};

class RowPainter {
public:
    RowPainter(const Table& table, TextMeasure& measure) : table_(table), measure_(measure) {}

    MeasuredRow Measure(const TableRow& row) const {
        MeasuredRow measured;
        measured.row = &row;
        const int padding = table_.paddingHorizontal;
        int x = table_.frame.x;
        for (std::size_t c = 0; c < row.cells.size();) {
            const TableCell& cell = row.cells[c];
            const std::size_t span = std::min<std::size_t>(static_cast<std::size_t>(cell.span),
                                                           row.cells.size() - c);
            int width = 0;
            for (std::size_t k = c; k < c + span; ++k) width += row.cells[k].width;
            if (!cell.covered) {
                MeasuredCell mc;
                mc.cell = &cell;
                mc.x = x;
                mc.width = width;
                mc.style = cell.style.value_or(row.style);
                const WrapRule rule{cell.wrap ? width - 2 * padding : 0, true, false};
                mc.lines = BreakLines(measure_, mc.style.font, cell.text, rule);
                const int lineHeight = measure_.LineHeight(mc.style.font);
                const int lines = std::max<int>(1, static_cast<int>(mc.lines.size()));
                measured.content = std::max(measured.content, lines * lineHeight);
                measured.cells.push_back(std::move(mc));
            }
            x += width;
            c += span;
        }
        if (measured.cells.empty()) measured.content = measure_.LineHeight(row.style.font);
        measured.height = row.spaceBefore + 2 * table_.paddingVertical + measured.content + row.spaceAfter;
        return measured;
    }

    // Draws the row with its top at y, cut at the table's bottom limit.
    void Draw(const MeasuredRow& measured, int y, std::vector<DrawOp>& out) const {
        const TableRow& row = *measured.row;
        const int limit = table_.frame.bottomLimit;
        const int top = y + row.spaceBefore;
        const int bottom = top + 2 * table_.paddingVertical + measured.content;
        const int shownBottom = std::min(bottom, limit);
        if (shownBottom <= top) return;
        const int tableRight = table_.frame.x + table_.frame.width;
        int rowRight = table_.frame.x;
        for (const MeasuredCell& mc : measured.cells) {
            rowRight = std::max(rowRight, mc.x + mc.width);
            const int clipRight = std::min(mc.x + mc.width, tableRight);
            const Box clip{mc.x, top, clipRight - mc.x, shownBottom - top};
            if (!mc.lines.empty() && !clip.Empty()) {
                const Box textBox{mc.x + table_.paddingHorizontal, top + table_.paddingVertical,
                                  mc.width - 2 * table_.paddingHorizontal, measured.content};
                TextOp text;
                text.font = mc.style.font;
                text.colour = mc.style.colour;
                text.clipped = true;
                text.clip = clip;
                text.lines = PlaceLines(measure_, mc.style.font, mc.lines, textBox,
                                        {mc.cell->alignment, false});
                out.emplace_back(std::move(text));
            }
            Edges({mc.x, top, mc.width, bottom - top}, mc.cell->lines, out);
        }
        Edges({table_.frame.x, top, rowRight - table_.frame.x, bottom - top}, row.lines, out);
    }

private:
    void Edges(const Box& box, const CellLines& lines, std::vector<DrawOp>& out) const {
        if (lines.flags == 0 || !lines.pen.Visible() || box.width <= 0) return;
        const int limit = table_.frame.bottomLimit;
        const int bottom = std::min(box.Bottom(), limit);
        if (lines.flags & kReportLineTop) out.emplace_back(LineOp{box.x, box.y, box.Right(), box.y, lines.pen});
        if (lines.flags & kReportLineBottom)
            out.emplace_back(LineOp{box.x, bottom, box.Right(), bottom, lines.pen});
        if (lines.flags & kReportLineLeft) out.emplace_back(LineOp{box.x, box.y, box.x, bottom, lines.pen});
        if (lines.flags & kReportLineRight)
            out.emplace_back(LineOp{box.Right(), box.y, box.Right(), bottom, lines.pen});
    }

    const Table& table_;
    TextMeasure& measure_;
};

}  // namespace

TableLayoutResult LayOutTable(const Table& table, TextMeasure& measure, PageStore& pages,
                              int startPage) {
    const TableFrame& frame = table.frame;
    if (frame.width <= 0) return {2, startPage};
    const RowPainter painter(table, measure);

    std::vector<MeasuredRow> headers;
    int headerHeight = 0;
    for (const TableRow& row : table.headers) {
        headers.push_back(painter.Measure(row));
        headerHeight += headers.back().height;
    }
    // The continuation title shown when a page breaks before a body row.
    std::vector<int> continuationOf(table.body.size() + 1, 0);
    for (const TableGroup& group : table.groups)
        for (int id = group.first + 1; id <= group.last; ++id) continuationOf[id] = group.continuation;
    std::vector<int> flow;
    std::vector<MeasuredRow> measured(table.body.size());
    for (std::size_t i = 0; i < table.body.size(); ++i) {
        measured[i] = painter.Measure(table.body[i]);
        if (!table.body[i].continuationTitle) flow.push_back(static_cast<int>(i) + 1);
    }

    const int limit = frame.bottomLimit;
    const int laterTop = frame.topLater + (table.repeatHeaders ? headerHeight : 0);
    auto need = [&](std::size_t k) {
        const MeasuredRow& row = measured[static_cast<std::size_t>(flow[k] - 1)];
        int height = row.height;
        if (table.keepTitleWithNext && row.row->groupTitle && k + 1 < flow.size())
            height += measured[static_cast<std::size_t>(flow[k + 1] - 1)].height;
        return height;
    };
    std::vector<std::vector<DrawOp>> ops(1);
    int y = frame.top;
    int rowsOnPage = 0;
    auto drawHeaders = [&] {
        for (const MeasuredRow& header : headers) {
            painter.Draw(header, y, ops.back());
            y += header.height;
        }
    };
    // A later page: the header rows, and the continuation title of the group
    // that row `id` continues. False when later pages have no room.
    auto nextPage = [&](int id, bool withHeaders) {
        if (limit - laterTop <= 0) return false;
        ops.emplace_back();
        y = frame.topLater;
        if (withHeaders) drawHeaders();
        if (const int title = continuationOf[static_cast<std::size_t>(id)]; title != 0) {
            const MeasuredRow& continuation = measured[static_cast<std::size_t>(title - 1)];
            painter.Draw(continuation, y, ops.back());
            y += continuation.height;
        }
        rowsOnPage = 0;
        return true;
    };

    // The first page counts as a fresh page only when it has as much room
    // as a later page would; when not even the first row fits there, the
    // table starts on the next page.
    const int firstTop = frame.top + headerHeight;
    const bool firstPageFull = limit - firstTop > 0 && limit - firstTop >= limit - laterTop;
    if (!flow.empty() && !firstPageFull && firstTop + need(0) > limit) {
        if (!nextPage(flow[0], true)) return {2, startPage};
    } else {
        drawHeaders();
    }
    for (std::size_t k = 0; k < flow.size(); ++k) {
        // A page that has no row yet takes the row whatever its height, so
        // that every page holds at least one row.
        const bool fresh = rowsOnPage == 0 && (ops.size() > 1 || firstPageFull);
        if (!fresh && y + need(k) > limit && !nextPage(flow[k], table.repeatHeaders))
            return {2, startPage};
        const MeasuredRow& row = measured[static_cast<std::size_t>(flow[k] - 1)];
        painter.Draw(row, y, ops.back());
        y += row.height;
        ++rowsOnPage;
    }

    const int lastPage = startPage + static_cast<int>(ops.size()) - 1;
    pages.EnsureCount(lastPage);
    for (std::size_t i = 0; i < ops.size(); ++i) {
        std::vector<DrawOp>& target = pages.At(startPage + static_cast<int>(i))->ops;
        std::move(ops[i].begin(), ops[i].end(), std::back_inserter(target));
    }
    return {0, lastPage};
}

}  // namespace doc
