#include "lenbox/ui/LenboxPropPage.h"

#include "lenbox/LenboxIds.h"
#include "lenbox/ui/LenboxCtrl.h"
#include "lenbox/ui/PageWidgets.h"

#include "fw/qt/QtText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace lenbox {

CLenboxPropPage::CLenboxPropPage(CLenboxCtrl& ctrl, QWidget* parent) : QDialog(parent), ctrl_(ctrl)
{
    setWindowTitle(PageText(IDS_LENBOX_PPG_CAPTION));
    const GeneralPageValues v = GeneralPageValues::From(ctrl.Model());
    formatFeet_ = PageEdit(this, "FormatFeet", v.formatFeet);
    formatInch_ = PageEdit(this, "FormatInch", v.formatInch);
    decimalInchAppendage_ = PageEdit(this, "DecimalInchAppendage", v.decimalInchAppendage);
    formatMetric_ = PageEdit(this, "FormatMetric", v.formatMetric);
    metricAppendage_ = PageEdit(this, "MetricAppendage", v.metricAppendage);
    maxInches_ = PageEdit(this, "MaxInches", v.maxInches);
    minInches_ = PageEdit(this, "MinInches", v.minInches);
    maxDenominator_ = PageEdit(this, "MaxDenominator", v.maxDenominator);
    defaultDenominator_ = PageEdit(this, "DefaultDenominator", v.defaultDenominator);
    initialValue_ = PageEdit(this, "InitialValue", v.initialValue);

    auto* grid = new QGridLayout;
    auto row = [&](int r, const char* label, QLineEdit* edit, QWidget* after) {
        grid->addWidget(new QLabel(QString::fromLatin1(label), this), r, 0);
        grid->addWidget(edit, r, 1);
        if (after)
            grid->addWidget(after, r, 2);
    };
    auto inches = [this] { return new QLabel(QStringLiteral("(In)"), this); };
    row(0, "Feet:", formatFeet_, nullptr);
    row(1, "Decimal Inch:", formatInch_, decimalInchAppendage_);
    row(2, "Metric:", formatMetric_, metricAppendage_);
    row(3, "Maximum:", maxInches_, inches());
    row(4, "Minimum:", minInches_, inches());
    row(5, "Max Den", maxDenominator_, new QLabel(QStringLiteral("2,4,8,16, etc..."), this));
    row(6, "Default Den", defaultDenominator_, nullptr);
    row(7, "Initial Value", initialValue_, inches());

    QGroupBox* dimension = RadioGroup(this, QStringLiteral("Dimension Type"), "DimensionType",
                                      {QStringLiteral("Ft'In\"Fr/ct"), QStringLiteral("Decimal (In)"),
                                       QStringLiteral("Metric(mm)")},
                                      v.dimensionType, dimensionType_);
    auto* layoutBox = new QGroupBox(QStringLiteral("Layout"), this);
    auto* layoutColumn = new QVBoxLayout(layoutBox);
    packed_ = new QCheckBox(QStringLiteral("Packed"), layoutBox);
    packed_->setObjectName(QStringLiteral("Packed"));
    packed_->setChecked(v.packed);
    layoutColumn->addWidget(packed_);
    layoutColumn->addWidget(RadioGroup(layoutBox, QStringLiteral("Justify"), "JustifyType",
                                       {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")},
                                       v.justifyType, justify_));
    connect(packed_, &QCheckBox::toggled, this, &CLenboxPropPage::EnableJustify);
    EnableJustify();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CLenboxPropPage::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* page = new QGridLayout(this);
    page->addLayout(grid, 0, 0, 2, 1);
    page->addWidget(dimension, 0, 1);
    page->addWidget(layoutBox, 1, 1);
    page->addWidget(buttons, 2, 0, 1, 2);
}

// The justify choices apply to the packed text only.
void CLenboxPropPage::EnableJustify()
{
    for (QAbstractButton* button : justify_->buttons())
        button->setEnabled(packed_->isChecked());
}

GeneralPageValues CLenboxPropPage::Values() const
{
    GeneralPageValues v;
    auto text = [](const QLineEdit* edit) { return fw::FromQString(edit->text()); };
    v.formatFeet = text(formatFeet_);
    v.formatInch = text(formatInch_);
    v.decimalInchAppendage = text(decimalInchAppendage_);
    v.formatMetric = text(formatMetric_);
    v.metricAppendage = text(metricAppendage_);
    v.maxInches = text(maxInches_);
    v.minInches = text(minInches_);
    v.maxDenominator = text(maxDenominator_);
    v.defaultDenominator = text(defaultDenominator_);
    v.initialValue = text(initialValue_);
    v.dimensionType = dimensionType_->checkedId();
    v.packed = packed_->isChecked();
    v.justifyType = justify_->checkedId();
    return v;
}

void CLenboxPropPage::accept()
{
    const std::string message = ctrl_.ApplyPage(Values());
    if (!message.empty()) {
        ShowPageMessage(message);
        return;
    }
    QDialog::accept();
}

} // namespace lenbox
