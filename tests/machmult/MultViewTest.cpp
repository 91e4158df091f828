#include "machmult/ui/MultView.h"

#include "fw/core/DocTemplate.h"
#include "fw/core/DriveMap.h"
#include "records/MultRecord.h"

#include "MultTestSupport.h"
#include "UiTestSupport.h"
#include "tests/support/TabChain.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMimeData>
#include <QRadioButton>
#include <QTest>

#include <algorithm>

using namespace uitest;
using machui::CMultView;

namespace {

constexpr const char* kWholeRange = "Enter a whole number from 1 to 9999.";
// Every control the form locks on a stored mult, and those that stay open.
const int kLockedWhenStored[] = {1000, 1001, 1002, 1004, 1007, 1008, 1010, 1011, 1027, 1028, 1029};
const int kOpenWhenStored[] = {1100, 1089, 1006, 1013, 1014};

class MultViewTest : public multtest::MultFixture {
protected:
    MultViewTest() { test::QtApp(); }
    test::LenboxFactory lenboxes_;

    QAction& Action(CMultView& view, int index) { return *view.ToolBarActions()[index]; }
    QAction& Save(CMultView& view) { return Action(view, 0); }
    QAction& SaveNew(CMultView& view) { return Action(view, 1); }
    QAction& AutoMult(CMultView& view) { return Action(view, 5); }
    static QComboBox& Combo(CMultView& view, int id) { return Control<QComboBox>(view, id); }
    static QLineEdit& Edit(CMultView& view, int id) { return Control<QLineEdit>(view, id); }
    static double Section(CMultView& view, int id) { return Length(view, id).GetDecimalInches(); }

    // The machine picked from the list, as the user does.
    static void PickMachine(CMultView& view, const QString& name)
    {
        QComboBox& box = Combo(view, CMultView::IDC_MACHINE);
        box.setCurrentIndex(box.findText(name));
        emit box.activated(box.currentIndex());
    }
    static void EnterShape(CMultView& view, const QString& type, const QString& size)
    {
        Combo(view, CMultView::IDC_SHAPE).setEditText(type);
        Type(Edit(view, CMultView::IDC_SIZE), size);
        view.OnFieldChanged(CMultView::IDC_SIZE);
    }
    // A new mult ready to save: shape W 12X26 found, machine PUNCH1 chosen, the job typed.
    static void FillNewMult(CMultView& view)
    {
        EnterShape(view, "W", "12X26");
        PickMachine(view, "PUNCH1");
        Type(Edit(view, CMultView::IDC_JOB), "J1");
    }

    // A new mult as File New makes it, through the mult template.
    fw::DocTemplate template_{"\nMult\nMult\nMult (*.mlt)\n.mlt\nVarnex.Mult\nVarnex Mult",
                              [] { return std::make_unique<CMultDoc>(); }};
    CMultDoc& doc_ = *static_cast<CMultDoc*>(template_.OpenDocumentFile("", false));
};

TEST_F(MultViewTest, ANewMultOpensAtTheSequenceWithTheMarkMult)
{
    PutMachine("DRILL2", multtest::MachineFile("DRILL2", 4));
    CMultView view(doc_);
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));

    EXPECT_TRUE(Control<QSpinBox>(view, CMultView::IDC_SEQUENCE).hasFocus());
    EXPECT_EQ(Edit(view, CMultView::IDC_MARK).text(), "Mult");
    EXPECT_EQ(doc_.GetTitle(), "Mult");
    EXPECT_EQ(Control<QSpinBox>(view, CMultView::IDC_SEQUENCE).value(), 1);
    EXPECT_FALSE(doc_.IsSaveAllowed());
    EXPECT_FALSE(Save(view).isEnabled());

    QStringList machines;
    for (int i = 0; i < Combo(view, CMultView::IDC_MACHINE).count(); ++i)
        machines << Combo(view, CMultView::IDC_MACHINE).itemText(i);
    EXPECT_EQ(machines, (QStringList{"DRILL2", "PUNCH1"}));
    EXPECT_EQ(Combo(view, CMultView::IDC_MACHINE).currentText(), "");
    EXPECT_EQ(Combo(view, CMultView::IDC_SHAPE).count(), 12);
    EXPECT_EQ(Combo(view, CMultView::IDC_SHAPE).currentText(), "");
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(MultViewTest, TheSequenceTakesOneTo9999)
{
    CMultView view(doc_);
    const struct {
        int sequence;
        bool accepted;
    } cases[] = {{0, false}, {10000, false}, {9999, true}, {1, true}};
    for (const auto& c : cases) {
        const std::string before = doc_.GetPathName();
        SetWhole(view, CMultView::IDC_SEQUENCE, c.sequence);
        if (!c.accepted)
            messages->Answer(fw::IDOK);
        view.OnFieldChanged(CMultView::IDC_SEQUENCE);
        if (c.accepted) {
            EXPECT_EQ(doc_.GetPathName(), "C:\\Kestrom\\Jobs\\NONE\\NONE\\Mult " + std::to_string(c.sequence) + ".mlt");
        } else {
            EXPECT_EQ(doc_.GetPathName(), before) << c.sequence;
            EXPECT_EQ(messages->Shown().back().text, kWholeRange);
        }
    }
    EXPECT_EQ(messages->Shown().size(), 2u);
}

TEST_F(MultViewTest, SavingIsAllowedOnceTheShapeIsFoundTheMachineChosenAndAKeyFieldEdited)
{
    const struct {
        const char* size;
        bool machine;
        bool keyEdited;
        bool allowed;
    } cases[] = {
        {"12X26", true, true, true},
        {"99X99", true, true, false},
        {"12X26", false, true, false},
        {"12X26", true, false, false},
    };
    for (const auto& c : cases) {
        CMultDoc& doc = *static_cast<CMultDoc*>(template_.OpenDocumentFile("", false));
        CMultView view(doc);
        EnterShape(view, "W", c.size);
        if (c.machine)
            PickMachine(view, "PUNCH1");
        if (c.keyEdited)
            Type(Edit(view, CMultView::IDC_GROUP), "G1");
        EXPECT_EQ(doc.IsSaveAllowed(), c.allowed) << c.size << c.machine << c.keyEdited;
        EXPECT_EQ(Save(view).isEnabled(), c.allowed);
        const bool found = std::string(c.size) == "12X26";
        EXPECT_EQ(Section(view, CMultView::IDC_D), found ? 12.0 : 0.0);
        EXPECT_EQ(Section(view, CMultView::IDC_TF), found ? 1.0 : 0.0);
        EXPECT_EQ(doc.GetShape() != nullptr, found);
    }
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(MultViewTest, AfterSaveTheKeyFieldsAreLockedAndSaveNewSelectsTheSequence)
{
    CMultView view(doc_);
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    FillNewMult(view);
    ASSERT_TRUE(Save(view).isEnabled());
    Save(view).trigger();
    EXPECT_TRUE(std::filesystem::exists(JobFile("J1/NONE/Mult 1.mlt")));
    EXPECT_EQ(doc_.GetDocumentState(), CSmartDoc::stateStored);
    for (int id : kLockedWhenStored)
        EXPECT_FALSE(Control<QWidget>(view, id).isEnabled()) << id;
    for (int id : kOpenWhenStored)
        EXPECT_TRUE(Control<QWidget>(view, id).isEnabled()) << id;
    EXPECT_TRUE(Save(view).isEnabled());

    SaveNew(view).trigger();
    EXPECT_EQ(doc_.GetDocumentState(), CSmartDoc::stateNew);
    auto& sequence = Control<QSpinBox>(view, CMultView::IDC_SEQUENCE);
    EXPECT_TRUE(sequence.isEnabled());
    EXPECT_TRUE(sequence.hasFocus());
    const auto* text = sequence.findChild<QLineEdit*>();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->selectedText(), text->text());
    EXPECT_FALSE(text->text().isEmpty());
    EXPECT_EQ(Edit(view, CMultView::IDC_MARK).text(), "Mult");
    EXPECT_FALSE(Save(view).isEnabled());   // until a key field changes
    for (int id : kLockedWhenStored)
        EXPECT_TRUE(Control<QWidget>(view, id).isEnabled()) << id;
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(MultViewTest, DroppedShapesTakeTheFirstPathAndKeepTheDesignationsBlank)
{
    CMultView view(doc_);
    EXPECT_FALSE(view.OnDropItems("", CMultView::DropKind::shapes));
    EXPECT_TRUE(view.OnDropItems("C:\\Kestrom\\Shapes\\W 12X26.shp|C:\\Kestrom\\Shapes\\L 4X4X0.5.shp|",
                                 CMultView::DropKind::shapes));
    EXPECT_EQ(Combo(view, CMultView::IDC_SHAPE).currentText(), "W ");
    EXPECT_EQ(Edit(view, CMultView::IDC_SIZE).text(), "12X26");
    EXPECT_EQ(Section(view, CMultView::IDC_D), 12.0);
    EXPECT_EQ(doc_.Header().shapeDesc, "12X26");
    for (int id : {CMultView::IDC_D, CMultView::IDC_TW, CMultView::IDC_BF, CMultView::IDC_TF})
        EXPECT_FALSE(Length(view, id).GetEnableInput()) << id;   // shown, never typed over
    ASSERT_NE(doc_.GetShape(), nullptr);
    EXPECT_EQ(doc_.GetShapeKind(), shapeBeam);
    EXPECT_TRUE(doc_.IsModified());

    // A designation the list holds is selected from it.
    EXPECT_TRUE(view.OnDropItems("C:\\Kestrom\\Shapes\\MC10X8.4.shp|", CMultView::DropKind::shapes));
    EXPECT_EQ(Combo(view, CMultView::IDC_SHAPE).currentIndex(), Combo(view, CMultView::IDC_SHAPE).findText("MC"));
    EXPECT_EQ(Edit(view, CMultView::IDC_SIZE).text(), "10X8.4");
    EXPECT_EQ(Section(view, CMultView::IDC_D), 0.0);   // no such file
    EXPECT_FALSE(doc_.IsSaveAllowed());
}

// The form's drag and drop handlers, called as a drag over it would.
class DropTarget : public CMultView {
public:
    using CMultView::CMultView;
    using CMultView::dragEnterEvent;
    using CMultView::dropEvent;
};

TEST_F(MultViewTest, DroppedMachinesAreChosenThroughTheNavigatorFormats)
{
    DropTarget view(doc_);
    QMimeData data;
    data.setData(CMultView::kMachineListFormat, "C:\\Kestrom\\Machines\\PUNCH1.mch|");
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    drop.ignore();
    view.dropEvent(&drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(Combo(view, CMultView::IDC_MACHINE).currentText(), "PUNCH1");
    ASSERT_NE(doc_.GetMachine(), nullptr);
    EXPECT_EQ(doc_.Header().machine, "PUNCH1");

    // Shapes are taken while the shape is open; other data never.
    QMimeData shapes;
    shapes.setData(CMultView::kShapeListFormat, "C:\\Kestrom\\Shapes\\W 12X26.shp|");
    QMimeData text;
    text.setText("C:\\Kestrom\\Shapes\\W 12X26.shp|");
    const auto copies = [&view](const QMimeData& offered) {
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &offered, Qt::LeftButton, Qt::NoModifier);
        enter.ignore();
        view.dragEnterEvent(&enter);
        return enter.isAccepted() && enter.dropAction() == Qt::CopyAction;
    };
    EXPECT_TRUE(copies(shapes));
    EXPECT_FALSE(copies(text));
    doc_.DisableKeyFields();
    EXPECT_FALSE(copies(shapes));
    EXPECT_FALSE(copies(data));
}

TEST_F(MultViewTest, ChooseShapeOpensTheShapeDirectoryWithTheDesignationsFilterFirst)
{
    CMultView view(doc_);
    Combo(view, CMultView::IDC_SHAPE).setEditText("L");
    std::vector<QStringList> filters;
    QString folder;
    ModalScript script([&](QDialog& dialog) {
        auto& files = dynamic_cast<QFileDialog&>(dialog);
        filters.push_back(files.nameFilters());
        folder = files.directory().absolutePath();
        EXPECT_EQ(files.windowTitle(), "Shape Directory");
        files.selectFile(files.directory().absoluteFilePath("L 4X4X0.5.shp"));
        return int(QDialog::Accepted);
    });
    Action(view, 4).trigger();
    ASSERT_EQ(filters.size(), 1u);
    EXPECT_EQ(filters[0].size(), 7);
    EXPECT_EQ(filters[0].value(0), "Shape Directory (L*.shp) (L*.shp)");
    EXPECT_EQ(filters[0].value(1), "Beams (W,S,HP,M) (W[!!-~]*.shp S[!!-~]*.shp HP*.shp M[!!-~]*.shp)");
    EXPECT_EQ(filters[0].value(6), "All Shapes (*.shp) (*.shp)");
    EXPECT_EQ(std::filesystem::path(folder.toStdString()), drives.C() / "Kestrom/Shapes");
    EXPECT_EQ(Combo(view, CMultView::IDC_SHAPE).currentText(), "L ");
    EXPECT_EQ(Edit(view, CMultView::IDC_SIZE).text(), "4X4X0.5");
    EXPECT_EQ(doc_.GetShapeKind(), shapeAngle);

    // Locked key fields: no dialog.
    doc_.DisableKeyFields();
    view.OnChooseShape();
    EXPECT_EQ(filters.size(), 1u);
    EXPECT_FALSE(Action(view, 4).isEnabled());
}

TEST_F(MultViewTest, UpdateDocumentHandsEveryFieldToTheDocument)
{
    CMultView view(doc_);
    Type(Edit(view, CMultView::IDC_JOB), "J7");
    Type(Edit(view, CMultView::IDC_GROUP), "G2");
    Type(Edit(view, CMultView::IDC_MARK), "A5");
    SetWhole(view, CMultView::IDC_SEQUENCE, 3);
    EnterLength(view, CMultView::IDC_LENGTH, 480);
    SetWhole(view, CMultView::IDC_QUANTITY, 12);
    EnterLength(view, CMultView::IDC_KERF, 0.125);
    Combo(view, CMultView::IDC_SHAPE).setEditText("W");
    Type(Edit(view, CMultView::IDC_SIZE), "12X26");
    Type(Edit(view, CMultView::IDC_GRADE), "A572");
    Combo(view, CMultView::IDC_MACHINE).setEditText("PUNCH1");
    Type(Edit(view, CMultView::IDC_REMARK_A), "first");
    Type(Edit(view, CMultView::IDC_REMARK_B), "second");
    Click(view, CMultView::IDC_METRIC);

    ASSERT_TRUE(view.UpdateDocument());
    const MultRecord& h = doc_.Header();
    EXPECT_EQ(h.job, "J7");
    EXPECT_EQ(h.group, "G2");
    EXPECT_EQ(h.mark, "A5");
    EXPECT_EQ(h.sequence, 3u);
    EXPECT_EQ(h.length.GetValue(), 480.0);
    EXPECT_EQ(h.quantity, 12u);
    EXPECT_EQ(h.kerf.GetValue(), 0.125);
    EXPECT_EQ(h.shapeDesctp, "W");
    EXPECT_EQ(h.shapeDesc, "12X26");
    EXPECT_EQ(h.grade, "A572");
    EXPECT_EQ(h.machine, "PUNCH1");
    EXPECT_EQ(h.remarkA, "first");
    EXPECT_EQ(h.remarkB, "second");
    EXPECT_EQ(h.measuringSystem, 2);
    EXPECT_EQ(doc_.GetPathName(), "C:\\Kestrom\\Jobs\\J7\\G2\\A5 3.mlt");

    // A mark that can't name a file is refused and reported; the document keeps its own.
    Type(Edit(view, CMultView::IDC_MARK), "A*5");
    messages->Answer(fw::IDOK);
    EXPECT_FALSE(view.UpdateDocument());
    EXPECT_EQ(messages->Shown().back().text, CMultDoc::kBadNames);
    EXPECT_EQ(doc_.Header().mark, "A5");
}

TEST_F(MultViewTest, LeftFieldsTakeEffectAfterwardsThroughThePostedFieldChange)
{
    CMultView view(doc_);
    multtest::FakeMultForm other(doc_);
    Type(Edit(view, CMultView::IDC_MARK), "B7");
    emit Edit(view, CMultView::IDC_MARK).editingFinished();
    EXPECT_EQ(doc_.GetPathName(), "C:\\Kestrom\\Jobs\\NONE\\NONE\\Mult 1.mlt");   // not yet
    QCoreApplication::processEvents();
    EXPECT_EQ(doc_.GetPathName(), "C:\\Kestrom\\Jobs\\NONE\\NONE\\B7 1.mlt");

    // The stock length goes to the document at once; the other views are told.
    EnterLength(view, CMultView::IDC_LENGTH, 240);
    emit Length(view, CMultView::IDC_LENGTH).KillFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(doc_.Header().length.GetValue(), 240.0);
    EXPECT_EQ(other.hints.size(), 1u);

    // The measuring system shows the stock length and kerf in its unit.
    doc_.SetModifiedFlag(false);
    Click(view, CMultView::IDC_METRIC);
    EXPECT_TRUE(doc_.IsModified());
    EXPECT_EQ(Length(view, CMultView::IDC_LENGTH).GetDimensionType(), 2);
    EXPECT_EQ(Length(view, CMultView::IDC_KERF).GetDimensionType(), 2);
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(MultViewTest, AStoredMultShowsItsValuesAndAutoMultAsksForThePartSource)
{
    MakeMult(doc_);
    doc_.SetDocumentState(CSmartDoc::stateStored);
    doc_.SetModifiedFlag(false);
    CMultView view(doc_);
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_EQ(Edit(view, CMultView::IDC_MARK).text(), "M");
    EXPECT_EQ(Combo(view, CMultView::IDC_MACHINE).currentText(), "PUNCH1");
    EXPECT_EQ(Combo(view, CMultView::IDC_MACHINE).currentIndex(), 0);
    EXPECT_EQ(Section(view, CMultView::IDC_D), 12.0);
    EXPECT_TRUE(doc_.IsSaveAllowed());
    EXPECT_TRUE(Control<QRadioButton>(view, CMultView::IDC_IMPERIAL).isChecked());
    for (int id : kLockedWhenStored)
        EXPECT_FALSE(Control<QWidget>(view, id).isEnabled()) << id;

    // AutoMult follows the document (key fields open, no parts, a machine).
    EXPECT_TRUE(AutoMult(view).isEnabled());
    {
        ModalScript script([](QDialog&) { return int(QDialog::Rejected); });
        AutoMult(view).trigger();
        EXPECT_EQ(script.shown, (std::vector<std::string>{"CAutomultSetupDlg"}));
    }
    EXPECT_TRUE(Texts().empty());
    EXPECT_EQ(view.GetMultDoc(), &doc_);   // cancelled: the window stays
    doc_.OnEditSpecifics();   // no hand-mult window yet: the key fields are locked
    EXPECT_FALSE(AutoMult(view).isEnabled());
}

} // namespace

TEST_F(MultViewTest, AStockLengthOf120FeetIsTypedSavedAndShownAgain)
{
    CMultView view(doc_);
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    FillNewMult(view);
    lenbox::CLenboxCtrl& length = Length(view, CMultView::IDC_LENGTH);
    ASSERT_EQ(length.GetDimensionType(), 0);   // feet, inches and a fraction
    length.setFocus(Qt::TabFocusReason);
    QTest::keyClicks(&length, "120'");
    Edit(view, CMultView::IDC_REMARK_A).setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    EXPECT_EQ(doc_.Header().length.GetValue(), 1440.0);
    Save(view).trigger();

    // The mult file holds the inches as a double; the shop record the feet.
    using Bytes = std::vector<std::uint8_t>;
    const Bytes file = FileBytes(JobFile("J1/NONE/Mult 1.mlt"));
    const Bytes inches = {0x00, 0x00, 0x00, 0x00, 0x00, 0x80, 0x96, 0x40};   // 1440.0
    EXPECT_NE(std::search(file.begin(), file.end(), inches.begin(), inches.end()), file.end());
    CMultDoc saved;
    ASSERT_TRUE(saved.LoadMult(doc_.GetPathName()));
    EXPECT_EQ(saved.Header().length.GetValue(), 1440.0);
    const std::vector<std::uint8_t> image = MultRecordImage::Encode(saved.GetMultRecord());
    EXPECT_EQ(Bytes(image.begin() + 36, image.begin() + 44),
              (Bytes{0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x5E, 0x40}));   // 120.0 feet

    CMultDoc& shown = *static_cast<CMultDoc*>(template_.OpenDocumentFile("", false));
    ASSERT_TRUE(shown.SetMultRecord(MultRecordImage::Decode(image)));
    CMultView again(shown);
    EXPECT_EQ(Length(again, CMultView::IDC_LENGTH).GetDecimalInches(), 1440.0);
    EXPECT_TRUE(Length(again, CMultView::IDC_LENGTH).GetFeetInchFracString().contains("120'"));
    EXPECT_TRUE(messages->Shown().empty());
    view.hide();   // as closing it does: the focus leaves while the view is whole
}

TEST_F(MultViewTest, TabVisitsTheFieldsInTheOrderTheyAreLaidOut)
{
    CMultView view(doc_);
    const QStringList expected = QString("1000 1001 1002 1004 1089 1100 1006 "   // job to kerf
                                         "1007 1008 1010 1011 1013 1014 "        // shape to remarks
                                         "1027 1028 1029 "                       // measuring system
                                         "1019 1095 1020 1022")                  // section
                                     .split(' ');
    EXPECT_EQ(TabChain(view), expected);
}
