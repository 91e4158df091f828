#include "partprog/ui/StencilDlg.h"
#include "partprog/ui/StencilListView.h"

#include "partprog/PartDoc.h"

#include "fw/core/AppProfile.h"
#include "fw/core/Archive.h"
#include "fw/core/Profile.h"
#include "fw/core/StringTable.h"
#include "model/ModelClasses.h"
#include "model/ShapeDoc.h"

#include "LenboxFactory.h"
#include "PartProgSupport.h"
#include "tests/fw/TempDrives.h"
#include "tests/support/TabChain.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace {

// ---- the stencil dialog

class StencilDlgTest : public testing::Test {
protected:
    test::LenboxFactory factory;
    CStencilDlg dialog;

    static lenbox::CLenboxCtrl& Control(CLenbox& lenbox) { return test::LenboxFactory::Of(lenbox); }
};

TEST_F(StencilDlgTest, TabVisitsThePositionsThenTheText)
{
    EXPECT_EQ(TabChain(dialog), (QStringList{QString::number(CStencilDlg::IDC_X_POSITION),
                                             QString::number(CStencilDlg::IDC_U_POSITION),
                                             QString::number(CStencilDlg::IDC_TEXT), "OK", "Cancel"}));
}

TEST_F(StencilDlgTest, ShowsTheMarkInTheMeasuringSystem)
{
    const double kHalfMillimetre = 0.5 / 25.4 + 1e-9;   // the metric form shows whole millimetres
    for (int system : {0, 1, 2}) {
        CStencilDlg shown;
        shown.SetX(40.5);
        shown.SetU(3.25);
        shown.SetText("PIECE 7");
        shown.SetMeasuringSystem(system);
        shown.open();
        EXPECT_EQ(shown.windowTitle(), "Edit Stencil");
        EXPECT_EQ(Control(shown.GetXLenbox()).objectName(), "1040");
        EXPECT_EQ(Control(shown.GetULenbox()).objectName(), "1041");
        EXPECT_EQ(shown.TextEdit().objectName(), "1174");
        for (CLenbox* lenbox : {&shown.GetXLenbox(), &shown.GetULenbox()})
            EXPECT_EQ(Control(*lenbox).GetDimensionType(), system);
        EXPECT_NEAR(Control(shown.GetXLenbox()).GetDecimalInches(), 40.5, kHalfMillimetre) << system;
        EXPECT_NEAR(Control(shown.GetULenbox()).GetDecimalInches(), 3.25, kHalfMillimetre) << system;
        EXPECT_EQ(shown.TextEdit().text(), "PIECE 7");
        shown.reject();
    }
}

TEST_F(StencilDlgTest, ATwentySeventhCharacterCannotBeTyped)
{
    dialog.open();
    QTest::keyClicks(&dialog.TextEdit(), QString(27, QLatin1Char('W')));
    EXPECT_EQ(dialog.TextEdit().text(), QString(26, QLatin1Char('W')));
    dialog.accept();
    EXPECT_EQ(dialog.GetText(), std::string(26, 'W'));
}

TEST_F(StencilDlgTest, OkTakesTheControlsAndCancelKeepsTheValues)
{
    for (bool ok : {true, false}) {
        CStencilDlg edit;
        edit.SetX(10);
        edit.SetU(2);
        edit.SetText("OLD");
        edit.open();
        Control(edit.GetXLenbox()).SetDecimalInches(36.5);
        Control(edit.GetULenbox()).SetDecimalInches(4);
        edit.TextEdit().setText("NEW");
        ok ? edit.accept() : edit.reject();
        EXPECT_EQ(edit.GetX(), ok ? 36.5 : 10) << ok;
        EXPECT_EQ(edit.GetU(), ok ? 4 : 2) << ok;
        EXPECT_EQ(edit.GetText(), ok ? "NEW" : "OLD") << ok;
    }
}

// ---- the stencil list

// What the stencil dialog was given, and what the script typed into it before OK (no answer:
// Cancel).
struct DialogScript {
    struct Shown {
        double x, u;
        std::string text;
        int measuringSystem;
    };
    struct Answer {
        double x, u;
        std::string text;
    };
    std::vector<Shown> shown;
    std::optional<Answer> answer;

    int operator()(CStencilDlg& dialog)
    {
        dialog.open();
        shown.push_back({test::LenboxFactory::Of(dialog.GetXLenbox()).GetDecimalInches(),
                         test::LenboxFactory::Of(dialog.GetULenbox()).GetDecimalInches(),
                         dialog.TextEdit().text().toStdString(), dialog.GetMeasuringSystem()});
        if (!answer) {
            dialog.reject();
            return dialog.result();
        }
        test::LenboxFactory::Of(dialog.GetXLenbox()).SetDecimalInches(answer->x);
        test::LenboxFactory::Of(dialog.GetULenbox()).SetDecimalInches(answer->u);
        dialog.TextEdit().setText(QString::fromStdString(answer->text));
        dialog.accept();
        return dialog.result();
    }
};

// A W 12X26 part in decimal inches with the marks A at (10, 2), B at (20, 1) and C at (30, 3),
// shown in the list.
class StencilListViewTest : public testing::Test {
protected:
    StencilListViewTest() : profile(fw::SetAppProfile(std::make_unique<fw::MemoryProfile>()))
    {
        RegisterModelClasses();
        PutShape();
        doc.Header().measuringSystem = 1;
        EXPECT_TRUE(doc.BuildShape("W ", "12X26"));
        for (const auto& [x, u, text] : {std::tuple{20.0, 1.0, "B"}, {10.0, 2.0, "A"}, {30.0, 3.0, "C"}}) {
            auto mark = std::make_unique<CStencilPattern>(x, u, text, 0);
            EXPECT_TRUE(doc.AddStencil(mark));
        }
        doc.SetModifiedFlag(false);
        doc.AddView(&view);
        doc.AddView(&other);
        view.SetDialogRunner(std::ref(script));
        view.resize(600, 300);
        view.show();
        view.OnInitialUpdate();
    }
    ~StencilListViewTest() override { fw::SetAppProfile(std::move(profile)); }

    void PutShape() const
    {
        CShapeDoc shape;
        shape.SetShapeData("W ", "12X26", 12, 0.5, 4, 1, 2, 26, "W 12X26", shapeBeam, 1);
        fw::Archive ar;
        shape.Serialize(ar);
        const std::vector<std::uint8_t> bytes = ar.TakeBytes();
        TempDrives::Put(drives.C() / "Kestrom/Shapes/W 12X26.shp", std::string(bytes.begin(), bytes.end()));
    }

    // Each row's cells, "X|U|text".
    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows;
        for (int row = 0; row < view.topLevelItemCount(); ++row) {
            const QTreeWidgetItem* item = view.topLevelItem(row);
            rows.push_back((item->text(0) + '|' + item->text(1) + '|' + item->text(2)).toStdString());
        }
        return rows;
    }
    // The marks of the part, "text@X,U".
    std::vector<std::string> Marks() const
    {
        std::vector<std::string> marks;
        for (const CStencilPattern& mark : doc.GetPartShape()->GetStencilList())
            marks.push_back(mark.GetText() + '@' + mark.GetX().GetText() + ',' + mark.GetU().GetText());
        return marks;
    }
    void DoubleClick(QPoint at)
    {
        QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(at), view.viewport()->mapToGlobal(QPointF(at)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view.viewport(), &event);
    }
    void DoubleClickRow(int row) { DoubleClick(view.visualItemRect(view.topLevelItem(row)).center()); }

    std::unique_ptr<fw::Profile> profile;
    TempDrives drives;
    test::LenboxFactory factory;
    CPartDoc doc;
    CountingView other;
    DialogScript script;
    CStencilListView view;
};

const std::vector<std::string> kABC = {"A@10 in.,2 in.", "B@20 in.,1 in.", "C@30 in.,3 in."};

TEST_F(StencilListViewTest, ColumnsAreTheCaptionsOfTheStringTableWithTheirTextWidths)
{
    const char* captions[] = {"         X   Position          ", "        U   Position            ",
                              "                 Stencil  String                    "};
    EXPECT_EQ(fw::StringTables::Get("VARNEX").Get(CStencilListView::IDS_STENCIL_COLUMNS),
              std::string(captions[0]) + ',' + captions[1] + ',' + captions[2]);
    ASSERT_EQ(view.columnCount(), 3);
    int total = 0;
    for (int column = 0; column < 3; ++column) {
        EXPECT_EQ(view.headerItem()->text(column), captions[column]);
        const int width = view.fontMetrics().horizontalAdvance(captions[column]) + 15;
        EXPECT_EQ(view.columnWidth(column), width) << column;
        total += width;
    }
    EXPECT_EQ(view.ColumnsWidth(), total);
    EXPECT_FALSE(view.header()->sectionsClickable());
    EXPECT_FALSE(view.isSortingEnabled());
}

TEST_F(StencilListViewTest, RowsShowEachMarkInItsOwnUnitAndFollowUpdateAllViews)
{
    EXPECT_EQ(Rows(), (std::vector<std::string>{"10 in.|2 in.|A", "20 in.|1 in.|B", "30 in.|3 in.|C"}));

    // An imperial mark added behind the views' back shows once the views are updated.
    auto imperial = std::make_unique<CStencilPattern>(15.5, 3.25, "D", 0);
    ASSERT_TRUE(doc.GetPartShape()->GetStencilList().AddSorted(imperial));
    EXPECT_EQ(view.topLevelItemCount(), 3);
    doc.UpdateAllViews(nullptr);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"10 in.|2 in.|A", "1'3\"1/2|3\"1/4|D", "20 in.|1 in.|B",
                                                "30 in.|3 in.|C"}));
    ASSERT_NE(view.MarkAt(1), nullptr);
    EXPECT_EQ(view.MarkAt(1)->GetText(), "D");
    EXPECT_EQ(view.MarkAt(4), nullptr);
}

TEST_F(StencilListViewTest, EditingAMarksXResortsIt)
{
    script.answer = {{25, 2, "A"}};
    DoubleClickRow(0);

    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_EQ(script.shown[0].x, 10);
    EXPECT_EQ(script.shown[0].u, 2);
    EXPECT_EQ(script.shown[0].text, "A");
    EXPECT_EQ(script.shown[0].measuringSystem, 0);
    EXPECT_EQ(Marks(), (std::vector<std::string>{"B@20 in.,1 in.", "A@25 in.,2 in.", "C@30 in.,3 in."}));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(other.updates, 1);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"20 in.|1 in.|B", "25 in.|2 in.|A", "30 in.|3 in.|C"}));
}

TEST_F(StencilListViewTest, AnEditTheListRefusesOrCancelledKeepsTheMarkAsItWas)
{
    const struct {
        int row;
        std::optional<DialogScript::Answer> answer;   // none: Cancel
    } cases[] = {
        {2, DialogScript::Answer{20, 1, "B"}},   // C made equal to B, at B's place
        {1, DialogScript::Answer{25, 2, ""}},    // B without text
        {0, std::nullopt},
    };
    for (const auto& c : cases) {
        script.answer = c.answer;
        DoubleClickRow(c.row);
        EXPECT_EQ(Marks(), kABC) << c.row;
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(other.updates, 0);
    }
    EXPECT_EQ(script.shown.size(), 3u);
}

TEST_F(StencilListViewTest, AnEditedMarkStaysTheListsCurrentMark)
{
    CStencilPatternList& list = doc.GetPartShape()->GetStencilList();
    list.SetCurrentPosition(list.FindIndex(0));
    script.answer = {{40, 2, "A2"}};
    DoubleClickRow(0);
    ASSERT_TRUE(list.GetCurrentPosition());
    EXPECT_EQ(list.GetAt(list.GetCurrentPosition())->GetText(), "A2");
}

TEST_F(StencilListViewTest, DoubleClickBelowTheLastRowAsksForANewMark)
{
    const QPoint below = view.visualItemRect(view.topLevelItem(2)).bottomLeft() + QPoint(5, 20);
    script.answer = {{15, 1.5, "NEW"}};
    DoubleClick(below);

    ASSERT_EQ(script.shown.size(), 1u);
    EXPECT_EQ(script.shown[0].x, 0);
    EXPECT_EQ(script.shown[0].u, 0);
    EXPECT_EQ(script.shown[0].text, "");
    EXPECT_EQ(script.shown[0].measuringSystem, 1);
    EXPECT_EQ(Marks(), (std::vector<std::string>{"A@10 in.,2 in.", "NEW@15 in.,1.5 in.", "B@20 in.,1 in.",
                                                 "C@30 in.,3 in."}));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view.topLevelItemCount(), 4);

    // A window that handles the request gets it instead.
    int requests = 0;
    QObject::connect(&view, &CStencilListView::NewStencilRequested, [&] { ++requests; });
    DoubleClick(view.visualItemRect(view.topLevelItem(3)).bottomLeft() + QPoint(5, 20));
    EXPECT_EQ(requests, 1);
    EXPECT_EQ(script.shown.size(), 1u);
}

TEST_F(StencilListViewTest, DeleteRemovesTheSelectedMarksAndNothingWithoutASelection)
{
    QTest::keyRelease(&view, Qt::Key_Delete);
    EXPECT_EQ(Marks(), kABC);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(other.updates, 0);

    view.topLevelItem(0)->setSelected(true);
    view.topLevelItem(2)->setSelected(true);
    QTest::keyRelease(&view, Qt::Key_Delete);
    EXPECT_EQ(Marks(), (std::vector<std::string>{"B@20 in.,1 in."}));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(other.updates, 1);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"20 in.|1 in.|B"}));
}

TEST_F(StencilListViewTest, TellsWhenItsWindowIsDestroyed)
{
    int closed = 0;
    {
        CStencilListView list;
        doc.AddView(&list);
        QObject::connect(&list, &CStencilListView::Closed, [&] { ++closed; });
    }
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(doc.GetViews().size(), 2u);
}

} // namespace
