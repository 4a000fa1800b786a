#include "errors.h"

#include <QFile>
#include <array>
#include <vector>

namespace {

// Common catalogue: slot N is code -N. Slots without a use keep a text of their own kind.
const std::vector<QString> kCommon = {
    QStringLiteral(" Ok!"),
    QStringLiteral(" Bad logic operand!"),
    QStringLiteral(" Bad format specifier of edit's constraint!"),
    QStringLiteral(" Empty value is not allowed!"),
    QStringLiteral(" Please enter a string whose length is less than [MAXLEN]!"),
    QStringLiteral(" Please enter a string whose length is [LEN]!"),
    QStringLiteral(" Please enter a hex string whose length is less than [MAXLEN]!"),
    QStringLiteral(" Please enter a hex string whose length is [LEN]!"),
    QStringLiteral(" Please enter a number between [MIN] and [MAX]!"),
    QStringLiteral(" Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
                   "Here,the count of the number is less than [MAXCOUNT]!"),
    QStringLiteral(" Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
                   "Here,the count of the number is equal to [COUNT]!"),
    QStringLiteral(" Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
                   "Here,each number is between [MIN] and [MAX]!"),
    QStringLiteral(" Please enter a valid date!"),
    QStringLiteral(" Please enter a valid time!"),
    QStringLiteral(" Please enter a valid date and time!"),
    QStringLiteral(" Please enter a valid number!"),
    QStringLiteral(" Please enter a valid integer!"),
    QStringLiteral(" Please enter a valid hex string!"),
    QStringLiteral(" Please enter a valid delimited number string!"),
    QStringLiteral(" Please enter a valid IP address!"),
    QStringLiteral(" Please enter a valid multicast IP address!"),
    QStringLiteral(" Please enter a valid IPV6 address!"),
    QStringLiteral(" Please enter a valid multicast IPV6 address!"),
    QStringLiteral(" Please enter a valid MAC address!"),
    QStringLiteral(" Please enter a valid multicast MAC address!"),
    QStringLiteral(" Please enter a valid unicast MAC address!"),
};

const std::vector<QString> kSnmpStatus = {
    QStringLiteral("(SNMP) Response PDU Too Big!"),
    QStringLiteral("(SNMP) Variable does not exist!"),
    QStringLiteral("(SNMP) Cannot modify variable: Bad Value!"),
    QStringLiteral("(SNMP) Cannot modify object, Read Only!"),
    QStringLiteral("(SNMP) Cannot perform operation, General Error!"),
    QStringLiteral("(SNMP) Cannot access variable, No Access!"),
    QStringLiteral("(SNMP) Cannot create/modify variable, Wrong Type!"),
    QStringLiteral("(SNMP) Cannot create/set variable, Wrong Length!"),
    QStringLiteral("(SNMP) Cannot create/set variable, Wrong Encoding!"),
    QStringLiteral("(SNMP) Cannot create/set variable, Wrong Value!"),
    QStringLiteral("(SNMP) Cannot create variable, Creation Not Allowed!"),
    QStringLiteral("(SNMP) Cannot create/set variable, Inconsistent Value!"),
    QStringLiteral("(SNMP) Cannot create/set variable, Resource Unavailable!"),
    QStringLiteral("(SNMP) Cannot create/set variable, Commit Failed!"),
    QStringLiteral("(SNMP) Cannot create/set variable, Undo Failed!"),
    QStringLiteral("(SNMP) Cannot perform operation, Authorization Error!"),
    QStringLiteral("(SNMP) Cannot create/set variable, Not Writable!"),
    QStringLiteral("(SNMP) Cannot create variable, Inconsistent Name!"),
};

const std::vector<QString> kMp = {
    QStringLiteral("(SNMPv3) Unsupported Security Model!"),
    QStringLiteral("(SNMPv3) Message not in Time Window!"),
    QStringLiteral("(SNMPv3) Received same Message twice!"),
    QStringLiteral("(SNMPv3) Invalid Message!"),
    QStringLiteral("(SNMPv3) Invalid EngineID!"),
    QStringLiteral("(SNMPv3) v3MP not initialized!"),
    QStringLiteral("(SNMPv3) Parse Error!"),
    QStringLiteral("(SNMPv3) Received Message with unknown MsgID!"),
    QStringLiteral("(SNMPv3) Message does not match known message!"),
    QStringLiteral("(SNMPv3) Community format error!"),
    QStringLiteral("(SNMPv3) Unknown UserName!"),
    QStringLiteral("(SNMPv3) Build error!"),
    QStringLiteral("(SNMPv3) USM: error!"),
    QStringLiteral("(SNMPv3) Unknown pdu handlers!"),
    QStringLiteral("(SNMPv3) Unavailable Context!"),
    QStringLiteral("(SNMPv3) Unknown Context!"),
    QStringLiteral("(SNMPv3) Report sent!"),
};

const std::vector<QString> kUsm = {
    QStringLiteral("(SNMPv3USM) error!"),
    QStringLiteral("(SNMPv3USM) Configfile write error!"),
    QStringLiteral("(SNMPv3USM) Unsupported SecurityLevel!"),
    QStringLiteral("(SNMPv3USM) Unknown SecurityName!"),
    QStringLiteral("(SNMPv3USM) Encryption error!"),
    QStringLiteral("(SNMPv3USM) Decryption error!"),
    QStringLiteral("(SNMPv3USM) Authentication error!"),
    QStringLiteral("(SNMPv3USM) Authentication failure!"),
    QStringLiteral("(SNMPv3USM) Parse error!"),
    QStringLiteral("(SNMPv3USM) Unknown EngineID!"),
    QStringLiteral("(SNMPv3USM) Message not in TimeWindow!"),
    QStringLiteral("(SNMPv3USM) Unsupported AuthProtocol!"),
    QStringLiteral("(SNMPv3USM) Unsupported PrivProtocol!"),
    QStringLiteral("(SNMPv3USM) Address error!"),
};

const std::vector<QString> kClass = {
    QStringLiteral("(SNMPClass) Operation failed!"),
    QStringLiteral("(SNMPClass) Resource unavailable!"),
    QStringLiteral("(SNMPClass) Internal error!"),
    QStringLiteral("(SNMPClass) Unsupported function!"),
    QStringLiteral("(SNMPClass) SNMP request timed out!"),
    QStringLiteral("(SNMPClass) Received SNMP Response!"),
    QStringLiteral("(SNMPClass) Received SNMP Notification (trap or inform)!"),
    QStringLiteral("(SNMPClass) Closing session with outstanding requests!"),
    QStringLiteral("(SNMPClass)Unknown error code!"),
    QStringLiteral("(SNMPClass) Class not valid!"),
    QStringLiteral("(SNMPClass) Invalid Pdu!"),
    QStringLiteral("(SNMPClass) Invalid Target!"),
    QStringLiteral("(SNMPClass) Invalid (null) Callback Function!"),
    QStringLiteral("(SNMPClass) Invalid Request Id!"),
    QStringLiteral("(SNMPClass) Invalid Notification Id!"),
    QStringLiteral("(SNMPClass) SNMP Operation not supported on specified Target!"),
    QStringLiteral("(SNMPClass) Invalid Object Identifier!"),
    QStringLiteral("(SNMPClass) Invalid Address!"),
    QStringLiteral("(SNMPClass) Agent indicates error in SNMP request!"),
    QStringLiteral("(SNMP Class) Transport is not supported!"),
    QStringLiteral("(SNMPClass) Transport is in use!"),
    QStringLiteral("(SNMPClass) Transport operation failed!"),
    QStringLiteral("(SNMPClass) Blocked Mode Shutdown!"),
};

const std::vector<QString> kLibrary = {
    QStringLiteral("Ok!"),
    QStringLiteral("Fail to read SNMP variables from file([FILENAME])!"),
    QStringLiteral("Bad format at line([LINENO])in SNMP variables file([FILENAME])!"),
    QStringLiteral("Bad item type at line([LINENO])in SNMP variables file([FILENAME])!"),
    QStringLiteral("Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!"),
    QStringLiteral("Bad access type at line([LINENO])in SNMP variables file([FILENAME])!"),
    QStringLiteral("Cannot create the global QxSNMP++ session!"),
    QStringLiteral("Error when loading SNMP engine boots counter!"),
    QStringLiteral("Error when saving SNMP engine boots counter!"),
    QStringLiteral("Invalid IP Address or DNS name!"),
    QStringLiteral("Can't send get-next command for a SNMP variable list with single value!"),
    QStringLiteral("Bad SNMP syntax!"),
    QStringLiteral("Null value in the expression!"),
    QStringLiteral("Bad SNMP syntax in the expression!"),
    QStringLiteral("Bad key count of SNMP variable list!"),
    QStringLiteral("Bad item type of SNMP variable list!"),
    QStringLiteral("Bad item type of associated SNMP variable list!"),
    QStringLiteral("Bad syntax of the associated SNMP variable's (partial) data!"),
    QStringLiteral("Bad value of the associated SNMP variable's (partial) data!"),
    QStringLiteral("Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!"),
    QStringLiteral("No reference option list for a SNMP variable's (partial) data associating with a optional "
                   "visual control!"),
    QStringLiteral("Bad type of the associated visual control!"),
    QStringLiteral("Count of the associated visual controls is not enough!"),
    QStringLiteral("No system start time for the time whose data source is the SNMP variable's (partial) data "
                   "with syntax timeticks!"),
    QStringLiteral("Count of the value items for the chart's history data is not enough!"),
    QStringLiteral("Log database is not connected!"),
    QStringLiteral("Log database field not found!"),
    QStringLiteral("Bad syntax for the history chart of log!"),
    QStringLiteral("Unknown error code!"),
};

const std::vector<QString> kStatusTemplates = {
    QStringLiteral("Get: [ERROR] Request:[VARLIST]. Receive at [TIME]."),
    QStringLiteral("Set: [ERROR] Request:[VARLIST]. Receive at [TIME]."),
};

const std::vector<QString>& BuiltIn(Catalogue catalogue)
{
    switch (catalogue) {
    case Catalogue::Common: return kCommon;
    case Catalogue::SnmpStatus: return kSnmpStatus;
    case Catalogue::Mp: return kMp;
    case Catalogue::Usm: return kUsm;
    case Catalogue::Class: return kClass;
    case Catalogue::Library: return kLibrary;
    case Catalogue::StatusTemplates: return kStatusTemplates;
    }
    return kLibrary;
}

constexpr int kCatalogueCount = 7;

// Loaded texts; empty until a file replaces the built-in texts.
std::array<std::vector<QString>, kCatalogueCount>& Loaded()
{
    static std::array<std::vector<QString>, kCatalogueCount> loaded;
    return loaded;
}

bool IsBlank(const QString& line)
{
    for (QChar c : line)
        if (c.unicode() > 32) return false;
    return true;
}

// Reads the file as the loader sees it: pieces of at most 1023 characters, each ending at a
// line feed or at the piece limit.
std::vector<QByteArray> ReadPieces(QFile& file)
{
    constexpr qint64 kPiece = 1023;
    std::vector<QByteArray> pieces;
    while (!file.atEnd()) {
        QByteArray piece = file.readLine(kPiece + 1);
        if (piece.isEmpty()) break;
        pieces.push_back(piece);
    }
    return pieces;
}

}  // namespace

QString CatalogueText(Catalogue catalogue, int entry)
{
    if (entry < 0) return {};
    const auto& loaded = Loaded()[static_cast<size_t>(catalogue)];
    if (entry < static_cast<int>(loaded.size())) return loaded[static_cast<size_t>(entry)];
    const auto& builtIn = BuiltIn(catalogue);
    if (entry < static_cast<int>(builtIn.size())) return builtIn[static_cast<size_t>(entry)];
    return {};
}

int CatalogueSize(Catalogue catalogue)
{
    const auto& loaded = Loaded()[static_cast<size_t>(catalogue)];
    return static_cast<int>(loaded.empty() ? BuiltIn(catalogue).size() : loaded.size());
}

void LoadCatalogue(Catalogue catalogue, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return;
    std::vector<QString> texts;
    for (QByteArray piece : ReadPieces(file)) {
        if (piece.endsWith("\r\n"))
            piece.chop(2);
        else if (piece.endsWith('\n'))
            piece.chop(1);
        // Blank is judged on the decoded text: the decoder drops a leading byte-order mark, and
        // a line that held only one must not take a number.
        QString text = QString::fromLocal8Bit(piece);
        if (IsBlank(text)) continue;
        texts.push_back(std::move(text));
    }
    if (texts.empty()) return;
    Loaded()[static_cast<size_t>(catalogue)] = std::move(texts);
}

void ResetCatalogue(Catalogue catalogue)
{
    Loaded()[static_cast<size_t>(catalogue)].clear();
}

MappedError MapSnmpError(int number)
{
    if (number == 0 || number == 1400 || number == -1401) return {0, CatalogueText(Catalogue::Library, 0)};
    if (number >= 1 && number <= 18) return {-(number + 100), CatalogueText(Catalogue::SnmpStatus, number - 1)};
    if (number >= 1401 && number <= 1414) return {1100 - number, CatalogueText(Catalogue::Usm, number - 1401)};
    if (number >= -1418 && number <= -1402) return {number + 1201, CatalogueText(Catalogue::Mp, -1402 - number)};
    if (number >= -23 && number <= -1) return {number - 400, CatalogueText(Catalogue::Class, -1 - number)};
    return {LibErr::Unknown, CatalogueText(Catalogue::Library, 28)};
}

AppException::AppException(QString message, int code)
    : message_(std::move(message)), code_(code), utf8_(message_.toStdString())
{
}

void RaiseLibraryError(int code)
{
    throw AppException(CatalogueText(Catalogue::Library, -code - 500), code);
}

void RaiseCommonError(int slot)
{
    throw AppException(CatalogueText(Catalogue::Common, slot), -slot);
}

void RaiseMapped(const MappedError& error)
{
    throw AppException(error.message, error.code);
}
