#include "shell/ui/YesNoAllDlg.h"

#include "fw/qt/QtText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

CYesNoAllDlg::CYesNoAllDlg(const std::string& message, QWidget* parent) : QDialog(parent)
{
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    auto* text = new QPlainTextEdit(fw::ToQString(message), this);
    text->setObjectName(QStringLiteral("edit1211"));
    text->setReadOnly(true);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(text);

    auto* buttons = new QHBoxLayout;
    const std::pair<int, const char*> answers[] = {
        {IDYES, "&Yes"}, {IDYESTOALL, "Yes to &All"}, {IDNO, "&No"}, {IDNOTOALL, "N&o to All"}, {IDCANCEL, "&Cancel the mult"}};
    for (const auto& [answer, label] : answers) {
        auto* button = new QPushButton(QString::fromLatin1(label), this);
        button->setObjectName(QStringLiteral("button%1").arg(answer));
        connect(button, &QPushButton::clicked, this, [this, answer = answer] { done(answer); });
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
}

QPushButton* CYesNoAllDlg::Button(int answer) const
{
    return findChild<QPushButton*>(QStringLiteral("button%1").arg(answer));
}
