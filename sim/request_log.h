#pragma once
// The --log file: one line per PDU received and per PDU sent, each flushed at once so that a
// test can read it while the agent runs.

#include <cstdio>
#include <string>

namespace ksw::sim {

class RequestLog {
public:
    RequestLog() = default;
    RequestLog(const RequestLog&) = delete;
    RequestLog& operator=(const RequestLog&) = delete;
    ~RequestLog();

    // Appends to the file (creating it), so nothing of an earlier run is lost.
    bool open(const std::string& path, std::string* error);
    bool isOpen() const { return file_ != nullptr; }
    // Writes "<UTC time> <text>" as one line.
    void write(const std::string& text);
    void close();

private:
    std::FILE* file_ = nullptr;
};

}  // namespace ksw::sim
