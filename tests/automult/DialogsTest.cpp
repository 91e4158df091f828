// The engine's Qt dialogs, and the Qt user interface driving them for an engine that runs on a
// worker thread. No dialog runs a real modal loop: RunModal is scripted.

#include "EngineJob.h"
#include "tests/fw/QtApp.h"

#include "automult/ui/ConditionDlg.h"
#include "automult/ui/MultProblemDlg.h"
#include "automult/ui/PartProgressDlg.h"
#include "automult/ui/QtAutoMultUi.h"
#include "fw/core/Profile.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTreeWidget>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace {

template <class W> W* Control(QWidget& dialog, int id)
{
    W* w = dialog.findChild<W*>(QString::number(id));
    EXPECT_TRUE(w) << id;
    return w;
}

void ExpectEngineWindow(QWidget& window)
{
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window.pos(), QPoint(400, 300));
}

TEST(ConditionDlg, ShowsBothDropsAndClosesWithTheButtonIds)
{
    test::QtApp();
    CConditionDlg dialog(" 1.250", " 0.000");
    EXPECT_EQ(dialog.windowTitle(), "Auto Mult");
    ExpectEngineWindow(dialog);
    EXPECT_EQ(Control<QLabel>(dialog, 212)->text(), " 1.250");
    QLineEdit* edit = Control<QLineEdit>(dialog, 213);
    EXPECT_EQ(edit->text(), " 0.000");
    EXPECT_EQ(edit->maxLength(), 24);
    edit->setText("0.25");
    Control<QPushButton>(dialog, 1)->click();
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(dialog.AllowableDropText(), "0.25");
    Control<QPushButton>(dialog, 2)->click();
    EXPECT_EQ(dialog.result(), 2);
    dialog.setResult(0);
    dialog.reject();
    EXPECT_EQ(dialog.result(), 2);
}

TEST(MultProblemDlg, ListsJobGroupAndMarkAndClosesWithTheButtonIds)
{
    test::QtApp();
    CMultProblemDlg dialog({{"J1", "G1", "B12"}, {"J1", "G2", "C3"}}, {{"J2", "G1", "\xC9" "A"}});
    EXPECT_EQ(dialog.windowTitle(), "Multing Problem");
    ExpectEngineWindow(dialog);
    QTreeWidget* tooLong = Control<QTreeWidget>(dialog, 209);
    QTreeWidget* tooManyTools = Control<QTreeWidget>(dialog, 210);
    for (QTreeWidget* list : {tooLong, tooManyTools}) {
        ASSERT_EQ(list->columnCount(), 3);
        EXPECT_EQ(list->headerItem()->text(0), "JOB");
        EXPECT_EQ(list->headerItem()->text(1), "GROUP");
        EXPECT_EQ(list->headerItem()->text(2), "MARK");
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(list->header()->sectionSize(c), 50);
    }
    ASSERT_EQ(tooLong->topLevelItemCount(), 2);
    EXPECT_EQ(tooLong->topLevelItem(1)->text(1), "G2");
    EXPECT_EQ(tooLong->topLevelItem(1)->text(2), "C3");
    ASSERT_EQ(tooManyTools->topLevelItemCount(), 1);
    EXPECT_EQ(tooManyTools->topLevelItem(0)->text(2), QString::fromUtf8("\xC3\x89" "A"));

    for (int id : {208, 2, 1}) {
        Control<QPushButton>(dialog, id)->click();
        EXPECT_EQ(dialog.result(), id);
    }
}

TEST(PartProgressDlg, ShowsProgressAndCancelsItsOwnSearch)
{
    test::QtApp();
    std::stop_source cancel;
    CPartProgressDlg window(cancel);
    EXPECT_EQ(window.windowTitle(), "Mult Parts Staus");
    ExpectEngineWindow(window);
    QProgressBar* bar = Control<QProgressBar>(window, 203);
    EXPECT_EQ(bar->value(), 2);
    EXPECT_EQ(bar->maximum(), 100);
    EXPECT_EQ(Control<QLabel>(window, 211)->text(), "0");
    window.SetPercent(66);
    window.SetMults(12);
    EXPECT_EQ(bar->value(), 66);
    EXPECT_EQ(Control<QLabel>(window, 211)->text(), "12");

    window.show();
    window.reject();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(cancel.stop_requested());
    Control<QPushButton>(window, 210)->click();
    EXPECT_TRUE(cancel.stop_requested());
}

// Answers the dialogs without a modal loop and notes on which thread they ran.
class ScriptedQtUi : public CQtAutoMultUi {
public:
    QString typed = "0.5";
    int problemAnswer = 1;
    std::vector<QString> shown;
    bool allOnUiThread = true;

protected:
    int RunModal(QDialog& dialog) override
    {
        allOnUiThread = allOnUiThread && QThread::currentThread() == test::QtApp().thread();
        shown.push_back(dialog.windowTitle());
        if (auto* edit = dialog.findChild<QLineEdit*>("213")) {
            edit->setText(typed);
            return 1;
        }
        return problemAnswer;
    }
};

// Notes every progress window shown.
class ProgressShown : public QObject {
public:
    int count = 0;
    ProgressShown() { test::QtApp().installEventFilter(this); }
    ~ProgressShown() override { test::QtApp().removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        count += event->type() == QEvent::Show && qobject_cast<CPartProgressDlg*>(watched);
        return false;
    }
};

// Runs the engine on a worker thread while this (user-interface) thread serves its calls;
// `watch` is called between event batches with the progress window, if any.
template <class Watch> int MultOnWorker(CAutoMultOpnB& engine, fw::HRESULT& hr, Watch watch)
{
    int made = -1;
    std::atomic<bool> finished = false;
    std::thread worker([&] {
        hr = engine.MultCurrentShape(&made);
        finished = true;
    });
    while (!finished) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        watch();
    }
    worker.join();
    QCoreApplication::processEvents();
    return made;
}

TEST(QtAutoMultUi, RunsTheDialogsOnTheUserInterfaceThreadForAWorker)
{
    test::QtApp();
    ScriptedQtUi ui;
    fw::MemoryProfile profile;
    CAutoMultOpnB engine(ui, profile);
    Load(engine, {.allowable = std::nullopt, .parts = {{"LONG", 120, 1}, {"A", 60, 1}, {"B", 50, 2}}});
    ui.problemAnswer = 1;   // Start: leave the long part out
    ProgressShown progress;
    fw::HRESULT hr = fw::E_FAIL;
    const int made = MultOnWorker(engine, hr, [] {});
    EXPECT_EQ(hr, fw::S_OK);
    EXPECT_EQ(Describe(ReadMults(engine, made)), (std::vector<std::string>{"A*1 =40", "B*2 =0"}));
    EXPECT_EQ(ui.shown, (std::vector<QString>{"Auto Mult", "Multing Problem"}));
    EXPECT_TRUE(ui.allOnUiThread);
    double drop = 0;
    engine.GetAllowableDrop(&drop);
    EXPECT_EQ(drop, 0.5);
    EXPECT_EQ(progress.count, 1);
    EXPECT_EQ(ui.ProgressWindow(), nullptr);
}

TEST(QtAutoMultUi, CancelInTheProgressWindowStopsTheWorkersSearch)
{
    test::QtApp();
    ScriptedQtUi ui;
    fw::MemoryProfile profile;
    CAutoMultOpnB engine(ui, profile);
    // Forty multiples of 7/16 inch, which never fill 480 exactly, each pass searched to its
    // end by the plain search: far more than a test's time without the cancel.
    engine.SetSearchOptions({.prune = false});
    Job job{.stock = 480, .allowable = -1};
    for (int i = 0; i < 40; ++i)
        job.parts.push_back({"P" + std::to_string(i), 7.0 / 16 * (140 - 3 * i), 3});
    Load(engine, job);
    fw::HRESULT hr = fw::E_FAIL;
    const auto start = std::chrono::steady_clock::now();
    const int made = MultOnWorker(engine, hr, [&] {
        if (CPartProgressDlg* window = ui.ProgressWindow())
            window->findChild<QPushButton*>("210")->click();
    });
    EXPECT_EQ(hr, fw::S_FALSE);
    EXPECT_EQ(made, 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(ui.ProgressWindow(), nullptr);
}

} // namespace
