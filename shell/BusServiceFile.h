#pragma once
// The session bus's service file through which a client's call starts a program: Varnex's (its
// /Regserver writes it, /Unregserver removes it), or another program's named by its own service.
// It lies in the user's data folder: $XDG_DATA_HOME/dbus-1/services, or
// ~/.local/share/dbus-1/services. Only a file the program wrote (its marker line first) is ever
// replaced or removed.

#include "shell/AppServices.h"

#include <filesystem>
#include <string>
#include <vector>

class BusServiceFile : public ServerRegistration {
public:
    static constexpr const char* kServiceName = "com.kestrom.Varnex";
    // The first line of every file the program writes.
    static constexpr const char* kMarker = "# Written by Varnex /Regserver; removed by Varnex /Unregserver.";

    // The bus name a file starts, the marker line of the files the program writes, and the
    // arguments the program is started with.
    struct Service {
        std::string name;
        std::string marker;
        std::vector<std::string> arguments;
    };
    // Varnex as the automation server.
    static Service VarnexService() { return {kServiceName, kMarker, {"/Automation"}}; }

    // folder: where the file goes; program: the absolute path of the program to start.
    BusServiceFile(std::filesystem::path folder, std::filesystem::path program, Service service = VarnexService());
    // The user's services folder from the environment; empty when neither XDG_DATA_HOME nor HOME
    // is an absolute path.
    static std::filesystem::path UserServicesFolder();

    std::filesystem::path FilePath() const;
    // The file's text for the program.
    std::string Text() const;

    // Writes the file (creating the folder); false when the program's path can't be written in
    // it, another program's file has the name, or the file can't be written.
    bool Write() const;
    // Removes the file when this program wrote it; false when a file of another program stays.
    bool Remove() const;

    // ServerRegistration: the outcome is kept for the exit status.
    void RegisterServer() override { succeeded_ = Write(); }
    void UnregisterTypeLibrary() override { succeeded_ = Remove(); }
    bool Succeeded() const { return succeeded_; }

private:
    bool IsOurs() const;

    std::filesystem::path folder_;
    std::filesystem::path program_;
    Service service_;
    bool succeeded_ = true;
};
