// Varnex: starts the application, shows the main window and runs until it is closed.

#include "fw/core/AppProfile.h"
#include "fw/core/DriveMap.h"
#include "fw/core/MessageService.h"
#include "fw/qt/QtMessageService.h"
#include "fw/qt/SettingsProfile.h"
#include "shell/bus/AutomationServer.h"
#include "shell/ui/DimensionControl.h"
#include "shell/ui/ProgramIcon.h"
#include "shell/ui/VarnexProgram.h"

#include <QApplication>
#include <QDBusConnection>
#include <QSettings>
#include <chrono>
#include <memory>

namespace {

// The machine-wide settings of the machine-side application (its install folder).
std::unique_ptr<fw::Profile> MachineSideProfile()
{
    const QSettings system(QSettings::IniFormat, QSettings::SystemScope, QStringLiteral("Kestrom"),
                           QStringLiteral("TorvMachine Application"));
    return std::make_unique<fw::SettingsProfile>(system.fileName());
}

// A windowless server ends once no client has held an object for this long.
constexpr std::chrono::seconds kServerIdleQuit{30};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kestrom"));
    QApplication::setApplicationName(QStringLiteral("Varnex"));
    QApplication::setWindowIcon(ProgramIcon());

    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const CommandLineInfo commandLine = CommandLineInfo::Parse(arguments);
    // Started for automation clients, the program never shows a modal box.
    if (commandLine.Windowless())
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
        if (!program.Start(arguments)) {
            result = 1;
        } else if (program.App().HasMainWindow()) {
            // A program with a window serves clients too, unless another one already does.
            AutomationServer server(QDBusConnection::sessionBus(), {});
            server.Start();
            result = QApplication::exec();
        } else if (commandLine.Windowless()) {
            AutomationServer server(QDBusConnection::sessionBus(), {kServerIdleQuit});
            QObject::connect(&server, &AutomationServer::idle, &application, &QCoreApplication::quit);
            result = server.Start() ? QApplication::exec() : 1;
        } else {
            result = program.RegistrationSucceeded() ? 0 : 1;
        }
    }

    // The Qt services go before the application object does.
    fw::SetAppProfile(nullptr);
    fw::SetMessageService(nullptr);
    return result;
}
