#include "machmult/ui/HmultSplitterFrame.h"

#include "machmult/ui/HandMultSetupDlg.h"
#include "machmult/ui/HandMultView.h"
#include "machmult/ui/PartListView.h"
#include "model/Machine.h"
#include "partprog/ui/PartQntDlg.h"

#include "MultTestSupport.h"
#include "UiTestSupport.h"

#include "fw/qt/QtText.h"

#include <QAction>
#include <QLabel>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QRadioButton>
#include <QStatusTipEvent>
#include <QDragEnterEvent>

#include <deque>
#include <filesystem>

using namespace uitest;
using machui::CHandMultSetupDlg;
using machui::CHmultSplitterFrame;

namespace {

class HmultFrameTest : public multtest::MultFixture {
protected:
    HmultFrameTest()
    {
        test::QtApp();
        PutMachine("PLAIN", multtest::MachineFile("PLAIN", 0));
    }

    void MakePlainMult(CMultDoc& doc) const
    {
        ASSERT_TRUE(doc.OnNewDocument());
        MakeMult(doc);
        MultRecord data = doc.GetMultData();
        data.machine = "PLAIN";
        ASSERT_TRUE(doc.SetMultData(data));
    }

    // Answers the setup with a part source and each quantity question with the next number.
    int Answer(QDialog& dialog)
    {
        if (auto* setup = qobject_cast<CHandMultSetupDlg*>(&dialog)) {
            if (!source)
                return QDialog::Rejected;
            Control<QRadioButton>(*setup, CHandMultSetupDlg::IDC_GROUP).click();
            return PressOk(dialog);
        }
        if (auto* quantity = dynamic_cast<CPartQntDlg*>(&dialog)) {
            proposals.push_back(quantity->GetQuantity());
            quantity->GetEdit().setText(QString::number(quantities.front()));
            quantities.pop_front();
            return PressOk(dialog);
        }
        return QDialog::Rejected;
    }

    // Rows of a list dragged and dropped on another, through the models.
    static bool Move(machui::CPartListView& from, std::initializer_list<int> rows, machui::CPartListView& to, int row = -1)
    {
        QModelIndexList indexes;
        for (int r : rows)
            indexes.push_back(from.Model().index(r, 0));
        std::unique_ptr<QMimeData> data(from.Model().mimeData(indexes));
        return data && to.Model().dropMimeData(data.get(), Qt::MoveAction, row, 0, {});
    }

    static std::vector<std::string> Keys(CPartList& list)
    {
        std::vector<std::string> keys;
        for (CMultPart& part : list)
            keys.push_back(part.GetHeader().mark + "x" + std::to_string(part.GetQuantity()));
        return keys;
    }

    test::LenboxFactory lenboxes_;
    bool source = true;
    std::deque<int> quantities;
    std::vector<std::uint32_t> proposals;
};

std::unique_ptr<CZoneTool> Station(int code)
{
    auto tool = std::make_unique<CZoneTool>();
    tool->CopyFrom(CPartTool(0.8125, 0, "RD", 0));
    tool->SetShortName("S");
    tool->SetZoneCode(code);
    return tool;
}

// A new user's run: five parts of one group, three moved onto the mult, two mults saved.
TEST_F(HmultFrameTest, BuildingASeriesOfMultsByHand)
{
    const std::pair<const char*, double> parts[] = {{"B1", 100}, {"B2", 96}, {"B3", 60}, {"B4", 48}, {"B5", 30}};
    for (const auto& [mark, length] : parts)
        PutPart(mark, length);
    CMultDoc doc;
    MakePlainMult(doc);
    for (int code : {17, 34, 33, 50, 49})
        doc.GetMachine()->GetStations().AddTail(Station(code));
    ModalScript modals([this](QDialog& d) { return Answer(d); });

    CHmultSplitterFrame frame(doc);
    frame.Start();
    EXPECT_EQ(modals.shown.front(), "machui::CHandMultSetupDlg");
    machui::CPotentialPartListView& potential = frame.PotentialView();
    machui::CMultPartListView& onMult = frame.MultView();
    ASSERT_EQ(potential.Model().rowCount(), 5);
    EXPECT_EQ(onMult.Model().rowCount(), 0);
    EXPECT_EQ(potential.Model().headerData(4, Qt::Horizontal).toString(), "Quantity Fit");
    EXPECT_EQ(potential.Model().index(0, 4).data().toString(), "4");   // 480 / 100, 5 to place

    quantities = {2, 1, 3};
    ASSERT_TRUE(Move(potential, {0, 1, 2}, onMult));
    EXPECT_EQ(proposals, (std::vector<std::uint32_t>{4, 5, 5}));
    EXPECT_EQ(Keys(doc.GetParts()), (std::vector<std::string>{"B1x2", "B2x1", "B3x3"}));
    EXPECT_EQ(onMult.Model().rowCount(), 3);
    EXPECT_EQ(potential.Model().index(0, 3).data().toString(), "2");
    EXPECT_TRUE(doc.IsModified());

    // The parts' web tools need a near station, which the machine lacks.
    machui::CHandMultView& form = frame.HandMultView();
    ASSERT_EQ(form.Rows().size(), 3u);
    EXPECT_EQ(form.Rows()[0].available, (std::array<std::int16_t, 3>{0, 1, 0}));
    EXPECT_EQ(form.Rows()[0].used, (std::array<std::int16_t, 3>{1, 0, 0}));
    EXPECT_TRUE(form.IsRed(machui::CHandMultView::CountIds(0)[3]));
    EXPECT_FALSE(form.IsRed(machui::CHandMultView::IDC_DROP));   // 480 - 200 - 96 - 180 = 4
    for (int row = 0; row < 3; ++row)
        for (std::size_t c = 0; c < 6; ++c) {
            const int id = machui::CHandMultView::CountIds(row)[c];
            const auto side = FaceStations::Side(c % 3);
            EXPECT_EQ(form.IsRed(id), c >= 3 && form.Rows()[std::size_t(row)].IsOver(side)) << id;
        }

    frame.resize(900, 420);
    frame.show();
    QApplication::processEvents();
    std::filesystem::create_directories("/work/shots");
    frame.grab().save("/work/shots/i19-hmult.png");

    frame.Action(CHmultSplitterFrame::ID_FILE_SAVE_NEW)->trigger();
    EXPECT_EQ(onMult.Model().rowCount(), 0);
    EXPECT_EQ(fw::FromQString(frame.HandMultView().findChild<QLabel*>("1004")->text()), "2");
    quantities = {2};
    ASSERT_TRUE(Move(potential, {0}, onMult));
    frame.Action(CHmultSplitterFrame::ID_FILE_SAVE_NEW)->trigger();

    CMultDoc first;
    ASSERT_TRUE(first.LoadMult("C:\\Kestrom\\Jobs\\J1\\G1\\M 1.mlt"));
    EXPECT_EQ(Keys(first.GetParts()), (std::vector<std::string>{"B1x2", "B2x1", "B3x3"}));
    CMultDoc second;
    ASSERT_TRUE(second.LoadMult("C:\\Kestrom\\Jobs\\J1\\G1\\M 2.mlt"));
    EXPECT_EQ(Keys(second.GetParts()), std::vector<std::string>{"B1x2"});
    std::vector<std::string> used;
    for (int row = 0; row < potential.Model().rowCount(); ++row)
        used.push_back(fw::FromQString(potential.Model().index(row, 3).data().toString()));
    EXPECT_EQ(used, (std::vector<std::string>{"4", "1", "3", "0", "0"}));
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(HmultFrameTest, PartsNeverTravelBetweenTwoHandMultWindows)
{
    PutPart("A1", 50);
    CMultDoc docA;
    MakePlainMult(docA);
    CMultDoc docB;
    MakePlainMult(docB);
    ModalScript modals([this](QDialog& d) { return Answer(d); });
    CHmultSplitterFrame a(docA);
    a.Start();
    CHmultSplitterFrame b(docB);
    b.Start();
    quantities = {1, 1};

    a.PotentialView().selectAll();
    a.PotentialView().CopySelection();
    ASSERT_TRUE(QApplication::clipboard()->mimeData()->hasFormat(kAddToMultFormat));
    b.MultView().Paste();
    EXPECT_TRUE(docB.GetParts().IsEmpty());
    EXPECT_FALSE(Move(a.PotentialView(), {0}, b.MultView()));
    EXPECT_TRUE(docB.GetParts().IsEmpty());
    // Pasted in its own window, it lands on the mult.
    a.MultView().Paste();
    EXPECT_EQ(Keys(docA.GetParts()), std::vector<std::string>{"A1x1"});
    // Reordering the potential list is refused.
    EXPECT_FALSE(Move(a.PotentialView(), {0}, a.PotentialView(), 0));
}

TEST_F(HmultFrameTest, SortingThePotentialListKeepsTheMultInStockOrder)
{
    const std::pair<const char*, double> parts[] = {{"A", 10.05}, {"B", 30}, {"C", 10.01}, {"D", 20}};
    for (const auto& [mark, length] : parts)
        PutPart(mark, length);
    CMultDoc doc;
    MakePlainMult(doc);
    ModalScript modals([this](QDialog& d) { return Answer(d); });
    CHmultSplitterFrame frame(doc);
    frame.Start();
    machui::PartListModel& potential = frame.PotentialView().Model();
    potential.sort(1);
    std::string order;
    for (int row = 0; row < potential.rowCount(); ++row)
        order += potential.PartAt(row)->GetHeader().mark;
    EXPECT_EQ(order, "ACDB");   // A and C in the same sixteenth keep their order

    // Dropped onto the sorted rows: the place is the part's in the mult's own order.
    quantities = {1, 1, 1};
    ASSERT_TRUE(Move(frame.PotentialView(), {3, 0}, frame.MultView()));
    EXPECT_EQ(Keys(doc.GetParts()), (std::vector<std::string>{"Ax1", "Bx1"}));
    frame.MultView().Model().sort(1, Qt::DescendingOrder);   // the mult is never sorted
    EXPECT_EQ(frame.MultView().Model().PartAt(0)->GetHeader().mark, "A");
}

// The mult list with its drag handlers at hand: the application delivers a drop or a leave only
// to the target of a drag it runs itself.
class DragTarget : public machui::CMultPartListView {
public:
    using CPartListView::dragEnterEvent;
    using CPartListView::dragLeaveEvent;
    using CPartListView::dropEvent;
};

// The status bar tips a list sends, in order.
class TipRecorder : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::StatusTip)
            tips.push_back(static_cast<QStatusTipEvent*>(event)->tip());
        return false;
    }
    QStringList tips;
};

// Parts of the other list dragged over the mult list without Shift: the status bar says to hold
// Shift while the drag is over the list, and no longer once it leaves or is dropped.
TEST_F(HmultFrameTest, TheShiftTipLastsWhileADragIsOverTheList)
{
    QMimeData data;
    data.setData(QString::fromLatin1(FormatsOf(PartListKind::mult).accepted), QByteArray("parts"));
    const QPoint at(5, 5);
    for (const bool dropped : {false, true}) {
        SCOPED_TRACE(dropped ? "dropped" : "left");
        DragTarget view;
        TipRecorder recorder;
        view.installEventFilter(&recorder);
        QDragEnterEvent enter(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        view.dragEnterEvent(&enter);
        EXPECT_FALSE(enter.isAccepted());
        EXPECT_EQ(recorder.tips, QStringList{QString::fromLatin1(machui::CPartListView::kShiftDragTip)});
        if (dropped) {
            QDropEvent drop(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
            view.dropEvent(&drop);
        } else {
            QDragLeaveEvent leave;
            view.dragLeaveEvent(&leave);
        }
        ASSERT_FALSE(recorder.tips.isEmpty());
        EXPECT_EQ(recorder.tips.back(), QString());
    }
}

TEST_F(HmultFrameTest, CancellingTheSetupOffersOnlyThePartsOnTheMult)
{
    PutPart("A1", 50);
    CMultDoc doc;
    MakePlainMult(doc);
    source = false;
    ModalScript modals([this](QDialog& d) { return Answer(d); });
    CHmultSplitterFrame frame(doc);
    frame.Start();
    EXPECT_EQ(frame.PotentialView().Model().rowCount(), 0);
}

TEST_F(HmultFrameTest, TheLayoutIsKeptInTheProfile)
{
    CMultDoc doc;
    MakePlainMult(doc);
    CHmultSplitterFrame frame(doc);
    frame.resize(800, 500);
    frame.show();
    QApplication::processEvents();
    frame.OnClose();
    fw::Profile& profile = fw::AppProfile();
    EXPECT_GT(profile.GetProfileInt("Layout", "Hmult split pane", -1), 0);
    EXPECT_GT(profile.GetProfileInt("Layout", "Hmult Split Row", -1), 0);
    const std::string rect = profile.GetProfileString("Layout", "HMultView", "");
    EXPECT_NE(rect.find(",800,"), std::string::npos) << rect;

    profile.WriteProfileString("Layout", "HMultView", "10,20,700,400");
    profile.WriteProfileInt("Layout", "Hmult split pane", 300);
    CHmultSplitterFrame kept(doc);
    kept.RestoreLayout();   // not retained: nothing taken
    EXPECT_NE(kept.geometry().width(), 700);
    profile.WriteProfileInt("Current Settings", "Retain Hand Mult Window Position", 1);
    kept.RestoreLayout();
    EXPECT_EQ(kept.geometry().width(), 700);
    profile.WriteProfileString("Layout", "HMultView", "10,20,x,400");
    CHmultSplitterFrame bad(doc);
    bad.RestoreLayout();
    EXPECT_NE(bad.geometry().width(), 700);
}

} // namespace

namespace {

TEST_F(HmultFrameTest, TheFormShowsTheFacesOfTheStockAndANegativeDropInRed)
{
    CMultDoc doc;
    MakePlainMult(doc);
    machui::CHandMultView view(doc);
    view.OnInitialUpdate();
    const auto text = [&view](int id) { return fw::FromQString(view.findChild<QLabel*>(QString::number(id))->text()); };
    EXPECT_EQ(text(1165), "Web");
    EXPECT_EQ(text(1167), "Bottom Flange");
    EXPECT_EQ(text(1168), "");   // a beam has three faces
    EXPECT_EQ(text(1103), "0");
    EXPECT_EQ(text(1121), "");
    EXPECT_EQ(text(machui::CHandMultView::IDC_JOB), "J1");
    EXPECT_EQ(text(machui::CHandMultView::IDC_SEQUENCE), "1");
    for (const auto& [drop, red] : {std::pair{0.0, false}, {-0.0625, true}, {0.0625, false}}) {
        doc.Header().drop.SetValue(drop);
        view.OnUpdate(nullptr, 0, nullptr);
        EXPECT_EQ(view.IsRed(machui::CHandMultView::IDC_DROP), red) << drop;
    }
}

TEST_F(HmultFrameTest, TheSetupDialogGivesThePartSourceOfItsButton)
{
    const std::pair<int, int> buttons[] = {{CHandMultSetupDlg::IDC_JOB, CMultDoc::sourceJob},
                                           {CHandMultSetupDlg::IDC_GROUP, CMultDoc::sourceGroup},
                                           {CHandMultSetupDlg::IDC_SELECTED_PARTS, CMultDoc::sourceSelectedParts},
                                           {CHandMultSetupDlg::IDC_SELECTED_GROUPS, CMultDoc::sourceSelectedGroups}};
    CHandMultSetupDlg dialog;
    EXPECT_EQ(dialog.GetPartSource(), CMultDoc::sourceJob);
    EXPECT_EQ(dialog.windowTitle(), "Hand Mult Setup");
    for (const auto& [id, source] : buttons) {
        Control<QRadioButton>(dialog, id).click();
        EXPECT_EQ(dialog.GetPartSource(), source) << id;
    }
}

} // namespace
