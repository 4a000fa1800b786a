#pragma once
// How the manual names the parts of a descriptor: its type code, its access bits, its
// enumeration and the input format of its value field.

#include <QString>
#include <cstdint>

class QxOptionList;

namespace manual {

// "DisplayString (76)": an SNMP name where one exists, always with the code.
QString TypeText(uint32_t type);

// "read-write (6)", "not-accessible, implied (65)".
QString AccessText(uint32_t access);

// "disabled (2), enabled (3)"; empty without a list.
QString OptionsText(const QxOptionList* options);

// What an input format lets the user type, for example "whole number from 0 to 1440" for
// "%i{n0x1440l4}"; a format this does not understand is returned as it stands.
QString FormatText(const QString& format);

}  // namespace manual
