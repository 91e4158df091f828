#include "shell/ui/DirectorySettingsPP.h"

#include "fw/core/MessageService.h"
#include "fw/qt/QtText.h"
#include "shell/VarnexStrings.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const char* const kWarning =
    "WARNING:  Any changes to Varnex directories could cause your software to stop working properly!  If you must "
    "change a directory, you should shut down the Varnex software and restart it for the changes to appear in the "
    "BRAXNavigator window.";

struct FolderControl {
    const char* label;
    int edit;
    int button;
};
// By CDirectorySettingsPP::Folder.
const FolderControl kFolders[] = {
    {"Job Directory", 1222, 1226},
    {"Machine Directory", 1221, 1225},
    {"Shape Directory", 1219, 1223},
    {"Tool Directory", 1220, 1224},
};

} // namespace

CDirectorySettingsPP::CDirectorySettingsPP(fw::Profile& profile, std::vector<char> drives, FolderBrowser browse,
                                           QWidget* parent)
    : QWidget(parent),
      profile_(profile),
      browseFolder_(std::move(browse)),
      values_(DirectorySettings::Load(profile)),
      drive_(new QComboBox(this))
{
    auto* layout = new QGridLayout(this);
    drive_->setObjectName(QStringLiteral("combo1218"));
    for (char letter : drives)
        drive_->addItem(QString(QChar::fromLatin1(letter)));
    layout->addWidget(new QLabel(QStringLiteral("Default Job Drive"), this), 0, 0);
    layout->addWidget(drive_, 0, 1);
    connect(drive_, &QComboBox::currentIndexChanged, this, [this] { modified_ = true; });

    for (int f = job; f <= tool; ++f) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("edit%1").arg(kFolders[f].edit));
        auto* button = new QPushButton(QStringLiteral("..."), this);
        button->setObjectName(QStringLiteral("button%1").arg(kFolders[f].button));
        layout->addWidget(new QLabel(QString::fromLatin1(kFolders[f].label), this), f + 1, 0);
        layout->addWidget(edit, f + 1, 1);
        layout->addWidget(button, f + 1, 2);
        connect(edit, &QLineEdit::textEdited, this, [this] { OnFolderEdited(); });
        connect(button, &QPushButton::clicked, this, [this, f] { OnBrowse(static_cast<Folder>(f)); });
        edits_[f] = edit;
        browse_[f] = button;
    }
    auto* warning = new QLabel(QString::fromLatin1(kWarning), this);
    warning->setWordWrap(true);
    layout->addWidget(warning, 5, 0, 1, 3);
    layout->setRowStretch(6, 1);
    ShowValues();
}

void CDirectorySettingsPP::ShowValues()
{
    const QSignalBlocker block(drive_);
    SelectDrive(values_.drive);
    edits_[job]->setText(fw::ToQString(values_.jobFolder));
    edits_[machine]->setText(fw::ToQString(values_.machineFolder));
    edits_[shape]->setText(fw::ToQString(values_.shapeFolder));
    edits_[tool]->setText(fw::ToQString(values_.toolFolder));
}

void CDirectorySettingsPP::SelectDrive(char letter)
{
    const QString text(QChar::fromLatin1(letter));
    if (drive_->findText(text) < 0)
        drive_->addItem(text);
    drive_->setCurrentIndex(drive_->findText(text));
}

bool CDirectorySettingsPP::ConfirmChange()
{
    if (warned_)
        return true;
    fw::Messages().Beep(fw::MB_ICONEXCLAMATION);
    if (fw::ShowMessage(LoadVarnexString(ids::IDS_DIRECTORY_WARNING), fw::MB_OKCANCEL | fw::MB_ICONEXCLAMATION) != fw::IDOK)
        return false;
    warned_ = true;
    return true;
}

void CDirectorySettingsPP::OnFolderEdited()
{
    if (!ConfirmChange()) {
        ShowValues();
        return;
    }
    modified_ = true;
}

void CDirectorySettingsPP::OnBrowse(Folder folder)
{
    if (!ConfirmChange())
        return;
    const std::string chosen = browseFolder_(ShownFolder(folder));
    if (chosen.empty() || fw::ToQString(chosen) == edits_[folder]->text())
        return;
    if (folder == job) {
        DirectorySettings browsed;
        browsed.SetJobFolderFromBrowse(chosen);
        edits_[job]->setText(fw::ToQString(browsed.jobFolder));
        SelectDrive(browsed.drive);
    } else {
        edits_[folder]->setText(fw::ToQString(chosen));
    }
    modified_ = true;
}

std::string CDirectorySettingsPP::ShownFolder(Folder folder) const
{
    const std::string text = fw::FromQString(edits_[folder]->text());
    if (folder != job)
        return text;
    return fw::FromQString(drive_->currentText()) + ":" + text;
}

void CDirectorySettingsPP::OnOK()
{
    const QString letter = drive_->currentText();
    if (!letter.isEmpty())
        values_.drive = static_cast<char>(letter.at(0).toUpper().toLatin1());
    values_.jobFolder = fw::FromQString(edits_[job]->text());
    values_.machineFolder = fw::FromQString(edits_[machine]->text());
    values_.shapeFolder = fw::FromQString(edits_[shape]->text());
    values_.toolFolder = fw::FromQString(edits_[tool]->text());
    values_.Save(profile_);
    modified_ = false;
}
