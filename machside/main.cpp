// machside: a simulated machine side for Varnex on the session bus. It registers the machine
// side's service, takes every call the program makes, logs each with its arguments in order
// (in its window, on standard output and, with --log, in a file) and answers as told.
// --register writes the bus's service file that starts it (with the other options given) when
// the program needs a machine side; --unregister removes it.

#include "machside/MachineSideService.h"
#include "machside/MachineSideWindow.h"

#include "fw/qt/QtText.h"
#include "machlink/ui/TorvBus.h"
#include "shell/BusServiceFile.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDBusConnection>
#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

struct Options {
    torv::MachineSideSettings settings;
    int runDelayMs = 0;
    int finishAfterMs = -1;
    QString logFile;
};

std::optional<std::int32_t> RunStatus(const QString& text)
{
    if (text == QLatin1String("ready"))
        return torv::kRunStaysReady;
    if (text == QLatin1String("busy"))
        return 0;
    if (text == QLatin1String("no-ac-power"))
        return torv::kNoAcPower;
    if (text == QLatin1String("no-hydraulics"))
        return torv::kNoHydraulics;
    bool ok = false;
    const int value = text.toInt(&ok, 0);
    return ok ? std::optional<std::int32_t>(value) : std::nullopt;
}

// The options, or a message of what is wrong with them.
std::optional<Options> Parse(QCommandLineParser& parser, const QStringList& arguments, QString& error)
{
    const QCommandLineOption load(QStringLiteral("load-status"), QStringLiteral("Status of Load (0 loaded)."), QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption finalize(QStringLiteral("finalize-status"), QStringLiteral("Status of FinalizeLoad (0 finalised)."), QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption run(QStringLiteral("run-status"), QStringLiteral("Answer of a run: ready, busy, no-ac-power, no-hydraulics or a number."), QStringLiteral("status"), QStringLiteral("ready"));
    const QCommandLineOption delay(QStringLiteral("run-delay"), QStringLiteral("Milliseconds a run takes before it answers."), QStringLiteral("ms"), QStringLiteral("0"));
    const QCommandLineOption finish(QStringLiteral("finish-after"), QStringLiteral("After a busy run, Run Finished follows after this many milliseconds."), QStringLiteral("ms"));
    const QCommandLineOption during(QStringLiteral("finish-during-run"), QStringLiteral("A busy run calls Run Finished before it answers."));
    const QCommandLineOption noMachine(QStringLiteral("no-machine"), QStringLiteral("Offer no machine interface."));
    const QCommandLineOption noControl(QStringLiteral("no-control"), QStringLiteral("Give no control object."));
    const QCommandLineOption noWeld(QStringLiteral("no-weld-station"), QStringLiteral("The machine has no weld station."));
    const QCommandLineOption markStencil(QStringLiteral("mark-stencil"), QStringLiteral("Stencil the part's mark: width,along,across in 1/10000 inch."), QStringLiteral("w,x,u"));
    const QCommandLineOption charWidth(QStringLiteral("stencil-width"), QStringLiteral("Stencil character width in 1/10000 inch."), QStringLiteral("n"), QStringLiteral("6250"));
    const QCommandLineOption faceMode(QStringLiteral("face-mode"), QStringLiteral("Face geometry mode (2 or 3 turn flange planes)."), QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption faceWidth(QStringLiteral("face-width"), QStringLiteral("Face width across, inches."), QStringLiteral("inches"), QStringLiteral("0"));
    const QCommandLineOption log(QStringLiteral("log"), QStringLiteral("Also write the call log to this file."), QStringLiteral("file"));
    const QCommandLineOption registration(QStringLiteral("register"), QStringLiteral("Install the service file through which the bus starts the simulator (with the other options given), then end."));
    const QCommandLineOption unregistration(QStringLiteral("unregister"), QStringLiteral("Remove that service file, then end."));
    parser.addOptions({load, finalize, run, delay, finish, during, noMachine, noControl, noWeld, markStencil, charWidth,
                       faceMode, faceWidth, log, registration, unregistration});
    parser.addHelpOption();
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return std::nullopt;
    }
    Options o;
    torv::MachineSideSettings& s = o.settings;
    const std::optional<std::int32_t> status = RunStatus(parser.value(run));
    bool ok[7] = {true, true, true, true, true, true, true};
    s.loadStatus = parser.value(load).toInt(&ok[0], 0);
    s.finalizeStatus = parser.value(finalize).toInt(&ok[1], 0);
    o.runDelayMs = parser.value(delay).toInt(&ok[2]);
    if (parser.isSet(finish))
        o.finishAfterMs = parser.value(finish).toInt(&ok[3]);
    s.stencilCharacterWidth = parser.value(charWidth).toInt(&ok[4]);
    s.faceMode = parser.value(faceMode).toInt(&ok[5]);
    s.faceWidth = parser.value(faceWidth).toDouble(&ok[6]);
    if (!status || std::find(std::begin(ok), std::end(ok), false) != std::end(ok)) {
        error = QStringLiteral("A number is expected; see --help.");
        return std::nullopt;
    }
    s.runStatus = *status;
    s.finishDuringRun = parser.isSet(during);
    s.hasMachine = !parser.isSet(noMachine);
    s.hasControl = !parser.isSet(noControl);
    s.weldStation = parser.isSet(noWeld) ? 0 : 1;
    if (parser.isSet(markStencil)) {
        const QStringList parts = parser.value(markStencil).split(QLatin1Char(','));
        if (parts.size() != 3) {
            error = QStringLiteral("--mark-stencil takes width,along,across.");
            return std::nullopt;
        }
        s.stencilsMark = 1;
        s.markStencil = {parts[0].toInt(), parts[1].toInt(), parts[2].toInt()};
    }
    o.logFile = parser.value(log);
    return o;
}

// The options of the application's command line; ends the program with the help it asks for, or
// gives nothing after telling what is wrong.
std::optional<Options> ParseCommandLine(QCommandLineParser& parser)
{
    QCoreApplication::setApplicationName(QStringLiteral("machside"));
    parser.setApplicationDescription(QStringLiteral("A simulated TorvMachine on the session bus."));
    QString error;
    std::optional<Options> options = Parse(parser, QCoreApplication::arguments(), error);
    if (!options)
        std::fprintf(stderr, "machside: %s\n", qPrintable(error));
    else if (parser.isSet(QStringLiteral("help")))
        parser.showHelp();
    return options;
}

bool AsksForHelp(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        for (const char* help : {"-h", "-?", "--help", "--help-all"})
            if (std::strcmp(argv[i], help) == 0)
                return true;
    return false;
}

} // namespace

// The simulator's service file; a file another program wrote under the name is left alone.
BusServiceFile ServiceFile(const QStringList& arguments)
{
    std::vector<std::string> options;
    for (const QString& argument : arguments.mid(1))
        if (argument != QLatin1String("--register") && argument != QLatin1String("--unregister"))
            options.push_back(fw::FromQString(argument));
    return BusServiceFile(BusServiceFile::UserServicesFolder(), fw::FromQString(QCoreApplication::applicationFilePath()),
                          {fw::FromQString(torv::bus::kService),
                           "# Written by machside --register; removed by machside --unregister.", options});
}

// --register or --unregister: the exit status.
int Registration(const QCommandLineParser& parser)
{
    const BusServiceFile file = ServiceFile(QCoreApplication::arguments());
    const bool registering = parser.isSet(QStringLiteral("register"));
    if (registering ? file.Write() : file.Remove()) {
        std::printf("machside: %s %s\n", registering ? "wrote" : "removed", file.FilePath().c_str());
        return 0;
    }
    std::fprintf(stderr, "machside: cannot %s %s (no user data folder, or another program's file)\n",
                 registering ? "write" : "remove", file.FilePath().c_str());
    return 1;
}

int main(int argc, char* argv[])
{
    // The help needs no display: it is printed before the window system is opened.
    if (AsksForHelp(argc, argv)) {
        QCoreApplication help(argc, argv);
        QCommandLineParser parser;
        ParseCommandLine(parser);
        return 2;
    }
    QApplication application(argc, argv);
    QCommandLineParser parser;
    const std::optional<Options> options = ParseCommandLine(parser);
    if (!options)
        return 2;
    if (parser.isSet(QStringLiteral("register")) || parser.isSet(QStringLiteral("unregister")))
        return Registration(parser);

    QFile logFile(options->logFile);
    if (!options->logFile.isEmpty() && !logFile.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "machside: cannot write %s\n", qPrintable(options->logFile));
        return 2;
    }

    torv::SimulatedMachine machine(options->settings);
    MachineSideWindow window(machine);
    machine.SetLogObserver([&](const std::string& line) {
        const QString text = fw::ToQString(line);
        window.AddLogLine(text);
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
        if (logFile.isOpen()) {
            logFile.write(line.c_str());
            logFile.write("\n");
            logFile.flush();
        }
    });

    MachineSideService service(machine, QDBusConnection::sessionBus());
    service.SetRunDelay(options->runDelayMs);
    service.SetFinishAfter(options->finishAfterMs);
    service.SetRunObserver([&] { window.ShowJobs(); });
    if (!service.Register()) {
        std::fprintf(stderr, "machside: cannot register on the session bus (is another simulator running?)\n");
        return 1;
    }
    std::printf("machside: ready\n");
    std::fflush(stdout);
    window.show();
    return QApplication::exec();
}
