// The automatic-multing windows: the AutoMult command of a mult window, the setup window's list
// of stock choices with its commands, the part list, the stock-information dialog and the status
// window of a running job.

#include "machmult/ui/AMultStockInfoDlg.h"
#include "machmult/ui/AmultStatusDlg.h"
#include "machmult/ui/AutoMultCommand.h"
#include "machmult/ui/AutoMultHost.h"
#include "machmult/ui/AutoMultLists.h"
#include "machmult/ui/AutoMultPartListView.h"
#include "machmult/ui/AutoMultRun.h"
#include "machmult/ui/AutoMultShapeListView.h"
#include "machmult/ui/AutomultSetupDlg.h"
#include "machmult/ui/MultView.h"

#include "AutoMultTestSupport.h"
#include "UiTestSupport.h"

#include "fw/core/DocTemplate.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <thread>
#include <cstdlib>

using namespace multtest;
using namespace uitest;

namespace {

class AutoMultWindowsTest : public AutoMultFixture {
protected:
    AutoMultWindowsTest()
    {
        test::QtApp();
        machui::SetAutoMultHost(Host());
    }
    ~AutoMultWindowsTest() override
    {
        runs_.clear();
        machui::SetAutoMultHost({});
    }

    // A host that keeps the begun jobs here and counts what the windows asked of it.
    AutoMultHost Host()
    {
        AutoMultHost host;
        host.setJob = [this](std::unique_ptr<CAutoMultRun> run) { runs_.push_back(std::move(run)); };
        host.freeJob = [this](const CAutoMultRun* run) {
            freed_.push_back(run);
            std::erase_if(runs_, [run](const auto& held) { return held.get() == run; });
        };
        host.stopJob = [this] {
            for (auto& run : runs_) {
                run->RequestStop();
                run->Join();
            }
            runs_.clear();
        };
        return host;
    }

    // Spins the event loop until the condition holds (or a generous time has passed).
    static bool SpinUntil(const std::function<bool()>& condition)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!condition() && std::chrono::steady_clock::now() < end)
            QTest::qWait(5);
        return condition();
    }

    // The setup list over the job of parts A (300 x2) and E (200 x2, W 14X30).
    std::unique_ptr<CAutoMultShapeListView> SetupList()
    {
        PutPlainPart("A", 300, 2);
        PutPlainPart("E", 200, 2, "W ", "14X30");
        MakeTemplate(doc);
        auto view = std::make_unique<CAutoMultShapeListView>(Gather(doc));
        view->SetCloser([this] { ++closes_; });
        view->SetEngine(ui, {});
        return view;
    }

    static QStringList Row(const QTreeWidget& list, int row)
    {
        QStringList texts;
        for (int column = 0; column < list.columnCount(); ++column)
            texts << list.topLevelItem(row)->text(column);
        return texts;
    }

    test::LenboxFactory lenboxes_;
    CMultDoc doc;
    std::vector<std::unique_ptr<CAutoMultRun>> runs_;
    std::vector<const CAutoMultRun*> freed_;
    int closes_ = 0;
};

TEST_F(AutoMultWindowsTest, TheSetupListShowsEveryStockChoice)
{
    auto view = SetupList();
    ASSERT_EQ(view->topLevelItemCount(), 2);
    EXPECT_EQ(view->headerItem()->text(0), "Stock Shape");
    EXPECT_EQ(view->headerItem()->text(4), "Kerf");
    EXPECT_EQ(Row(*view, 0), (QStringList{"W 12X26", "A36", "SAW1", "480 in.", "0.125 in."}));
    EXPECT_EQ(Row(*view, 1)[0], "W 14X30");
    EXPECT_GT(view->ColumnsWidth(), 5 * 15);
    EXPECT_EQ(view->Command(CAutoMultShapeListView::ID_BEGIN_AUTOMULT)->text(), "&Begin Automulting");
    EXPECT_EQ(view->Command(CAutoMultShapeListView::ID_CANCEL_AUTOMULT)->statusTip(), "Dont Automult");
}

TEST_F(AutoMultWindowsTest, InsertAndDeleteSelectChoicesForTheRun)
{
    auto view = SetupList();
    view->topLevelItem(0)->setSelected(true);
    const QIcon before = view->topLevelItem(0)->icon(0);
    QTest::keyClick(view.get(), Qt::Key_Delete);
    EXPECT_FALSE(view->GetJob()->GetChoices()[0].IsSelected());
    EXPECT_TRUE(view->GetJob()->GetChoices()[1].IsSelected());
    EXPECT_NE(view->topLevelItem(0)->icon(0).pixmap(16).toImage(), before.pixmap(16).toImage());
    QTest::keyClick(view.get(), Qt::Key_Insert);
    EXPECT_TRUE(view->GetJob()->GetChoices()[0].IsSelected());
}

TEST_F(AutoMultWindowsTest, LengthsWithinASixteenthSortAsEqual)
{
    EXPECT_EQ(machui::SixteenthsApart(240.0, 240.05), 0);
    EXPECT_EQ(machui::SixteenthsApart(240.05, 240.0), 0);
    EXPECT_EQ(machui::SixteenthsApart(240.0, 240.1), -1);
    EXPECT_EQ(machui::SixteenthsApart(240.1, 240.0), 1);

    PutPlainPart("A", 300, 1);
    PutPlainPart("E", 200, 1, "W ", "14X30");
    PutPlainPart("F", 200, 1, "W ", "12X26", "A572");
    MakeTemplate(doc);
    auto job = Gather(doc);
    const double lengths[] = {240.1, 300.0, 240.0};   // in key order: A36, A572, W 14X30
    for (int i = 0; i < 3; ++i)
        job->GetChoices()[std::size_t(i)].GetStockLength().SetValue(lengths[i]);
    CAutoMultShapeListView view(std::move(job));
    const auto column = [&view](int c) {
        QStringList texts;
        for (int row = 0; row < view.topLevelItemCount(); ++row)
            texts << view.topLevelItem(row)->text(c);
        return texts;
    };
    view.sortItems(CAutoMultShapeListView::colLength, Qt::AscendingOrder);
    EXPECT_EQ(column(CAutoMultShapeListView::colLength), (QStringList{"240 in.", "240.1 in.", "300 in."}));
    view.sortItems(CAutoMultShapeListView::colGrade, Qt::AscendingOrder);
    EXPECT_EQ(column(CAutoMultShapeListView::colGrade), (QStringList{"A36", "A36", "A572"}));
}

TEST_F(AutoMultWindowsTest, ViewPartsListsTheChoicesPartsAndCannotOutliveTheJob)
{
    auto view = SetupList();
    view->OnViewParts();   // nothing selected: nothing opens
    EXPECT_TRUE(view->PartViews().empty());
    view->topLevelItem(0)->setSelected(true);
    view->OnViewParts();
    ASSERT_EQ(view->PartViews().size(), 1u);
    CAutoMultPartListView& parts = *view->PartViews()[0];
    ASSERT_EQ(parts.topLevelItemCount(), 1);
    EXPECT_EQ(Row(parts, 0), (QStringList{"A", "25'", "2", "W  12X26", "A36", ""}));
    EXPECT_EQ(parts.headerItem()->text(4), " Material Grade");

    QPointer<CAutoMultPartListView> watched(&parts);
    view->OnCancel();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(watched);
    EXPECT_EQ(view->GetJob(), nullptr);
    EXPECT_EQ(view->topLevelItemCount(), 0);
    EXPECT_EQ(closes_, 1);
}

TEST_F(AutoMultWindowsTest, DeleteInThePartListTakesPartsOutOfTheRun)
{
    auto view = SetupList();
    view->topLevelItem(0)->setSelected(true);
    view->OnViewParts();
    CAutoMultPartListView& parts = *view->PartViews()[0];
    parts.SetAutoClose(false);
    parts.topLevelItem(0)->setSelected(true);
    QTest::keyRelease(&parts, Qt::Key_Delete);
    CMultPart& a = *view->GetJob()->GetChoices()[0].GetParts().GetHead();
    EXPECT_EQ(a.GetQuantityUsed(), a.GetQuantity());
}

TEST_F(AutoMultWindowsTest, PartLengthsWithinASixteenthKeepTheirOrder)
{
    CAutoMultPartList list;
    for (const auto& [mark, length] : std::vector<std::pair<std::string, double>>{{"B", 10.05}, {"A", 10.01}, {"C", 9.0}}) {
        auto part = std::make_unique<CMultPart>();
        part->GetHeader().mark = mark;
        part->GetHeader().length = length;
        list.AddTail(std::move(part));
    }
    CAutoMultPartListView view(list, 0);
    view.sortItems(CAutoMultPartListView::colLength, Qt::AscendingOrder);
    EXPECT_EQ(view.topLevelItem(0)->text(0), "C");
    EXPECT_EQ(view.topLevelItem(1)->text(0), "B");
    EXPECT_EQ(view.topLevelItem(2)->text(0), "A");
}

TEST_F(AutoMultWindowsTest, EditInfoChangesMachineLengthAndKerf)
{
    PutMachine("SAW2", MachineWithLimits("SAW2", 5, 0.25, 120, 600, 0, {0}));
    auto view = SetupList();
    view->OnEditInfo();   // nothing selected: nothing opens
    view->topLevelItem(1)->setSelected(true);
    QStringList machines;
    QString selected;
    ModalScript script([&](QDialog& dialog) {
        auto& info = static_cast<CAMultStockInfoDlg&>(dialog);
        QComboBox& list = info.GetMachineList();
        for (int i = 0; i < list.count(); ++i)
            machines << list.itemText(i);
        selected = list.currentText();
        list.setCurrentIndex(list.findText("SAW2"));
        EnterLength(info, CAMultStockInfoDlg::IDC_LENGTH, 360.0);
        EnterLength(info, CAMultStockInfoDlg::IDC_KERF, 0.0625);
        info.accept();
        return int(QDialog::Accepted);
    });
    view->OnEditInfo();
    EXPECT_EQ(script.shown, (std::vector<std::string>{"CAMultStockInfoDlg"}));
    EXPECT_EQ(machines, (QStringList{"PUNCH1", "SAW1", "SAW2"}));
    EXPECT_EQ(selected, "SAW1");
    const CAutoMultShape& choice = view->GetJob()->GetChoices()[1];
    EXPECT_EQ(choice.GetMachineName(), "SAW2");
    EXPECT_DOUBLE_EQ(choice.GetStockLength().GetValue(), 360.0);
    EXPECT_DOUBLE_EQ(choice.GetKerf().GetValue(), 0.0625);
    EXPECT_EQ(Row(*view, 1)[2], "SAW2");
}

TEST_F(AutoMultWindowsTest, TheStockInfoDialogWithoutMachineSelectsNone)
{
    CAMultStockInfoDlg dialog(nullptr, 0, 0);
    dialog.SetValues({"", 480.0, 0.125, 1, 1});
    EXPECT_EQ(dialog.GetMachineList().count(), 2);
    EXPECT_EQ(dialog.GetMachineList().currentIndex(), -1);
    fw::AppProfile().WriteProfileString("Directories", "Machine Directory", "C:\\Nowhere");
    dialog.SetValues({"SAW1", 480.0, 0.125, 1, 1});
    EXPECT_EQ(dialog.GetMachineList().count(), 0);
}

// A group whose only part file can't be read opens no empty setup window: the command names the
// part and why, and the mult stays open.
TEST_F(AutoMultWindowsTest, AGroupOfUnreadablePartsIsNamedInsteadOfAnEmptySetup)
{
    PutFile(JobFile("J1/G1/BAD.prt"), Bytes{'x'});
    MakeTemplate(doc);
    ModalScript script([](QDialog& dialog) {
        static_cast<CAutomultSetupDlg&>(dialog).SetPartSource(CMultDoc::sourceGroup);
        dialog.accept();
        return int(QDialog::Accepted);
    });
    messages->Answer(fw::IDOK);
    EXPECT_EQ(machui::OnEditAutoMult(doc), nullptr);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"WARNING: No parts were found matching your criteria.\n"
                                                 "Parts not multed:\n"
                                                 "  C:\\Kestrom\\Jobs\\J1\\G1\\BAD.prt - its file could not be read "
                                                 "(Invalid File)"}));
}

TEST_F(AutoMultWindowsTest, BeginWithoutChoicesSaysTheListIsEmpty)
{
    CAutoMultShapeListView view(std::make_unique<AutoMultJob>(MultRecord{}, "C:\\", CAutoMultShapeList{}));
    messages->Answer(fw::IDOK);
    view.OnBeginAutomult();
    EXPECT_EQ(Texts(), (std::vector<std::string>{CAutoMultShapeListView::kShapeListEmpty}));
    EXPECT_NE(view.GetJob(), nullptr);
    EXPECT_TRUE(runs_.empty());
}

TEST_F(AutoMultWindowsTest, BeginRunsTheJobAndTheStatusWindowReportsTheEnd)
{
    auto view = SetupList();
    view->topLevelItem(0)->setSelected(true);
    view->OnViewParts();
    QPointer<CAutoMultPartListView> parts(view->PartViews()[0]);
    messages->Answer(fw::IDOK);
    view->OnBeginAutomult();
    EXPECT_EQ(view->GetJob(), nullptr);
    EXPECT_EQ(closes_, 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(parts);
    ASSERT_EQ(runs_.size(), 1u);
    const CAutoMultRun* run = runs_[0].get();
    QPointer<CAmultStatusDlg> status;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<CAmultStatusDlg*>(widget))
            status = dialog;
    ASSERT_TRUE(status);
    std::vector<int> shown;
    QObject::connect(&status->GetProgress(), &QProgressBar::valueChanged, [&shown](int value) { shown.push_back(value); });
    ASSERT_TRUE(SpinUntil([&] { return !status; })) << testing::PrintToString(Texts());
    EXPECT_EQ(shown, (std::vector<int>{2, 50, 100}));
    EXPECT_EQ(freed_, (std::vector<const CAutoMultRun*>{run}));
    EXPECT_TRUE(runs_.empty());
    ASSERT_EQ(Texts().size(), 1u);
    EXPECT_EQ(Texts()[0].substr(0, 42), "Automatic multing finished.\n3 mults saved.");
    for (const char* name : {"M 5.mlt", "M 6.mlt", "M 7.mlt"})
        EXPECT_TRUE(std::filesystem::exists(JobFile(std::string("J1/G1/") + name))) << name;
}

// Forwards every box to the scripted answers and notes whether the status window's button could
// be pressed while the box was up.
class StopButtonWatch : public fw::MessageService {
public:
    StopButtonWatch(fw::MessageService& answers, const QPointer<CAmultStatusDlg>& status)
        : answers_(answers), status_(status)
    {
    }
    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override
    {
        if (status_) {
            const auto& button = Control<QAbstractButton>(*status_, CAmultStatusDlg::IDC_STOP);
            buttons.push_back((button.isEnabled() ? "enabled " : "disabled ") + button.text().toStdString());
        }
        return answers_.MessageBox(text, caption, type);
    }
    void Beep(unsigned sound) override { answers_.Beep(sound); }
    void BeginWaitCursor() override { answers_.BeginWaitCursor(); }
    void EndWaitCursor() override { answers_.EndWaitCursor(); }

    std::vector<std::string> buttons;   // the button as each message showed

private:
    fw::MessageService& answers_;
    const QPointer<CAmultStatusDlg>& status_;
};

// However a run ends, its report (after the error of a failed run) is read while the status
// window's button reads Close with nothing left to press; then the job is handed back and the
// window goes.
TEST_F(AutoMultWindowsTest, TheStatusWindowShowsTheEndOfARunAndGoes)
{
    using End = AutoMultSummary::End;
    const std::pair<End, std::vector<std::string>> cases[] = {
        {End::finished, {"Automatic multing finished."}},
        {End::stopped, {"Automatic multing was stopped."}},
        {End::failed, {AutoMultJob::kUnexpectedError, "Automatic multing failed."}},
    };
    for (const auto& [end, shown] : cases) {
        SCOPED_TRACE(shown.back());
        freed_.clear();
        const std::size_t before = Texts().size();
        CAutoMultRun run(std::make_unique<AutoMultJob>(MultRecord{}, "C:\\", CAutoMultShapeList{}));
        QPointer<CAmultStatusDlg> status(new CAmultStatusDlg(run));
        status->show();
        for (std::size_t i = 0; i < shown.size(); ++i)
            messages->Answer(fw::IDOK);
        auto watch = std::make_unique<StopButtonWatch>(*messages, status);
        const StopButtonWatch& watching = *watch;
        std::unique_ptr<fw::MessageService> scripted = fw::SetMessageService(std::move(watch));
        emit run.Ended(int(end), QString::fromStdString(shown.back()));
        const bool gone = SpinUntil([&] { return !status; });
        const std::vector<std::string> buttons = watching.buttons;
        fw::SetMessageService(std::move(scripted));
        EXPECT_TRUE(gone);
        EXPECT_EQ(buttons, std::vector<std::string>(shown.size(), "disabled Close"));
        const std::vector<std::string> texts = Texts();
        EXPECT_EQ(std::vector<std::string>(texts.begin() + std::ptrdiff_t(before), texts.end()), shown);
        EXPECT_EQ(freed_, std::vector<const CAutoMultRun*>{&run});
    }
}

TEST_F(AutoMultWindowsTest, StopReturnsQuicklyWhileTheWorkerWaitsForAnAnswer)
{
    auto view = SetupList();
    messages->Answer(fw::IDOK);
    view->OnBeginAutomult();
    ASSERT_EQ(runs_.size(), 1u);
    QPointer<CAmultStatusDlg> status;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<CAmultStatusDlg*>(widget))
            status = dialog;
    ASSERT_TRUE(status);
    // The condition dialog is posted to this thread, which does not get to it before Stop.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const auto start = std::chrono::steady_clock::now();
    Click(*status, CAmultStatusDlg::IDC_STOP);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_TRUE(runs_.empty());
    ASSERT_TRUE(SpinUntil([&] { return !status; })) << testing::PrintToString(Texts());
    ASSERT_EQ(Texts().size(), 1u);
    EXPECT_EQ(Texts()[0].substr(0, 30), "Automatic multing was stopped.");
    EXPECT_TRUE(ui->conditions.empty());   // the late question shows nothing
    EXPECT_TRUE(TempDrives::Names(JobFile("J1/G1")).size() == 2u);   // the two part files alone
}

TEST_F(AutoMultWindowsTest, ANewUserMultsAGroupFromTheMultWindow)
{
    for (int i = 0; i < 40; ++i)
        PutPlainPart("P" + std::to_string(i), 60.0 + 7.0 * (i % 13), 1 + std::uint32_t(i % 3));
    fw::DocTemplate multTemplate("\nMult\nMult\nMult (*.mlt)\n.mlt\nVarnex.Mult\nVarnex Mult", [] { return std::make_unique<CMultDoc>(); });
    auto& mult = *static_cast<CMultDoc*>(multTemplate.OpenDocumentFile("", false));
    MakeTemplate(mult, "12X26", "A36");
    mult.EnableKeyFields();
    auto* form = new machui::CMultView(mult);
    form->show();
    QPointer<QWidget> formWindow(form);
    QAction& autoMult = *form->ToolBarActions()[5];
    ASSERT_TRUE(autoMult.isEnabled());

    CAutoMultShapeListView* setup = nullptr;
    QWidget* setupWindow = nullptr;
    AutoMultHost host = Host();
    host.openWindow = [&](QWidget* widget, const QString& title, QSize size, bool closable) {
        widget->setWindowTitle(title);
        widget->resize(size);
        widget->show();
        if (!closable)
            setupWindow = widget;
        return std::function<void()>([widget] { widget->hide(); });
    };
    machui::SetAutoMultHost(host);
    {
        ModalScript script([](QDialog& dialog) {
            static_cast<CAutomultSetupDlg&>(dialog).SetPartSource(CMultDoc::sourceGroup);
            dialog.accept();
            return int(QDialog::Accepted);
        });
        autoMult.trigger();
        ASSERT_EQ(script.shown, (std::vector<std::string>{"CAutomultSetupDlg"}));
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(formWindow);
    EXPECT_FALSE(formWindow->isVisible());   // the mult window closed
    EXPECT_EQ(form->GetMultDoc(), nullptr);
    ASSERT_TRUE(setupWindow);
    setup = setupWindow->findChild<CAutoMultShapeListView*>();
    ASSERT_TRUE(setup);
    ASSERT_EQ(setup->topLevelItemCount(), 1);
    setup->topLevelItem(0)->setSelected(true);
    if (const char* shots = std::getenv("VARNEX_SHOTS")) {
        QTest::qWait(50);
        QDir().mkpath(shots);
        setupWindow->grab().save(QDir(QString::fromLocal8Bit(shots)).filePath("i20-amult.png"));
    }

    setup->SetEngine(ui, {});
    messages->Answer(fw::IDOK);
    setup->Command(CAutoMultShapeListView::ID_BEGIN_AUTOMULT)->trigger();
    ASSERT_TRUE(SpinUntil([&] { return !messages->Shown().empty(); }));
    const std::string report = Texts()[0];
    const std::vector<std::string> files = TempDrives::Names(JobFile("J1/G1"));
    const auto mults = std::count_if(files.begin(), files.end(), [](const std::string& n) { return n.ends_with(".mlt"); });
    EXPECT_GT(mults, 0);
    EXPECT_NE(report.find(std::to_string(mults) + " mults saved."), std::string::npos) << report;
    // Every piece of the 40 parts is on a mult (the longest part fits the stock).
    std::uint32_t pieces = 0;
    for (const std::string& name : files)
        if (name.ends_with(".mlt")) {
            CMultDoc saved;
            ASSERT_TRUE(saved.LoadMult("C:\\Kestrom\\Jobs\\J1\\G1\\" + name));
            for (const CMultPart& part : saved.GetParts())
                pieces += part.GetQuantity();
        }
    EXPECT_EQ(pieces, 79u);   // 14 x 1 + 13 x 2 + 13 x 3
    EXPECT_EQ(report.find("Parts not multed"), std::string::npos) << report;
}

} // namespace
