#include "shell/ui/FileDialogs.h"

#include "fw/core/DriveMap.h"
#include "fw/core/MessageService.h"
#include "fw/qt/QtText.h"
#include "shell/FolderBrowseStart.h"
#include "machmult/ui/ModalRunner.h"

#include <QFileDialog>
#include <QProcess>

#include <filesystem>
#include <optional>

namespace {

std::optional<std::string> WindowsPath(const QString& native)
{
    return fw::DriveMap::Instance().ToWindows(std::filesystem::path(native.toStdString()));
}

void TellNotOnADrive(const QStringList& natives)
{
    std::vector<std::string> paths;
    for (const QString& native : natives)
        paths.push_back(fw::FromQString(native));
    fw::ShowMessage("These lie on no drive of the program and can't be used:\n" + fw::MessageLines(paths),
                    fw::MB_OK | fw::MB_ICONEXCLAMATION);
}

QString StartFolder(const std::optional<std::filesystem::path>& start)
{
    return start ? QString::fromStdString(start->string()) : QString();
}

} // namespace

std::string BrowseForFolder(QWidget* parent, const QString& title, const std::string& shown)
{
    const QString start = StartFolder(FolderBrowseStart(shown, fw::DriveMap::Instance()));
    const QString folder = QFileDialog::getExistingDirectory(parent, title, start);
    if (folder.isEmpty())
        return {};
    if (std::optional<std::string> path = WindowsPath(folder))
        return *path;
    TellNotOnADrive({folder});
    return {};
}

QString BrowseForLinuxFolder(QWidget* parent, const QString& title, const QString& shown)
{
    return QFileDialog::getExistingDirectory(parent, title, StartFolder(FolderBrowseStart(shown.toStdString())));
}

std::vector<std::string> ChooseLegacyFiles(QWidget* parent, const QString& startFolder)
{
    QFileDialog dialog(parent, QString(), startFolder, QStringLiteral("Legacy Files (*.rec *.REC)"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    if (machui::RunModal(dialog) != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    std::vector<std::string> paths;
    QStringList refused;
    for (const QString& file : files) {
        if (std::optional<std::string> path = WindowsPath(file))
            paths.push_back(*path);
        else
            refused.push_back(file);
    }
    if (!refused.isEmpty())
        TellNotOnADrive(refused);
    return paths;
}

std::string BrowseForExecutable()
{
    return QFileDialog::getOpenFileName(nullptr, QString(), QString(), QStringLiteral("Executable Files (*)")).toStdString();
}

bool StartDetached(const std::string& program, std::string& error)
{
    QProcess process;
    process.setProgram(QString::fromStdString(program));
    if (process.startDetached())
        return true;
    error = fw::FromQString(process.errorString());
    return false;
}
