#include "partprog/ui/PartView.h"

#include "partprog/PartDoc.h"

#include "fw/core/AppProfile.h"
#include "fw/core/Archive.h"
#include "fw/core/DocManager.h"
#include "fw/core/DocTemplate.h"
#include "fw/core/MessageService.h"
#include "fw/core/Profile.h"
#include "model/ModelClasses.h"
#include "model/ShapeDoc.h"

#include "LenboxFactory.h"
#include "PartProgSupport.h"
#include "tests/fw/QtApp.h"
#include "tests/fw/TempDrives.h"
#include "tests/support/TabChain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr const char* kSaveOnTopOfOld = "Warning: Can't save new document on top of old!  You must change key fields.";

class PartViewTest : public testing::Test {
protected:
    PartViewTest() : profile(fw::SetAppProfile(std::make_unique<fw::MemoryProfile>()))
    {
        RegisterModelClasses();
        parts = manager.AddDocTemplate(std::make_unique<fw::DocTemplate>(
            "\nPart\nPart\nPart (*.prt)\n.prt\nVarnex.Part\nVarnex Part", [] { return std::make_unique<CPartDoc>(); }));
        PutShape("W ", "12X26", {12, 0.5, 4, 1}, shapeBeam, 1);
        PutShape("L ", "4X4X1_2", {4, 0.5, 4, 0.5}, shapeAngle, 0);
    }
    ~PartViewTest() override
    {
        if (view.GetDocument())
            view.GetDocument()->RemoveView(&view);
        fw::SetAppProfile(std::move(profile));
    }

    void PutShape(const std::string& type, const std::string& size, std::array<double, 4> section, int kind, int system)
    {
        CShapeDoc shape;
        shape.SetShapeData(type, size, section[0], section[1], section[2], section[3], 2, 26, type + size, kind,
                           system);
        fw::Archive ar;
        shape.Serialize(ar);
        const std::vector<std::uint8_t> bytes = ar.TakeBytes();
        TempDrives::Put(drives.C() / "Kestrom/Shapes" / (type + size + ".shp"),
                        std::string(bytes.begin(), bytes.end()));
    }
    std::filesystem::path JobFile(const std::string& relative) const { return drives.C() / "Kestrom/Jobs" / relative; }

    // A new part, as File New makes it, shown in the view.
    CPartDoc& ShowNewPart()
    {
        auto& doc = *static_cast<CPartDoc*>(parts->OpenDocumentFile("", false));
        doc.AddView(&view);
        view.OnInitialUpdate();
        return doc;
    }
    // A new part named B12 with the shape W 12X26 looked up.
    CPartDoc& ShowB12()
    {
        CPartDoc& doc = ShowNewPart();
        view.Edit(CPartView::IDC_MARK).setText("B12");
        view.TypeCombo().setCurrentText("W ");
        view.Edit(CPartView::IDC_DESC).setText("12X26");
        EXPECT_TRUE(view.LookUpShape());
        return doc;
    }
    QAction& Command(int index) { return *view.ToolBarActions()[index]; }
    // The texts shown since the last ClearMessages.
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (std::size_t i = seen; i < messages->Shown().size(); ++i)
            texts.push_back(messages->Shown()[i].text);
        return texts;
    }
    void ClearMessages() { seen = messages->Shown().size(); }
    void Leave(QWidget& control)
    {
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(&control, &leave);
        QCoreApplication::processEvents();
    }
    bool KeyFieldsEnabled()
    {
        bool all = true, none = true;
        const std::initializer_list<QWidget*> keyFields = {
            &view.Edit(CPartView::IDC_JOB), &view.Edit(CPartView::IDC_GROUP), &view.Edit(CPartView::IDC_MARK),
            &view.LegButton(0),             &view.LegButton(1),              &view.SystemButton(0),
            &view.SystemButton(1),          &view.SystemButton(2)};
        for (QWidget* w : keyFields) {
            all = all && w->isEnabled();
            none = none && !w->isEnabled();
        }
        EXPECT_TRUE(all || none);
        return all;
    }

    std::unique_ptr<fw::Profile> profile;
    QApplication& app = test::QtApp();   // before the first widget
    test::LenboxFactory factory;
    fw::ScriptedMessages messages{fw::ScriptedMessageService::WhenUnscripted::AnswerDefault};
    TempDrives drives;
    fw::DocManager manager;
    fw::DocTemplate* parts;
    CPartView view;
    std::size_t seen = 0;
};

} // namespace

TEST_F(PartViewTest, FormHoldsTheDesignationsAndControlsOfThePartInformation)
{
    EXPECT_EQ(view.windowTitle(), "Part Information");
    const char* types[] = {"C ", "FB", "HP", "L ", "M ", "MC", "MT", "PL", "S ", "TS", "W ", "WT"};
    ASSERT_EQ(view.TypeCombo().count(), 12);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(view.TypeCombo().itemText(i), types[i]);
    EXPECT_EQ(view.TypeCombo().objectName(), "1035");
    EXPECT_EQ(view.Length().GetControl()->objectName(), "1089");
    const char* sections[] = {"1019", "1095", "1020", "1022"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(view.Section(i).GetControl()->objectName(), sections[i]);
    EXPECT_EQ(view.WebDepthBox().text(), "Mea&sure Web Depth");
    EXPECT_EQ(view.SystemBox().objectName(), "1189");
    EXPECT_EQ(view.SystemBox().title(), "Measuring System");
    const char* systems[] = {"&Imperial", "&Decimal Inch", "Met&ric"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(view.SystemButton(i).text(), systems[i]);
        EXPECT_EQ(view.SystemButton(i).objectName(), QString::number(1027 + i));
    }
    EXPECT_EQ(view.LegButton(0).text(), "F&ar");
    EXPECT_EQ(view.LegButton(1).objectName(), "1032");
    QStringList commands;
    for (QAction* action : view.ToolBarActions())
        commands << action->text();
    EXPECT_EQ(commands, (QStringList{"&Save", "Save/New", "", "&Specifics", "Choose Shape"}));
}

TEST_F(PartViewTest, NewPartOpensItsKeyFieldsUnderTheNamePartWithoutAShape)
{
    CPartDoc& doc = ShowNewPart();
    EXPECT_TRUE(KeyFieldsEnabled());
    EXPECT_EQ(view.Edit(CPartView::IDC_MARK).text(), "Part");
    EXPECT_EQ(doc.GetTitle(), "Part");
    EXPECT_EQ(view.Edit(CPartView::IDC_QUANTITY).text(), "1");
    EXPECT_EQ(view.Edit(CPartView::IDC_JOB).text(), "NONE");
    EXPECT_FALSE(view.IsShapeValid());
    EXPECT_FALSE(view.KeyFieldsChanged());
    EXPECT_FALSE(doc.IsSaveAllowed());
    EXPECT_FALSE(doc.IsModified());   // showing the document is no edit
    EXPECT_FALSE(Command(0).isEnabled());
    EXPECT_FALSE(Command(3).isEnabled());   // Specifics: no shape yet
    EXPECT_TRUE(Command(4).isEnabled());    // Choose Shape
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(PartViewTest, TextFieldsTakeAtMostTheirLength)
{
    CPartDoc& doc = ShowB12();
    struct Case {
        int id;
        int maxLength;
        bool checkedOnLeaving;
    };
    const Case cases[] = {
        {CPartView::IDC_JOB, 10, false},    {CPartView::IDC_GROUP, 10, false},  {CPartView::IDC_MARK, 10, true},
        {CPartView::IDC_GRADE, 10, true},   {CPartView::IDC_FABCODE, 10, true}, {CPartView::IDC_REMARKA, 40, true},
        {CPartView::IDC_REMARKB, 40, true}, {CPartView::IDC_DESC, 20, true},
    };
    for (const Case& c : cases) {
        QLineEdit& edit = view.Edit(c.id);
        const QString before = edit.text();
        const PartRecord header = doc.Header();
        const std::string tooLong = "Enter no more than " + std::to_string(c.maxLength) + " characters.";
        edit.setText(QString(c.maxLength + 1, 'A'));
        if (c.checkedOnLeaving) {
            view.OnFieldChanged(c.id);
            EXPECT_EQ(Texts(), std::vector<std::string>{tooLong}) << c.id;
        }
        EXPECT_FALSE(view.ApplyToDocument()) << c.id;
        EXPECT_EQ(Texts().back(), tooLong) << c.id;
        EXPECT_EQ(doc.Header().mark, header.mark);
        EXPECT_EQ(doc.Header().remarkB, header.remarkB);
        ClearMessages();

        edit.setText(QString(c.maxLength, c.id == CPartView::IDC_DESC ? '9' : 'A'));
        if (c.id != CPartView::IDC_DESC)   // a size of 20 nines names no shape file
            view.OnFieldChanged(c.id);
        EXPECT_TRUE(view.ApplyToDocument()) << c.id;
        EXPECT_TRUE(Texts().empty()) << c.id;
        edit.setText(before);
        ASSERT_TRUE(view.ApplyToDocument());
    }
}

TEST_F(PartViewTest, QuantityIsOneToNineThousandAloneAndWithTheWholeForm)
{
    CPartDoc& doc = ShowB12();
    struct Case {
        const char* text;
        bool alone;
        bool whole;
    };
    const Case cases[] = {{"0", false, false},     {"1", true, true},    {"9999", true, true},
                          {"10000", false, false}, {"-1", false, false}, {"two", false, false},
                          {"", false, false}};
    view.show();
    view.activateWindow();
    QCoreApplication::processEvents();
    QLineEdit& quantity = view.Edit(CPartView::IDC_QUANTITY);
    for (const Case& c : cases) {
        doc.Header().quantity = 7;
        quantity.setText(c.text);
        view.Edit(CPartView::IDC_GRADE).setFocus();
        ClearMessages();
        view.OnFieldChanged(CPartView::IDC_QUANTITY);
        EXPECT_EQ(Texts(), c.alone ? std::vector<std::string>{}
                                   : std::vector<std::string>{"Please enter an integer between 1 and 9999."})
            << c.text;
        EXPECT_EQ(QApplication::focusWidget() == &quantity, !c.alone) << c.text;   // a refused field keeps the focus
        EXPECT_EQ(doc.Header().quantity, 7u);   // checking a field alone changes nothing
        ClearMessages();
        EXPECT_EQ(view.ApplyToDocument(), c.whole) << c.text;
        EXPECT_EQ(Texts(), c.whole ? std::vector<std::string>{}
                                   : std::vector<std::string>{"Please enter an integer between 1 and 9999."})
            << c.text;
        EXPECT_EQ(doc.Header().quantity, c.whole ? std::stoul(c.text) : 7u) << c.text;
    }
}

TEST_F(PartViewTest, TheMarkNamesTheDocumentAsSoonAsItIsLeft)
{
    CPartDoc& doc = ShowNewPart();
    QLineEdit& mark = view.Edit(CPartView::IDC_MARK);
    mark.setText("B12");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(view.KeyFieldsChanged());
    Leave(mark);   // the check is queued, then runs
    EXPECT_EQ(doc.GetTitle(), "B12");
    EXPECT_EQ(doc.GetPathName(), "C:\\Kestrom\\Jobs\\NONE\\NONE\\B12.prt");

    // While another application is active, leaving a field checks nothing.
    view.OnActivateApp(false);
    mark.setText("B13");
    Leave(mark);
    EXPECT_EQ(doc.GetTitle(), "B12");
    view.OnActivateApp(true);

    // A mark that can't name a file is refused; the document keeps its name.
    for (const char* bad : {"..", "A\\B", ""}) {
        mark.setText(bad);
        view.OnFieldChanged(CPartView::IDC_MARK);
        EXPECT_EQ(Texts().back(), CPartDoc::kInvalidName) << bad;
        EXPECT_EQ(doc.GetPathName(), "C:\\Kestrom\\Jobs\\NONE\\NONE\\B12.prt");
    }
}

TEST_F(PartViewTest, ABlankJobOrGroupIsTakenAndSavedUnderNone)
{
    CPartDoc& doc = ShowB12();
    const struct {
        const char* job;
        const char* group;
        bool taken;
    } cases[] = {
        {"   ", "G1", true}, {"J1", " ", true},   {"", "", true},     {"J1", "G1", true},
        {"J1.", "G1", false}, {"J1", "G1 ", false}, {"..", "G1", false}, {"J1", "A\\B", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.job) + "|" + c.group);
        view.Edit(CPartView::IDC_JOB).setText(c.job);
        view.Edit(CPartView::IDC_GROUP).setText(c.group);
        ClearMessages();
        EXPECT_EQ(view.ApplyToDocument(), c.taken);
        EXPECT_EQ(Texts(), c.taken ? std::vector<std::string>{} : std::vector<std::string>{CPartDoc::kInvalidName});
        if (c.taken) {
            EXPECT_EQ(doc.Header().jobId, c.job);
            EXPECT_EQ(doc.Header().group, c.group);
        }
    }
    view.Edit(CPartView::IDC_JOB).setText("  ");
    view.Edit(CPartView::IDC_GROUP).setText(" ");
    ASSERT_TRUE(doc.OnFileSave());
    EXPECT_TRUE(std::filesystem::exists(JobFile("NONE/NONE/B12.prt")));
}

TEST_F(PartViewTest, ShapeLookupShowsTheSectionOrRefusesTheShape)
{
    CPartDoc& doc = ShowB12();
    EXPECT_TRUE(view.IsShapeValid());
    const double section[] = {12, 0.5, 4, 1};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(view.Section(i).GetDecimalInches(), section[i]);
        EXPECT_EQ(view.Section(i).GetDimensionType(), 1);   // the shape's own measuring system
    }
    EXPECT_TRUE(doc.IsSaveAllowed());   // the mark was typed
    EXPECT_EQ(doc.GetShapeKind(), shapeBeam);
    EXPECT_EQ(doc.Header().shapeDesc, "12X26");
    EXPECT_TRUE(Command(3).isEnabled());

    view.Edit(CPartView::IDC_DESC).setText("99X99");
    view.OnFieldChanged(CPartView::IDC_DESC);
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_EQ(messages->Shown()[0].text,
              "Invalid Shape: there is no shape W 99X99 (C:\\Kestrom\\Shapes\\W 99X99.shp).");
    EXPECT_EQ(messages->Shown()[0].type, fw::MB_OK);
    EXPECT_FALSE(view.IsShapeValid());
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(view.Section(i).GetDecimalInches(), 0.0);
    EXPECT_FALSE(doc.IsSaveAllowed());
    EXPECT_EQ(doc.Header().shapeDesc, "12X26");   // the document keeps the shape it has
    EXPECT_EQ(view.TypeCombo().currentText(), "W ");   // the form what the user typed
    EXPECT_EQ(view.Edit(CPartView::IDC_DESC).text(), "99X99");
    EXPECT_TRUE(view.KeyFieldsChanged());          // the mark typed still counts

    view.Edit(CPartView::IDC_DESC).setText("12X26");
    ASSERT_TRUE(view.LookUpShape());
    EXPECT_TRUE(doc.IsSaveAllowed());
    ClearMessages();

    // Without a size nothing is looked up and the part has no valid shape.
    view.Edit(CPartView::IDC_DESC).setText("");
    EXPECT_FALSE(view.LookUpShape());
    EXPECT_TRUE(Texts().empty());
    EXPECT_FALSE(doc.IsSaveAllowed());
}

TEST_F(PartViewTest, SaveLocksTheKeyFieldsAndSaveNewOpensThemAgainUnderANewMark)
{
    CPartDoc& doc = ShowB12();
    view.show();
    view.activateWindow();
    QCoreApplication::processEvents();
    Command(0).trigger();
    EXPECT_TRUE(std::filesystem::exists(JobFile("NONE/NONE/B12.prt")));
    EXPECT_FALSE(KeyFieldsEnabled());
    EXPECT_TRUE(view.TypeCombo().isEnabled());   // the shape stays open
    EXPECT_TRUE(view.KeyFieldsChanged());
    EXPECT_TRUE(Command(0).isEnabled());

    Command(1).trigger();   // Save/New
    EXPECT_EQ(doc.GetDocumentState(), CSmartDoc::stateNew);
    EXPECT_TRUE(KeyFieldsEnabled());
    QLineEdit& mark = view.Edit(CPartView::IDC_MARK);
    EXPECT_EQ(mark.text(), "Part");
    EXPECT_EQ(mark.selectedText(), "Part");
    EXPECT_EQ(QApplication::focusWidget(), &mark);
    EXPECT_EQ(doc.GetTitle(), "Part");
    EXPECT_FALSE(view.KeyFieldsChanged());
    EXPECT_FALSE(Command(0).isEnabled());
    EXPECT_EQ(view.Edit(CPartView::IDC_DESC).text(), "12X26");

    // Saving before a key field changes is refused; a new mark makes it a new part.
    EXPECT_FALSE(doc.OnFileSave());
    EXPECT_EQ(Texts(), std::vector<std::string>{kSaveOnTopOfOld});
    mark.setText("B13");
    EXPECT_TRUE(Command(0).isEnabled());
    Command(0).trigger();
    EXPECT_TRUE(std::filesystem::exists(JobFile("NONE/NONE/B13.prt")));
    EXPECT_EQ(messages->Shown().size(), 1u);
}

TEST_F(PartViewTest, AFieldThatFailsStopsTheSave)
{
    CPartDoc& doc = ShowB12();
    view.Edit(CPartView::IDC_REMARKA).setText(QString(41, 'R'));
    EXPECT_FALSE(doc.OnFileSave());
    EXPECT_EQ(Texts(), std::vector<std::string>{"Enter no more than 40 characters."});
    EXPECT_FALSE(std::filesystem::exists(JobFile("NONE/NONE/B12.prt")));
    EXPECT_FALSE(doc.OnFileSaveNew());
    EXPECT_EQ(doc.GetDocumentState(), CSmartDoc::stateNew);
}

TEST_F(PartViewTest, AnOpenedPartIsShownWithItsKeyFieldsLocked)
{
    {
        CPartDoc part;
        PartRecord record;
        record.jobId = "J1";
        record.group = "G1";
        record.mark = "B12";
        record.quantity = 3;
        record.length = 240.0;
        record.shapeDesctp = "W ";
        record.shapeDesc = "12X26";
        record.grade = "A36";
        record.measuringSystem = 2;
        record.channelLeg = 1;
        ASSERT_TRUE(part.SetPartRecord(record));
        ASSERT_TRUE(part.OnFileSave());
    }
    auto& doc = *static_cast<CPartDoc*>(parts->OpenDocumentFile("C:\\Kestrom\\Jobs\\J1\\G1\\B12.prt", false));
    doc.AddView(&view);
    view.OnInitialUpdate();
    EXPECT_FALSE(KeyFieldsEnabled());
    EXPECT_EQ(view.Edit(CPartView::IDC_MARK).text(), "B12");
    EXPECT_EQ(view.Edit(CPartView::IDC_GRADE).text(), "A36");
    EXPECT_EQ(view.Length().GetDecimalInches(), 240.0);
    EXPECT_EQ(view.Length().GetDimensionType(), 2);
    EXPECT_TRUE(view.SystemButton(2).isChecked());
    EXPECT_TRUE(view.LegButton(1).isChecked());
    EXPECT_TRUE(view.IsShapeValid());
    EXPECT_TRUE(doc.IsSaveAllowed());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(PartViewTest, MeasuringSystemAndChannelLegMarkTheDocumentOnlyWhenTheyChange)
{
    CPartDoc& doc = ShowNewPart();
    view.SystemButton(0).click();
    view.LegButton(0).click();
    EXPECT_FALSE(doc.IsModified());
    for (int system : {2, 1, 0}) {
        doc.SetModifiedFlag(false);
        view.SystemButton(system).click();
        EXPECT_EQ(view.Length().GetDimensionType(), system);
        EXPECT_TRUE(doc.IsModified());
    }
    view.LegButton(1).click();
    EXPECT_TRUE(doc.IsModified());

    // The length typed goes to the document as soon as it is left; the other views are told.
    CountingView other;
    doc.AddView(&other);
    lenbox::CLenboxCtrl& length = test::LenboxFactory::Of(view.Length());
    length.setFocus(Qt::TabFocusReason);
    QTest::keyClicks(&length, "10'");
    view.OnFieldChanged(CPartView::IDC_LENGTH);
    EXPECT_EQ(doc.Header().length.GetValue(), 120.0);
    EXPECT_EQ(other.updates, 1);
    doc.RemoveView(&other);
}

TEST_F(PartViewTest, ADroppedShapeListGivesTheFirstShape)
{
    CPartDoc& doc = ShowNewPart();
    EXPECT_TRUE(view.DropShapeList("C:\\Kestrom\\Shapes\\L 4X4X1_2.shp|C:\\Kestrom\\Shapes\\W 12X26.shp|"));
    EXPECT_EQ(view.TypeCombo().currentText(), "L ");
    EXPECT_EQ(view.TypeCombo().currentIndex(), 3);
    EXPECT_EQ(view.Edit(CPartView::IDC_DESC).text(), "4X4X1_2");
    EXPECT_TRUE(view.IsShapeValid());
    EXPECT_EQ(doc.GetShapeKind(), shapeAngle);
    EXPECT_EQ(view.Section(0).GetDecimalInches(), 4.0);

    // A designation the combo does not list is taken as its two characters. No such shape: the
    // part keeps the shape it has, the form the designation dropped, and without a valid shape
    // the part can't be saved.
    bool shown = false;
    const auto watch = QObject::connect(&view.TypeCombo(), &QComboBox::currentTextChanged,
                                        [&](const QString& text) { shown = shown || text == "XY"; });
    EXPECT_TRUE(view.DropShapeList("D:\\Other\\XY7.shp|"));
    QObject::disconnect(watch);
    EXPECT_TRUE(shown);
    EXPECT_EQ(Texts(),
              std::vector<std::string>{"Invalid Shape: there is no shape XY7 (C:\\Kestrom\\Shapes\\XY7.shp)."});
    EXPECT_EQ(view.TypeCombo().currentText(), "XY");
    EXPECT_EQ(view.Edit(CPartView::IDC_DESC).text(), "7");
    EXPECT_EQ(doc.Header().shapeDesctp, "L ");
    EXPECT_EQ(view.Section(0).GetDecimalInches(), 0.0);
    EXPECT_FALSE(view.IsShapeValid());
    EXPECT_FALSE(doc.IsSaveAllowed());
    EXPECT_FALSE(view.DropShapeList("|"));

    // The drag format is taken from a real drop too; none while the shape fields are locked.
    QMimeData data;
    data.setData(CPartView::kShapeListFormat, QByteArray("C:\\Kestrom\\Shapes\\W 12X26.shp|\0", 32));
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &drop);
    EXPECT_EQ(view.TypeCombo().currentText(), "W ");
    EXPECT_EQ(view.Edit(CPartView::IDC_DESC).text(), "12X26");
    doc.DisableKeyFields();
    EXPECT_FALSE(view.TypeCombo().isEnabled());
    EXPECT_FALSE(view.Edit(CPartView::IDC_DESC).isEnabled());
    EXPECT_FALSE(view.DropShapeList("C:\\Kestrom\\Shapes\\L 4X4X1_2.shp|"));
    EXPECT_EQ(view.Edit(CPartView::IDC_DESC).text(), "12X26");
    EXPECT_FALSE(Command(4).isEnabled());
    doc.EnableKeyFields();
    EXPECT_TRUE(view.TypeCombo().isEnabled());
}

TEST_F(PartViewTest, ChooseShapeOffersTheShapeFolderAndTakesTheFileChosen)
{
    ShowNewPart();
    std::string folder, filter;
    const auto previous = CPartView::SetShapeFileChooser([&](const std::string& f, const std::string& p, QWidget*) {
        folder = f;
        filter = p;
        return std::string("W 12X26");
    });
    view.TypeCombo().setCurrentText("W ");
    Command(4).trigger();
    CPartView::SetShapeFileChooser(previous);
    EXPECT_EQ(folder, "C:\\Kestrom\\Shapes");
    EXPECT_EQ(filter, CShapeDoc::ChooserFilter("W "));
    EXPECT_EQ(view.Edit(CPartView::IDC_DESC).text(), "12X26");
    EXPECT_TRUE(view.IsShapeValid());
}

TEST_F(PartViewTest, SpecificsAsksForThePartProgrammingWindowOnceThePartHasAShape)
{
    ShowNewPart();
    int requests = 0;
    QObject::connect(&view, &CPartView::ProgrammingWindowRequested, [&requests] { ++requests; });
    Command(3).setEnabled(true);   // forced past the greyed command: no shape, nothing happens
    Command(3).trigger();
    EXPECT_TRUE(messages->Shown().empty());
    EXPECT_EQ(requests, 0);
    view.TypeCombo().setCurrentText("W ");
    view.Edit(CPartView::IDC_DESC).setText("12X26");
    ASSERT_TRUE(view.LookUpShape());
    Command(3).trigger();
    EXPECT_TRUE(messages->Shown().empty());
    EXPECT_EQ(requests, 1);
    EXPECT_TRUE(view.TypeCombo().isEnabled());
}

// Tab goes down the part's fields as laid out, then through the groups beside them.
TEST_F(PartViewTest, TabVisitsTheFieldsInTheOrderTheyAreLaidOut)
{
    ShowNewPart();
    const QStringList expected = QString("1006 1007 1008 1009 1089 "   // job, group, mark, quantity, length
                                         "1035 1012 1013 1014 1026 "   // shape, grade, fabcode, web depth
                                         "1015 1016 "                  // remarks
                                         "1027 1028 1029 1031 1032 "   // measuring system, channel legs
                                         "1019 1095 1020 1022")        // the shape's section
                                     .split(' ');
    EXPECT_EQ(TabChain(view), expected);
}
