#pragma once
// Dotted decimal texts ("1.3.6.1.2.1.17") of object identifiers and instance suffixes, read
// and written in one pass without a list of pieces: a table walk converts several per row.

#include <QString>
#include <QStringView>
#include <cstddef>
#include <cstdint>
#include <vector>

// Appends the numbers of a text of decimal numbers separated by single dots, each of at most
// ten digits and below 2^32, without a sign or blanks. False, with 'ids' cut back to where it
// was, when the text is empty or has any other form.
template <typename Number>
bool ParseDottedNumbers(QStringView text, std::vector<Number>& ids)
{
    const size_t start = ids.size();
    const auto fail = [&] {
        ids.resize(start);
        return false;
    };
    if (text.isEmpty()) return false;
    uint64_t value = 0;
    int digits = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9') {
            value = value * 10 + (u - u'0');
            // Ten digits at most, so the product above never overflows.
            if (++digits > 10 || value > 0xFFFFFFFFull) return fail();
        } else if (u == u'.' && digits > 0) {
            ids.push_back(static_cast<Number>(value));
            value = 0;
            digits = 0;
        } else {
            return fail();
        }
    }
    if (digits == 0) return fail();
    ids.push_back(static_cast<Number>(value));
    return true;
}

// "1.3.6"; an empty text for no numbers.
template <typename Number>
QString DottedNumbersText(const Number* numbers, size_t count)
{
    // 20 digits hold any 64-bit number, one more for its dot.
    constexpr size_t kMaxPerNumber = 21;
    constexpr size_t kOnStack = 64;
    char stackBuffer[kOnStack * kMaxPerNumber];
    std::vector<char> heapBuffer;
    char* buffer = stackBuffer;
    if (count > kOnStack) {
        heapBuffer.resize(count * kMaxPerNumber);
        buffer = heapBuffer.data();
    }
    char* out = buffer;
    for (size_t i = 0; i < count; ++i) {
        if (i) *out++ = '.';
        char digits[20];
        int n = 0;
        auto value = static_cast<unsigned long long>(numbers[i]);
        do {
            digits[n++] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value);
        while (n) *out++ = digits[--n];
    }
    return QString::fromLatin1(buffer, out - buffer);
}
