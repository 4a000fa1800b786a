#pragma once
// Error codes, message catalogues and the exception type that carries them.

#include <QString>
#include <exception>
#include <string>

#include "error_numbers.h"
#include "profile.h"

// The seven catalogues. Each starts with its built-in texts and may be replaced by a file.
enum class Catalogue {
    Common,           // input checks of edit constraints; entry N goes with code -N
    SnmpStatus,       // PDU error status 1..18
    Mp,               // SNMPv3 message processing -1402..-1418
    Usm,              // USM 1401..1414
    Class,            // SNMP library class errors -1..-23
    Library,          // the library's own; entry N goes with code -(500 + N)
    StatusTemplates,  // status lines of the bindings; 0 after a read, 1 after a write
};

// Text of one entry. An entry past the end of a loaded file falls back to the built-in text;
// past the end of both gives the empty text.
QString CatalogueText(Catalogue catalogue, int entry);
int CatalogueSize(Catalogue catalogue);

// Replaces a catalogue by the non-blank lines of a file; a missing or blank file changes nothing.
void LoadCatalogue(Catalogue catalogue, const QString& path);

// Back to the built-in texts (tests only).
void ResetCatalogue(Catalogue catalogue);

struct MappedError {
    int code = 0;
    QString message;
};

// Maps an SNMP library status number (or a PDU error status) to the library's code and text.
MappedError MapSnmpError(int number);

// The application's exception type: a message and the numeric code it stands for
// (0 for plain messages raised by pages).
class AppException : public std::exception {
public:
    AppException(QString message, int code = 0);
    const QString& message() const { return message_; }
    int code() const { return code_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    QString message_;
    int code_;
    std::string utf8_;
};

// Raises library code -(500 + n) with its catalogue text.
[[noreturn]] void RaiseLibraryError(int code);
// Raises common-catalogue slot n as code -n.
[[noreturn]] void RaiseCommonError(int slot);
// Raises the mapped form of an SNMP library number.
[[noreturn]] void RaiseMapped(const MappedError& error);

// Outcome of one asynchronous request step.
struct QxSNMPError {
    int Code = 0;
    int ErrorIndex = 0;
    QString Message;
    QxSNMPDevice Agent;
    bool Done = false;
};
