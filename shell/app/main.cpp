// Varnex: starts the application, shows the main window and runs until it is closed.

#include "fw/core/AppProfile.h"
#include "fw/core/MessageService.h"
#include "fw/qt/QtMessageService.h"
#include "fw/qt/SettingsProfile.h"
#include "shell/ui/MainFrame.h"

#include <QApplication>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kestrom"));
    QApplication::setApplicationName(QStringLiteral("Varnex"));
    fw::SetMessageService(std::make_unique<fw::QtMessageService>());
    fw::SetAppProfile(std::make_unique<fw::SettingsProfile>());

    int result = 0;
    {
        CMainFrame frame;
        frame.show();
        result = QApplication::exec();
    }

    // The Qt services go before the application object does.
    fw::SetAppProfile(nullptr);
    fw::SetMessageService(nullptr);
    return result;
}
