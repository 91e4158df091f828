#include "partprog/DetailLineList.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <unordered_map>

namespace {

constexpr double kTol = CDimTPoint::kTolerance;

bool SameLength(double a, double b) { return std::fabs(a - b) <= kTol; }

// Where the areas of the list lie during pass 2, so that the objects that may meet one are found
// without comparing it with every other. Each object's bounds are filed in the cells they cross
// of one of two grids, fine for short objects and coarse for long dimension lines; the few that
// are longer still stand in a list of their own. It also knows which objects moved since the
// previous sweep began.
class Placement {
public:
    explicit Placement(const CDetailLineList& list) : list_(list), objects_(std::size_t(list.GetCount()))
    {
        for (int i = 0; i < list.GetCount(); ++i)
            File(i);
    }

    // Starts a sweep: the objects moved in the previous one stay marked.
    void BeginSweep(int sweep)
    {
        sweep_ = sweep;
        std::erase_if(moved_, [this](int i) { return !IsMarked(objects_[std::size_t(i)]); });
    }

    void Moved(int i)
    {
        Object& o = objects_[std::size_t(i)];
        if (!IsMarked(o))
            moved_.insert(std::upper_bound(moved_.begin(), moved_.end(), i), i);
        o.lastMove = sweep_;
        File(i);
    }

    // Starts the search for the objects that a overlaps: from those near a, or, when a has not
    // moved since the previous sweep began and few others have, from those others.
    void Begin(int a)
    {
        const Object& o = objects_[std::size_t(a)];
        if (sweep_ > 0 && !IsMarked(o) && moved_.size() <= kFewMoved) {
            near_.indexes = moved_;
            std::erase(near_.indexes, a);
            near_.stamp = o.stamp;
        } else {
            Gather(a);
        }
    }

    // The first index after `after`, other than a, whose bounds meet a's and whose pair with a
    // may overlap: in the first sweep every pair may; later only pairs with an object moved since
    // the previous sweep began, as two others were apart when last compared.
    int Next(int a, int after)
    {
        const Object& oa = objects_[std::size_t(a)];
        if (near_.stamp != oa.stamp)   // a moved: what is near it changed
            Gather(a);
        const bool every = sweep_ == 0 || IsMarked(oa);
        for (auto it = std::upper_bound(near_.indexes.begin(), near_.indexes.end(), after); it != near_.indexes.end(); ++it) {
            const Object& ob = objects_[std::size_t(*it)];
            if ((every || IsMarked(ob)) && Meets(oa, ob))
                return *it;
        }
        return -1;
    }

private:
    static constexpr std::array<double, 2> kCell{64, 1024};
    static constexpr double kFarthestCell = 1 << 30;
    // An object goes in the first grid where it crosses at most this many cells.
    static constexpr long long kMostFiledCells = 16;
    // A search over more cells than this reads every object of the grid instead.
    static constexpr long long kMostSearchCells = 4096;
    // Few enough moved objects to compare with directly.
    static constexpr std::size_t kFewMoved = 512;
    static constexpr int kOwnList = int(kCell.size());

    struct Cells {
        int x0 = 0, y0 = 0, x1 = -1, y1 = -1;
        long long Count() const { return (long long)(x1 - x0 + 1) * (y1 - y0 + 1); }
        bool operator==(const Cells&) const = default;
    };
    struct Object {
        double minX = 0, maxX = 0, minY = 0, maxY = 0;
        int grid = -1;   // 0 fine, 1 coarse, kOwnList; -1 before filing
        Cells cells;
        int lastMove = -2;   // the sweep of the last move
        int stamp = 0;       // counts the moves
    };
    using Grid = std::unordered_map<std::uint64_t, std::vector<int>>;

    static Cells CellsOf(const Object& o, int grid)
    {
        const double size = kCell[std::size_t(grid)];
        const auto cell = [size](double v) { return int(std::clamp(std::floor(v / size), -kFarthestCell, kFarthestCell)); };
        return {cell(o.minX - kTol), cell(o.minY - kTol), cell(o.maxX + kTol), cell(o.maxY + kTol)};
    }
    static std::uint64_t Key(int x, int y) { return std::uint64_t(std::uint32_t(x)) << 32 | std::uint32_t(y); }
    static bool Meets(const Object& a, const Object& b)
    {
        return b.minX <= a.maxX + kTol && b.maxX >= a.minX - kTol && b.minY <= a.maxY + kTol && b.maxY >= a.minY - kTol;
    }
    bool IsMarked(const Object& o) const { return o.lastMove >= sweep_ - 1; }

    template <class F> static void ForEachCell(const Cells& c, F&& f)
    {
        for (int x = c.x0; x <= c.x1; ++x)
            for (int y = c.y0; y <= c.y1; ++y)
                f(Key(x, y));
    }

    void Unfile(int i, const Object& o)
    {
        if (o.grid == kOwnList)
            std::erase(own_, i);
        else if (o.grid >= 0)
            ForEachCell(o.cells, [&](std::uint64_t key) { std::erase(grids_[std::size_t(o.grid)][key], i); });
    }

    void File(int i)
    {
        Object& o = objects_[std::size_t(i)];
        const Object old = o;
        const CDimRect& r = list_.GetAt(i).GetRect();
        o.minX = r.MinX(), o.maxX = r.MaxX(), o.minY = r.MinY(), o.maxY = r.MaxY();
        ++o.stamp;
        o.grid = kOwnList;
        o.cells = {};
        for (int g = 0; g < kOwnList; ++g)
            if (const Cells c = CellsOf(o, g); c.Count() <= kMostFiledCells) {
                o.grid = g;
                o.cells = c;
                break;
            }
        if (o.grid == old.grid && o.cells == old.cells)
            return;
        Unfile(i, old);
        if (o.grid == kOwnList)
            own_.push_back(i);
        else
            ForEachCell(o.cells, [&](std::uint64_t key) { grids_[std::size_t(o.grid)][key].push_back(i); });
    }

    // The objects whose bounds meet a's, ascending, without a.
    void Gather(int a)
    {
        const Object& o = objects_[std::size_t(a)];
        std::vector<int>& near = near_.indexes;
        near.clear();
        for (int g = 0; g < kOwnList; ++g) {
            const Cells c = CellsOf(o, g);
            if (c.Count() > kMostSearchCells) {
                for (int i = 0; i < int(objects_.size()); ++i)
                    if (objects_[std::size_t(i)].grid == g && Meets(o, objects_[std::size_t(i)]))
                        near.push_back(i);
                continue;
            }
            const Grid& grid = grids_[std::size_t(g)];
            ForEachCell(c, [&](std::uint64_t key) {
                if (const auto it = grid.find(key); it != grid.end())
                    for (int i : it->second)
                        if (Meets(o, objects_[std::size_t(i)]))
                            near.push_back(i);
            });
        }
        for (int i : own_)
            if (Meets(o, objects_[std::size_t(i)]))
                near.push_back(i);
        std::erase(near, a);
        std::sort(near.begin(), near.end());
        near.erase(std::unique(near.begin(), near.end()), near.end());
        near_.stamp = o.stamp;
    }

    const CDetailLineList& list_;
    std::vector<Object> objects_;
    std::array<Grid, kCell.size()> grids_;
    std::vector<int> own_;     // objects too long for either grid
    std::vector<int> moved_;   // ascending indexes of the objects moved since the previous sweep began
    struct {
        std::vector<int> indexes;
        int stamp = 0;
    } near_;
    int sweep_ = 0;
};

} // namespace

bool CDetailLineList::Precedes(const CDetailingObject& a, long serialA, const CDetailingObject& b, long serialB)
{
    if (a.GetLineLength() != b.GetLineLength())
        return a.GetLineLength() < b.GetLineLength();
    if (a.GetKind() != b.GetKind())
        return a.GetKind() < b.GetKind();
    if (a.IsAlongX() != b.IsAlongX())
        return a.IsAlongX();
    return serialA < serialB;
}

void CDetailLineList::RebuildMergeIndex()
{
    mergeIndex_.clear();
    for (const Entry& e : objects_)
        mergeIndex_.emplace(e.object->GetRect().MinX(), std::pair{e.object.get(), e.serial});
    mergeIndexValid_ = true;
}

// The first object in list order with the same rectangle and value text.
CDetailingObject* CDetailLineList::FindMergeTarget(const CDetailingObject& object) const
{
    const CDimRect& rect = object.GetRect();
    std::pair<CDetailingObject*, long> found{nullptr, 0};
    const auto last = mergeIndex_.upper_bound(rect.MinX() + kTol);
    for (auto it = mergeIndex_.lower_bound(rect.MinX() - kTol); it != last; ++it) {
        const auto [held, serial] = it->second;
        if (found.first && !Precedes(*held, serial, *found.first, found.second))
            continue;
        if (held->GetRect().SameAs(rect) && held->GetText() == object.GetText())
            found = it->second;
    }
    return found.first;
}

CDetailingObject* CDetailLineList::Add(std::unique_ptr<CDetailingObject> object)
{
    if (!mergeIndexValid_)
        RebuildMergeIndex();
    if (CDetailingObject* target = FindMergeTarget(*object)) {
        target->AddMember(*object);
        return nullptr;
    }
    const long serial = nextSerial_++;
    const auto at = std::upper_bound(objects_.begin(), objects_.end(), *object, [serial](const CDetailingObject& o, const Entry& e) {
        return Precedes(o, serial, *e.object, e.serial);
    });
    CDetailingObject* added = object.get();
    mergeIndex_.emplace(added->GetRect().MinX(), std::pair{added, serial});
    objects_.insert(at, Entry{std::move(object), serial});
    return added;
}

bool CDetailLineList::LabelNeedsMove(const CDetailingObject& label)
{
    // A label that reaches back into its patterns (a U label grows toward them when the X
    // direction is '+') moves as well.
    if (!label.IsClearOfCover())
        return true;
    const CDetailingObject& owner = *label.GetOwner();
    const bool x = label.IsAlongX();
    const auto across = [x](const CDimTPoint& p) { return x ? p.GetY() : p.GetX(); };
    const double level = label.GetLevel();
    const double first = across(label.GetRect().GetCorner(0));
    if (CDimTPoint::RoundHalfAway(across(owner.GetWorkPoint(x ? 6 : 4))) - level < first)
        return true;
    for (int k = 0; k < 4; ++k)
        if ((!x || k == 0 || k == 3) && across(owner.GetRect().GetCorner(k)) - level < first)
            return true;
    return false;
}

void CDetailLineList::MoveClearOfPatterns()
{
    mergeIndexValid_ = false;
    for (const Entry& e : objects_)
        e.object->ComputeCoverBox();
    for (const Entry& e : objects_) {
        CDetailingObject& o = *e.object;
        if (o.IsLabel())
            continue;
        for (int steps = 0; !o.IsClearOfCover() && steps < CDetailingObject::kMaxSteps; ++steps)
            o.MoveOut();
    }
    for (const Entry& e : objects_) {
        CDetailingObject& label = *e.object;
        if (!label.IsLabel())
            continue;
        label.GetOwner()->ComputeCoverBox();
        if (LabelNeedsMove(label))
            label.MoveOut();
    }
}

CDetailingObject& CDetailLineList::ChooseMover(CDetailingObject& a, CDetailingObject& b)
{
    if (a.IsLabel() != b.IsLabel())
        return a.IsLabel() ? a : b;
    if (!SameLength(a.GetLineLength(), b.GetLineLength()))
        return a.GetLineLength() > b.GetLineLength() ? a : b;
    if (a.GetKind() != b.GetKind())
        return a.GetKind() < b.GetKind() ? a : b;
    const double angleA = a.GetAngle();
    const double angleB = b.GetAngle();
    if ((angleA != 0.0) != (angleB != 0.0))
        return angleA != 0.0 ? a : b;
    return angleB > angleA ? b : a;
}

CDetailingObject& CDetailLineList::SeparatePair(CDetailingObject& a, CDetailingObject& b)
{
    CDetailingObject& mover = ChooseMover(a, b);
    int steps = 0;
    do
        mover.MoveOut();
    while ((a.Overlaps(b) || !mover.IsClearOfCover()) && ++steps < CDetailingObject::kMaxSteps);
    return mover;
}

// Each sweep takes every object a in list order and separates it from every object b it
// overlaps, in list order, as a stands at that moment. Placement only spares the comparisons
// whose answer is known: objects whose bounds are apart, and pairs that did not move since.
void CDetailLineList::ResolveOverlaps()
{
    mergeIndexValid_ = false;
    Placement placement(*this);
    for (int sweep = 0; sweep < kMaxSweeps; ++sweep) {
        placement.BeginSweep(sweep);
        bool changed = false;
        for (int a = 0; a < GetCount(); ++a) {
            CDetailingObject& objectA = GetAt(a);
            placement.Begin(a);
            for (int b = placement.Next(a, -1); b >= 0; b = placement.Next(a, b)) {
                CDetailingObject& objectB = GetAt(b);
                if (!objectA.Overlaps(objectB))
                    continue;
                changed = true;
                placement.Moved(&SeparatePair(objectA, objectB) == &objectA ? a : b);
            }
        }
        if (!changed)
            return;
    }
}
