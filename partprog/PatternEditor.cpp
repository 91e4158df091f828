#include "partprog/PatternEditor.h"

#include "partprog/FaceTool.h"
#include "partprog/PartDoc.h"
#include "partprog/PartHint.h"
#include "partprog/PatternOperations.h"

#include <algorithm>

namespace {

int PlacementOf(const CRefPlane& plane)
{
    switch (plane.GetPatternType()) {
    case 'B': return CPattern::below;
    case 'C': return CPattern::centredFirst;
    default: return CPattern::above;
    }
}

} // namespace

void CPatternEditor::SetCurrentFaceList(CPatternList* list)
{
    list_ = list;
    if (list_ && !list_->GetCurrentPosition())
        list_->SetCurrentPosition(list_->GetHeadPosition());
    ShowCurrent();
    Send(hintCurrent);
}

CPattern* CPatternEditor::GetCurrent() const
{
    return list_ && list_->GetCurrentPosition() ? list_->GetAt(list_->GetCurrentPosition()) : nullptr;
}

int CPatternEditor::GetFaceCode() const
{
    CPartShape* shape = doc_.GetPartShape();
    if (!shape || !list_)
        return 0;
    for (const int code : {faceWeb, faceTopFlange, faceBottomFlange, faceWeb2})
        if (shape->GetFaceList(code) == list_)
            return code;
    return 0;
}

int CPatternEditor::GetMeasuringSystem() const { return doc_.GetMeasuringSystem(); }

int CPatternEditor::GetMarker() const
{
    const CPattern* current = GetCurrent();
    return current ? current->GetOperation() : -1;
}

bool CPatternEditor::HasPatterns() const { return list_ && !list_->IsEmpty(); }

bool CPatternEditor::CanStepUp() const
{
    return HasPatterns() && list_->GetCurrentPosition() != list_->GetHeadPosition();
}

bool CPatternEditor::CanStepDown() const
{
    return HasPatterns() && list_->GetCurrentPosition() != list_->GetTailPosition();
}

void CPatternEditor::SetCurrentPosition(CPatternList::Position pos)
{
    list_->SetCurrentPosition(pos);
    ShowCurrent();
    Send(hintCurrent);
}

void CPatternEditor::StepUp()
{
    if (!HasPatterns())
        return;
    CPatternList::Position pos = list_->GetCurrentPosition();
    if (!pos)
        return SetCurrentPosition(list_->GetHeadPosition());
    list_->GetPrev(pos);
    if (pos)
        SetCurrentPosition(pos);
}

void CPatternEditor::StepDown()
{
    if (!HasPatterns())
        return;
    CPatternList::Position pos = list_->GetCurrentPosition();
    if (!pos)
        return SetCurrentPosition(list_->GetHeadPosition());
    list_->GetNext(pos);
    if (pos)
        SetCurrentPosition(pos);
}

std::unique_ptr<CPattern> CPatternEditor::MakePattern(int operation, const CRefPlane* plane) const
{
    const int countX = std::max(fields_.countX, 1), countU = std::max(fields_.countU, 1);
    return std::make_unique<CPattern>(fields_.x, fields_.u, countX, fields_.incrementX, countU, fields_.incrementU,
                                      operation, plane, tool_, GetMeasuringSystem());
}

bool CPatternEditor::AddToView(std::unique_ptr<CPattern>& pattern)
{
    if (!list_)
        return false;
    if (const CPattern* current = GetCurrent(); incrementX_ && current && plane_) {
        double x = 0, u = 0;
        current->GetElementPosition(0, 0, PlacementOf(current->GetRefPlane()), x, u);
        CRefPlane& plane = pattern->GetRefPlane();
        plane.Set(x, plane_->GetStartU().GetValue(), plane_->GetXDirection(), plane_->GetUDirection(),
                  plane_->GetRise().GetValue(), plane_->GetRun().GetValue(), plane_->GetPatternType());
        pattern->ComputeBox();
    }
    CPatternList::Position pos;
    if (!doc_.AddPattern(pattern, *list_, &pos))
        return false;
    list_->SetCurrentPosition(pos);
    Send(hintAdded, incrementX_ ? 1 : 0);
    return true;
}

bool CPatternEditor::Add()
{
    if (!list_ || !plane_)
        return false;
    std::unique_ptr<CPattern> pattern = MakePattern(operation_, plane_);
    return AddToView(pattern);
}

bool CPatternEditor::Delete()
{
    if (!GetCurrent())
        return false;
    CPatternList::Position pos = list_->GetCurrentPosition();
    if (!doc_.DeletePattern(*list_, pos))
        return false;
    list_->SetCurrentPosition(pos);
    Send(hintDeleted);
    ShowCurrent();
    return true;
}

bool CPatternEditor::Mirror()
{
    const CPattern* current = GetCurrent();
    if (!current)
        return false;
    const CRefPlane plane = patternops::MirroredPlane(current->GetRefPlane(), doc_.Header().length.GetValue());
    std::unique_ptr<CPattern> pattern = MakePattern(current->GetOperation(), &plane);
    return AddToView(pattern);
}

bool CPatternEditor::FaceCopy()
{
    const CPattern* current = GetCurrent();
    if (!current)
        return false;
    std::unique_ptr<CPattern> pattern = MakePattern(current->GetOperation(), &current->GetRefPlane());
    if (!doc_.AddPatternToOppositeFace(pattern, *list_))
        return false;
    Send(hintFaceCopied);
    return true;
}

bool CPatternEditor::CopyTool()
{
    if (!list_ || !tool_ || !doc_.CopyToolToPattern(*list_, *tool_))
        return false;
    Send(hintToolCopied);
    return true;
}

void CPatternEditor::Flip()
{
    if (list_)
        doc_.FlipFace(*list_);
}

void CPatternEditor::Flop()
{
    if (list_)
        doc_.FlopFace(*list_);
}

void CPatternEditor::Rotate()
{
    if (list_)
        doc_.RotateFace(*list_);
}

bool CPatternEditor::CanTriangulate() const { return plane_ && plane_->GetRun().GetValue() != 0.0 && plane_->GetRise().GetValue() != 0.0; }

double CPatternEditor::Triangulated(int choice, double distance) const
{
    return patternops::Triangulate(patternops::TriangulationRatio(*plane_), choice, distance);
}

bool CPatternEditor::DropTool(const std::string& paths)
{
    const std::string title = facetool::FirstTitle(paths);
    if (title.empty())
        return false;
    Send(hintToolDropped, 0, title);
    return true;
}

void CPatternEditor::DetailsChanged() { doc_.UpdateAllViews(sender_, hintDetails); }

void CPatternEditor::ShowCurrent()
{
    const CPattern* current = GetCurrent();
    if (!current) {
        fields_ = {};
        return;
    }
    fields_ = {current->GetStartX().GetValue(), current->GetStartU().GetValue(), current->GetCountX(),
               current->GetIncrementX().GetValue(), current->GetCountU(), current->GetIncrementU().GetValue()};
}

int CPatternEditor::CurrentIndex() const
{
    if (!list_ || !list_->GetCurrentPosition())
        return -1;
    int index = 0;
    for (CPatternList::Position pos = list_->GetHeadPosition(); pos; list_->GetNext(pos), ++index)
        if (pos == list_->GetCurrentPosition())
            return index;
    return -1;
}

void CPatternEditor::Send(int hint, int flag, const std::string& text)
{
    CPartHint partHint;
    partHint.value1 = GetFaceCode();
    partHint.value2 = CurrentIndex();
    partHint.value3 = flag;
    partHint.text = text;
    doc_.UpdateAllViews(sender_, hint, &partHint);
}
