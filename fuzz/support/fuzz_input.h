#pragma once
// Reads a fuzzer's input as a sequence of small values. Every read succeeds: past the end of
// the input numbers are 0 and fields are empty, so each input means something.
//
// A field runs up to a zero byte followed by any other byte (both consumed); a doubled zero
// byte stands for one zero byte inside the field. Seeds separate fields with "\0\n".

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <type_traits>

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : next_(data), end_(data + size) {}

    bool AtEnd() const { return next_ == end_; }

    uint8_t Byte() { return next_ < end_ ? *next_++ : uint8_t{0}; }
    bool Flag() { return (Byte() & 1) != 0; }

    // Little-endian, as many bytes as the type has.
    template <typename T>
    T Number()
    {
        static_assert(std::is_integral_v<T>);
        using U = std::make_unsigned_t<T>;
        U value = 0;
        for (size_t i = 0; i < sizeof(T); ++i) value = static_cast<U>(value | static_cast<U>(static_cast<U>(Byte()) << (8 * i)));
        return static_cast<T>(value);
    }

    QByteArray Field()
    {
        QByteArray field;
        while (next_ < end_) {
            const char c = static_cast<char>(*next_++);
            if (c != '\0') {
                field.append(c);
                continue;
            }
            if (next_ == end_) break;
            const char after = static_cast<char>(*next_++);
            if (after != '\0') break;
            field.append('\0');
        }
        return field;
    }

    QString Text() { return QString::fromUtf8(Field()); }

    QByteArray Rest()
    {
        QByteArray rest(reinterpret_cast<const char*>(next_), end_ - next_);
        next_ = end_;
        return rest;
    }

    template <typename T, size_t N>
    const T& Pick(const T (&items)[N])
    {
        return items[Byte() % N];
    }

private:
    const uint8_t* next_;
    const uint8_t* end_;
};
