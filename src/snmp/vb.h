#pragma once
// A variable binding as the library sees it, independent of the SNMP engine underneath.

#include <QByteArray>
#include <QString>
#include <cstdint>

// SMI syntax tags (BER) of a binding's value, plus the v2c/v3 exception values.
namespace Syntax {
constexpr uint8_t Integer = 0x02;
constexpr uint8_t OctetString = 0x04;
constexpr uint8_t Null = 0x05;
constexpr uint8_t ObjectId = 0x06;
constexpr uint8_t IpAddress = 0x40;
constexpr uint8_t Counter32 = 0x41;
constexpr uint8_t Gauge32 = 0x42;
constexpr uint8_t TimeTicks = 0x43;
constexpr uint8_t Opaque = 0x44;
constexpr uint8_t Counter64 = 0x46;
constexpr uint8_t NoSuchObject = 0x80;
constexpr uint8_t NoSuchInstance = 0x81;
constexpr uint8_t EndOfMibView = 0x82;
}  // namespace Syntax

struct QxVb {
    QString Oid;                    // dotted text
    uint8_t Syntax = Syntax::Null;  // one of Syntax::*
    int64_t Integer = 0;            // INTEGER (signed)
    uint64_t Unsigned = 0;          // Counter32, Gauge32, TimeTicks, Counter64
    QByteArray Bytes;               // OCTET STRING, Opaque, IpAddress (4 octets)
    QString ObjectId;               // OBJECT IDENTIFIER value, dotted

    // False for NULL and for the exception values: the binding carries no value.
    bool HasValue() const
    {
        return Syntax != Syntax::Null && Syntax != Syntax::NoSuchObject &&
               Syntax != Syntax::NoSuchInstance && Syntax != Syntax::EndOfMibView;
    }
};
