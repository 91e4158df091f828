#include "shell/ui/DrivesPP.h"

#include "fw/core/MessageService.h"
#include "fw/core/Text1252.h"
#include "fw/qt/QtText.h"
#include "shell/CommandGuard.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

namespace {

const char* const kNote =
    "Each drive letter stands for a folder on this computer. Without an entry for C:, C: is Varnex/C in your home "
    "folder. Changed drives take effect when Varnex starts next.";

QString CellText(const QTableWidget& table, int row, int column)
{
    const QTableWidgetItem* item = table.item(row, column);
    return item ? item->text() : QString();
}

// The first letter no row uses; empty when every letter is taken.
std::string FreeLetter(const DriveSettings& values)
{
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const auto uses = [letter](const DriveSettings::Entry& entry) {
            return entry.letter.size() == 1 && fw::ToUpper1252(entry.letter[0]) == letter;
        };
        if (std::none_of(values.drives.begin(), values.drives.end(), uses))
            return std::string(1, letter);
    }
    return {};
}

} // namespace

CDrivesPP::CDrivesPP(fw::Profile& profile, FolderBrowser browse, QWidget* parent)
    : QWidget(parent),
      profile_(profile),
      browseFolder_(std::move(browse)),
      table_(new QTableWidget(0, 2, this)),
      add_(new QPushButton(QStringLiteral("Add"), this)),
      remove_(new QPushButton(QStringLiteral("Remove"), this)),
      browse_(new QPushButton(QStringLiteral("Browse..."), this))
{
    table_->setHorizontalHeaderLabels({QStringLiteral("Drive"), QStringLiteral("Folder")});
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->hide();
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const DriveSettings::Entry& entry : DriveSettings::Load(profile).drives)
        AddRow(entry);
    table_->resizeColumnToContents(letterColumn);

    auto* layout = new QGridLayout(this);
    layout->addWidget(table_, 0, 0, 4, 1);
    layout->addWidget(add_, 0, 1);
    layout->addWidget(remove_, 1, 1);
    layout->addWidget(browse_, 2, 1);
    auto* note = new QLabel(QString::fromLatin1(kNote), this);
    note->setWordWrap(true);
    layout->addWidget(note, 4, 0, 1, 2);
    layout->setRowStretch(3, 1);

    connect(table_, &QTableWidget::itemChanged, this, [this] { modified_ = true; });
    connect(add_, &QPushButton::clicked, this, [this] { GuardCommand("CDrivesPP::OnAdd", [this] { OnAdd(); }); });
    connect(remove_, &QPushButton::clicked, this, [this] { GuardCommand("CDrivesPP::OnRemove", [this] { OnRemove(); }); });
    connect(browse_, &QPushButton::clicked, this, [this] { GuardCommand("CDrivesPP::OnBrowse", [this] { OnBrowse(); }); });
}

void CDrivesPP::AddRow(const DriveSettings::Entry& entry)
{
    const QSignalBlocker block(table_);
    const int row = table_->rowCount();
    table_->insertRow(row);
    table_->setItem(row, letterColumn, new QTableWidgetItem(fw::ToQString(entry.letter)));
    table_->setItem(row, folderColumn, new QTableWidgetItem(fw::ToQString(entry.folder)));
}

DriveSettings CDrivesPP::Values() const
{
    DriveSettings values;
    for (int row = 0; row < table_->rowCount(); ++row)
        values.drives.push_back({fw::FromQString(CellText(*table_, row, letterColumn).trimmed()),
                                 fw::FromQString(CellText(*table_, row, folderColumn).trimmed())});
    return values;
}

void CDrivesPP::OnAdd()
{
    AddRow({FreeLetter(Values()), {}});
    modified_ = true;
    const int row = table_->rowCount() - 1;
    table_->setCurrentCell(row, folderColumn);
    table_->editItem(table_->item(row, folderColumn));
}

void CDrivesPP::OnRemove()
{
    const int row = table_->currentRow();
    if (row < 0)
        return;
    table_->removeRow(row);
    modified_ = true;
}

void CDrivesPP::OnBrowse()
{
    const int row = table_->currentRow();
    if (row < 0)
        return;
    const QString chosen = browseFolder_(CellText(*table_, row, folderColumn));
    if (chosen.isEmpty())
        return;
    table_->item(row, folderColumn)->setText(chosen);
}

bool CDrivesPP::OnOK()
{
    const DriveSettings values = Values();
    if (const std::optional<DriveSettings::Refusal> refused = values.Check()) {
        table_->setCurrentCell(int(refused->row), letterColumn);
        fw::ShowMessage(refused->text, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return false;
    }
    values.Save(profile_);
    modified_ = false;
    return true;
}
