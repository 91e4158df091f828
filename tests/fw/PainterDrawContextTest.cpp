#include "fw/qt/PainterDrawContext.h"
#include "tests/fw/QtApp.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace {

class PainterDrawContextTest : public ::testing::Test {
protected:
    PainterDrawContextTest() : image_(60, 60, QImage::Format_RGB32)
    {
        test::QtApp();
        image_.fill(Qt::white);
    }

    // Paints with a fresh context, then ends painting so that the pixels can be read.
    template <class Fn> void Paint(Fn&& draw)
    {
        QPainter painter(&image_);
        fw::PainterDrawContext dc(painter);
        draw(dc);
    }

    QRgb Pixel(int x, int y) const { return image_.pixel(x, y) & 0xFFFFFF; }

    int DarkPixels(const QRect& area) const
    {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += qGray(image_.pixel(x, y)) < 128;
        return count;
    }

    QImage image_;
};

constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kRed = 0xFF0000;
constexpr QRgb kBlue = 0x0000FF;
constexpr QRgb kGreen = 0x00FF00;

TEST_F(PainterDrawContextTest, FillsRectanglesWithoutTheirRightAndBottomEdges)
{
    Paint([](fw::DrawContext& dc) { dc.FillRect({2, 2, 6, 6}, {fw::BrushStyle::Solid, fw::Rgb(255, 0, 0)}); });
    EXPECT_EQ(Pixel(2, 2), kRed);
    EXPECT_EQ(Pixel(5, 5), kRed);
    EXPECT_EQ(Pixel(6, 5), kWhite);
    EXPECT_EQ(Pixel(5, 6), kWhite);
}

TEST_F(PainterDrawContextTest, MapsLogicalUnitsToDevicePixels)
{
    Paint([](fw::DrawContext& dc) {
        dc.SetMapMode(fw::MapMode::Anisotropic);
        dc.SetWindowExt({1, 1});
        dc.SetViewportExt({2, 2});
        dc.SetViewportOrg({20, 0});
        dc.FillRect({0, 0, 5, 5}, {fw::BrushStyle::Solid, fw::Rgb(0, 0, 255)});
    });
    EXPECT_EQ(Pixel(20, 0), kBlue);
    EXPECT_EQ(Pixel(29, 9), kBlue);
    EXPECT_EQ(Pixel(30, 9), kWhite);
    EXPECT_EQ(Pixel(19, 0), kWhite);
}

TEST_F(PainterDrawContextTest, DrawsLinesAndOutlinesInTheSelectedPenAndBrush)
{
    Paint([](fw::DrawContext& dc) {
        dc.SelectPen({fw::PenStyle::Solid, 0, fw::Rgb(0, 255, 0)});
        dc.MoveTo(0, 50);
        dc.LineTo(20, 50);
        dc.SelectPen({fw::PenStyle::Solid, 0, fw::Rgb(255, 0, 0)});
        dc.SelectBrush({fw::BrushStyle::Null, 0});
        dc.Rectangle({30, 30, 40, 40});
        dc.SelectPen({fw::PenStyle::Null, 0, 0});
        dc.SelectBrush({fw::BrushStyle::Solid, fw::Rgb(0, 0, 255)});
        dc.Ellipse({40, 0, 60, 20});
    });
    EXPECT_EQ(Pixel(10, 50), kGreen);
    EXPECT_EQ(Pixel(10, 49), kWhite);
    EXPECT_EQ(Pixel(30, 35), kRed);
    EXPECT_EQ(Pixel(39, 35), kRed);
    EXPECT_EQ(Pixel(35, 35), kWhite);   // null brush
    EXPECT_EQ(Pixel(40, 35), kWhite);
    EXPECT_EQ(Pixel(50, 10), kBlue);
    EXPECT_EQ(Pixel(41, 1), kWhite);    // outside the ellipse, inside its box
}

// The painter keeps the pen, brush and background it was handed; each change of the context's
// (and text drawn in between) must still reach the next figure.
TEST_F(PainterDrawContextTest, EachFigureDrawsInThePenAndBackgroundSelectedForIt)
{
    Paint([](fw::DrawContext& dc) {
        const fw::Pen green{fw::PenStyle::Solid, 0, fw::Rgb(0, 255, 0)};
        dc.SelectPen(green);
        dc.MoveTo(0, 2);
        dc.LineTo(60, 2);
        dc.SelectPen({fw::PenStyle::Solid, 0, fw::Rgb(255, 0, 0)});
        dc.MoveTo(0, 4);
        dc.LineTo(60, 4);
        dc.SelectPen(green);
        dc.SetTextColor(fw::Rgb(0, 0, 255));
        dc.TextOut(0, 40, "W");
        dc.MoveTo(0, 6);
        dc.LineTo(60, 6);
        dc.SelectPen({fw::PenStyle::Dash, 0, fw::Rgb(0, 0, 0)});
        dc.SetBkMode(fw::BkMode::Opaque);
        dc.SetBkColor(fw::Rgb(255, 0, 0));
        dc.MoveTo(0, 8);
        dc.LineTo(60, 8);
        dc.SetBkColor(fw::Rgb(0, 0, 255));
        dc.MoveTo(0, 10);
        dc.LineTo(60, 10);
    });
    EXPECT_EQ(Pixel(30, 2), kGreen);
    EXPECT_EQ(Pixel(30, 4), kRed);
    EXPECT_EQ(Pixel(30, 6), kGreen);
    const auto gapsIn = [this](int y, QRgb colour) {
        int count = 0;
        for (int x = 0; x < 60; ++x)
            count += Pixel(x, y) == colour;
        return count;
    };
    EXPECT_GT(gapsIn(8, kRed), 0);
    EXPECT_EQ(gapsIn(8, kBlue), 0);
    EXPECT_GT(gapsIn(10, kBlue), 0);
    EXPECT_EQ(gapsIn(10, kRed), 0);
}

TEST_F(PainterDrawContextTest, DrawsArcsCounterclockwiseOnTheDevice)
{
    Paint([](fw::DrawContext& dc) {
        // From the right-hand point over the top to the left-hand one.
        dc.Arc({0, 0, 41, 41}, {40, 20}, {0, 20});
    });
    EXPECT_GT(DarkPixels({15, 0, 11, 3}), 0);    // top
    EXPECT_EQ(DarkPixels({15, 37, 11, 4}), 0);   // bottom stays empty
}

TEST_F(PainterDrawContextTest, TextStaysUprightBelowItsTopOnAFlippedAxis)
{
    fw::Size extent;
    Paint([&](fw::DrawContext& dc) {
        dc.SetMapMode(fw::MapMode::Anisotropic);
        dc.SetWindowExt({1, 1});
        dc.SetViewportExt({1, -1});
        fw::Font font;
        font.height = 16;
        dc.SelectFont(font);
        dc.SetBkMode(fw::BkMode::Transparent);
        dc.SetTextAlign(fw::AlignLeft | fw::AlignTop);
        dc.TextOut(5, -20, "WW");   // device (5, 20)
        extent = dc.GetTextExtent("WW");
    });
    EXPECT_GT(extent.cx, 8);
    EXPECT_GE(extent.cy, 14);
    EXPECT_LE(extent.cy, 20);
    EXPECT_EQ(DarkPixels({0, 0, 60, 20}), 0);
    EXPECT_GT(DarkPixels({5, 20, extent.cx, extent.cy}), 10);
}

TEST_F(PainterDrawContextTest, OpaqueTextFillsItsBoxWithTheBackgroundColour)
{
    fw::Size extent;
    Paint([&](fw::DrawContext& dc) {
        dc.SetBkColor(fw::Rgb(0, 0, 255));
        dc.SetTextAlign(fw::AlignCenter | fw::AlignBaseline);
        dc.TextOut(30, 30, "i");
        extent = dc.GetTextExtent("i");
    });
    EXPECT_EQ(Pixel(30 - extent.cx / 2, 30 - 2), kBlue);
    EXPECT_EQ(Pixel(30 - extent.cx / 2 - 2, 30 - 2), kWhite);
}

TEST_F(PainterDrawContextTest, TextSizeFollowsTheVerticalScale)
{
    fw::Size plain, scaled;
    Paint([&](fw::DrawContext& dc) {
        fw::Font font;
        font.height = 10;
        dc.SelectFont(font);
        plain = dc.GetTextExtent("Page: 12");
        dc.SetMapMode(fw::MapMode::Isotropic);
        dc.SetWindowExt({1, 1});
        dc.SetViewportExt({4, 4});
        scaled = dc.GetTextExtent("Page: 12");
    });
    EXPECT_NEAR(scaled.cx, plain.cx, 2);   // logical units: the same text, a bigger device font
    EXPECT_NEAR(scaled.cy, plain.cy, 1);
}

} // namespace
