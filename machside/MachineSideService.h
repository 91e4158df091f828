#pragma once
// The simulated machine side served on the session bus under torv::bus::kService: each call is
// checked against the method's argument signature, handed to the simulated machine and answered;
// objects it makes get paths below the application's; its callbacks go out as signals.

#include "machlink/SimulatedMachine.h"

#include <QDBusConnection>
#include <QDBusVirtualObject>

#include <functional>
#include <map>
#include <memory>
#include <variant>

class MachineSideService : public QDBusVirtualObject, private torv::ITorvMachineResponse {
public:
    MachineSideService(torv::SimulatedMachine& machine, QDBusConnection connection);
    ~MachineSideService() override;

    // Registers the objects and the service name; false when the name is taken or there is no bus.
    bool Register();

    // A run waits this long before it answers.
    void SetRunDelay(int milliseconds) { runDelayMs_ = milliseconds; }
    // After a run that leaves the machine busy, OnRunFinished follows after this long (negative:
    // never).
    void SetFinishAfter(int milliseconds) { finishAfterMs_ = milliseconds; }
    // Called after each run with the jobs run so far.
    void SetRunObserver(std::function<void()> observer) { runObserver_ = std::move(observer); }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;
    QString introspect(const QString& path) const override;

    using Object = std::variant<std::unique_ptr<torv::ITorvMachine>, std::unique_ptr<torv::ITorvMachineControl>,
                                std::unique_ptr<torv::ITorvMachineJob>, std::unique_ptr<torv::ITorvMachinePart>,
                                std::unique_ptr<torv::ITorvMachinePartDataPattern>, std::unique_ptr<torv::ITorvMachinePlane>,
                                std::unique_ptr<torv::ITorvMachineTool>, std::unique_ptr<torv::ITorvMachinePartDataSection>,
                                std::unique_ptr<torv::ITorvMachineFaceGeometry>, std::unique_ptr<torv::ITorvMachineHandMult>>;

    // Keeps an object under a new path (or the fixed one given) and returns the path.
    template <class T> QString Keep(std::unique_ptr<T> object, const QString& fixedName = {});
    // The object of a path passed as an argument; throws when there is none of that kind.
    template <class T> T& Find(const QString& path);

    torv::SimulatedMachine& Machine() { return machine_; }
    torv::ITorvMachineApplication& Application() { return *application_; }
    torv::ITorvMachineResponse* Emitter() { return this; }
    void AfterRun(std::int32_t status);
    void DelayRun() const;

private:
    std::int32_t Emit(const char* name);
    std::int32_t OnMachineReady() override { return Emit("OnMachineReady"); }
    std::int32_t OnSetupClosed() override { return Emit("OnSetupClosed"); }
    std::int32_t OnRunFinished() override { return Emit("OnRunFinished"); }
    std::int32_t OnDisableRunEntries() override { return Emit("OnDisableRunEntries"); }
    std::int32_t OnEnableRunEntries() override { return Emit("OnEnableRunEntries"); }
    std::int32_t OnReturnToMain() override { return Emit("OnReturnToMain"); }

    torv::SimulatedMachine& machine_;
    QDBusConnection connection_;
    std::unique_ptr<torv::ITorvMachineApplication> application_;
    std::map<QString, Object> objects_;
    int next_ = 0;
    int runDelayMs_ = 0;
    int finishAfterMs_ = -1;
    std::function<void()> runObserver_;
};
