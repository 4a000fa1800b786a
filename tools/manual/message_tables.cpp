#include "message_tables.h"

#include "html.h"
#include "snmp/errors.h"

namespace manual {
namespace {

// The SNMP error-status names of a response PDU, 1 to 18.
constexpr const char* kErrorStatusNames[] = {
    "tooBig",       "noSuchName",        "badValue",      "readOnly",          "genErr",
    "noAccess",     "wrongType",         "wrongLength",   "wrongEncoding",     "wrongValue",
    "noCreation",   "inconsistentValue", "resourceUnavailable", "commitFailed", "undoFailed",
    "authorizationError", "notWritable", "inconsistentName",
};

struct CatalogueInfo {
    Catalogue catalogue;
    const char* file;  // relative to the catalogue base
    const char* heading;
    const char* what;
};

// In loading order; the file names are those start-up loads.
constexpr CatalogueInfo kCatalogues[] = {
    {Catalogue::Common, "errmsg/common.err", "Input checks",
     "Shown in a message box when a value field's input check fails, with the field's limits in place of the "
     "bracketed words."},
    {Catalogue::SnmpStatus, "errmsg/snmp.err", "SNMP error status",
     "The switch's agent refused a request and named the reason in the response."},
    {Catalogue::Mp, "errmsg/snmpv3.err", "SNMPv3 message processing",
     "SNMPv3 messages that could not be processed."},
    {Catalogue::Usm, "errmsg/snmpusm.err", "SNMPv3 user-based security",
     "User, key and protocol problems of SNMPv3."},
    {Catalogue::Class, "errmsg/snmpclass.err", "SNMP session and transport",
     "Problems of the SNMP session itself, among them the time-out."},
    {Catalogue::Library, "errmsg/qxsnmp.err", "Module messages",
     "The module's own messages: session set-up, addresses, value conversions."},
    {Catalogue::StatusTemplates, "errmsg/snmp.msg", "Status line templates",
     "The status lines written after a read and after a write."},
};

// The code a catalogue entry is reported with, as the error mapping and the raisers give it.
QString CodeOf(Catalogue catalogue, int entry)
{
    switch (catalogue) {
    case Catalogue::Common:
        return QString::number(-entry);
    case Catalogue::SnmpStatus:
        return QString::number(MapSnmpError(entry + 1).code);
    case Catalogue::Mp:
        return QString::number(MapSnmpError(-1402 - entry).code);
    case Catalogue::Usm:
        return QString::number(MapSnmpError(1401 + entry).code);
    case Catalogue::Class:
        return QString::number(MapSnmpError(-1 - entry).code);
    case Catalogue::Library:
        return QString::number(entry == 0 ? 0 : -(500 + entry));
    case Catalogue::StatusTemplates:
        return {};
    }
    return {};
}

// Texts may carry leading blanks and line feeds; both matter to the file, so they are shown.
QString TextCell(const QString& text)
{
    QString shown = Escape(text);
    shown.replace(u'\n', QLatin1String("<br>"));
    if (text.startsWith(u' ')) shown = QStringLiteral("&#160;") + shown.mid(1);
    return QStringLiteral("<code>%1</code>").arg(shown);
}

QString CatalogueTable(const CatalogueInfo& info)
{
    const bool templates = info.catalogue == Catalogue::StatusTemplates;
    const bool status = info.catalogue == Catalogue::SnmpStatus;
    QStringList headers{QStringLiteral("Line"), templates ? QStringLiteral("Used") : QStringLiteral("Code")};
    if (status) headers << QStringLiteral("Error status");
    headers << QStringLiteral("Text");
    Table table(headers);

    const int size = CatalogueSize(info.catalogue);
    for (int entry = 0; entry < size; ++entry) {
        QStringList row{QString::number(entry + 1)};
        if (templates)
            row << (entry == 0 ? QStringLiteral("after a read") : entry == 1 ? QStringLiteral("after a write") : QString());
        else
            row << CodeOf(info.catalogue, entry);
        if (status)
            row << (entry < int(std::size(kErrorStatusNames))
                        ? QStringLiteral("%1 (%2)").arg(QLatin1String(kErrorStatusNames[entry])).arg(entry + 1)
                        : QString());
        row << TextCell(CatalogueText(info.catalogue, entry));
        table.AddRow(row);
    }
    return table.Html();
}

}  // namespace

QString MessageTables()
{
    QString html;
    for (const CatalogueInfo& info : kCatalogues) {
        html += QStringLiteral("<h3 id=\"catalogue-%1\">%2 (%3)</h3>\n")
                    .arg(QString::fromLatin1(info.file).section(u'/', 1).replace(u'.', u'-'),
                         QLatin1String(info.heading), Code(QString::fromLatin1(info.file)));
        html += QStringLiteral("<p>%1</p>\n").arg(QLatin1String(info.what));
        html += CatalogueTable(info);
    }
    return html;
}

}  // namespace manual
