// The message-catalogue loader on any file, then every lookup that reads a catalogue.

#include "fuzz_target.h"
#include "scratch_dir.h"
#include "snmp/errors.h"

namespace {

constexpr Catalogue kCatalogues[] = {Catalogue::Common, Catalogue::SnmpStatus, Catalogue::Mp,
                                     Catalogue::Usm,    Catalogue::Class,      Catalogue::Library,
                                     Catalogue::StatusTemplates};

bool IsBlank(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() > 32) return false;
    return true;
}

}  // namespace

KSW_FUZZ_TARGET(catalogue)
{
    FuzzInput in(data, size);
    const Catalogue catalogue = in.Pick(kCatalogues);
    const int builtInSize = CatalogueSize(catalogue);
    const QByteArray file = in.Rest();
    LoadCatalogue(catalogue, WriteScratchFile(QStringLiteral("errmsg/catalogue.err"), file));

    const int loadedSize = CatalogueSize(catalogue);
    FUZZ_CHECK(loadedSize > 0, QString::number(loadedSize));
    // Any octet above the blank makes a line that is not blank, so the file replaces the texts.
    bool replaced = false;
    for (char c : file) replaced = replaced || static_cast<unsigned char>(c) > 32;
    if (!replaced) FUZZ_CHECK(loadedSize == builtInSize, QString::number(loadedSize));
    for (int entry = -1; entry <= loadedSize + 1; ++entry) {
        const QString text = CatalogueText(catalogue, entry);
        // A loaded entry is one line of the file, never a blank one.
        if (replaced && entry >= 0 && entry < loadedSize) {
            FUZZ_CHECK(!text.contains(QLatin1Char('\n')), text);
            FUZZ_CHECK(!IsBlank(text), text);
        }
    }
    for (int number = -1500; number <= 1500; number += 7) MapSnmpError(number);
    for (int number : {0, 1, 18, 19, 1400, 1401, 1414, -1401, -1402, -1418, -1, -23, -24}) MapSnmpError(number);
    ResetCatalogue(catalogue);
    FUZZ_CHECK(CatalogueSize(catalogue) == builtInSize, QString::number(CatalogueSize(catalogue)));
    return 0;
}
