#include "platform/PolygonScan.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

// How a row is sampled: each pixel row y samples the edges at the exact point y (an edge covers the
// rows top <= y < bottom, so top vertices count and bottom ones do not); the crossing of an edge is
// rounded up to the first pixel whose top-left corner lies at or right of it (exact integer
// arithmetic); a pixel is in when the crossings at or left of it say so (their count is odd, or
// their directions do not sum to zero).
//
// The clip splits every edge into at most three runs of rows, because its crossing moves one way
// only: rows where it crosses left of the clip, rows where it crosses inside, rows where it crosses
// right of it. A left run only changes how many crossings (or how much winding) each row starts
// with at the clip's left side, which a sorted list of row events carries; a right run changes
// nothing the clip can see. The active edge table holds the inside runs alone.

namespace salon {

namespace {

__extension__ typedef __int128 Int128;

int64_t ceilDiv(int64_t a, int64_t b)  // b > 0
{
    int64_t q = a / b;
    return (a % b != 0 && a > 0) ? q + 1 : q;
}

struct Edge {
    int64_t x0, y0, x1, y1;  // y0 < y1
    int32_t dir;             // +1 downward, -1 upward as the polygon runs

    // First pixel column at or right of the edge's crossing with row y.
    int64_t crossing(int64_t y) const
    {
        const int64_t dy = y1 - y0, dx = x1 - x0, t = y - y0;
        if (dx == 0) return x0;
        if (t < (int64_t(1) << 31) && dx > -(int64_t(1) << 31) && dx < (int64_t(1) << 31))
            return x0 + ceilDiv(t * dx, dy);
        const Int128 p = Int128(t) * dx;
        Int128 q = p / dy;
        if (p % dy != 0 && p > 0) ++q;
        return x0 + int64_t(q);
    }

    // The first row after y on which crossing(row) differs from c = crossing(y) (y1 when none).
    int64_t nextChange(int64_t y, int64_t c) const
    {
        const int64_t dy = y1 - y0, dx = x1 - x0;
        Int128 t;
        if (dx > 0) {
            // smallest t with x0 * dy + t * dx > c * dy
            t = Int128(c - x0) * dy / dx + 1;
        } else if (dx < 0) {
            // smallest t with x0 * dy + t * dx <= (c - 1) * dy
            const Int128 n = Int128(x0 - c + 1) * dy, d = -dx;
            t = n / d + (n % d != 0 ? 1 : 0);
        } else {
            return y1;
        }
        return std::max<int64_t>(y + 1, int64_t(std::min<Int128>(Int128(y0) + t, y1)));
    }

    // The first row of [from, to) whose crossing lies on the other side of column `x` than the
    // crossing of row `from` (to when none). Crossings move one way, so a binary search finds it.
    int64_t firstRowAcross(int64_t from, int64_t to, int64_t x) const
    {
        const bool leftAtStart = crossing(from) < x;
        if ((crossing(to - 1) < x) == leftAtStart) return to;
        int64_t lo = from + 1, hi = to - 1;  // the answer lies in [lo, hi]
        while (lo < hi) {
            const int64_t mid = lo + (hi - lo) / 2;
            if ((crossing(mid) < x) == leftAtStart) lo = mid + 1;
            else hi = mid;
        }
        return lo;
    }
};

// Rows [from, to) of an edge whose crossings all lie inside the clip's columns.
struct InsideRun {
    const Edge* edge;
    int64_t from, to;
};

// An inside run in the active table, with its crossing kept for the row it was last asked for.
// Rows are mostly taken one after another; stepping the exact fraction then replaces a division,
// and the run's numbers sit together in memory however the edges lay in the polygon.
class ActiveRun {
public:
    explicit ActiveRun(const InsideRun& run) : m_edge(run.edge), m_to(run.to), m_dir(run.edge->dir)
    {
        const int64_t dx = m_edge->x1 - m_edge->x0;
        m_dy = m_edge->y1 - m_edge->y0;
        // dx = stepWhole * dy + stepPart with 0 <= stepPart < dy (floor division).
        m_stepWhole = dx / m_dy;
        m_stepPart = dx % m_dy;
        if (m_stepPart < 0) m_stepPart += m_dy, --m_stepWhole;
    }

    const Edge& edge() const { return *m_edge; }
    int64_t to() const { return m_to; }
    int32_t dir() const { return m_dir; }
    bool vertical() const { return m_stepWhole == 0 && m_stepPart == 0; }

    // crossing(y) of the edge: x0 + ceil(t dx / dy) with t = y - y0, kept as the whole part and
    // the rest `m_rest` = whole * dy - t * dx in [0, dy).
    int64_t crossing(int64_t y)
    {
        if (y == m_row + 1) {
            m_x += m_stepWhole;
            m_rest -= m_stepPart;
            if (m_rest < 0) m_rest += m_dy, ++m_x;
            m_row = y;
        } else if (y != m_row) {
            m_x = m_edge->crossing(y);
            // Less than dy by the choice of x, though its terms may need 128 bits.
            m_rest = int64_t(Int128(m_x - m_edge->x0) * m_dy - Int128(y - m_edge->y0) * (m_edge->x1 - m_edge->x0));
            m_row = y;
        }
        return m_x;
    }

private:
    const Edge* m_edge;
    int64_t m_to;
    int32_t m_dir;
    int64_t m_dy = 1, m_stepWhole = 0, m_stepPart = 0;
    int64_t m_row = std::numeric_limits<int64_t>::min(), m_x = 0, m_rest = 0;
};

// From this row on, rows start with `delta` more crossings (even-odd) or winding at the clip's left.
struct LeftEvent {
    int64_t row;
    int32_t delta;
};

struct Span {
    int64_t left, right;
    friend bool operator==(const Span&, const Span&) = default;
};

class BandBuilder {
public:
    BandBuilder(std::vector<Rect>& out, size_t maxRects) : m_out(out), m_max(maxRects) {}
    bool failed = false;

    void row(int64_t top, int64_t bottom, std::vector<Span>& spans)
    {
        if (!m_open.empty() && m_bottom == top && spans == m_open) {
            m_bottom = bottom;
            return;
        }
        flush();
        m_open.swap(spans);
        m_top = top;
        m_bottom = bottom;
    }

    void flush()
    {
        for (const Span& s : m_open) {
            if (m_out.size() >= m_max) {
                failed = true;
                break;
            }
            m_out.push_back(Rect{int32_t(s.left), int32_t(m_top), int32_t(s.right), int32_t(m_bottom)});
        }
        m_open.clear();
    }

private:
    std::vector<Rect>& m_out;
    size_t m_max;
    std::vector<Span> m_open;
    int64_t m_top = 0, m_bottom = 0;
};

std::vector<Edge> edgesOf(std::span<const Point> points, std::span<const int32_t> counts)
{
    std::vector<Edge> edges;
    edges.reserve(points.size());
    size_t start = 0;
    for (int32_t c : counts) {
        for (size_t i = 0; i < size_t(c); ++i) {
            const Point& p = points[start + i];
            const Point& q = points[start + (i + 1 == size_t(c) ? 0 : i + 1)];
            if (p.y == q.y) continue;  // horizontal edges cross no row
            if (p.y < q.y) edges.push_back(Edge{p.x, p.y, q.x, q.y, +1});
            else edges.push_back(Edge{q.x, q.y, p.x, p.y, -1});
        }
        start += size_t(c);
    }
    return edges;
}

// The edges cut by the clip: the inside runs and the events of the left runs.
class ClippedEdges {
public:
    std::vector<InsideRun> inside;  // sorted by first row
    std::vector<LeftEvent> left;    // sorted by row

    ClippedEdges(const std::vector<Edge>& edges, FillRule rule, const Rect& clip)
    {
        for (const Edge& e : edges) split(e, rule == FillRule::EvenOdd ? 1 : e.dir, clip);
        std::sort(inside.begin(), inside.end(), [](const InsideRun& a, const InsideRun& b) { return a.from < b.from; });
        std::sort(left.begin(), left.end(), [](const LeftEvent& a, const LeftEvent& b) { return a.row < b.row; });
    }

private:
    void split(const Edge& e, int32_t delta, const Rect& clip)
    {
        const int64_t from = std::max<int64_t>(e.y0, clip.top), to = std::min<int64_t>(e.y1, clip.bottom);
        if (from >= to) return;
        // Cut the rows where the crossing passes the clip's left and right sides; each piece lies
        // wholly left, inside or right.
        int64_t cuts[4] = {from, 0, 0, to};
        cuts[1] = e.firstRowAcross(from, to, clip.left);
        cuts[2] = e.firstRowAcross(from, to, clip.right);
        if (cuts[1] > cuts[2]) std::swap(cuts[1], cuts[2]);
        for (int k = 0; k < 3; ++k) {
            const int64_t a = cuts[k], b = cuts[k + 1];
            if (a >= b) continue;
            const int64_t c = e.crossing(a);
            if (c < clip.left) {
                left.push_back(LeftEvent{a, delta});
                left.push_back(LeftEvent{b, -delta});
            } else if (c < clip.right) {
                inside.push_back(InsideRun{&e, a, b});
            }
        }
    }
};

class RowScanner {
public:
    RowScanner(FillRule rule, const Rect& clip) : m_rule(rule), m_left(clip.left), m_right(clip.right) {}

    // The spans of a row that starts with `base` at the clip's left and has the sorted inside
    // crossings `xs` (column, direction).
    void spans(int64_t base, const std::vector<std::pair<int64_t, int32_t>>& xs, std::vector<Span>& out) const
    {
        out.clear();
        if (m_rule == FillRule::EvenOdd) {
            bool in = (base & 1) != 0;
            int64_t from = m_left;
            for (const auto& x : xs) {
                if (in) add(out, from, x.first);
                else from = x.first;
                in = !in;
            }
            if (in) add(out, from, m_right);
        } else {
            int64_t wind = base, from = m_left;
            for (const auto& [x, d] : xs) {
                const int64_t before = wind;
                wind += d;
                if (before == 0 && wind != 0) from = x;
                else if (before != 0 && wind == 0) add(out, from, x);
            }
            if (wind != 0) add(out, from, m_right);
        }
    }

    // The same spans from crossings in any order that all lie in [lo, hi]: they are counted per
    // column instead of sorted. Cheaper when many edges share few columns, as in a scribble of
    // thousands of points over a small picture.
    void denseSpans(int64_t base, const std::vector<std::pair<int64_t, int32_t>>& xs, int64_t lo, int64_t hi,
                    std::vector<Span>& out)
    {
        out.clear();
        m_columns.assign(size_t(hi - lo + 1), 0);
        for (const auto& [x, d] : xs) m_columns[size_t(x - lo)] += m_rule == FillRule::EvenOdd ? 1 : d;
        int64_t value = base, from = m_left;
        bool in = filled(value);
        for (size_t i = 0; i < m_columns.size(); ++i) {
            if (m_columns[i] == 0) continue;
            value += m_columns[i];
            if (filled(value) == in) continue;
            if (in) add(out, from, lo + int64_t(i));
            else from = lo + int64_t(i);
            in = !in;
        }
        if (in) add(out, from, m_right);
    }

    // The crossings of the active runs with row y into `xs` and the row's spans; true when every
    // run is vertical. Unsorted crossings (the dense way) still compare equal to the row above
    // only when they are the same, so the caller's jump holds for both ways.
    bool activeRow(std::vector<ActiveRun>& active, int64_t y, int64_t base, std::vector<std::pair<int64_t, int32_t>>& xs,
                   std::vector<Span>& out)
    {
        xs.clear();
        bool allVertical = true;
        int64_t lo = std::numeric_limits<int64_t>::max(), hi = std::numeric_limits<int64_t>::min();
        for (ActiveRun& r : active) {
            const int64_t x = r.crossing(y);
            xs.emplace_back(x, r.dir());
            lo = std::min(lo, x);
            hi = std::max(hi, x);
            allVertical = allVertical && r.vertical();
        }
        if (xs.size() >= 64 && uint64_t(hi - lo) <= 4 * uint64_t(xs.size())) {
            denseSpans(base, xs, lo, hi, out);
        } else {
            std::sort(xs.begin(), xs.end());
            spans(base, xs, out);
        }
        return allVertical;
    }

private:
    bool filled(int64_t value) const { return m_rule == FillRule::EvenOdd ? (value & 1) != 0 : value != 0; }

    static void add(std::vector<Span>& out, int64_t l, int64_t r)
    {
        if (r <= l) return;
        if (!out.empty() && out.back().right >= l) out.back().right = std::max(out.back().right, r);
        else out.push_back(Span{l, r});
    }

    FillRule m_rule;
    int64_t m_left, m_right;
    std::vector<int64_t> m_columns;
};

} // namespace

bool scanPolygons(std::span<const Point> points, std::span<const int32_t> counts, FillRule rule, const Rect& clip,
                  size_t maxRects, std::vector<Rect>& out)
{
    out.clear();
    if (clip.left >= clip.right || clip.top >= clip.bottom) return true;
    const std::vector<Edge> edges = edgesOf(points, counts);
    const ClippedEdges cut(edges, rule, clip);
    RowScanner scanner(rule, clip);
    constexpr int64_t none = std::numeric_limits<int64_t>::max();

    BandBuilder bands(out, maxRects);
    std::vector<ActiveRun> active;
    std::vector<std::pair<int64_t, int32_t>> xs, prevXs;
    std::vector<Span> spans;
    int64_t prevY = std::numeric_limits<int64_t>::min(), prevBase = 0, base = 0;
    size_t nextRun = 0, nextEvent = 0;
    auto nextStart = [&] {
        int64_t at = none;
        if (nextRun < cut.inside.size()) at = cut.inside[nextRun].from;
        if (nextEvent < cut.left.size()) at = std::min(at, cut.left[nextEvent].row);
        return at;
    };
    int64_t y = std::max<int64_t>(nextStart(), clip.top);
    while (y < clip.bottom) {
        while (nextEvent < cut.left.size() && cut.left[nextEvent].row <= y) base += cut.left[nextEvent++].delta;
        active.erase(std::remove_if(active.begin(), active.end(), [y](const ActiveRun& r) { return r.to() <= y; }),
                     active.end());
        while (nextRun < cut.inside.size() && cut.inside[nextRun].from <= y) active.emplace_back(cut.inside[nextRun++]);

        // Rows until the next run starts or the left count changes; on them only the active
        // runs can change anything.
        int64_t until = std::min<int64_t>(nextStart(), clip.bottom);
        if (active.empty()) {
            const bool filled = rule == FillRule::EvenOdd ? (base & 1) != 0 : base != 0;
            if (!filled) {
                if (until >= clip.bottom) break;
                y = until;
                continue;
            }
            spans.assign(1, Span{clip.left, clip.right});
            bands.row(y, until, spans);
            if (bands.failed) return false;
            prevY = std::numeric_limits<int64_t>::min();
            y = until;
            continue;
        }

        const bool allVertical = scanner.activeRow(active, y, base, xs, spans);
        for (const ActiveRun& r : active) until = std::min(until, r.to());

        // Between events a set of vertical edges gives the same spans on every row. Steep edges
        // repeat their crossings over runs of rows too: once a row repeats the one above it, the
        // scan jumps to the first row where any crossing moves, so a tall steep polygon costs
        // its distinct rows, not its height.
        int64_t rowEnd = y + 1;
        if (allVertical || (prevY == y - 1 && base == prevBase && xs == prevXs)) {
            if (!allVertical)
                for (ActiveRun& r : active) until = std::min(until, r.edge().nextChange(y, r.crossing(y)));
            rowEnd = std::max(rowEnd, until);
        }
        prevXs.swap(xs);
        prevBase = base;
        prevY = rowEnd - 1;
        rowEnd = std::min<int64_t>(rowEnd, clip.bottom);
        if (!spans.empty()) bands.row(y, rowEnd, spans);
        if (bands.failed) return false;
        y = rowEnd;
    }
    bands.flush();
    return !bands.failed;
}

} // namespace salon
