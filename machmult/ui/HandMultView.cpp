#include "machmult/ui/HandMultView.h"

#include "fw/qt/QtText.h"
#include "fw/qt/ViewFrame.h"
#include "machmult/MultDoc.h"
#include "model/ui/FormBinder.h"

#include <QApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace machui {

namespace {

QLabel* Shown(QWidget* parent, int id)
{
    auto* label = new QLabel(parent);
    label->setObjectName(ControlName(id));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

CLenbox LengthField(QFormLayout& layout, int id, const QString& text)
{
    CLenbox lenbox(CLenbox::CreateControl(layout.parentWidget()));
    lenbox.GetControl()->setObjectName(ControlName(id));
    lenbox.SetEnableInput(false);
    layout.addRow(text, lenbox.GetControl());
    return lenbox;
}

} // namespace

std::array<int, 6> CHandMultView::CountIds(int row)
{
    const int available = 1103 + 6 * row;
    return {available, available + 1, available + 2, available + 3, available + 4, available + 5};
}

CHandMultView::CHandMultView(CMultDoc& doc, QWidget* parent) : QWidget(parent)
{
    setObjectName("CHandMultView");
    setWindowTitle("Hand Mult Information");
    auto* column = new QVBoxLayout(this);
    auto* header = new QFormLayout;
    column->addLayout(header);
    job_ = Shown(this, IDC_JOB);
    group_ = Shown(this, IDC_GROUP);
    mark_ = Shown(this, IDC_MARK);
    sequence_ = Shown(this, IDC_SEQUENCE);
    header->addRow("Job:", job_);
    header->addRow("Group:", group_);
    header->addRow("Mark:", mark_);
    header->addRow("Sequence:", sequence_);
    length_ = LengthField(*header, IDC_LENGTH, "Stock Length:");
    drop_ = LengthField(*header, IDC_DROP, "Drop:");
    kerf_ = LengthField(*header, IDC_KERF, "Kerf:");

    auto* box = new QGroupBox("Tool Stations", this);
    column->addWidget(box);
    auto* grid = new QGridLayout(box);
    const char* headings[] = {"Available", "Used"};
    const char* sides[] = {"Near", "Far", "All"};
    for (int h = 0; h < 2; ++h) {
        grid->addWidget(new QLabel(headings[h], box), 0, 1 + 3 * h, 1, 3, Qt::AlignHCenter);
        for (int s = 0; s < 3; ++s)
            grid->addWidget(new QLabel(sides[s], box), 1, 1 + 3 * h + s, Qt::AlignHCenter);
    }
    for (int row = 0; row < int(FaceStations::kMaxRows); ++row) {
        names_[std::size_t(row)] = Shown(box, IDC_FACE_NAME + row);
        grid->addWidget(names_[std::size_t(row)], 2 + row, 0);
        const std::array<int, 6> ids = CountIds(row);
        for (std::size_t c = 0; c < ids.size(); ++c) {
            QLabel* count = Shown(box, ids[c]);
            count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            count->setMinimumWidth(fontMetrics().horizontalAdvance("00000"));
            grid->addWidget(count, 2 + row, 1 + int(c));
            counts_[std::size_t(row)][c] = count;
        }
    }
    column->addStretch();
    doc.AddView(this);
}

CHandMultView::~CHandMultView() = default;

CMultDoc* CHandMultView::GetMultDoc() const { return static_cast<CMultDoc*>(GetDocument()); }

void CHandMultView::OnInitialUpdate()
{
    CMultDoc* doc = GetMultDoc();
    if (!doc)
        return;
    const MultRecord header = doc->GetMultData();
    job_->setText(fw::ToQString(header.job));
    group_->setText(fw::ToQString(header.group));
    mark_->setText(fw::ToQString(header.mark));
    for (CLenbox* length : {&length_, &drop_, &kerf_})
        length->SetDimensionType(header.measuringSystem);
    rows_ = FaceStations::RowsOf(doc->GetShape(), doc->GetMachine());
    OnUpdate(nullptr, 0, nullptr);
}

void CHandMultView::OnUpdate(fw::View*, long, fw::Object*)
{
    CMultDoc* doc = GetMultDoc();
    if (!doc)
        return;
    FaceStations::CountUsed(rows_, doc->GetMachine());
    ShowValues();
}

void CHandMultView::ShowValues()
{
    const MultRecord& header = GetMultDoc()->Header();
    sequence_->setText(QString::number(header.sequence));
    length_.SetDecimalInches(header.length.GetValue());
    drop_.SetDecimalInches(header.drop.GetValue());
    kerf_.SetDecimalInches(header.kerf.GetValue());
    SetRed(*drop_.GetControl(), header.drop.GetValue() < 0.0);
    for (std::size_t row = 0; row < FaceStations::kMaxRows; ++row) {
        const FaceStations* face = row < rows_.size() ? &rows_[row] : nullptr;
        names_[row]->setText(face ? fw::ToQString(face->name) : QString());
        for (std::size_t c = 0; c < 6; ++c) {
            QLabel* count = counts_[row][c];
            const auto side = FaceStations::Side(c % 3);
            count->setText(face ? QString::number(c < 3 ? face->available[side] : face->used[side]) : QString());
            SetRed(*count, face && c >= 3 && face->IsOver(side));
        }
    }
}

void CHandMultView::SetRed(QWidget& control, bool red)
{
    QPalette palette = control.parentWidget() ? control.parentWidget()->palette() : QApplication::palette();
    if (red)
        for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText})
            palette.setColor(role, QColor(255, 0, 0));
    control.setPalette(palette);
    control.setProperty("red", red);
}

bool CHandMultView::IsRed(int controlId) const
{
    const QWidget* control = findChild<QWidget*>(ControlName(controlId));
    return control && control->property("red").toBool();
}

void CHandMultView::CloseFrame() { fw::CloseViewFrame(*this, *this); }

} // namespace machui
