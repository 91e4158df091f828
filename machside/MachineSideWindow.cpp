#include "machside/MachineSideWindow.h"

#include "fw/qt/QtText.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QToolBar>
#include <QTreeWidget>

namespace {

struct StatusChoice {
    const char* text;
    std::int32_t status;
};
constexpr StatusChoice kStatuses[] = {
    {"Ready (1)", torv::kRunStaysReady},
    {"Busy until Run Finished (0)", 0},
    {"No AC Power", torv::kNoAcPower},
    {"No Hydraulics", torv::kNoHydraulics},
};

constexpr const char* kCallbacks[] = {"Machine Ready", "Setup Closed",       "Run Finished",
                                      "Disable Run",   "Enable Run", "Return to Main"};

QString Number(double value) { return QString::number(value, 'g', 10); }

} // namespace

MachineSideWindow::MachineSideWindow(torv::SimulatedMachine& machine, QWidget* parent)
    : QMainWindow(parent), machine_(machine), jobs_(new QTreeWidget), log_(new QPlainTextEdit)
{
    setWindowTitle(QStringLiteral("TorvMachine Simulator"));
    auto* bar = addToolBar(QStringLiteral("Simulator"));
    bar->addWidget(new QLabel(QStringLiteral("Run answers: ")));
    auto* status = new QComboBox;
    for (const StatusChoice& choice : kStatuses)
        status->addItem(QLatin1String(choice.text), choice.status);
    const int current = status->findData(machine_.Settings().runStatus);
    if (current >= 0)
        status->setCurrentIndex(current);
    connect(status, &QComboBox::currentIndexChanged, this,
            [this, status](int index) { machine_.Settings().runStatus = status->itemData(index).toInt(); });
    bar->addWidget(status);
    bar->addSeparator();
    for (int method = 3; method <= 8; ++method)
        bar->addAction(QLatin1String(kCallbacks[method - 3]), this, [this, method] { machine_.CallBack(method); });

    jobs_->setHeaderLabels({QStringLiteral("Job / part"), QStringLiteral("Kind / quantity"),
                            QStringLiteral("Length"), QStringLiteral("Kerf / position"),
                            QStringLiteral("Status / cut start"), QStringLiteral("Patterns")});
    log_->setReadOnly(true);
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(jobs_);
    split->addWidget(log_);
    setCentralWidget(split);
    resize(900, 600);
}

void MachineSideWindow::AddLogLine(const QString& line) { log_->appendPlainText(line); }

void MachineSideWindow::ShowJobs()
{
    jobs_->clear();
    for (const torv::ReceivedJob& job : machine_.RunJobs()) {
        auto* item = new QTreeWidgetItem(jobs_, {fw::ToQString(job.identity), job.kind == 1 ? QStringLiteral("part")
                                                                                            : QStringLiteral("mult"),
                                                 Number(job.length), Number(job.kerf), QString::number(job.status)});
        for (const torv::ReceivedPart& part : job.parts)
            new QTreeWidgetItem(item, {fw::ToQString(part.identity), QString::number(part.quantity),
                                       Number(part.length), Number(part.position), Number(part.cutStart),
                                       QString::number(part.patterns)});
        item->setExpanded(true);
    }
}
