#pragma once
// PDU error-status values (RFC 1157 and RFC 3416).

#include <cstdint>

namespace ksw::sim {

enum class ErrorStatus : uint8_t {
    NoError = 0,
    TooBig = 1,
    NoSuchName = 2,
    BadValue = 3,
    ReadOnly = 4,
    GenErr = 5,
    NoAccess = 6,
    WrongType = 7,
    WrongLength = 8,
    WrongEncoding = 9,
    WrongValue = 10,
    NoCreation = 11,
    InconsistentValue = 12,
    ResourceUnavailable = 13,
    CommitFailed = 14,
    UndoFailed = 15,
    AuthorizationError = 16,
    NotWritable = 17,
    InconsistentName = 18,
};

// "noError", "wrongType", ...; "error<N>" for numbers outside the list.
const char* errorStatusName(long status);

}  // namespace ksw::sim
