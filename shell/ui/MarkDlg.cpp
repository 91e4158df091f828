#include "shell/ui/MarkDlg.h"

#include "fw/qt/QtText.h"
#include "shell/ui/EditFix.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

CMarkDlg::CMarkDlg(const std::string& captionText, const std::string& mark, Hand hand, bool doAllSimilarly,
                   QWidget* parent)
    : QDialog(parent),
      caption_(new QLabel(fw::ToQString(captionText), this)),
      edit_(new CEditFix(this)),
      left_(new QRadioButton(QStringLiteral("Left-Handed"), this)),
      right_(new QRadioButton(QStringLiteral("Right-Handed"), this)),
      doAllBox_(new QCheckBox(QStringLiteral("Do all names similarly"), this)),
      mark_(mark),
      hand_(hand),
      doAll_(doAllSimilarly)
{
    setWindowTitle(QStringLiteral("New Mark"));
    caption_->setObjectName(QStringLiteral("static1182"));
    edit_->setObjectName(QStringLiteral("edit1008"));
    edit_->setMaxLength(static_cast<int>(kMaxItemName));
    left_->setObjectName(QStringLiteral("radio1179"));
    right_->setObjectName(QStringLiteral("radio1180"));
    doAllBox_->setObjectName(QStringLiteral("check1181"));
    auto* hands = new QButtonGroup(this);
    hands->addButton(left_);
    hands->addButton(right_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* layout = new QVBoxLayout(this);
    for (QWidget* w : std::initializer_list<QWidget*>{caption_, edit_, left_, right_, doAllBox_, buttons})
        layout->addWidget(w);

    connect(left_, &QRadioButton::clicked, this, [this] { OnHand(Hand::left); });
    connect(right_, &QRadioButton::clicked, this, [this] { OnHand(Hand::right); });
    connect(edit_, &QLineEdit::textEdited, this, [this] {
        doAllBox_->setChecked(false);
        doAllBox_->setEnabled(false);
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &CMarkDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    binder_.BindText(*edit_, mark_, RuleCheck(&NewItemNameError));
    ShowValues();
    doAllBox_->setEnabled(HasHandSuffix(mark_));
}

void CMarkDlg::ShowValues()
{
    binder_.Load();
    left_->setChecked(hand_ == Hand::left);
    right_->setChecked(hand_ == Hand::right);
    doAllBox_->setChecked(doAll_);
}

void CMarkDlg::OnHand(Hand hand)
{
    doAllBox_->setEnabled(true);
    doAll_ = doAllBox_->isChecked();
    mark_ = ApplyHand(fw::FromQString(edit_->text()), hand);
    hand_ = hand;
    ShowValues();
}

void CMarkDlg::accept()
{
    if (!binder_.Store())
        return;
    hand_ = left_->isChecked() ? Hand::left : right_->isChecked() ? Hand::right : Hand::none;
    doAll_ = doAllBox_->isChecked();
    QDialog::accept();
}
