#pragma once
// The time from an answer's arrival at the session's socket (the kernel's receive time stamp
// of the datagram) to the request's callback, over a series of asynchronous gets.

#include <QString>
#include <vector>

#include "snmp/profile.h"

struct AnswerLatencyResult {
    bool ok = false;
    QString error;
    std::vector<double> latencyMs;    // arrival to callback, one per get
    std::vector<double> roundTripMs;  // send to callback, one per get
};

AnswerLatencyResult MeasureAnswerLatency(const QxSNMPProfile& profile, int gets);
