#include "shell/BusServiceFile.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <system_error>

namespace {

// One word of the Exec line, single-quoted; a quote inside becomes '\''.
std::string Quoted(const std::string& text)
{
    std::string out = "'";
    for (char c : text) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}

// An argument of the Exec line: as it is when plain, else quoted.
std::string Argument(const std::string& text)
{
    const bool plain = !text.empty() && text.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                                               "0123456789/_.,:=+-") == std::string::npos;
    return plain ? text : Quoted(text);
}

std::filesystem::path AbsoluteEnv(const char* name)
{
    const char* value = std::getenv(name);
    if (!value || value[0] != '/')
        return {};
    return value;
}

} // namespace

BusServiceFile::BusServiceFile(std::filesystem::path folder, std::filesystem::path program, Service service)
    : folder_(std::move(folder)), program_(std::move(program)), service_(std::move(service))
{
}

std::filesystem::path BusServiceFile::UserServicesFolder()
{
    std::filesystem::path data = AbsoluteEnv("XDG_DATA_HOME");
    if (data.empty()) {
        const std::filesystem::path home = AbsoluteEnv("HOME");
        if (home.empty())
            return {};
        data = home / ".local" / "share";
    }
    return data / "dbus-1" / "services";
}

std::filesystem::path BusServiceFile::FilePath() const { return folder_ / (service_.name + ".service"); }

std::string BusServiceFile::Text() const
{
    std::string exec = Quoted(program_.string());
    for (const std::string& argument : service_.arguments)
        exec += " " + Argument(argument);
    return service_.marker + "\n[D-BUS Service]\nName=" + service_.name + "\nExec=" + exec + "\n";
}

bool BusServiceFile::IsOurs() const
{
    // A FIFO or device of that name would block the read: only a plain file can be ours.
    std::error_code error;
    if (!std::filesystem::is_regular_file(FilePath(), error))
        return false;
    std::ifstream in(FilePath());
    std::string first;
    return in && std::getline(in, first) && first == service_.marker;
}

bool BusServiceFile::Write() const
{
    const std::string program = program_.string();
    const auto holdsBreak = [](const std::string& text) { return text.find_first_of("\n\r") != std::string::npos; };
    if (folder_.empty() || !program_.is_absolute() || holdsBreak(program) ||
        std::any_of(service_.arguments.begin(), service_.arguments.end(), holdsBreak))
        return false;
    std::error_code error;
    if (std::filesystem::exists(FilePath(), error) && !IsOurs())
        return false;
    std::filesystem::create_directories(folder_, error);
    const std::filesystem::path temporary = FilePath().string() + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << Text();
        out.flush();
        if (!out) {
            std::filesystem::remove(temporary, error);
            return false;
        }
    }
    std::filesystem::rename(temporary, FilePath(), error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

bool BusServiceFile::Remove() const
{
    if (folder_.empty())
        return false;
    std::error_code error;
    if (!std::filesystem::exists(FilePath(), error))
        return true;
    if (!IsOurs())
        return false;
    return std::filesystem::remove(FilePath(), error) && !error;
}
