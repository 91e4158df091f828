// The report window's rows: listing temporary job trees, dates, sorting, the selection list and
// the classification of paths by the folders of Options.

#include "fw/core/Archive.h"
#include "shell/ReportLister.h"
#include "shell/ui/NavHeaderReader.h"

#include "tests/machmult/MultTestSupport.h"

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <sys/stat.h>

namespace {

using V = std::vector<std::string>;
constexpr const char* kListedGroup = "C:\\Kestrom\\Jobs\\J1\\G1";

class ReportListerTest : public multtest::MultFixture {
protected:
    void PutMult(double drop)
    {
        CMultDoc doc;
        MakeMult(doc);
        doc.Header().drop = drop;
        ASSERT_TRUE(doc.OnSaveDocument("C:\\x.mlt"));
    }
};

TEST_F(ReportListerTest, PartReportRowsHoldTheHeadersWithoutOpeningADocument)
{
    PutPart("B2", 120.0, "L ", "4X4X0.5", "");
    PutPart("A1", 240.0);
    TempDrives::Put(JobFile("J1/G1/BAD.prt"), "not a part");
    const std::vector<ReportRow> rows = ListReport(ReportKind::parts, kListedGroup);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].texts, (V{"A1.prt", "J1", "G1", "5", "20'", "W  12X26", "A36"}));
    EXPECT_EQ(rows[1].texts, (V{"B2.prt", "J1", "G1", "5", "10'", "L  4X4X0.5", "NONE"}));
    EXPECT_EQ(rows[1].length, 120.0);
    EXPECT_EQ(rows[2].texts, (V{"BAD.prt", "", "", "", "", "", ""}));   // unreadable: its name alone
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(ReportListerTest, LongHeadersAreReadWholeAndFifosOrDamagedFilesShowTheirNameAlone)
{
    const std::string grade(70 * 1024, 'G');
    PutPart("LONG", 120.0, "W ", "12X26", grade);
    PutPart("CUT", 120.0);
    const std::filesystem::path cut = JobFile("J1/G1/CUT.prt");
    std::filesystem::resize_file(cut, 12);   // ends inside the header
    // Job, group, mark, quantity and length, then a shape type whose length runs far beyond the file.
    const std::uint8_t huge[] = {2,    'J',  '1',  2,    'G',  '1',  4, 'H', 'U', 'G', 'E', 5, 0, 0, 0, 0, 0, 0, 0,
                                 0,    0,    0,    0,    'E',  0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F};
    TempDrives::Put(JobFile("J1/G1/HUGE.prt"), std::string(std::begin(huge), std::end(huge)));
    for (const char* fifo : {"J1/G1/PIPE.prt", "J1/G1/PIPE.mlt"})
        ASSERT_EQ(::mkfifo(JobFile(fifo).c_str(), 0600), 0) << fifo;

    const std::vector<ReportRow> rows = ListReport(ReportKind::parts, kListedGroup);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].texts, (V{"CUT.prt", "", "", "", "", "", ""}));
    EXPECT_EQ(rows[1].texts, (V{"HUGE.prt", "", "", "", "", "", ""}));
    EXPECT_EQ(rows[2].texts, (V{"LONG.prt", "J1", "G1", "5", "10'", "W  12X26", grade}));
    EXPECT_EQ(rows[3].texts, (V{"PIPE.prt", "", "", "", "", "", ""}));
    const std::vector<ReportRow> mults = ListReport(ReportKind::mults, kListedGroup);
    ASSERT_EQ(mults.size(), 1u);
    EXPECT_EQ(mults[0].texts[0], "PIPE.mlt");
    EXPECT_EQ(mults[0].texts[1], "");
    EXPECT_TRUE(messages->Shown().empty());

    // The navigator's tree reads the same headers.
    NavHeaderReader tree;
    EXPECT_EQ(tree.Describe(nav::ItemKind::part, "C:\\Kestrom\\Jobs\\J1\\G1\\LONG.prt"), (nav::Description{"W ", "12X26"}));
    for (const char* name : {"PIPE.prt", "CUT.prt", "HUGE.prt"})
        EXPECT_EQ(tree.Describe(nav::ItemKind::part, std::string(kListedGroup) + "\\" + name), std::nullopt) << name;
    EXPECT_EQ(tree.Describe(nav::ItemKind::mult, std::string(kListedGroup) + "\\PIPE.mlt"), std::nullopt);
}

TEST_F(ReportListerTest, TheNavigatorDescribesAPartOnlyWhenTheReportReadsItsHeader)
{
    // Job, group, mark, quantity, the length in a unit, designation and size, then the grade.
    const auto header = [](std::uint8_t unit, bool grade) {
        fw::Archive ar;
        ar << std::string("J1") << std::string("G1") << std::string("B1") << std::int32_t(5);
        ar.WriteDouble(120.0);
        ar.WriteByte(unit);
        ar << std::string("W ") << std::string("12X26");
        if (grade)
            ar << std::string("A36");
        return std::string(ar.Bytes().begin(), ar.Bytes().end());
    };
    const struct {
        const char* name;
        std::uint8_t unit;
        bool grade;
        bool read;
    } cases[] = {
        {"WHOLE.prt", 'E', true, true},
        {"NOGRADE.prt", 'E', false, false},   // ends before the grade
        {"NOUNIT.prt", 0, true, false},       // a length in no known unit
    };
    NavHeaderReader tree;
    for (const auto& c : cases) {
        TempDrives::Put(JobFile(std::string("J1/G1/") + c.name), header(c.unit, c.grade));
        const std::string path = std::string(kListedGroup) + "\\" + c.name;
        EXPECT_EQ(ReadPartHeader(path).has_value(), c.read) << c.name;
        const std::optional<nav::Description> shown =
            c.read ? std::optional(nav::Description{"W ", "12X26"}) : std::nullopt;
        EXPECT_EQ(tree.Describe(nav::ItemKind::part, path), shown) << c.name;
    }
}

TEST_F(ReportListerTest, MultReportRowsShowUsageAndAStockOfZeroStillShows)
{
    PutMult(120.0);
    const std::vector<ReportRow> rows = ListReport(ReportKind::mults, kListedGroup);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].texts, (V{"M 1.mlt", "J1", "G1", "1", "40'", "1", "", "W 12X26", "A36", "PUNCH1", "75.00"}));

    MultRecord zero;
    zero.length = 0.0;
    const ReportRow row = MultReportRow("Z.mlt", zero);
    EXPECT_FALSE(std::isfinite(row.usage));
}

TEST_F(ReportListerTest, FileListShowsSizesIconsAndFolders)
{
    TempDrives::Put(JobFile("J1/G1/x.PRT"), "12345");
    TempDrives::Put(JobFile("J1/G1/y.mlt"), "1");
    std::filesystem::create_directories(JobFile("J1/G1/SUB"));
    const std::vector<ReportRow> rows = ListReport(ReportKind::files, kListedGroup);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].name, "SUB");
    EXPECT_EQ(rows[0].texts[1], "");
    EXPECT_EQ(rows[0].icon, 0);
    EXPECT_EQ(rows[1].texts[1], "5 BYTES");
    EXPECT_EQ(rows[1].icon, 0);   // the extension test is exact
    EXPECT_EQ(rows[2].icon, 2);
    EXPECT_TRUE(ListReport(ReportKind::files, "C:\\Missing").empty());
}

TEST(ReportFormatTest, DatesUseATwelveHourClock)
{
    const struct {
        int hour, minute;
        const char* text;
    } cases[] = {{0, 5, "3/07/26 (12:05a)"}, {1, 0, "3/07/26 (1:00a)"}, {12, 30, "3/07/26 (12:30p)"},
                 {13, 9, "3/07/26 (1:09p)"}, {23, 59, "3/07/26 (11:59p)"}};
    for (const auto& c : cases) {
        std::tm t{};
        t.tm_year = 126;
        t.tm_mon = 2;
        t.tm_mday = 7;
        t.tm_hour = c.hour;
        t.tm_min = c.minute;
        EXPECT_EQ(FormatReportDate(t), c.text);
    }
}

TEST(ReportFormatTest, SizesAndIcons)
{
    EXPECT_EQ(FormatReportSize(0), "");
    EXPECT_EQ(FormatReportSize(5'000'000'000ull), "5000000000 BYTES");   // past 32 bits
    const std::pair<const char*, int> icons[] = {{"A", 0}, {"a.prt", 1}, {"a.mlt", 2}, {"a.shp", 3}, {"a.mch", 4},
                                                 {"a.tl", 5}, {"a.PRT", 0}, {"a.txt", 0}};
    for (const auto& [name, icon] : icons)
        EXPECT_EQ(ReportFileIcon(name), icon) << name;
}

ReportRow Row(const std::string& name, double length, float usage, std::uint64_t size = 0)
{
    ReportRow r;
    r.name = name;
    r.length = length;
    r.usage = usage;
    r.size = size;
    return r;
}

V Names(const std::vector<ReportRow>& rows)
{
    V names;
    for (const ReportRow& r : rows)
        names.push_back(r.name);
    return names;
}

TEST(ReportSortTest, ColumnsSortByTheirValuesAndEqualRowsKeepTheirOrder)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    std::vector<ReportRow> rows = {Row("b", 2, 50), Row("A", 1, nan), Row("c", 2, 10), Row("D", 3, 90)};
    SortReportRows(rows, ReportKind::parts, 0, true);
    EXPECT_EQ(Names(rows), (V{"A", "b", "c", "D"}));   // names ignore case
    SortReportRows(rows, ReportKind::parts, 4, false);
    EXPECT_EQ(Names(rows), (V{"D", "b", "c", "A"}));
    SortReportRows(rows, ReportKind::mults, 10, true);   // a usage that is not a number comes first
    EXPECT_EQ(Names(rows), (V{"A", "c", "b", "D"}));
    SortReportRows(rows, ReportKind::mults, 11, true);   // beyond the columns: unchanged
    EXPECT_EQ(Names(rows), (V{"A", "c", "b", "D"}));

    std::vector<ReportRow> files = {Row("x", 0, 0, 5'000'000'000ull), Row("y", 0, 0, 1)};
    SortReportRows(files, ReportKind::files, 1, true);
    EXPECT_EQ(Names(files), (V{"y", "x"}));
}

TEST(ReportSortTest, EveryClickReversesTheSharedDirectionStartingAscending)
{
    ReportSortDirection::Reset();
    EXPECT_TRUE(ReportSortDirection::Toggle());
    EXPECT_FALSE(ReportSortDirection::Toggle());
    EXPECT_TRUE(ReportSortDirection::Toggle());
    ReportSortDirection::Reset();
}

TEST(ReportSelectionTest, TheSelectionIsAlwaysAListOfNames)
{
    EXPECT_EQ(SelectedPathList("C:\\J\\G", {}), "");
    EXPECT_EQ(SelectedPathList("C:\\J\\G", {"A.prt"}), "C:\\J\\G\\A.prt|");
    EXPECT_EQ(SelectedPathList("C:\\J\\G", {"A.prt", "B.prt"}), "C:\\J\\G\\A.prt|C:\\J\\G\\B.prt|");
}

TEST(ReportClassifyTest, PathsAreClassifiedByTheFoldersOfOptions)
{
    DirectorySettings standard{'C', "\\Kestrom\\Jobs", "C:\\Kestrom\\Machines", "C:\\Kestrom\\Shapes", "C:\\Kestrom\\Tools"};
    DirectorySettings moved{'D', "\\Work\\Shop\\Jobs", "D:\\Data\\Machines", "D:\\Data\\Shapes", "D:\\Data\\Tools"};
    const struct {
        const DirectorySettings& folders;
        const char* path;
        ReportItem item;
        int menu;
        const char* drag;
    } cases[] = {
        {standard, "C:\\Kestrom\\Jobs\\J1", ReportItem::job, 2, "BRAXJobListCF"},
        {standard, "C:\\Kestrom\\Jobs\\J1\\G1", ReportItem::group, 3, "BRAXGroupListCF"},
        {standard, "C:\\Kestrom\\Jobs\\J1\\G1\\A.prt", ReportItem::part, 0, "BRAXPartListCF"},
        {standard, "C:\\kestrom\\jobs\\J1\\G1\\A.PRT", ReportItem::part, 0, "BRAXPartListCF"},
        {standard, "C:\\Kestrom\\Jobs\\J1\\G1\\M 1.mlt", ReportItem::mult, 1, "BRAXMultListCF"},
        {standard, "C:\\Kestrom\\Machines\\P.mch", ReportItem::machine, 4, ""},
        {standard, "C:\\Kestrom\\Tools\\T.tl", ReportItem::tool, 5, ""},
        {standard, "C:\\Kestrom\\Shapes\\W.shp", ReportItem::shape, 6, ""},
        {standard, "C:\\Elsewhere\\A.prt", ReportItem::other, 3, ""},
        {moved, "D:\\Work\\Shop\\Jobs\\J1", ReportItem::job, 2, "BRAXJobListCF"},
        {moved, "D:\\Work\\Shop\\Jobs\\J1\\G1\\A.prt", ReportItem::part, 0, "BRAXPartListCF"},
        {moved, "D:\\Data\\Machines\\P.mch", ReportItem::machine, 4, ""},
        {moved, "C:\\Kestrom\\Jobs\\J1", ReportItem::other, 3, ""},
    };
    for (const auto& c : cases) {
        const ReportItem item = ClassifyReportPath(c.path, c.folders);
        EXPECT_EQ(item, c.item) << c.path;
        EXPECT_EQ(ReportMenuIndex(item), c.menu) << c.path;
        EXPECT_EQ(ReportDragFormat(item), c.drag) << c.path;
    }
}

} // namespace
