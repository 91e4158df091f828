#include "DetailingTestSupport.h"

#include "partprog/DetailDimensionLines.h"
#include "partprog/DetailingManager.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

using namespace detailtest;

namespace {

using Patterns = std::vector<std::unique_ptr<CPattern>>;

// Faces of random patterns: planes anywhere on (and a little off) a 10-foot part, flat,
// sloped or across the face, above, below or centred, either direction; patterns with zero,
// tiny and ordinary starts, single elements and zero increments among them.
class RandomFaces {
public:
    explicit RandomFaces(unsigned seed) : rng_(seed) {}

    Patterns Make(int count)
    {
        Patterns patterns;
        for (int k = 0; k < count; ++k)
            patterns.push_back(MakePattern(RandomPattern(), RandomPlane(), Pick(3)));
        return patterns;
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    double Between(double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng_); }
    bool Chance(double p) { return Between(0, 1) < p; }
    // 0, a thousandth of an inch, or a length in sixteenths.
    double Length(double zero, double most)
    {
        if (Chance(zero))
            return 0;
        if (Chance(0.05))
            return 0.001;
        return std::round(Between(0, most) * 16) / 16;
    }

    PlaneSpec RandomPlane()
    {
        PlaneSpec p;
        p.startX = Chance(0.05) ? -Length(0, 20) : Length(0.15, 120);
        p.startU = Length(0.3, 12);
        p.type = "ABC"[Pick(3)];
        p.xDirection = Chance(0.5) ? '+' : '-';
        p.uDirection = Chance(0.5) ? '+' : '-';
        const int slope = Pick(10);
        if (slope >= 6) {
            p.rise = Between(0.25, 4) * (Chance(0.5) ? 1 : -1);
            p.run = slope >= 8 ? 0 : Between(0.25, 4) * (Chance(0.5) ? 1 : -1);
            if (p.run == 0)
                p.type = 'C';
        }
        return p;
    }

    PatternSpec RandomPattern()
    {
        return {Length(0.25, 8), Length(0.3, 4), 1 + Pick(6), Length(0.2, 6), 1 + Pick(4), Length(0.2, 3)};
    }

    std::mt19937 rng_;
};

std::vector<std::string> Repaint(const Patterns& patterns, const DetailingFace& face = kFace)
{
    fw::RecordingDrawContext dc;
    CDetailDimensionLines lines;
    for (const auto& p : patterns)
        lines.AddPattern(*p, dc, face);
    lines.DrawAll();
    return dc.Lines();
}

bool IsFinite(const CDimRect& r)
{
    for (int k = 0; k < 4; ++k)
        if (!std::isfinite(r.GetCorner(k).GetX()) || !std::isfinite(r.GetCorner(k).GetY()))
            return false;
    return true;
}

void ExpectPlaced(const CDetailLineList& list, const std::string& name)
{
    for (int a = 0; a < list.GetCount(); ++a) {
        const CDetailingObject& o = list.GetAt(a);
        ASSERT_TRUE(IsFinite(o.GetRect())) << name << " object " << a;
        const CDetailingObject& c = o.GetOwner() ? *o.GetOwner() : o;
        EXPECT_TRUE(o.IsClearOfCover()) << name << " object " << a << " " << CornersText(o.GetRect()) << " label "
                                        << o.IsLabel() << " kind " << o.GetKind() << o.IsAlongX() << " cover "
                                        << PointText(c.GetWorkPoint(4)) << PointText(c.GetWorkPoint(5))
                                        << PointText(c.GetWorkPoint(6)) << PointText(c.GetWorkPoint(7));
        for (int b = a + 1; b < list.GetCount(); ++b)
            EXPECT_FALSE(o.Overlaps(list.GetAt(b)))
                << name << " objects " << a << " and " << b << ": " << CornersText(o.GetRect()) << " / "
                << CornersText(list.GetAt(b).GetRect());
    }
}

TEST(DetailingEngine, NothingToDimension)
{
    EXPECT_TRUE(Repaint({}).empty());
    Patterns patterns;
    patterns.push_back(MakePattern({}, {}));
    EXPECT_TRUE(Repaint(patterns).empty());
}

TEST(DetailingEngine, EqualChainsOfTwoPatternsShowOnceWithExtensionLinesToBoth)
{
    Patterns patterns;
    patterns.push_back(MakePattern({0, 1, 3, 2}, {10, 2}));
    patterns.push_back(MakePattern({0, 1, 3, 2}, {10, 5}));
    fw::RecordingDrawContext dc;
    CDetailDimensionLines lines;
    for (const auto& p : patterns)
        lines.AddPattern(*p, dc, kFace);
    lines.DrawAll();
    int chains = 0;
    for (int k = 0; k < lines.GetList().GetCount(); ++k) {
        const CDetailingObject& o = lines.GetList().GetAt(k);
        if (o.GetKind() == CDetailingObject::firstToLast && o.IsAlongX()) {
            ++chains;
            EXPECT_EQ(o.GetMembers().size(), 2u);
            // The extension lines at both ends span both patterns' rows (y 48 and 96).
            EXPECT_EQ(o.GetWorkPoint(10).GetY(), 48);
            EXPECT_EQ(o.GetWorkPoint(11).GetY(), 96);
        }
    }
    EXPECT_EQ(chains, 1);
    EXPECT_EQ(std::count(dc.Lines().begin(), dc.Lines().end(), "TextOut 192 -17 \"2@2\"\""), 1);
}

TEST(DetailingEngine, ASimpleLayoutDoesNotMove)
{
    const auto pattern = MakePattern({1, 1, 3, 2, 2, 1}, {10, 2});
    fw::RecordingDrawContext dc;
    CDetailDimensionLines lines;
    lines.AddPattern(*pattern, dc, kFace);
    std::vector<std::string> before;
    for (int k = 0; k < lines.GetList().GetCount(); ++k)
        before.push_back(CornersText(lines.GetList().GetAt(k).GetRect()));
    lines.DrawAll();
    for (int k = 0; k < lines.GetList().GetCount(); ++k)
        EXPECT_EQ(CornersText(lines.GetList().GetAt(k).GetRect()), before[k]) << k;
}

TEST(DetailingEngine, RandomFacesArePlacedClearAndDrawnTheSameTwice)
{
    for (unsigned seed = 1; seed <= 40; ++seed) {
        RandomFaces faces(seed);
        const Patterns patterns = faces.Make(1 + int(seed % 12) * 2);
        const std::string name = "seed " + std::to_string(seed);
        fw::RecordingDrawContext dc;
        CDetailDimensionLines lines;
        for (const auto& p : patterns)
            lines.AddPattern(*p, dc, kFace);
        lines.DrawAll();
        ExpectPlaced(lines.GetList(), name);
        EXPECT_EQ(dc.Lines(), Repaint(patterns)) << name;
        lines.DrawAll();   // drawing the same collection again shows the same layout
        std::vector<std::string> twice = Repaint(patterns);
        const std::vector<std::string> once = twice;
        twice.insert(twice.end(), once.begin(), once.end());
        EXPECT_EQ(dc.Lines(), twice) << name;
    }
}

TEST(DetailingEngine, PassOneMovesNoObjectThatIsAlreadyClear)
{
    for (unsigned seed = 100; seed < 120; ++seed) {
        RandomFaces faces(seed);
        const Patterns patterns = faces.Make(10);
        fw::RecordingDrawContext dc;
        CDetailLineList list;
        for (const auto& p : patterns)
            CDetailingManager().DetailPattern(*p, dc, kFace, list);
        std::vector<std::string> clearBefore(list.GetCount());
        for (int k = 0; k < list.GetCount(); ++k) {
            list.GetAt(k).ComputeCoverBox();
            if (!list.GetAt(k).IsLabel() && list.GetAt(k).IsClearOfCover())
                clearBefore[k] = CornersText(list.GetAt(k).GetRect());
        }
        list.MoveClearOfPatterns();
        for (int k = 0; k < list.GetCount(); ++k)
            if (!clearBefore[k].empty()) {
                EXPECT_EQ(CornersText(list.GetAt(k).GetRect()), clearBefore[k]) << "seed " << seed << " object " << k;
            }
    }
}

TEST(DetailingEngine, ManyMergesAndDegenerateFaces)
{
    Patterns patterns;
    // 130 patterns whose X dimensions are all equal: merged, members capped at 100.
    for (int k = 0; k < 130; ++k)
        patterns.push_back(MakePattern({1, 1, 3, 2}, {10, 0.25 * k, 'C'}));
    // Degenerate ones: no elements, everything zero, tiny and far-off values.
    patterns.push_back(MakePattern({1, 1, 0, 2, 2, 1}, {10, 2}));
    patterns.push_back(MakePattern({}, {}));
    patterns.push_back(MakePattern({0.001, 0.001, 2, 0.001, 2, 0.001}, {0.001, 0.001, 'B', '-', '-'}));
    patterns.push_back(MakePattern({1e7, 1, 2, 1}, {10, 2}));
    fw::RecordingDrawContext dc;
    CDetailDimensionLines lines;
    for (const auto& p : patterns)
        lines.AddPattern(*p, dc, kFace);
    lines.DrawAll();
    ExpectPlaced(lines.GetList(), "merges");
    size_t largest = 0;
    for (int k = 0; k < lines.GetList().GetCount(); ++k)
        largest = std::max(largest, lines.GetList().GetAt(k).GetMembers().size());
    EXPECT_EQ(largest, 100u);
}

} // namespace
