#include "lenbox/ui/LenboxAboutDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QStyle>

namespace lenbox {

CLenboxAboutDlg::CLenboxAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Lenbox Control"));
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1);
    layout->addWidget(new QLabel(QStringLiteral("Lenbox Control, Version 1.0"), this), 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Copyright (C) Kestrom"), this), 1, 1);
    layout->addWidget(buttons, 0, 2, 2, 1, Qt::AlignTop);
}

} // namespace lenbox
