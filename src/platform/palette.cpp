#include "platform/palette.h"

#include <algorithm>
#include <array>
#include <cmath>

// The palette is a k-means clustering of the picture's colours in plain RGB, which is
// what the squared error (and so PSNR) measures: a first palette from splitting the
// colour set by variance, then rounds of moving every entry to the mean of the colours
// nearest to it. Figures from bench/files_bench on a 24 MP photo-like page.

namespace palette {
namespace {

// Photos hold about a million distinct colours; the first rounds run on the means of
// 2 x 2 x 2 colour cubes (an eighth as many points), the last on the exact colours.
constexpr size_t kMergeAbove = size_t(1) << 16;
constexpr int kMergedBits = 7;
constexpr int kMergedRounds = 40;
constexpr int kExactRounds = 30;
// Moving an entry past its mean converges in fewer rounds; the last round moves it to the mean.
constexpr float kOverRelaxation = 1.8f;
// Nearest entries are searched per cube of the colour space, among the entries that can
// be nearest somewhere in it: a few instead of 256.
constexpr int kMergedSearchBits = 4;
constexpr int kExactSearchBits = 5;
// Noise holds millions of distinct colours: refining each would cost much memory and
// time for little gain, so beyond this only colours merged over 4 x 4 x 4 cubes are refined.
constexpr size_t kExactLimit = size_t(1) << 21;
constexpr int kNoiseMergedBits = 6;

using Rgb = std::array<float, 3>;

struct Point {
    Rgb rgb;
    double weight = 0;    // pixels of this colour
    uint32_t colour = 0;  // 0xRRGGBB of an exact point
};

float Distance2(const Rgb& a, const Rgb& b)
{
    const float dr = a[0] - b[0], dg = a[1] - b[1], db = a[2] - b[2];
    return dr * dr + dg * dg + db * db;
}

uint32_t CubeOf(const Rgb& rgb, int bits)
{
    const int shift = 8 - bits;
    const auto axis = [&](float v) { return uint32_t(v) >> shift; };
    return (axis(rgb[0]) << (2 * bits)) | (axis(rgb[1]) << bits) | axis(rgb[2]);
}

// Small pictures sort their colours; large ones count them in a table of every 24-bit
// colour (64 MB), which costs more than sorting a few hundred thousand pixels.
constexpr size_t kTableFrom = size_t(1) << 20;

uint32_t ColourOf(Pixel p) { return p & 0xFFFFFFu; }

size_t PixelCount(const raster::PixelView& pixels) { return size_t(pixels.width) * size_t(pixels.height); }

template <typename Visit>
void ForEachPixel(const raster::PixelView& pixels, Visit visit)
{
    for (int y = 0; y < pixels.height; ++y) {
        const Pixel* row = pixels.Row(y);
        for (int x = 0; x < pixels.width; ++x) visit(row[x]);
    }
}

Point PointOf(uint32_t colour, double weight)
{
    return {{float(colour >> 16), float((colour >> 8) & 0xFF), float(colour & 0xFF)}, weight, colour};
}

// The distinct colours of a small picture with their pixel counts.
std::vector<Point> SortedDistinctColours(const raster::PixelView& pixels)
{
    std::vector<uint32_t> colours;
    colours.reserve(PixelCount(pixels));
    ForEachPixel(pixels, [&](Pixel p) { colours.push_back(ColourOf(p)); });
    std::sort(colours.begin(), colours.end());
    std::vector<Point> points;
    for (size_t i = 0; i < colours.size();) {
        const auto end = std::upper_bound(colours.begin() + std::ptrdiff_t(i), colours.end(), colours[i]);
        const size_t next = size_t(end - colours.begin());
        points.push_back(PointOf(colours[i], double(next - i)));
        i = next;
    }
    return points;
}

// Pixels per 24-bit colour, for a large picture.
std::vector<uint32_t> CountColours(const raster::PixelView& pixels)
{
    std::vector<uint32_t> counts(size_t(1) << 24, 0);
    ForEachPixel(pixels, [&](Pixel p) { ++counts[ColourOf(p)]; });
    return counts;
}

template <typename Visit>
void ForEachCounted(const std::vector<uint32_t>& counts, Visit visit)
{
    for (uint32_t c = 0; c < counts.size(); ++c)
        if (counts[c] != 0) visit(c, double(counts[c]));
}

// The weighted mean colour in each cube of the given size; forEach(visit) hands every
// distinct colour to visit(colour, pixels).
template <typename ForEachColour>
std::vector<Point> MergeIntoCubes(ForEachColour forEach, int bits)
{
    std::vector<int32_t> slot(size_t(1) << (3 * bits), -1);
    std::vector<Point> merged;
    forEach([&](uint32_t colour, double weight) {
        const Point p = PointOf(colour, weight);
        int32_t& s = slot[CubeOf(p.rgb, bits)];
        if (s < 0) {
            s = int32_t(merged.size());
            merged.push_back({{0, 0, 0}, 0, 0});
        }
        Point& m = merged[size_t(s)];
        const double w = m.weight + p.weight;
        for (int k = 0; k < 3; ++k) m.rgb[size_t(k)] = float((m.rgb[size_t(k)] * m.weight + p.rgb[size_t(k)] * p.weight) / w);
        m.weight = w;
    });
    return merged;
}

// ---- the first palette -------------------------------------------------------

struct Cluster {
    size_t begin = 0, end = 0;  // a range of the points
    double error = 0;           // squared distance of its points to their mean, weighted
    Rgb mean{};
};

Cluster Measure(const std::vector<Point>& points, size_t begin, size_t end)
{
    double weight = 0, sums[3] = {0, 0, 0}, squares = 0;
    for (size_t i = begin; i < end; ++i) {
        const Point& p = points[i];
        weight += p.weight;
        for (int k = 0; k < 3; ++k) {
            sums[k] += p.weight * p.rgb[k];
            squares += p.weight * double(p.rgb[k]) * p.rgb[k];
        }
    }
    Cluster c{begin, end, squares, {}};
    for (int k = 0; k < 3; ++k) {
        c.mean[k] = float(sums[k] / weight);
        c.error -= sums[k] * sums[k] / weight;
    }
    return c;
}

// The direction in which the cluster's colours spread most (power iteration on the
// covariance, started from the channel of largest variance).
std::array<double, 3> PrincipalAxis(const std::vector<Point>& points, const Cluster& c)
{
    double cov[3][3] = {};
    for (size_t i = c.begin; i < c.end; ++i) {
        const Point& p = points[i];
        const double d[3] = {p.rgb[0] - c.mean[0], p.rgb[1] - c.mean[1], p.rgb[2] - c.mean[2]};
        for (int a = 0; a < 3; ++a)
            for (int b = 0; b < 3; ++b) cov[a][b] += p.weight * d[a] * d[b];
    }
    std::array<double, 3> axis{0, 0, 0};
    const int widest = cov[0][0] >= cov[1][1] ? (cov[0][0] >= cov[2][2] ? 0 : 2) : (cov[1][1] >= cov[2][2] ? 1 : 2);
    axis[size_t(widest)] = 1;
    for (int round = 0; round < 20; ++round) {
        std::array<double, 3> next{0, 0, 0};
        for (int a = 0; a < 3; ++a)
            for (int b = 0; b < 3; ++b) next[size_t(a)] += cov[a][b] * axis[size_t(b)];
        const double length = std::sqrt(next[0] * next[0] + next[1] * next[1] + next[2] * next[2]);
        if (length == 0) break;
        for (double& v : next) v /= length;
        axis = next;
    }
    return axis;
}

// Sorts the cluster's points along its principal axis and returns the cut that leaves
// the least squared error in the two halves.
size_t BestCut(std::vector<Point>& points, const Cluster& c)
{
    const std::array<double, 3> axis = PrincipalAxis(points, c);
    const auto along = [&](const Point& p) { return axis[0] * p.rgb[0] + axis[1] * p.rgb[1] + axis[2] * p.rgb[2]; };
    std::sort(points.begin() + std::ptrdiff_t(c.begin), points.begin() + std::ptrdiff_t(c.end),
              [&](const Point& a, const Point& b) { return along(a) < along(b); });
    double total[4] = {0, 0, 0, 0};
    for (size_t i = c.begin; i < c.end; ++i)
        for (int k = 0; k < 4; ++k) total[k] += points[i].weight * (k < 3 ? points[i].rgb[size_t(k)] : 1.0);
    // Least error left = most of sum^2 / weight kept in the two halves.
    double left[4] = {0, 0, 0, 0}, best = -1;
    size_t cut = c.begin + 1;
    for (size_t i = c.begin; i + 1 < c.end; ++i) {
        for (int k = 0; k < 4; ++k) left[k] += points[i].weight * (k < 3 ? points[i].rgb[size_t(k)] : 1.0);
        double kept = 0;
        for (int k = 0; k < 3; ++k)
            kept += left[k] * left[k] / left[3] + (total[k] - left[k]) * (total[k] - left[k]) / (total[3] - left[3]);
        if (kept > best) {
            best = kept;
            cut = i + 1;
        }
    }
    return cut;
}

// Splits the cluster of largest error in two until there are enough clusters
// or none can be split; the entries are the clusters' means.
std::vector<Rgb> SplitByVariance(std::vector<Point> points)
{
    std::vector<Cluster> clusters{Measure(points, 0, points.size())};
    while (clusters.size() < size_t(kMaxColours)) {
        const auto worst = std::max_element(clusters.begin(), clusters.end(),
                                            [](const Cluster& a, const Cluster& b) { return a.error < b.error; });
        if (worst->end - worst->begin < 2 || worst->error <= 0) break;
        const Cluster whole = *worst;
        const size_t cut = BestCut(points, whole);
        *worst = Measure(points, whole.begin, cut);
        clusters.push_back(Measure(points, cut, whole.end));
    }
    std::vector<Rgb> entries;
    for (const Cluster& c : clusters) entries.push_back(c.mean);
    return entries;
}

// ---- nearest entries and refinement -----------------------------------------

// The entries that can be nearest to some colour of the cube (side 2^(8 - bits)) holding
// inCube: with d0 the distance from the cube's centre to its nearest entry and h the
// centre-to-corner distance, no entry further than d0 + 2h from the centre can be.
void CandidatesForCube(const Rgb& inCube, int bits, const std::vector<Rgb>& entries, std::vector<uint8_t>& out)
{
    const int shift = 8 - bits;
    const float span = float((1 << shift) - 1);
    Rgb centre;
    for (size_t k = 0; k < 3; ++k) centre[k] = float((int(inCube[k]) >> shift) << shift) + span / 2;
    std::array<float, kMaxColours> distance2;
    float nearest2 = INFINITY;
    for (size_t e = 0; e < entries.size(); ++e) {
        distance2[e] = Distance2(centre, entries[e]);
        nearest2 = std::min(nearest2, distance2[e]);
    }
    const float reach = std::sqrt(nearest2) + std::sqrt(3.0f) * span + 0.01f;
    out.clear();
    for (size_t e = 0; e < entries.size(); ++e)
        if (distance2[e] <= reach * reach) out.push_back(uint8_t(e));
}

uint8_t NearestAmong(const Rgb& rgb, const std::vector<Rgb>& entries, const std::vector<uint8_t>& candidates)
{
    uint8_t best = candidates.front();
    float bestDistance = INFINITY;
    for (const uint8_t e : candidates) {
        const float d = Distance2(rgb, entries[e]);
        if (d < bestDistance) {
            bestDistance = d;
            best = e;
        }
    }
    return best;
}

// Points grouped by cube, so that each group is searched among its cube's candidates.
class CubeSearch {
public:
    CubeSearch(std::vector<Point>& points, int bits) : m_points(points), m_bits(bits)
    {
        std::sort(points.begin(), points.end(),
                  [bits](const Point& a, const Point& b) { return CubeOf(a.rgb, bits) < CubeOf(b.rgb, bits); });
        for (size_t i = 0; i < points.size(); ++i)
            if (i == 0 || CubeOf(points[i].rgb, bits) != CubeOf(points[i - 1].rgb, bits)) m_starts.push_back(i);
        m_starts.push_back(points.size());
    }

    // The nearest entry of every point, in the points' order.
    std::vector<uint8_t> Assign(const std::vector<Rgb>& entries) const
    {
        std::vector<uint8_t> owners(m_points.size());
        std::vector<uint8_t> candidates;
        for (size_t g = 0; g + 1 < m_starts.size(); ++g) {
            CandidatesForCube(m_points[m_starts[g]].rgb, m_bits, entries, candidates);
            for (size_t i = m_starts[g]; i < m_starts[g + 1]; ++i) owners[i] = NearestAmong(m_points[i].rgb, entries, candidates);
        }
        return owners;
    }

private:
    const std::vector<Point>& m_points;
    int m_bits;
    std::vector<size_t> m_starts;  // where each cube's points begin, and the end
};

// Moves each entry by `step` times the way to the mean of its points; entries without points stay.
void MoveTowardsMeans(const std::vector<Point>& points, const std::vector<uint8_t>& owners, std::vector<Rgb>& entries,
                      float step)
{
    std::vector<std::array<double, 4>> sums(entries.size(), {0, 0, 0, 0});
    for (size_t i = 0; i < points.size(); ++i) {
        std::array<double, 4>& sum = sums[owners[i]];
        for (int k = 0; k < 3; ++k) sum[size_t(k)] += points[i].weight * points[i].rgb[size_t(k)];
        sum[3] += points[i].weight;
    }
    for (size_t e = 0; e < entries.size(); ++e) {
        if (sums[e][3] == 0) continue;
        for (int k = 0; k < 3; ++k) {
            const float mean = float(sums[e][size_t(k)] / sums[e][3]);
            entries[e][size_t(k)] = std::clamp(entries[e][size_t(k)] + step * (mean - entries[e][size_t(k)]), 0.0f, 255.0f);
        }
    }
}

void Refine(std::vector<Point>& points, std::vector<Rgb>& entries, int rounds, int searchBits)
{
    const CubeSearch search(points, searchBits);
    for (int round = 1; round <= rounds; ++round)
        MoveTowardsMeans(points, search.Assign(entries), entries, round < rounds ? kOverRelaxation : 1.0f);
}

// exact: the distinct colours, or nothing when they are too many to refine one by one;
// merge() gives their means over small cubes.
template <typename Merge>
std::vector<Rgb> ChooseEntries(size_t distinct, std::vector<Point>& exact, Merge merge)
{
    std::vector<Rgb> entries;
    if (distinct <= size_t(kMaxColours)) {
        for (const Point& p : exact) entries.push_back(p.rgb);
        return entries;
    }
    if (distinct <= kMergeAbove) {
        entries = SplitByVariance(exact);
    } else {
        std::vector<Point> merged = merge();
        entries = SplitByVariance(merged);
        Refine(merged, entries, kMergedRounds, kMergedSearchBits);
    }
    if (!exact.empty()) Refine(exact, entries, kExactRounds, kExactSearchBits);
    return entries;
}

std::vector<Colour> Rounded(const std::vector<Rgb>& entries)
{
    std::vector<Colour> colours;
    for (const Rgb& e : entries) {
        const auto channel = [](float v) { return uint8_t(std::lround(std::clamp(v, 0.0f, 255.0f))); };
        colours.push_back({channel(e[0]), channel(e[1]), channel(e[2])});
    }
    return colours;
}

std::vector<Rgb> AsEntries(const std::vector<Colour>& colours)
{
    std::vector<Rgb> entries;
    for (const Colour& c : colours) entries.push_back({float(c.r), float(c.g), float(c.b)});
    return entries;
}

IndexedPixels ReduceSmall(const raster::PixelView& pixels)
{
    std::vector<Point> points = SortedDistinctColours(pixels);
    const auto merge = [&] {
        return MergeIntoCubes([&](auto visit) { for (const Point& p : points) visit(p.colour, p.weight); }, kMergedBits);
    };
    IndexedPixels out;
    out.colours = Rounded(ChooseEntries(points.size(), points, merge));
    // Each distinct colour goes to the nearest of the final, whole-number entries.
    const std::vector<uint8_t> owners = CubeSearch(points, kExactSearchBits).Assign(AsEntries(out.colours));
    std::vector<std::pair<uint32_t, uint8_t>> map;
    for (size_t i = 0; i < points.size(); ++i) map.emplace_back(points[i].colour, owners[i]);
    std::sort(map.begin(), map.end());
    out.indices.reserve(PixelCount(pixels));
    ForEachPixel(pixels, [&](Pixel p) {
        const auto found = std::lower_bound(map.begin(), map.end(), std::pair<uint32_t, uint8_t>(ColourOf(p), 0));
        out.indices.push_back(found->second);
    });
    return out;
}

// Replaces the count of every colour present by its nearest entry, cube by cube.
void MapCountsToNearest(std::vector<uint32_t>& counts, const std::vector<Rgb>& entries)
{
    constexpr int bits = kExactSearchBits;
    constexpr uint32_t cubes = 1u << bits, side = 1u << (8 - bits);
    std::vector<uint8_t> candidates;
    for (uint32_t cube = 0; cube < cubes * cubes * cubes; ++cube) {
        const uint32_t r0 = (cube / (cubes * cubes)) * side, g0 = (cube / cubes % cubes) * side, b0 = (cube % cubes) * side;
        candidates.clear();
        for (uint32_t r = r0; r < r0 + side; ++r)
            for (uint32_t g = g0; g < g0 + side; ++g)
                for (uint32_t b = b0; b < b0 + side; ++b) {
                    uint32_t& slot = counts[(r << 16) | (g << 8) | b];
                    if (slot == 0) continue;
                    const Rgb rgb{float(r), float(g), float(b)};
                    if (candidates.empty()) CandidatesForCube(rgb, bits, entries, candidates);
                    slot = NearestAmong(rgb, entries, candidates);
                }
    }
}

IndexedPixels ReduceLarge(const raster::PixelView& pixels)
{
    std::vector<uint32_t> counts = CountColours(pixels);
    size_t distinct = 0;
    ForEachCounted(counts, [&](uint32_t, double) { ++distinct; });
    std::vector<Point> exact;
    if (distinct <= kExactLimit) ForEachCounted(counts, [&](uint32_t c, double w) { exact.push_back(PointOf(c, w)); });
    const int mergedBits = exact.empty() ? kNoiseMergedBits : kMergedBits;
    const auto merge = [&] { return MergeIntoCubes([&](auto visit) { ForEachCounted(counts, visit); }, mergedBits); };
    IndexedPixels out;
    out.colours = Rounded(ChooseEntries(distinct, exact, merge));
    exact = {};
    MapCountsToNearest(counts, AsEntries(out.colours));
    out.indices.reserve(PixelCount(pixels));
    ForEachPixel(pixels, [&](Pixel p) { out.indices.push_back(uint8_t(counts[ColourOf(p)])); });
    return out;
}

}  // namespace

IndexedPixels Reduce(const raster::PixelView& pixels)
{
    if (PixelCount(pixels) == 0) return {{Colour{}}, {}};
    return PixelCount(pixels) >= kTableFrom ? ReduceLarge(pixels) : ReduceSmall(pixels);
}

}  // namespace palette
