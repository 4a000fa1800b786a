// A UDP socket bound to a free loopback port that never answers: an agent that is down, or a
// switch that has gone quiet. Requests sent to Port() time out.
#pragma once

#include <QtGlobal>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

class SilentPort {
public:
    SilentPort()
    {
        fd_ = socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof(address);
        if (fd_ >= 0 && bind(fd_, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
            getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) == 0)
            port_ = ntohs(address.sin_port);
    }
    ~SilentPort()
    {
        if (fd_ >= 0) close(fd_);
    }
    SilentPort(const SilentPort&) = delete;
    SilentPort& operator=(const SilentPort&) = delete;

    quint16 Port() const { return port_; }

private:
    int fd_ = -1;
    quint16 port_ = 0;
};
