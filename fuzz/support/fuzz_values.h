#pragma once
// Inputs shared by the value-conversion targets: type codes and option lists.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

#include "values/optionlist.h"
#include "fuzz_input.h"
#include "snmp/vardesc.h"

// Every code the conversions know, the raw-part codes included.
inline constexpr uint32_t kTypeCodes[] = {
    VarType::Boolean,     VarType::Integer,       VarType::BitString,  VarType::OctetString, VarType::Null,
    VarType::ObjectId,    VarType::IpAddress,     VarType::Counter,    VarType::Gauge,       VarType::TimeTicks,
    VarType::Opaque,      VarType::NsapAddress,   VarType::Counter64,  VarType::UInteger,    VarType::Double,
    VarType::MacAddress,  VarType::DateTime,      VarType::BcDateTime, VarType::DisplayString,
    VarType::Ipv6Address, VarType::Bool8,         VarType::Int8,       VarType::UInt8,       VarType::Bool16,
    VarType::Int16,       VarType::UInt16,
};

// Mostly a known code; one byte value in sixteen reads any 32-bit code instead.
inline uint32_t PickTypeCode(FuzzInput& in)
{
    const uint8_t choice = in.Byte();
    if (choice >= 0xF0) return in.Number<uint32_t>();
    return kTypeCodes[choice % std::size(kTypeCodes)];
}

inline bool IsOneOf(uint32_t type, std::initializer_list<uint32_t> codes)
{
    for (uint32_t code : codes)
        if (code == type) return true;
    return false;
}

// An option list read from the input, or none (the usual case). Labels and values are short
// texts; the list keeps the storage its tables point into.
class FuzzOptions {
public:
    const QxOptionList* Read(FuzzInput& in)
    {
        const uint8_t header = in.Byte();
        if ((header & 0x03) != 0x03) return nullptr;  // three in four variables have none
        const uint32_t kind = (header >> 2) % 3 + 1;
        const bool caseSensitive = (header & 0x20) != 0;
        const int count = (header >> 6) + 1;
        for (int i = 0; i < count; ++i) {
            values_.push_back(in.Field());
            labels_.push_back(in.Field());
            numbers_.push_back(in.Number<int32_t>());
        }
        if (kind == OptionKind::Integer) {
            std::vector<QxIntPair> pairs;
            for (int i = 0; i < count; ++i) pairs.push_back({numbers_[i], labels_[i].constData()});
            pairs.push_back({0, nullptr});
            list_ = std::make_unique<QxOptionList>(pairs.data(), kind, caseSensitive);
        } else {
            std::vector<QxStrPair> pairs;
            for (int i = 0; i < count; ++i) pairs.push_back({values_[i].constData(), labels_[i].constData()});
            pairs.push_back({nullptr, nullptr});
            list_ = std::make_unique<QxOptionList>(pairs.data(), kind, caseSensitive);
        }
        return list_.get();
    }

private:
    std::vector<QByteArray> values_;
    std::vector<QByteArray> labels_;
    std::vector<int32_t> numbers_;
    std::unique_ptr<QxOptionList> list_;
};
