// Format strings of edit constraints and the checks made on typed text and on leaving a field.
// Every segment of the format is parsed; each one that parses filters the text and checks it
// as the field would. Besides crashes it checks the filter: it only takes characters out, its
// result passes it again untouched, and the cursor stays inside the text.

#include "values/editchecks.h"
#include "values/editformat.h"
#include "fuzz_target.h"
#include "snmp/errors.h"

namespace {

void CheckField(const EditFormat& format, const QString& text, int cursor)
{
    const FilteredText filtered = FilterTypedText(format, text, cursor);
    FUZZ_CHECK(filtered.text.size() + filtered.removed == text.size(), filtered.text);
    FUZZ_CHECK(filtered.cursor <= cursor && filtered.cursor >= cursor - filtered.removed, QString::number(filtered.cursor));
    if (cursor >= 0 && cursor <= text.size())
        FUZZ_CHECK(filtered.cursor >= 0 && filtered.cursor <= filtered.text.size(), QString::number(filtered.cursor));
    const FilteredText again = FilterTypedText(format, filtered.text, 0);
    FUZZ_CHECK(again.removed == 0 && again.text == filtered.text, again.text);

    for (const QString& candidate : {text, filtered.text}) {
        const ExitVerdict verdict = CheckExitText(format, candidate);
        if (verdict.kind == ExitVerdict::Refused) FUZZ_CHECK(!verdict.message.isEmpty(), candidate);
        if (candidate.isEmpty()) FUZZ_CHECK(verdict.kind != ExitVerdict::Accepted, candidate);
    }
    IsValidAddress(format.address, text);
}

}  // namespace

KSW_FUZZ_TARGET(editformat)
{
    FuzzInput in(data, size);
    const int cursor = static_cast<int16_t>(in.Number<uint16_t>());
    const QString format = in.Text();
    const QString text = in.Text();

    const QStringList segments = SplitEditFormat(format);
    const int fields = CountEditFormatFields(format);
    FUZZ_CHECK(fields >= 0 && fields <= segments.size(), QString::number(fields));
    for (const QString& segment : segments) {
        try {
            CheckField(ParseEditFormat(segment), text, cursor);
        } catch (const AppException& e) {
            FUZZ_CHECK(e.code() == -2, e.message());  // a bad format, nothing else
        }
    }
    return 0;
}
