#include "request_log.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>

namespace ksw::sim {

RequestLog::~RequestLog()
{
    close();
}

bool RequestLog::open(const std::string& path, std::string* error)
{
    close();
    file_ = std::fopen(path.c_str(), "a");
    if (!file_) {
        if (error) *error = std::strerror(errno);
        return false;
    }
    return true;
}

void RequestLog::write(const std::string& text)
{
    if (!file_) return;
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto millis =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%S", &utc);
    std::fprintf(file_, "%s.%03dZ %s\n", stamp, static_cast<int>(millis), text.c_str());
    std::fflush(file_);
}

void RequestLog::close()
{
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

}  // namespace ksw::sim
