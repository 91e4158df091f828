#pragma once
// A bus client written straight on the session bus's socket, for the clients no library lets a
// test be: one that sends calls and never reads a reply, and one that leaves the bus the moment its
// call is written. It speaks only what it needs: the EXTERNAL login, and method calls whose body
// is at most one text.

#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace bustest {

class RawBusClient {
public:
    RawBusClient() = default;
    RawBusClient(const RawBusClient&) = delete;
    RawBusClient& operator=(const RawBusClient&) = delete;
    ~RawBusClient() { Close(); }

    // Connects to the session bus, logs in and says Hello (without reading the answer); false
    // when the bus could not be reached.
    bool Connect()
    {
        const std::string address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS").toStdString();
        sockaddr_un socketAddress{};
        socketAddress.sun_family = AF_UNIX;
        socklen_t length = 0;
        const std::string path = Value(address, "path=");
        const std::string abstract = Value(address, "abstract=");
        const std::string& name = path.empty() ? abstract : path;
        if (name.empty() || name.size() + 1 >= sizeof socketAddress.sun_path)
            return false;
        const std::size_t start = path.empty() ? 1 : 0;   // an abstract name starts with a zero byte
        name.copy(socketAddress.sun_path + start, name.size());
        length = socklen_t(offsetof(sockaddr_un, sun_path) + start + name.size() + (path.empty() ? 0 : 1));
        fd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd_ < 0 || ::connect(fd_, reinterpret_cast<const sockaddr*>(&socketAddress), length) != 0)
            return false;
        std::string uid = std::to_string(::getuid()), hex;
        for (const char c : uid)
            hex += "3" + std::string(1, c);
        if (!SendAll(std::string(1, '\0') + "AUTH EXTERNAL " + hex + "\r\n") || ReadLine().rfind("OK", 0) != 0 ||
            !SendAll("BEGIN\r\n"))
            return false;
        return SendCall("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "Hello");
    }

    // Writes a method call; false when it could not be written within the time.
    bool SendCall(const std::string& destination, const std::string& path, const std::string& interface,
                  const std::string& member, const std::string* text = nullptr)
    {
        std::vector<std::uint8_t> m{'l', 1, 0, 1};
        const auto pad = [&m](std::size_t alignment) {
            while (m.size() % alignment != 0)
                m.push_back(0);
        };
        const auto u32 = [&m, &pad](std::uint32_t v) {
            pad(4);
            for (int i = 0; i < 4; ++i)
                m.push_back(std::uint8_t(v >> (8 * i)));
        };
        const auto put = [&m, &u32](const std::string& s) {
            u32(std::uint32_t(s.size()));
            m.insert(m.end(), s.begin(), s.end());
            m.push_back(0);
        };
        const auto signature = [&m](const std::string& s) {
            m.push_back(std::uint8_t(s.size()));
            m.insert(m.end(), s.begin(), s.end());
            m.push_back(0);
        };
        const auto field = [&](std::uint8_t code, const char* type, const std::string& value) {
            pad(8);
            m.push_back(code);
            signature(type);
            if (type[0] == 'g')
                signature(value);
            else
                put(value);
        };
        u32(0);   // the body's length, below
        u32(++serial_);
        u32(0);   // the header fields' length, below
        const std::size_t fieldsStart = m.size();
        field(1, "o", path);
        field(2, "s", interface);
        field(3, "s", member);
        field(6, "s", destination);
        if (text)
            field(8, "g", "s");
        const std::uint32_t fieldsLength = std::uint32_t(m.size() - fieldsStart);
        pad(8);
        const std::size_t bodyStart = m.size();
        if (text)
            put(*text);
        const std::uint32_t bodyLength = std::uint32_t(m.size() - bodyStart);
        for (int i = 0; i < 4; ++i) {
            m[4 + i] = std::uint8_t(bodyLength >> (8 * i));
            m[12 + i] = std::uint8_t(fieldsLength >> (8 * i));
        }
        return SendAll(std::string(m.begin(), m.end()));
    }

    void Close()
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

private:
    static std::string Value(const std::string& address, const std::string& key)
    {
        const std::size_t at = address.find(key);
        if (at == std::string::npos)
            return {};
        const std::size_t start = at + key.size();
        return address.substr(start, address.find_first_of(",;", start) - start);
    }

    bool SendAll(const std::string& bytes)
    {
        std::size_t sent = 0;
        while (sent < bytes.size()) {
            pollfd ready{fd_, POLLOUT, 0};
            if (::poll(&ready, 1, 10000) != 1)
                return false;
            const ssize_t n = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
            if (n <= 0)
                return false;
            sent += std::size_t(n);
        }
        return true;
    }

    std::string ReadLine()
    {
        std::string line;
        char c = 0;
        while (line.size() < 512) {
            pollfd ready{fd_, POLLIN, 0};
            if (::poll(&ready, 1, 10000) != 1 || ::recv(fd_, &c, 1, 0) != 1)
                return {};
            line += c;
            if (line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0)
                return line;
        }
        return {};
    }

    int fd_ = -1;
    std::uint32_t serial_ = 0;
};

} // namespace bustest
