#include "lenbox/ui/LenboxPropPage2.h"

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

namespace {

// The background radios: "Transparent" stands for any non-zero BackGround, "Opaque" for 0, as
// the control paints it.
constexpr int kTransparent = 0;
constexpr int kOpaque = 1;

QCheckBox* PageCheck(QWidget* parent, const char* label, const char* property, bool checked)
{
    auto* box = new QCheckBox(QString::fromLatin1(label), parent);
    box->setObjectName(QString::fromLatin1(property));
    box->setChecked(checked);
    return box;
}

} // namespace

CLenboxPropPage2::CLenboxPropPage2(CLenboxCtrl& ctrl, QWidget* parent) : QDialog(parent), ctrl_(ctrl)
{
    setWindowTitle(PageText(IDS_LENBOX_PPG2_CAPTION));
    const SpecificsPageValues v = SpecificsPageValues::From(ctrl.Model());
    autoSize_ = PageCheck(this, "Auto Size", "AutoSize", v.autoSize);
    toolTips_ = PageCheck(this, "ToolTips", "ToolTips", v.toolTips);
    enableInput_ = PageCheck(this, "Enable Input", "EnableInput", v.enableInput);
    borderStyle_ = PageEdit(this, "BorderStyle", v.borderStyle);
    QGroupBox* appearance = RadioGroup(this, QStringLiteral("Appearance"), "Appearance",
                                       {QStringLiteral("Flat"), QStringLiteral("3D")}, v.appearance, appearance_);
    QGroupBox* background = RadioGroup(this, QStringLiteral("Background"), "BackGround",
                                       {QStringLiteral("Transparent"), QStringLiteral("Opaque")},
                                       v.backGround == 0 ? kOpaque : kTransparent, backGround_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CLenboxPropPage2::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* page = new QGridLayout(this);
    page->addWidget(autoSize_, 0, 0, 1, 2);
    page->addWidget(toolTips_, 1, 0, 1, 2);
    page->addWidget(new QLabel(QStringLiteral("Border:"), this), 2, 0);
    page->addWidget(borderStyle_, 2, 1);
    page->addWidget(enableInput_, 3, 0, 1, 2);
    page->addWidget(appearance, 0, 2, 2, 1);
    page->addWidget(background, 2, 2, 2, 1);
    page->addWidget(buttons, 4, 0, 1, 3);
}

SpecificsPageValues CLenboxPropPage2::Values() const
{
    SpecificsPageValues v;
    v.autoSize = autoSize_->isChecked();
    v.toolTips = toolTips_->isChecked();
    v.borderStyle = fw::FromQString(borderStyle_->text());
    v.enableInput = enableInput_->isChecked();
    v.appearance = appearance_->checkedId();
    v.backGround = backGround_->checkedId() == kOpaque ? 0 : 1;
    return v;
}

void CLenboxPropPage2::accept()
{
    const std::string message = ctrl_.ApplyPage(Values());
    if (!message.empty()) {
        ShowPageMessage(message);
        return;
    }
    QDialog::accept();
}

} // namespace lenbox
