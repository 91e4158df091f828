#include "DetailingTestSupport.h"

#include "partprog/DetailingDimRect.h"
#include "partprog/DetailingTextRect.h"
#include "partprog/QuickDrawZelbo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <sstream>
#include <vector>

using namespace detailtest;

namespace {

using Lines = std::vector<std::string>;

const std::string kExtensionPen = "Pen solid 0 #B4B4BE";
const std::string kBluePen = "Pen solid 0 #0000FF";

// The lines drawn in the extension pen, each "x,y-x,y".
std::string ExtensionLines(const Lines& lines)
{
    auto it = std::find(lines.begin(), lines.end(), kExtensionPen);
    std::string text;
    std::string from;
    for (++it; it != lines.end() && it->rfind("Pen ", 0) != 0; ++it) {
        std::istringstream in(*it);
        std::string call;
        int x = 0, y = 0;
        in >> call >> x >> y;
        const std::string point = std::to_string(x) + "," + std::to_string(y);
        if (call == "MoveTo")
            from = point;
        else
            text += (text.empty() ? "" : " ") + from + "-" + point;
    }
    return text;
}

int Count(const Lines& lines, const std::string& prefix)
{
    return int(std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
}

using Builder = std::function<std::unique_ptr<CDetailingObject>(const CPattern&, fw::DrawContext&)>;

template <class Kind> Builder Of()
{
    return [](const CPattern& p, fw::DrawContext& dc) -> std::unique_ptr<CDetailingObject> { return Built<Kind>(p, dc); };
}

TEST(DetailingDraw, DimensionCallsInOrder)
{
    fw::RecordingDrawContext dc;
    const auto pattern = MakePattern(kGrid, {10, 2});
    const auto object = Built<CDetailingDimRectOrgToRef>(*pattern, dc);
    dc.Clear();
    object->Draw();
    const Lines expected{
        kExtensionPen,
        "MoveTo 160 32", "LineTo 160 32",    // across the members' plane corners (one member)
        "MoveTo 0 -16", "LineTo 0 0",        // to the origin
        "MoveTo 160 -16", "LineTo 160 32",   // to the plane's corner point
        kBluePen,
        "Pen solid 0 #7D32C8", "MoveTo 0 -16", "LineTo -3 -19", "MoveTo 0 -16", "LineTo 3 -13", kBluePen,
        "Pen solid 0 #7D32C8", "MoveTo 160 -16", "LineTo 157 -19", "MoveTo 160 -16", "LineTo 163 -13", kBluePen,
        "MoveTo 0 -16", "LineTo 160 -16",
        "Pen solid 0 #000000",
    };
    EXPECT_EQ(dc.Lines(), expected);
}

TEST(DetailingDraw, ExtensionLinesPerKind)
{
    // Plane (160, 32); E1 (176,64) E2 (176,48) E3 (240,48) E4 (240,64).
    const PlaneValues above{10, 2};
    // E1 (176,56) E2 (176,40) E3 (240,40) E4 (240,56); F2 (176,24).
    const PlaneValues centred{10, 2, 'C'};
    // E1 (184,48) E2 (168,48) E3 (168,112) E4 (184,112); F2 (152,48) F3 (152,112).
    const PlaneValues vertical{10, 2, 'C', '+', '+', 1, 0};
    struct Case {
        const char* name;
        PlaneValues plane;
        Builder build;
        const char* lines;
    };
    const Case cases[] = {
        {"1X", above, Of<CDetailingDimRectOrgToRef>(), "160,32-160,32 0,-16-0,0 160,-16-160,32"},
        {"1U", above, Of<CDetailingDimRectOrgToRefU>(), "160,32-160,32 -16,0-0,0 -16,32-160,32"},
        {"2X", above, Of<CDetailingDimRectRefTo1st>(), "160,-16-160,32 176,-16-176,64 176,48-176,64"},
        {"2X vertical", vertical, Of<CDetailingDimRectRefTo1st>(), "152,-16-152,112 168,-16-168,112"},
        {"2U", above, Of<CDetailingDimRectRefTo1stU>(), "160,32-160,32 160,48-176,48"},
        {"2U vertical", vertical, Of<CDetailingDimRectRefTo1stU>(), "-16,48-184,48 -16,32-160,32"},
        {"2U centred", centred, Of<CDetailingDimRectRefTo1stU>(), "160,24-176,24 160,40-176,40"},
        {"3X", above, Of<CDetailingDimRect1stToLast>(), "176,-16-176,64 240,-16-240,64 176,48-176,64 240,48-240,64"},
        {"3X vertical", vertical, Of<CDetailingDimRect1stToLast>(),
         "168,-16-168,112 168,48-168,112 184,-16-184,112 184,48-184,112 "
         "168,-16-168,48 168,48-168,112 184,-16-184,48 184,48-184,112"},
        {"3U", above, Of<CDetailingDimRect1stToLastU>(), "160,48-176,48 160,64-176,64 176,64-240,64 176,48-240,48"},
        {"3U vertical", vertical, Of<CDetailingDimRect1stToLastU>(), "-16,48-168,48 -16,112-168,112"},
        {"3U centred", centred, Of<CDetailingDimRect1stToLastU>(), "160,40-240,40 160,56-240,56"},
    };
    for (const Case& c : cases) {
        fw::RecordingDrawContext dc;
        const auto pattern = MakePattern(kGrid, c.plane);
        const auto object = c.build(*pattern, dc);
        ASSERT_TRUE(object) << c.name;
        dc.Clear();
        object->Draw();
        EXPECT_EQ(ExtensionLines(dc.Lines()), c.lines) << c.name;
        EXPECT_EQ(Count(dc.Lines(), "Pen solid 0 #7D32C8"), 2) << c.name;   // a tick at each end
        EXPECT_EQ(dc.Lines().back(), "Pen solid 0 #000000") << c.name;
    }
}

TEST(DetailingDraw, ValueTextOnTheLine)
{
    fw::RecordingDrawContext dc;
    const auto pattern = MakePattern(kGrid, {10, 2});
    const auto object = Built<CDetailingDimRectOrgToRef>(*pattern, dc);
    dc.Clear();
    object->DrawText();
    const Lines expected{
        kBluePen,
        "TextColor #000000",
        "TextAlign center baseline",
        "BkMode opaque",
        "Font \"Courier New\" height 0 width 0 escapement 0 weight 400",
        "TextOut 80 -17 \"10\"\"",
        "Font \"\" height 0 width 0 escapement 0 weight 400",
        "Pen solid 0 #000000",
    };
    EXPECT_EQ(dc.Lines(), expected);
    EXPECT_EQ(object->GetTextWidthOnLine(), 30);
}

TEST(DetailingDraw, TextEscapement)
{
    const double run30 = std::sqrt(3.0);   // rise 1: 30 degrees
    struct Case {
        const char* name;
        PlaneValues plane;
        Builder build;
        int escapement;
    };
    const Case cases[] = {
        {"30 degrees along X, ++", {10, 2, 'A', '+', '+', 1, run30}, Of<CDetailingDimRectRefTo1st>(), -300},
        {"30 degrees along X, -+", {30, 2, 'A', '-', '+', 1, run30}, Of<CDetailingDimRectRefTo1st>(), 300},
        {"30 degrees in U, ++", {10, 2, 'A', '+', '+', 1, run30}, Of<CDetailingDimRect1stToLastU>(), 600},
        {"30 degrees in U, +-", {10, 8, 'A', '+', '-', 1, run30}, Of<CDetailingDimRect1stToLastU>(), -600},
        {"origin to plane in U", {10, 2, 'A', '+', '+', 1, run30}, Of<CDetailingDimRectOrgToRefU>(), 900},
        {"origin to plane along X", {10, 2, 'A', '+', '+', 1, run30}, Of<CDetailingDimRectOrgToRef>(), 0},
        {"angle 0 in U", {10, 2}, Of<CDetailingDimRect1stToLastU>(), 900},
        {"angle 0 along X", {10, 2}, Of<CDetailingDimRect1stToLast>(), 0},
    };
    for (const Case& c : cases) {
        fw::RecordingDrawContext dc;
        const auto pattern = MakePattern(kGrid, c.plane);
        const auto object = c.build(*pattern, dc);
        ASSERT_TRUE(object) << c.name;
        dc.Clear();
        object->DrawText();
        EXPECT_EQ(dc.Lines()[4], "Font \"Courier New\" height 0 width 0 escapement " + std::to_string(c.escapement) + " weight 400")
            << c.name;
    }
}

TEST(DetailingDraw, LongDimensionStubsAboveLength220)
{
    // First to last from x 176 to 816 (40 inches): "1@3'4\"", bracketed 80 wide.
    const auto pattern = MakePattern({1, 0, 2, 40}, {10, 0});
    const auto draw = [&](int length, bool withText) {
        fw::RecordingDrawContext dc;
        const auto object = Built<CDetailingDimRect1stToLast>(*pattern, dc, {192, length});
        dc.Clear();
        if (withText)
            object->DrawText();
        object->Draw();
        return dc.Lines();
    };
    const Lines longLine = draw(221, true);
    EXPECT_EQ(Count(longLine, "TextAlign left baseline"), 1);
    EXPECT_EQ(Count(longLine, "TextOut 181 -17 \"<1@3'4\">\""), 1);
    EXPECT_EQ(Count(longLine, "TextOut 731 -17 \"<1@3'4\">\""), 1);
    const Lines stubs{"MoveTo 816 -16", "LineTo 732 -16", "Ellipse 729 -19 735 -13",
                      "MoveTo 176 -16", "LineTo 260 -16", "Ellipse 257 -19 263 -13"};
    EXPECT_NE(std::search(longLine.begin(), longLine.end(), stubs.begin(), stubs.end()), longLine.end());

    const Lines shortPart = draw(220, true);
    EXPECT_EQ(Count(shortPart, "Ellipse"), 0);
    EXPECT_EQ(Count(shortPart, "TextOut 496 -17 \"1@3'4\"\""), 1);
    const Lines straight{"MoveTo 176 -16", "LineTo 816 -16"};
    EXPECT_NE(std::search(shortPart.begin(), shortPart.end(), straight.begin(), straight.end()), shortPart.end());

    // Without its text on the line, a long line is drawn straight.
    EXPECT_EQ(Count(draw(221, false), "Ellipse"), 0);
}

TEST(DetailingDraw, LabelCalls)
{
    fw::RecordingDrawContext dc;
    const auto pattern = MakePattern(kGrid, {10, 2});
    const auto owner = Built<CDetailingDimRectRefTo1st>(*pattern, dc);   // anchor (168,-16)
    CDetailingTextRect label;                                          // (168,-32) ... (190,-32)
    ASSERT_TRUE(label.InitLabel(*owner));
    dc.Clear();
    label.Draw();
    const Lines expected{
        kBluePen,
        "TextColor #323232",
        "TextAlign left bottom",
        "BkMode opaque",
        "Font \"Courier New\" height 0 width 0 escapement 0 weight 400",
        "Pen solid 0 #BAB9C4",
        "MoveTo 179 -33", "LineTo 168 -16",   // leader from above the label's anchor to the owner's
        kBluePen,
        "MoveTo 190 -32", "LineTo 168 -32",   // underline, corner 4 to corner 1
        "TextOut 169 -32 \"1\"\"",
        "Font \"\" height 0 width 0 escapement 0 weight 400",
        "Pen solid 0 #000000",
    };
    EXPECT_EQ(dc.Lines(), expected);
}

TEST(DetailingDraw, MarksRoundHalfAwayFromZero)
{
    fw::RecordingDrawContext dc;
    CQuickDrawZelbo::DrawTick(dc, {2.5, 2.49});
    CQuickDrawZelbo::DrawPointDot(dc, {-2.5, -2.49});
    CQuickDrawZelbo::DrawOriginDot(dc, 0, 0);
    const Lines expected{
        "Pen solid 0 #7D32C8", "MoveTo 3 2", "LineTo 0 -1", "MoveTo 3 2", "LineTo 6 5", "Pen solid 0 #000000",
        "Pen solid 0 #7D32C8", "Brush solid #000000", "Ellipse -5 -4 -1 0", "Brush solid #FFFFFF", "Pen solid 0 #000000",
        "Pen solid 0 #7D32C8", "Brush solid #000000", "Ellipse -2 -2 2 2", "Brush solid #FFFFFF", "Pen solid 0 #000000",
    };
    EXPECT_EQ(dc.Lines(), expected);
}

} // namespace
