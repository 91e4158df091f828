// The report window as a user meets it, offscreen: a job's group of 20 parts listed, sorted by
// length, three rows selected and printed to a PDF whose text holds the report's lines; the
// context menu's commands; and the "..." shortening of the list's columns.

#include "shell/ui/ListViewEx.h"
#include "shell/ui/QtPrinting.h"
#include "shell/ui/ReportWindows.h"
#include "navigator/ui/ItemIcons.h"

#include "shell/DocumentReportSource.h"
#include "tests/fw/QtApp.h"
#include "tests/machmult/MultTestSupport.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QMdiArea>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>

#include <cstdlib>
#include <filesystem>

namespace {

using V = std::vector<std::string>;
constexpr const char* kGroup = "C:\\Kestrom\\Jobs\\J1\\G1";

// The text a cell of the table shows, shortened as the table's delegate shortens it.
QString ShownText(const QTableView& table, const QModelIndex& index)
{
    struct Probe : CListViewExDelegate {
        QString Shown(const QTableView& table, const QModelIndex& index) const
        {
            QStyleOptionViewItem option;
            option.font = table.font();
            option.rect = QRect(0, 0, table.columnWidth(index.column()), 20);
            initStyleOption(&option, index);
            return option.text;
        }
    };
    return Probe().Shown(table, index);
}

TEST(ListViewExTest, ShorteningKeepsWhatFitsAndCutsToOneCharacterAtLeast)
{
    const auto measure = [](const QString& t) { return int(t.size()) * 10; };   // 10 px a character
    const struct {
        const char* text;
        int width, allowance;
        const char* shown;
    } cases[] = {
        {"", 5, 4, ""},
        {"ABCDE", 54, 4, "ABCDE"},        // exactly fits: 50 + 4
        {"ABCDE", 53, 4, "A..."},         // "AB...": 20 + 30 + 4 > 53
        {"ABCDE", 10, 12, "A..."},        // too narrow for anything: the first character
        {"ABCDEFGH", 80, 12, "ABC..."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShortenText(QString::fromLatin1(c.text), c.width, c.allowance, measure), QString::fromLatin1(c.shown))
            << c.text << " " << c.width;
}

class ReportWindowTest : public multtest::MultFixture {
protected:
    ReportWindowTest()
        : reports([this](int code, std::optional<std::string> path) {
                      calls.push_back(Code(code) + " " + path.value_or("-"));
                  },
                  [] {
                      return DirectorySettings{'C', "\\Kestrom\\Jobs", "C:\\Kestrom\\Machines", "C:\\Kestrom\\Shapes",
                                               "C:\\Kestrom\\Tools"};
                  })
    {
        test::QtApp();
        area.resize(1000, 600);
        reports.Attach(area, reportTemplate);
    }
    static std::string Code(int code)
    {
        char text[8];
        std::snprintf(text, sizeof text, "%02X", code);
        return text;
    }
    CReportView& View()
    {
        CReportFrame* frame = reports.Current();
        EXPECT_TRUE(frame);
        return frame->View();
    }

    fw::DocTemplate reportTemplate{"\nReport\nReport\n\n\n\n", [] { return std::make_unique<CReportDoc>(); }};
    QMdiArea area;
    V calls;
    CReportWindows reports;
};

TEST(QtPrintingTest, AReportPrintedToAFileAfterAnotherProposesItsOwnName)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Mults [Standard: A]", "/home/u/out/Mults Standard A.pdf"},
        {"Parts [Custom: ABC]", "/home/u/out/Parts Custom ABC.pdf"},
        {"[]", "/home/u/out/Report.pdf"},
    };
    for (const auto& [title, proposed] : cases)
        EXPECT_EQ(ProposedPdfName(QStringLiteral("/home/u/out/Parts Standard AB.pdf"), title), QString(proposed)) << title;
}

TEST_F(ReportWindowTest, AJobOfTwentyPartsSortedSelectedAndPrintedToPdf)
{
    for (int i = 1; i <= 20; ++i)
        PutPart("P" + std::to_string(i), 12.0 * ((i * 7) % 20 + 1));
    reports.Open(ReportKind::parts, kGroup);
    CReportView& view = View();
    ASSERT_EQ(view.Model().rowCount(), 20);
    EXPECT_TRUE(reports.Current()->isMaximized());
    // Every column is wide enough for its rows: the shortening cuts no text of a column after the label.
    for (int column = 1; column < view.Model().columnCount(); ++column)
        for (int row = 0; row < view.Model().rowCount(); ++row) {
            const QModelIndex index = view.Model().index(row, column);
            EXPECT_EQ(ShownText(view.Table(), index).toStdString(), index.data().toString().toStdString())
                << row << ", " << column;
        }

    ReportSortDirection::Reset();
    view.OnColumnClick(4);   // LENGTH, ascending
    EXPECT_EQ(view.Model().Row(0).texts[4], "1'");
    EXPECT_EQ(view.Model().Row(19).texts[4], "20'");
    for (int row : {0, 1, 2})
        view.Selection().select(view.Model().index(row, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const ReportPrintRequest request = PrintRequestOf(view);
    EXPECT_EQ(request.object, nav::Object::part);
    EXPECT_EQ(std::count(request.list.begin(), request.list.end(), '|'), 3);

    if (const char* shots = std::getenv("VARNEX_SHOTS")) {
        area.show();
        QApplication::processEvents();
        area.grab().toImage().save(QString(shots) + "/i21-report-window.png");
    }

    const QString pdf = QString::fromStdString((drives.Root() / "report.pdf").string());
    QtPrinterChooser printers;
    printers.SetPdfOutput(pdf);
    DocumentReportSource source;
    CReportPrinting printing(printers, source);
    printing.SetDialogs([](PartPrintOptions& o) { o.coverPage = o.partInformation = 1; return true; }, {});
    printing.PrintParts(PrintMode::standard, request.list);
    ASSERT_TRUE(QFile::exists(pdf));
    if (const char* shots = std::getenv("VARNEX_SHOTS")) {
        QFile::remove(QString(shots) + "/i21-report.pdf");
        QFile::copy(pdf, QString(shots) + "/i21-report.pdf");
    }
    EXPECT_TRUE(messages->Shown().empty());

    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!text.waitForFinished(20000) || text.exitCode() != 0)
        GTEST_SKIP() << "pdftotext is not available";
    const QString out = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QStringLiteral("Parts [Standard: AB]"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Page: 1")));
    // The text tool keeps the order of the columns, not their exact spacing.
    EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral("JOBID +GROUP +MARK +QNT +LENGTH +SHAPE"))));
    EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral("MARK +P20 +FAB CODE:"))));
    for (const char* mark : {"P20", "P3", "P6"})   // the three shortest parts
        EXPECT_TRUE(out.contains(QString::fromLatin1(mark))) << mark;
    EXPECT_FALSE(out.contains(QStringLiteral("P19")));
    EXPECT_TRUE(out.contains(QStringLiteral("*done*")));
    if (const char* shots = std::getenv("VARNEX_SHOTS")) {
        QProcess::execute(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
                                                       QStringLiteral("-f"), QStringLiteral("2"), QStringLiteral("-l"),
                                                       QStringLiteral("2"), QStringLiteral("-singlefile"), pdf,
                                                       QString(shots) + QStringLiteral("/i21-report")});
    }
}

TEST_F(ReportWindowTest, ContextMenuCommandsHandTheDispatcherTheRows)
{
    PutPart("A1", 240.0);
    PutPart("B2", 120.0);
    reports.Open(ReportKind::parts, kGroup);
    area.show();
    QApplication::processEvents();
    CReportView& view = View();
    const QPoint onFirst = view.Table().visualRect(view.Model().index(0, 0)).center();
    std::unique_ptr<QMenu> menu = view.ContextMenu(onFirst);
    V texts;
    for (QAction* action : menu->actions())
        if (!action->isSeparator())
            texts.push_back(action->text().toStdString());
    EXPECT_EQ(texts, (V{"&Open", "&New", "&Run", "O&pposite", "Re&name", "&Delete", "&Copy Part File", "&Print", "Create &Legacy Shop Disk",
                        "Read Legacy &Files"}));

    view.RunCommand(reportcmd::partsOpen);
    view.Table().selectAll();
    view.RunCommand(reportcmd::partsPrintStandard);
    view.RunCommand(reportcmd::refreshReport);
    EXPECT_EQ(calls, (V{"20 C:\\Kestrom\\Jobs\\J1\\G1\\A1.prt",
                        "31 C:\\Kestrom\\Jobs\\J1\\G1\\A1.prt|C:\\Kestrom\\Jobs\\J1\\G1\\B2.prt|",
                        "C0 C:\\Kestrom\\Jobs\\J1\\G1"}));

    // Beside the rows with one part selected: the Type menu.
    view.Table().clearSelection();
    view.Table().selectRow(1);
    std::unique_ptr<QMenu> beside = view.ContextMenu(QPoint(5, 390));
    EXPECT_EQ(beside->actions().front()->text().toStdString(), "Show &All Files");
}

class ListTrash : public FileTrash {
public:
    bool MoveToTrash(const std::string& path) override
    {
        moved.push_back(path);
        return works;
    }
    bool works = true;
    V moved;
};

TEST_F(ReportWindowTest, DeleteAsksFirstAndReportsWhatCouldNotBeMoved)
{
    PutPart("A1", 240.0);
    PutPart("B2", 120.0);
    reports.Open(ReportKind::parts, kGroup);
    CReportView& view = View();
    ListTrash trash;
    view.SetTrash(&trash);
    view.Table().selectAll();

    messages->Answer(fw::IDNO);
    view.RunCommand(reportcmd::deleteFiles);
    EXPECT_TRUE(trash.moved.empty());
    EXPECT_TRUE(calls.empty());

    trash.works = false;
    messages->Answer(fw::IDYES).Answer(fw::IDOK);
    view.RunCommand(reportcmd::deleteFiles);
    EXPECT_EQ(trash.moved, (V{"C:\\Kestrom\\Jobs\\J1\\G1\\A1.prt", "C:\\Kestrom\\Jobs\\J1\\G1\\B2.prt"}));
    ASSERT_EQ(messages->Shown().size(), 3u);   // the two questions and the failure
    EXPECT_EQ(messages->Shown()[2].text, "Error while deleting files C:\\Kestrom\\Jobs\\J1\\G1\\A1.prt and 1 more");
    EXPECT_EQ(calls, V{"C0 C:\\Kestrom\\Jobs\\J1\\G1"});   // refreshed
}

TEST_F(ReportWindowTest, OnlyOneReportWindowAndADoubleClickOpensTheRow)
{
    PutPart("A1", 240.0);
    reports.Open(ReportKind::files, "C:\\Kestrom\\Jobs\\J1");
    reports.CloseAll();
    reports.Open(ReportKind::parts, kGroup);
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(area.subWindowList().size(), 1);
    CReportView& view = View();
    view.OnDoubleClick(view.Model().index(0, 0));
    reports.CloseAll();
    reports.Open(ReportKind::files, "C:\\Kestrom\\Jobs\\J1");
    CReportView& files = View();
    ASSERT_EQ(files.Model().rowCount(), 1);
    files.OnDoubleClick(files.Model().index(0, 0));   // a folder: its file list
    EXPECT_EQ(calls, (V{"20 C:\\Kestrom\\Jobs\\J1\\G1\\A1.prt", "B0 C:\\Kestrom\\Jobs\\J1\\G1"}));
}

TEST_F(ReportWindowTest, RowsShowTheNavigatorsIconOfTheirKind)
{
    PutPart("A1", 240.0);
    TempDrives::Put(JobFile("J1/G1/M 1.mlt"), "x");
    const auto image = [](const QVariant& icon) { return icon.value<QIcon>().pixmap(16, 16).toImage(); };
    const struct {
        ReportKind kind;
        std::string folder;
        std::vector<int> images;   // per row
    } cases[] = {
        {ReportKind::files, "C:\\Kestrom\\Jobs\\J1", {12}},
        {ReportKind::files, kGroup, {3, 4}},
        {ReportKind::parts, kGroup, {3}},
    };
    for (const auto& c : cases) {
        reports.Open(c.kind, c.folder);
        ReportModel& model = View().Model();
        ASSERT_EQ(model.rowCount(), int(c.images.size())) << c.folder;
        for (int row = 0; row < model.rowCount(); ++row) {
            const QImage shown = image(model.index(row, 0).data(Qt::DecorationRole));
            ASSERT_FALSE(shown.isNull());
            EXPECT_EQ(shown, NavImageIcon(c.images[std::size_t(row)]).pixmap(16, 16).toImage()) << c.folder << row;
        }
        reports.CloseAll();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(ReportWindowTest, AReportIsADocumentNamedAfterItsFolderThatClosesWithItsWindow)
{
    PutPart("A1", 240.0);
    reports.Open(ReportKind::files, "C:\\Kestrom\\Jobs\\J1\\");
    reports.CloseAll();
    reports.Open(ReportKind::parts, std::string(kGroup) + "\\");
    ASSERT_EQ(reportTemplate.GetDocuments().size(), 1u);
    auto* document = dynamic_cast<CReportDoc*>(reportTemplate.GetDocuments().front().get());
    ASSERT_TRUE(document);
    EXPECT_EQ(document->Folder(), kGroup);
    EXPECT_EQ(document->GetTitle(), "Part Report - C:\\Kestrom\\Jobs\\J1\\G1");
    CReportFrame* frame = reports.Current();
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->windowTitle().toStdString(), document->GetTitle());
    EXPECT_EQ(frame->View().Document(), document);
    EXPECT_EQ(frame->View().Model().rowCount(), 1);

    const struct {
        ReportKind kind;
        const char* title;
    } titles[] = {{ReportKind::files, "Files - C:\\Kestrom\\Jobs"}, {ReportKind::mults, "Mult Report - C:\\Kestrom\\Jobs"}};
    for (const auto& t : titles)
        EXPECT_EQ(CReportDoc::TitleOf(t.kind, "C:\\Kestrom\\Jobs"), t.title);

    frame->close();   // the user closes the window: its document goes with it
    EXPECT_TRUE(reportTemplate.GetDocuments().empty());
    EXPECT_FALSE(reports.Current());
}

TEST_F(ReportWindowTest, ViewModesShowTheRowsAndAreCheckedInTheMenu)
{
    for (int i = 1; i <= 12; ++i)
        PutPart("P" + std::to_string(i), 12.0 * i);
    reports.Open(ReportKind::parts, kGroup);
    area.show();
    CReportView& view = View();
    view.Table().selectRow(2);
    const V selected = view.SelectedNames();
    ASSERT_EQ(selected.size(), 1u);

    const struct {
        unsigned command;   // 0: the window as it opens
        ReportViewMode mode;
        const char* checked;
        const char* shot;
    } cases[] = {
        {0, ReportViewMode::details, "&Details", "details"},
        {reportcmd::viewIcons, ReportViewMode::icons, "&Icons", "icons"},
        {reportcmd::viewList, ReportViewMode::list, "&List", "list"},
        {reportcmd::viewTiles, ReportViewMode::tiles, "&Tiles", "tiles"},
    };
    for (const auto& c : cases) {
        if (c.command)
            view.RunCommand(c.command);
        QApplication::processEvents();
        EXPECT_EQ(view.ViewMode(), c.mode) << c.shot;
        EXPECT_TRUE(view.ItemView().isVisible()) << c.shot;
        EXPECT_EQ(&view.ItemView() == &view.Table(), c.mode == ReportViewMode::details) << c.shot;
        EXPECT_EQ(view.SelectedNames(), selected) << c.shot;   // the rows and the selection stay
        // The row's place in this mode answers the context menu with the part's commands.
        const QPoint onRow = view.ItemView().visualRect(view.Model().index(2, 0)).center();
        std::unique_ptr<QMenu> rowMenu = view.ContextMenu(onRow);
        EXPECT_EQ(rowMenu->actions().front()->text().toStdString(), "&Open") << c.shot;
        EXPECT_EQ(view.ClickedName(), view.Model().Row(2).name) << c.shot;

        std::unique_ptr<QMenu> beside = view.ContextMenu(QPoint(view.ItemView().viewport()->width() - 2,
                                                                view.ItemView().viewport()->height() - 2));
        QMenu* modes = nullptr;
        for (QAction* action : beside->actions())
            if (action->menu() && action->text() == QStringLiteral("&View"))
                modes = action->menu();
        ASSERT_TRUE(modes) << c.shot;
        V checked;
        for (QAction* action : modes->actions())
            if (action->isChecked())
                checked.push_back(action->text().toStdString());
        EXPECT_EQ(checked, V{c.checked}) << c.shot;
        if (const char* shots = std::getenv("VARNEX_SHOTS"))
            area.grab().toImage().save(QString(shots) + "/reports-" + c.shot + ".png");
    }
    EXPECT_TRUE(calls.empty());
    view.RunCommand(reportcmd::details);   // a file list of the folder, in a new window
    EXPECT_EQ(calls, V{"B0 C:\\Kestrom\\Jobs\\J1\\G1"});
}

TEST_F(ReportWindowTest, CopyCommandsAskTheDriveAndCopyTheSelectedRows)
{
    PutPart("A1", 240.0);
    PutPart("B2", 120.0);
    reports.Open(ReportKind::parts, kGroup);
    area.show();
    CReportView& view = View();
    int asked = 0;
    std::optional<std::string> answer;
    view.SetDrivePicker([&] {
        ++asked;
        return answer;
    });
    const auto onD = [&](const std::string& relative) { return std::filesystem::exists(drives.Root() / "D/Kestrom/Jobs" / relative); };

    view.RunCommand(reportcmd::copyPart);   // nothing selected: nothing asked
    EXPECT_EQ(asked, 0);
    view.Table().selectAll();
    view.RunCommand(reportcmd::copyPart);   // cancelled
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(onD("J1/G1/A1.prt"));
    answer = "D:\\";
    view.RunCommand(reportcmd::copyPart);
    EXPECT_TRUE(onD("J1/G1/A1.prt"));
    EXPECT_TRUE(onD("J1/G1/B2.prt"));

    reports.CloseAll();
    reports.Open(ReportKind::files, "C:\\Kestrom\\Jobs\\J1");
    CReportView& groups = View();
    groups.SetDrivePicker([&] { return answer; });
    std::filesystem::remove_all(drives.Root() / "D");
    const QPoint onGroup = groups.Table().visualRect(groups.Model().index(0, 0)).center();
    std::unique_ptr<QMenu> menu = groups.ContextMenu(onGroup);
    V texts;
    for (QAction* action : menu->actions())
        texts.push_back(action->text().toStdString());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "&Copy All Files"), texts.end());
    groups.RunCommand(reportcmd::copyGroup);
    EXPECT_TRUE(onD("J1/G1/A1.prt"));
    EXPECT_TRUE(onD("J1/G1/B2.prt"));
    EXPECT_TRUE(messages->Shown().empty());
}

} // namespace
