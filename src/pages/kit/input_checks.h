#pragma once
// The checks hand-built pages make on what the user typed before Add or Set, each written once.
// Every check takes the whole text: nothing around the value (blanks, signs, a second value)
// passes. The messages stay with the pages, which word them differently.

#include <QByteArray>
#include <QString>
#include <optional>

// Four decimal parts of 1 to 3 digits joined by single dots, each 0 to 255, at most 15
// characters. Leading zeros read as decimal ("010" is 10); a zero written with two or more
// digits ("00") is refused. The four octets, or nothing.
std::optional<QByteArray> CheckedIpv4(const QString& text);

enum class Ipv4Class { Unicast, Multicast, Reserved };
// By the first octet: 224 to 239 multicast (class D), 240 to 255 reserved (class E).
Ipv4Class ClassOfIpv4(const QByteArray& octets);

// A valid IPv4 text in 224.0.0.0 to 239.255.255.255.
bool IsMulticastIpv4(const QString& text);

// Exactly `digits` hex digits; the octets they stand for, or nothing.
std::optional<QByteArray> CheckedHex(const QString& text, int digits);

// A MAC address where it forms an index: its 12 hex digits without separators.
std::optional<QByteArray> CheckedMacIndex(const QString& text);

// A decimal integer from minimum to maximum: digits with an optional leading "-", nothing else.
// Parsed without overflow, so a text of any length outside the range is refused, never wrapped.
std::optional<long long> CheckedNumberIn(const QString& text, long long minimum, long long maximum);

// A name: 1 to maxLength printable ASCII characters (blanks included).
bool IsValidName(const QString& text, int maxLength);
