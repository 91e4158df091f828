#include "shell/ui/AboutDlg.h"

#include "fw/qt/QtText.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QStyle>

CAboutDlg::CAboutDlg(QWidget* parent, const VersionBlock* block) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Varnex"));
    auto* layout = new QGridLayout(this);
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(32, 32));
    layout->addWidget(icon, 0, 0, 4, 1, Qt::AlignTop);

    const std::pair<int, const char*> texts[] = {
        {1227, "CompanyName"}, {1228, "ProductName"}, {1229, "ProductVersion"}, {1230, "LegalCopyright"}};
    int row = 0;
    for (const auto& [id, key] : texts) {
        auto* label = new QLabel(QString::fromLatin1(key), this);
        label->setObjectName(QStringLiteral("static%1").arg(id));
        if (block) {
            const auto value = block->find(key);
            if (value != block->end() && !value->second.empty())
                label->setText(fw::ToQString(value->second));
        }
        if (id == 1229) {
            layout->addWidget(new QLabel(QStringLiteral("Version"), this), row, 1);
            layout->addWidget(label, row++, 2);
        } else {
            layout->addWidget(label, row++, 1, 1, 2);
        }
    }
    auto* ok = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(ok, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(ok, row, 0, 1, 3);
}

QLabel* CAboutDlg::Text(int id) const
{
    return findChild<QLabel*>(QStringLiteral("static%1").arg(id));
}
