#include "fw/core/RecordingDrawContext.h"

#include <gtest/gtest.h>

namespace {

// A small drawing in the style of the face views: a dashed plane line, a filled dot and a
// centred text, each tool selected again when done.
void DrawSample(fw::DrawContext& dc)
{
    fw::Pen oldPen = dc.SelectPen({fw::PenStyle::Dash, 0, fw::Rgb(255, 0, 0)});
    dc.MoveTo(0, 0);
    dc.LineTo(160, -32);
    dc.SelectPen(oldPen);

    fw::Brush oldBrush = dc.SelectBrush({fw::BrushStyle::Solid, fw::Rgb(0, 0, 0)});
    dc.Ellipse({-2, -2, 2, 2});
    dc.SelectBrush(oldBrush);

    fw::Font font;
    font.height = 16;
    font.faceName = "Courier New";
    font.escapement = -300;
    fw::Font oldFont = dc.SelectFont(font);
    dc.SetTextAlign(fw::AlignCenter | fw::AlignBaseline);
    dc.SetBkMode(fw::BkMode::Transparent);
    dc.TextOut(80, -17, "3 1/2");
    dc.SelectFont(oldFont);
}

TEST(RecordingDrawContext, RecordsEveryCallAsALine)
{
    fw::RecordingDrawContext dc;
    DrawSample(dc);
    EXPECT_EQ(dc.Text(),
              "Pen dash 0 #FF0000\n"
              "MoveTo 0 0\n"
              "LineTo 160 -32\n"
              "Pen solid 0 #000000\n"
              "Brush solid #000000\n"
              "Ellipse -2 -2 2 2\n"
              "Brush solid #FFFFFF\n"
              "Font \"Courier New\" height 16 width 0 escapement -300 weight 400\n"
              "TextAlign center baseline\n"
              "BkMode transparent\n"
              "TextOut 80 -17 \"3 1/2\"\n"
              "Font \"\" height 0 width 0 escapement 0 weight 400\n");
    EXPECT_EQ(dc.GetCurrentPosition(), (fw::Point{160, -32}));
}

TEST(RecordingDrawContext, RecordsShapesAndMapping)
{
    fw::RecordingDrawContext dc;
    const fw::Point points[] = {{0, 0}, {5, 5}, {10, 0}};
    dc.Polyline(points);
    dc.Polygon(points);
    dc.Rectangle({1, 2, 3, 4});
    dc.Arc({0, 0, 10, 10}, {10, 5}, {0, 5});
    dc.FillRect({0, 0, 4, 4}, {fw::BrushStyle::Null, 0});
    dc.FillRect({0, 0, 4, 4}, {fw::BrushStyle::Solid, fw::Rgb(0x12, 0x34, 0x56)});
    dc.SetTextColor(fw::Rgb(50, 50, 50));
    dc.SetBkColor(fw::Rgb(255, 255, 0));
    dc.SetMapMode(fw::MapMode::Isotropic);
    dc.SetWindowExt({100, 100});
    dc.SetViewportExt({300, -200});
    dc.SetWindowOrg({1, 2});
    dc.SetViewportOrg({3, 4});
    EXPECT_EQ(dc.Text(),
              "Polyline 0 0, 5 5, 10 0\n"
              "Polygon 0 0, 5 5, 10 0\n"
              "Rectangle 1 2 3 4\n"
              "Arc 0 0 10 10 10 5 0 5\n"
              "FillRect 0 0 4 4 null\n"
              "FillRect 0 0 4 4 solid #123456\n"
              "TextColor #323232\n"
              "BkColor #FFFF00\n"
              "MapMode isotropic\n"
              "WindowExt 100 100\n"
              "ViewportExt 200 -200\n"
              "WindowOrg 1 2\n"
              "ViewportOrg 3 4\n");
}

TEST(RecordingDrawContext, FixedTextMetrics)
{
    fw::RecordingDrawContext dc;
    EXPECT_EQ(dc.GetTextExtent("<12>"), (fw::Size{40, 16}));   // default height 16: 10 per character
    EXPECT_EQ(dc.GetTextMetrics(), (fw::TextMetrics{16, 13, 3, 0, 10}));
    fw::Font report;
    report.height = 100;
    report.width = 50;
    dc.SelectFont(report);
    EXPECT_EQ(dc.GetTextExtent("Page: "), (fw::Size{300, 100}));
    EXPECT_EQ(dc.GetTextExtent(""), (fw::Size{0, 100}));
}

TEST(DrawContext, SelectAndSetReturnWhatTheyReplace)
{
    fw::RecordingDrawContext dc;
    const fw::Pen red{fw::PenStyle::Solid, 2, fw::Rgb(255, 0, 0)};
    EXPECT_EQ(dc.SelectPen(red), fw::Pen{});
    EXPECT_EQ(dc.SelectPen(fw::Pen{}), red);
    EXPECT_EQ(dc.SetTextAlign(fw::AlignBottom), fw::AlignLeft | fw::AlignTop);
    EXPECT_EQ(dc.SetBkMode(fw::BkMode::Transparent), fw::BkMode::Opaque);
    EXPECT_EQ(dc.SetTextColor(fw::Rgb(1, 2, 3)), fw::Rgb(0, 0, 0));
    EXPECT_EQ(dc.GetTextColor(), 0x030201u);
}

struct MappingCase {
    const char* name;
    fw::MapMode mode;
    fw::Size windowExt, viewportExt;
    fw::Point windowOrg, viewportOrg;
    fw::Size expectedViewportExt;
    fw::Point logical, device;
};

TEST(DrawContext, MapsLogicalToDeviceAndBack)
{
    const MappingCase cases[] = {
        {"text mode ignores extents", fw::MapMode::Text, {2, 2}, {10, 10}, {5, 5}, {100, 50}, {1, 1}, {10, 20}, {105, 65}},
        {"isotropic shrinks the wider axis", fw::MapMode::Isotropic, {400, 400}, {800, 600}, {}, {}, {600, 600}, {100, 100}, {150, 150}},
        {"isotropic keeps a flipped axis", fw::MapMode::Isotropic, {400, 400}, {800, -1200}, {}, {0, 300}, {800, -800}, {10, 10}, {20, 280}},
        {"anisotropic scales each axis", fw::MapMode::Anisotropic, {10, 20}, {30, 10}, {-10, 0}, {5, 5}, {30, 10}, {0, 40}, {35, 25}},
    };
    for (const MappingCase& c : cases) {
        SCOPED_TRACE(c.name);
        fw::RecordingDrawContext dc;
        dc.SetMapMode(c.mode);
        dc.SetWindowExt(c.windowExt);
        dc.SetViewportExt(c.viewportExt);
        dc.SetWindowOrg(c.windowOrg);
        dc.SetViewportOrg(c.viewportOrg);
        EXPECT_EQ(dc.GetViewportExt(), c.expectedViewportExt);
        EXPECT_EQ(dc.LPtoDP(c.logical), c.device);
        EXPECT_EQ(dc.DPtoLP(c.device), c.logical);
    }
}

TEST(DrawContext, RefusesZeroExtentsAndResetsThemInTextMode)
{
    fw::RecordingDrawContext dc;
    dc.SetMapMode(fw::MapMode::Anisotropic);
    dc.SetWindowExt({4, 8});
    EXPECT_EQ(dc.SetWindowExt({0, 5}), (fw::Size{4, 8}));
    EXPECT_EQ(dc.SetViewportExt({5, 0}), (fw::Size{1, 1}));
    EXPECT_EQ(dc.GetWindowExt(), (fw::Size{4, 8}));
    dc.SetMapMode(fw::MapMode::Text);
    EXPECT_EQ(dc.GetWindowExt(), (fw::Size{1, 1}));
    EXPECT_EQ(dc.LPtoDP({7, 9}), (fw::Point{7, 9}));
}

} // namespace
