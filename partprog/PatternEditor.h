#pragma once
// What the part programming form does, without its widgets: the pattern typed in (positions,
// counts, increments, operation), the face list, tool and reference plane the window makes
// current, the current pattern (always the face list's own current position, so each face keeps
// its own and a deleted pattern is never used), and the pattern commands. Every change goes
// through the part document, and the views hear of it by a CPartHint (face code, position index,
// a flag, a text).

#include "model/PatternList.h"

#include <string>

class CPartDoc;
class CPartTool;
class CRefPlane;

namespace fw {
class View;
}

struct PatternFields {
    double x = 0.0;
    double u = 0.0;
    int countX = 0;
    double incrementX = 0.0;
    int countU = 0;
    double incrementU = 0.0;
};

class CPatternEditor {
public:
    enum Hint { hintDetails = 0, hintAdded, hintDeleted, hintFaceCopied, hintCurrent, hintToolCopied, hintToolDropped };
    static constexpr int kMaxCount = 9999;

    // Hints go to the document's views with the sender as their origin.
    CPatternEditor(CPartDoc& doc, fw::View* sender) : doc_(doc), sender_(sender) {}

    // Makes the list current (its own current position, the head when it has none), shows that
    // pattern and sends hint 4.
    void SetCurrentFaceList(CPatternList* list);
    void SetCurrentTool(const CPartTool* tool) { tool_ = tool; }
    void SetCurrentRefPlane(const CRefPlane* plane) { plane_ = plane; }
    CPatternList* GetFaceList() const { return list_; }
    const CPartTool* GetTool() const { return tool_; }
    const CRefPlane* GetRefPlane() const { return plane_; }
    // The pattern at the face list's current position, or null.
    CPattern* GetCurrent() const;
    // The face code of the current list (16, 32, 48, 64), 0 for none.
    int GetFaceCode() const;

    PatternFields& Fields() { return fields_; }
    const PatternFields& Fields() const { return fields_; }
    int GetOperation() const { return operation_; }
    void SetOperation(int operation) { operation_ = operation; }
    bool GetIncrementX() const { return incrementX_; }
    void SetIncrementX(bool on) { incrementX_ = on; }
    int GetMeasuringSystem() const;
    // The operation the ">>" marker stands beside: the current pattern's, -1 without one.
    int GetMarker() const;

    bool CanStepUp() const;
    bool CanStepDown() const;
    // The previous or next pattern becomes current (from none: the first); hint 4.
    void StepUp();
    void StepDown();
    // Whether the face list holds a pattern (Mirror, Delete, Copy Tool).
    bool HasPatterns() const;

    // A pattern from the fields (counts of 0 become 1) with the operation, plane and tool; false
    // when it can't be made or the face refuses it.
    bool Add();
    // Deletes the current pattern; the next (or previous) one is shown. Hint 2.
    bool Delete();
    // The fields as a pattern from the current pattern's plane mirrored end for end.
    bool Mirror();
    // The fields as a pattern of the current pattern's plane on the opposite face. Hint 3.
    bool FaceCopy();
    // The current tool into the current pattern. Hint 5.
    bool CopyTool();
    void Flip();
    void Flop();
    void Rotate();
    // Triangulate is possible with a plane whose run is not 0.
    bool CanTriangulate() const;
    // The distance along the plane of a distance measured along X (choice 0) or U (choice 1).
    double Triangulated(int choice, double distance) const;
    // Hint 6 with the title of the first file of a '|'-separated list; false when it is empty.
    bool DropTool(const std::string& paths);
    // Hint 0 after the detail settings changed.
    void DetailsChanged();

    // Fills the fields from the current pattern, or clears them.
    void ShowCurrent();

private:
    std::unique_ptr<CPattern> MakePattern(int operation, const CRefPlane* plane) const;
    bool AddToView(std::unique_ptr<CPattern>& pattern);
    int CurrentIndex() const;
    void Send(int hint, int flag = 0, const std::string& text = {});
    void SetCurrentPosition(CPatternList::Position pos);

    CPartDoc& doc_;
    fw::View* sender_;
    CPatternList* list_ = nullptr;
    const CPartTool* tool_ = nullptr;
    const CRefPlane* plane_ = nullptr;
    PatternFields fields_;
    int operation_ = 0;
    bool incrementX_ = false;
};
