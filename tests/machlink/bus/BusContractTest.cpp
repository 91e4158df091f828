// The machine side's bus contract page (docs/machine-side-bus.md) against the simulator, its
// reference: every object kind's methods with their argument and answer types, and the signals,
// are the same on the page as in the simulator's introspection.

#include "machlink/ui/TorvBus.h"
#include "tests/support/BusWait.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QElapsedTimer>
#include <QProcess>
#include <QXmlStreamReader>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace {

using Members = std::set<std::string>;   // "Name(in)out" of methods, "signal Name" of signals

// The methods and signals of each section of the page ("### `Kind`", "## Signals").
std::map<std::string, Members> PageMembers()
{
    std::ifstream page(VARNEX_CONTRACT_PAGE);
    EXPECT_TRUE(page) << VARNEX_CONTRACT_PAGE;
    const std::regex kind(R"(^### `(\w+)`)");
    const std::regex method(R"(^\| `(\w+)` \| (?:`(\w+)`|-) \| (?:`(\w+)`|-) \|)");
    const std::regex signal(R"(^\| `(On\w+)` \|)");
    std::map<std::string, Members> sections;
    std::string section;
    std::smatch m;
    for (std::string line; std::getline(page, line);) {
        if (std::regex_search(line, m, kind)) {
            section = m[1];
            sections[section];
        } else if (line == "## Signals") {
            section = "Application";
        } else if (line.starts_with("## ")) {
            section.clear();
        } else if (!section.empty() && std::regex_search(line, m, method)) {
            sections[section].insert(m[1].str() + "(" + m[2].str() + ")" + m[3].str());
        } else if (section == "Application" && std::regex_search(line, m, signal)) {
            sections[section].insert("signal " + m[1].str());
        }
    }
    return sections;
}

class BusContractTest : public testing::Test {
protected:
    ~BusContractTest() override { bustest::Stop(simulator_); }

    // The reply of a call to the simulator, with a bounded wait.
    static QDBusMessage Ask(const QString& path, const QString& interface, const QString& member,
                            const QList<QVariant>& arguments = {})
    {
        return bustest::Call(QDBusConnection::sessionBus(), torv::bus::kService, path, interface, member, arguments);
    }
    // The path of the object a call made.
    static QString Make(const QString& path, const char* member, const QList<QVariant>& arguments = {})
    {
        const QDBusMessage reply = Ask(path, torv::bus::kInterface, QLatin1String(member), arguments);
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << member << ": " << reply.errorMessage().toStdString();
        return reply.arguments().value(0).value<QDBusObjectPath>().path();
    }
    // The members of the machine side's interface on an object, as its introspection says.
    static Members Introspected(const QString& path, bool* releases)
    {
        const QDBusMessage reply =
            Ask(path, QStringLiteral("org.freedesktop.DBus.Introspectable"), QStringLiteral("Introspect"));
        QXmlStreamReader xml(reply.arguments().value(0).toString());
        Members members;
        bool inside = false;
        std::string name, in, out;
        *releases = false;
        while (!xml.atEnd()) {
            xml.readNext();
            const auto attribute = [&](const char* a) { return xml.attributes().value(QLatin1String(a)).toString().toStdString(); };
            if (xml.isStartElement() && xml.name() == QLatin1String("interface"))
                inside = attribute("name") == torv::bus::kInterface.toStdString();
            else if (!inside)
                continue;
            else if (xml.isStartElement() && xml.name() == QLatin1String("method"))
                name = attribute("name"), in.clear(), out.clear();
            else if (xml.isStartElement() && xml.name() == QLatin1String("signal"))
                members.insert("signal " + attribute("name"));
            else if (xml.isStartElement() && xml.name() == QLatin1String("arg"))
                (attribute("direction") == "out" ? out : in) += attribute("type");
            else if (xml.isEndElement() && xml.name() == QLatin1String("method")) {
                if (name == "Release")
                    *releases = true;
                else
                    members.insert(name + "(" + in + ")" + out);
            } else if (xml.isEndElement() && xml.name() == QLatin1String("interface"))
                inside = false;
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        return members;
    }

    QProcess simulator_;
};

TEST_F(BusContractTest, ThePageListsWhatTheSimulatorOffers)
{
    simulator_.setProgram(QStringLiteral(VARNEX_MACHSIDE));
    simulator_.setStandardOutputFile(QProcess::nullDevice());
    simulator_.start();
    ASSERT_TRUE(simulator_.waitForStarted(10000)) << "the simulator did not start";
    ASSERT_TRUE(bustest::WaitForName(QDBusConnection::sessionBus(), torv::bus::kService));

    // One object of every kind, made as the program makes them.
    std::map<std::string, QString> objects;
    objects["Application"] = torv::bus::kApplicationPath;
    objects["Machine"] = Make(objects["Application"], "QueryMachine");
    objects["Control"] = Make(objects["Machine"], "GetControl");
    objects["HandMult"] = Make(objects["Control"], "QueryHandMult");
    objects["Job"] = Make(objects["Control"], "NewJob");
    objects["Section"] = Make(objects["Job"], "NewSection");
    objects["Part"] = Make(objects["Job"], "NewPart");
    objects["Pattern"] = Make(objects["Part"], "NewPattern");
    objects["FaceGeometry"] = Make(objects["Part"], "FaceGeometry");
    objects["Plane"] = Make(objects["Part"], "NewPlane", {0.0, 0.0, 0.0, 0.0, 1, 1});
    objects["Tool"] = Make(objects["Part"], "NewTool", {QStringLiteral("RD"), 0.8125, 0.0, QStringLiteral("RD"), 0.0, 1, 1});

    std::map<std::string, Members> page = PageMembers();
    for (const auto& [kind, path] : objects) {
        ASSERT_FALSE(path.isEmpty()) << kind;
        bool releases = false;
        EXPECT_EQ(page[kind], Introspected(path, &releases)) << "the page's " << kind << " against " << path.toStdString();
        EXPECT_EQ(releases, kind != "Application") << kind << " takes Release";
        page.erase(kind);
    }
    for (const auto& [kind, members] : page)
        ADD_FAILURE() << "the page lists " << kind << ", which the simulator does not make";
}

} // namespace
