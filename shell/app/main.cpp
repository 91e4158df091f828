// Varnex: starts the application, shows the main window and runs until it is closed.

#include "fw/core/AppProfile.h"
#include "fw/core/DriveMap.h"
#include "fw/core/MessageService.h"
#include "fw/qt/QtMessageService.h"
#include "fw/qt/SettingsProfile.h"
#include "shell/ui/DimensionControl.h"
#include "shell/ui/VarnexProgram.h"

#include <QApplication>
#include <QSettings>
#include <memory>

namespace {

// The machine-wide settings of the machine-side application (its install folder).
std::unique_ptr<fw::Profile> MachineSideProfile()
{
    const QSettings system(QSettings::IniFormat, QSettings::SystemScope, QStringLiteral("Kestrom"),
                           QStringLiteral("TorvMachine Application"));
    return std::make_unique<fw::SettingsProfile>(system.fileName());
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kestrom"));
    QApplication::setApplicationName(QStringLiteral("Varnex"));

    const std::vector<std::string> arguments(argv + 1, argv + argc);
    // Started for automation clients, the program never shows a modal box.
    if (CommandLineInfo::Parse(arguments).Windowless())
        fw::SetMessageService(std::make_unique<fw::SilentMessageService>());
    else
        fw::SetMessageService(std::make_unique<fw::QtMessageService>());
    fw::SetAppProfile(std::make_unique<fw::SettingsProfile>());
    fw::DriveMap::SetInstance(std::make_unique<fw::DriveMap>(fw::DriveMap::FromProfile(fw::AppProfile())));
    const std::unique_ptr<fw::Profile> machineSide = MachineSideProfile();
    InstallDimensionControl();

    int result = 0;
    {
        VarnexProgram program(
            VarnexProgram::Standard(QCoreApplication::applicationDirPath().toStdString(), machineSide.get()));
        if (!program.Start(arguments))
            result = 1;
        else if (program.App().HasMainWindow())
            result = QApplication::exec();
        // Until automation clients outside the program can reach it, a windowless start ends here.
    }

    // The Qt services go before the application object does.
    fw::SetAppProfile(nullptr);
    fw::SetMessageService(nullptr);
    return result;
}
