#include <QtTest>

#include <bit>
#include <functional>

#include "values/optionlist.h"
#include "values/valuetext.h"
#include "snmp/errors.h"

Q_DECLARE_METATYPE(QxVb)

namespace {

QxSNMPVar Var(uint32_t type, uint32_t access = AccessRead, QString value = {}, const QxOptionList* options = nullptr)
{
    QxSNMPVar v;
    v.Oid = QStringLiteral("1.3.6.1.4.1.58126.1");
    v.Type = type;
    v.Access = access;
    v.Value = std::move(value);
    v.Options = options;
    return v;
}

QxVb Int(int64_t value)
{
    QxVb vb;
    vb.Syntax = Syntax::Integer;
    vb.Integer = value;
    return vb;
}

QxVb Uns(uint8_t syntax, uint64_t value)
{
    QxVb vb;
    vb.Syntax = syntax;
    vb.Unsigned = value;
    return vb;
}

QxVb Octets(const QByteArray& bytes, uint8_t syntax = Syntax::OctetString)
{
    QxVb vb;
    vb.Syntax = syntax;
    vb.Bytes = bytes;
    return vb;
}

QxVb Hex(const char* hex, uint8_t syntax = Syntax::OctetString)
{
    return Octets(QByteArray::fromHex(hex), syntax);
}

QxVb Oid(const char* dotted)
{
    QxVb vb;
    vb.Syntax = Syntax::ObjectId;
    vb.ObjectId = QString::fromLatin1(dotted);
    return vb;
}

QxVb NoValue(uint8_t syntax = Syntax::Null)
{
    QxVb vb;
    vb.Syntax = syntax;
    return vb;
}

QByteArray DoubleLe(double v)
{
    QByteArray b;
    const auto bits = std::bit_cast<uint64_t>(v);
    for (int i = 0; i < 8; ++i) b.append(static_cast<char>((bits >> (8 * i)) & 0xFF));
    return b;
}

// 2009-03-07 14:05:09 as days since 1899-12-30.
const double kDate = 39879.0 + (14 * 3600 + 5 * 60 + 9) / 86400.0;

QString Describe(const QxVb& vb)
{
    return QStringLiteral("syntax %1 int %2 uns %3 bytes %4 oid %5")
        .arg(vb.Syntax)
        .arg(vb.Integer)
        .arg(vb.Unsigned)
        .arg(QString::fromLatin1(vb.Bytes.toHex()), vb.ObjectId);
}

// The library code raised by f, or 0.
int CodeOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const AppException& e) {
        return e.code();
    }
    return 0;
}

const QxOptionList kEnabled{{1, "enabled"}, {2, "disabled"}};

const QList<uint32_t> kVariableTypes = {1, 2, 3, 4, 5, 6, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77};
const QList<uint32_t> kPartOnlyTypes = {193, 194, 195, 196, 197, 198};

}  // namespace

class TestValueText : public QObject {
    Q_OBJECT

private slots:
    void receivedValues_data();
    void receivedValues();
    void sentValues_data();
    void sentValues();
    void valueRoundTrip_data();
    void valueRoundTrip();
    void optionListAppliesBothWays();
    void addressTextIsNumbersOnly_data();
    void addressTextIsNumbersOnly();
    void untouchedValueGoesBackAsReceived_data();
    void untouchedValueGoesBackAsReceived();
    void editedDisplayStringIsEncodedAsShown_data();
    void editedDisplayStringIsEncodedAsShown();
    void notDoneIsNeverSent();

    void indexes_data();
    void indexes();
    void indexSuffixTooShort_data();
    void indexSuffixTooShort();
    void indexEncodingSpecialCases();
    void rowIsAddressedByTheInstanceRead_data();
    void rowIsAddressedByTheInstanceRead();

    void rawToText_data();
    void rawToText();
    void textToRaw_data();
    void textToRaw();
    void extractPart_data();
    void extractPart();
    void partPipelineShowsMacOfLongerString();

    void unknownTypeCodes();
    void malformedInputNeverCrashes();

    void hexText_data();
    void hexText();
    void timeTicksText_data();
    void timeTicksText();
    void dateAndTime_data();
    void dateAndTime();
    void dateAndTimeNow();
    void daysSince1899_data();
    void daysSince1899();
    void daysSince1899RoundTrip();
    void binaryStringBits();
};

// ---- Received bindings -----------------------------------------------------------------

void TestValueText::receivedValues_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<QxVb>("vb");
    QTest::addColumn<QString>("text");

    QTest::newRow("boolean 5") << 1u << Int(5) << "true";
    QTest::newRow("boolean 0") << 1u << Int(0) << "false";
    QTest::newRow("integer") << 2u << Int(-5) << "-5";
    QTest::newRow("bitstr") << 3u << Hex("00a0ff") << "00A0FF";
    QTest::newRow("octetstr") << 4u << Hex("00a0ff") << "00A0FF";
    QTest::newRow("opaque") << 68u << Hex("0102", Syntax::Opaque) << "0102";
    QTest::newRow("macaddress") << 73u << Hex("001122aabbcc") << "001122AABBCC";
    QTest::newRow("ipv6address") << 77u << Hex("fe800000000000000000000000000001") << "FE800000000000000000000000000001";
    QTest::newRow("null") << 5u << Int(3) << "(NULL)";
    QTest::newRow("objectid") << 6u << Oid("1.3.6.1.2.1") << "1.3.6.1.2.1";
    QTest::newRow("ipaddress") << 64u << Hex("0a000001", Syntax::IpAddress) << "10.0.0.1";
    QTest::newRow("ipaddress as 4 octets") << 64u << Hex("c0a801fe") << "192.168.1.254";
    QTest::newRow("nsapaddr") << 69u << Hex("ffffffff", Syntax::IpAddress) << "255.255.255.255";
    QTest::newRow("counter") << 65u << Uns(Syntax::Counter32, 4294967295u) << "4294967295";
    QTest::newRow("guage") << 66u << Uns(Syntax::Gauge32, 7) << "7";
    QTest::newRow("uinteger") << 71u << Uns(Syntax::Gauge32, 100) << "100";
    QTest::newRow("counter64") << 70u << Uns(Syntax::Counter64, (1ull << 32) + 5) << "4294967301";
    QTest::newRow("counter64 max") << 70u << Uns(Syntax::Counter64, ~0ull) << "18446744073709551615";
    QTest::newRow("HC counter on a 32-bit code") << 65u << Uns(Syntax::Counter64, (1ull << 40) + 7) << "1099511627783";
    QTest::newRow("HC counter on the integer code") << 2u << Uns(Syntax::Counter64, (1ull << 40) + 7) << "1099511627783";
    QTest::newRow("ticks one day") << 67u << Uns(Syntax::TimeTicks, 8640000) << "1 day 0:00:00.00";
    QTest::newRow("ticks two days") << 67u << Uns(Syntax::TimeTicks, 17280001) << "2 days, 0:00:00.01";
    QTest::newRow("ticks one minute") << 67u << Uns(Syntax::TimeTicks, 6000) << "0:01:00.00";
    QTest::newRow("double") << 72u << Octets(DoubleLe(1.5)) << "1.5";
    QTest::newRow("double, 15 digits") << 72u << Octets(DoubleLe(1.0 / 3)) << "0.333333333333333";
    QTest::newRow("double, first 8 octets") << 72u << Octets(DoubleLe(-2.25) + "xyz") << "-2.25";
    QTest::newRow("datetime +8:0") << 74u << Hex("07d903070e0509002b0800") << "2009-3-7,14:5:9.0,+8:0";
    QTest::newRow("datetime zero offset") << 74u << Hex("07d903070e0509002b0000") << "2009-3-7,14:5:9.0";
    QTest::newRow("datetime 8 octets (RFC 2579)") << 74u << Hex("07d903070e050903") << "2009-3-7,14:5:9.3";
    QTest::newRow("bcdatetime") << 75u << Octets(DoubleLe(kDate)) << "2009/03/07 02:05:09 pm";
    QTest::newRow("displaystr stops at zero") << 76u << Octets(QByteArray("abc\0def", 7)) << "abc";
    QTest::newRow("displaystr utf-8") << 76u << Octets("Z\xc3\xbcrich") << QString::fromUtf8("Zürich");
    QTest::newRow("displaystr latin-1") << 76u << Octets("Z\xfcrich") << QString::fromUtf8("Zürich");
    QTest::newRow("displaystr tab and line ends") << 76u << Octets("a\tb\r\n") << "a\tb\r\n";
    QTest::newRow("displaystr binary bridge id") << 76u << Octets(QByteArray("\x80\x00\x00\x11\x22\x33\x44\x55", 8))
                                                 << "8000001122334455";
    QTest::newRow("displaystr binary date") << 76u << Octets(QByteArray("\x07\xea\x0c\x0a\x03\x14\x00\x00", 8))
                                            << "07EA0C0A03140000";

    // No value: "(NULL)", except the empty text for DisplayString and no octets for hex codes.
    QTest::newRow("integer, NULL") << 2u << NoValue() << "(NULL)";
    QTest::newRow("integer, noSuchInstance") << 2u << NoValue(Syntax::NoSuchInstance) << "(NULL)";
    QTest::newRow("counter64, endOfMibView") << 70u << NoValue(Syntax::EndOfMibView) << "(NULL)";
    QTest::newRow("displaystr, NULL") << 76u << NoValue() << "";
    QTest::newRow("octetstr, noSuchObject") << 4u << NoValue(Syntax::NoSuchObject) << "";
    QTest::newRow("datetime, no octets") << 74u << Octets({}) << "(NULL)";
    QTest::newRow("octetstr, no octets") << 4u << Octets({}) << "";

    // Another type than the code expects: shown as it arrived, never misread.
    QTest::newRow("integer gets octets") << 2u << Octets("ab") << "6162";
    QTest::newRow("integer gets gauge") << 2u << Uns(Syntax::Gauge32, 4000000000u) << "4000000000";
    QTest::newRow("boolean gets octets") << 1u << Hex("01") << "01";
    QTest::newRow("counter gets negative integer") << 65u << Int(-1) << "-1";
    QTest::newRow("ticks gets integer") << 67u << Int(100) << "0:00:01.00";
    QTest::newRow("ticks gets negative integer") << 67u << Int(-100) << "-100";
    QTest::newRow("ipaddress gets integer") << 64u << Int(7) << "7";
    QTest::newRow("ipaddress gets 6 octets") << 64u << Hex("001122334455") << "001122334455";
    QTest::newRow("objectid gets octets") << 6u << Hex("0102") << "0102";
    QTest::newRow("octetstr gets ipaddress") << 4u << Hex("0a000001", Syntax::IpAddress) << "10.0.0.1";
    QTest::newRow("octetstr gets integer") << 4u << Int(12) << "12";
    QTest::newRow("displaystr gets integer") << 76u << Int(42) << "42";
    QTest::newRow("displaystr gets oid") << 76u << Oid("1.3.6") << "1.3.6";
    // Octet strings shorter than the code needs: hex text of what arrived.
    QTest::newRow("double, 4 octets") << 72u << Hex("0000f03f") << "0000F03F";
    QTest::newRow("datetime, 7 octets") << 74u << Hex("07d903070e0509") << "07D903070E0509";
    QTest::newRow("bcdatetime, 1 octet") << 75u << Hex("ff") << "FF";
}

void TestValueText::receivedValues()
{
    QFETCH(uint, type);
    QFETCH(QxVb, vb);
    QFETCH(QString, text);
    QxSNMPVar var = Var(type, AccessRead, QStringLiteral("old"));
    VbToText(var, vb);
    QCOMPARE(var.Value, text);
}

// ---- Values to send --------------------------------------------------------------------

void TestValueText::sentValues_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QxVb>("vb");

    QTest::newRow("boolean true") << 1u << "true" << Int(1);
    QTest::newRow("boolean True") << 1u << "True" << Int(0);
    QTest::newRow("integer") << 2u << "-12abc" << Int(-12);
    QTest::newRow("integer, no digits") << 2u << "abc" << Int(0);
    QTest::newRow("integer, blanks and plus") << 2u << "  +42" << Int(42);
    QTest::newRow("integer beyond Integer32") << 2u << "99999999999" << Int(2147483647);
    QTest::newRow("integer below Integer32") << 2u << "-99999999999" << Int(-2147483647 - 1);
    QTest::newRow("bitstr") << 3u << "0 a0 ff" << Hex("00a0ff");
    QTest::newRow("octetstr odd") << 4u << "ABC" << Hex("0abc");
    QTest::newRow("octetstr empty") << 4u << "" << Hex("");
    QTest::newRow("opaque as octets") << 68u << "0102" << Hex("0102");
    QTest::newRow("macaddress") << 73u << "00-11-22" << Hex("00011022");  // "-" counts as 0
    QTest::newRow("ipv6address") << 77u << "FE80 0000" << Hex("fe800000");
    QTest::newRow("null") << 5u << "12" << NoValue();
    QTest::newRow("objectid") << 6u << "1.3.6.1.4" << Oid("1.3.6.1.4");
    QTest::newRow("objectid empty") << 6u << "" << Oid("0.0");
    QTest::newRow("ipaddress") << 64u << "192.168.1.254" << Hex("c0a801fe", Syntax::IpAddress);
    QTest::newRow("nsapaddr") << 69u << " 10.0.0.1 " << Hex("0a000001", Syntax::IpAddress);
    QTest::newRow("counter keeps low 32 bits") << 65u << "4294967301" << Uns(Syntax::Gauge32, 5);
    QTest::newRow("guage -1") << 66u << "-1" << Uns(Syntax::Gauge32, 4294967295u);
    QTest::newRow("uinteger") << 71u << "7" << Uns(Syntax::Gauge32, 7);
    QTest::newRow("ticks text") << 67u << "0:01:00.00" << Uns(Syntax::TimeTicks, 6000);
    QTest::newRow("ticks bare number") << 67u << "6000" << Uns(Syntax::TimeTicks, 0);
    QTest::newRow("ticks one day") << 67u << "1 day 0:00:00.00" << Uns(Syntax::TimeTicks, 8640000);
    QTest::newRow("ticks two days") << 67u << "2 days, 0:00:00.01" << Uns(Syntax::TimeTicks, 17280001);
    QTest::newRow("counter64") << 70u << "4294967301" << Uns(Syntax::Counter64, (1ull << 32) + 5);
    QTest::newRow("counter64 fraction dropped") << 70u << "12.9" << Uns(Syntax::Counter64, 12);
    QTest::newRow("counter64 max") << 70u << "18446744073709551615" << Uns(Syntax::Counter64, ~0ull);
    QTest::newRow("counter64 saturates") << 70u << "99999999999999999999999" << Uns(Syntax::Counter64, ~0ull);
    QTest::newRow("double") << 72u << "1.5" << Octets(DoubleLe(1.5));
    QTest::newRow("double exponent") << 72u << "-2.5e3" << Octets(DoubleLe(-2500));
    QTest::newRow("double not a number") << 72u << "abc" << Octets(DoubleLe(0));
    QTest::newRow("datetime -5:30") << 74u << "2009-3-7,14:5:9.0,-5:30" << Hex("07d903070e0509002d051e");
    QTest::newRow("datetime no offset") << 74u << "2009-3-7,14:5:9.0" << Hex("07d903070e0509002b0000");
    QTest::newRow("bcdatetime") << 75u << "2009/03/07 02:05:09 pm" << Octets(DoubleLe(kDate));
    QTest::newRow("displaystr utf-8") << 76u << QString::fromUtf8("Zürich") << Octets("Z\xc3\xbcrich");
    QTest::newRow("integer (NULL)") << 2u << "(NULL)" << NoValue();
    QTest::newRow("displaystr (NULL)") << 76u << "(NULL)" << NoValue();
}

void TestValueText::sentValues()
{
    QFETCH(uint, type);
    QFETCH(QString, text);
    QFETCH(QxVb, vb);
    QxVb out;
    out.Oid = QStringLiteral("1.3.6.1.2.1.1.5.0");
    out.Bytes = "stale";
    TextToVb(Var(type, AccessRead | AccessWrite, text), out);
    QCOMPARE(out.Oid, QStringLiteral("1.3.6.1.2.1.1.5.0"));
    QCOMPARE(Describe(out), Describe(vb));
}

// What an agent would send back for what we sent, shown again, gives the same text.
void TestValueText::valueRoundTrip_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<QString>("text");
    QTest::newRow("boolean") << 1u << "true";
    QTest::newRow("integer") << 2u << "-2147483648";
    QTest::newRow("bitstr") << 3u << "80FF00";
    QTest::newRow("octetstr") << 4u << "00A0FF";
    QTest::newRow("objectid") << 6u << "1.3.6.1.4.1.58126";
    QTest::newRow("ipaddress") << 64u << "172.16.0.254";
    QTest::newRow("nsapaddr") << 69u << "0.0.0.0";
    QTest::newRow("counter") << 65u << "4294967295";
    QTest::newRow("guage") << 66u << "0";
    QTest::newRow("ticks") << 67u << "497 days, 2:27:52.95";
    QTest::newRow("opaque") << 68u << "DEADBEEF";
    QTest::newRow("counter64") << 70u << "4294967301";
    QTest::newRow("uinteger") << 71u << "123456";
    QTest::newRow("double") << 72u << "3.14159265358979";
    QTest::newRow("macaddress") << 73u << "0011223344FF";
    QTest::newRow("datetime") << 74u << "2024-12-31,23:59:60.9,-11:45";
    QTest::newRow("bcdatetime midnight") << 75u << "2024/02/29 12:00:00 am";
    QTest::newRow("bcdatetime noon") << 75u << "2024/02/29 12:00:00 pm";
    QTest::newRow("bcdatetime before base") << 75u << "1850/06/15 11:59:59 pm";
    QTest::newRow("displaystr") << 76u << QString::fromUtf8("Büro 3 – Rack 7");
    QTest::newRow("ipv6address") << 77u << "20010DB8000000000000000000000001";
    QTest::newRow("null marker") << 2u << "(NULL)";
}

void TestValueText::valueRoundTrip()
{
    QFETCH(uint, type);
    QFETCH(QString, text);
    QxVb vb;
    TextToVb(Var(type, AccessWrite, text), vb);
    QxSNMPVar shown = Var(type);
    VbToText(shown, vb);
    QCOMPARE(shown.Value, text);
}

void TestValueText::optionListAppliesBothWays()
{
    QxSNMPVar var = Var(VarType::Integer, AccessRead | AccessWrite, {}, &kEnabled);
    VbToText(var, Int(2));
    QCOMPARE(var.Value, QStringLiteral("disabled"));
    VbToText(var, Int(7));
    QCOMPARE(var.Value, QStringLiteral("7"));
    VbToText(var, NoValue());
    QCOMPARE(var.Value, QStringLiteral("(NULL)"));

    QxVb vb;
    var.Value = QStringLiteral("disabled");
    TextToVb(var, vb);
    QCOMPARE(Describe(vb), Describe(Int(2)));
    var.Value = QStringLiteral("(NULL)");
    TextToVb(var, vb);
    QCOMPARE(vb.Syntax, Syntax::Null);

    // Indexes too: the label is shown, the value goes into the instance.
    QxSNMPVar index = Var(VarType::Integer, AccessIndex, {}, &kEnabled);
    QCOMPARE(IndexToText(index, QStringLiteral("1.9"), false), QStringLiteral("9"));
    QCOMPARE(index.Value, QStringLiteral("enabled"));
    QCOMPARE(TextToIndex(index, false), QStringLiteral("1"));
}

void TestValueText::addressTextIsNumbersOnly_data()
{
    QTest::addColumn<QString>("text");
    // Names would go to the resolver (and "localhost" would resolve): never looked up.
    QTest::newRow("localhost") << "localhost";
    QTest::newRow("a name") << "switch.example";
    QTest::newRow("empty") << "";
    QTest::newRow("blanks") << "   ";
    QTest::newRow("zero inside") << QString::fromLatin1("a\0b", 3);
    QTest::newRow("one number") << "2130706433";
    QTest::newRow("hex part") << "0x7f.0.0.1";
    QTest::newRow("three parts") << "127.0.1";
    QTest::newRow("part above 255") << "10.0.0.256";
    QTest::newRow("part wraps to 0") << "4294967296.1.1.1";
    QTest::newRow("four digits") << "0010.0.0.1";
}

void TestValueText::addressTextIsNumbersOnly()
{
    QFETCH(QString, text);
    for (uint32_t type : {VarType::IpAddress, VarType::NsapAddress}) {
        QxVb vb = Int(3);
        QCOMPARE(CodeOf([&] { TextToVb(Var(type, AccessWrite, text), vb); }), LibErr::BadAddress);
        QCOMPARE(Describe(vb), Describe(Int(3)));  // nothing half-filled
    }
}

// Octets the user did not touch go back byte for byte, whatever text they were shown as.
void TestValueText::untouchedValueGoesBackAsReceived_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("octets");
    QTest::addColumn<QString>("shown");

    QByteArray c1;
    for (int b = 0x80; b <= 0x9F; ++b) c1.append(static_cast<char>(b));
    QTest::newRow("bridge id as display string") << 76u << QByteArray::fromHex("8000001122334455")
                                                 << "8000001122334455";
    QTest::newRow("8-bit text") << 76u << QByteArray::fromHex("5AFC72696368") << QString::fromUtf8("Zürich");
    QTest::newRow("octets 80 to 9F") << 76u << c1 << QString::fromLatin1(c1.toHex().toUpper());
    QTest::newRow("text ending in a zero and more") << 76u << QByteArray("abc\0def", 7) << "abc";
    QTest::newRow("datetime of 8 octets") << 74u << QByteArray::fromHex("07D903070E050900") << "2009-3-7,14:5:9.0";
    QTest::newRow("datetime direction not a sign")
        << 74u << QByteArray::fromHex("07D903070E0509003F0000") << "2009-3-7,14:5:9.0";
    QTest::newRow("double of 17 digits") << 72u << DoubleLe(0.1 + 0.2) << "0.3";
}

void TestValueText::untouchedValueGoesBackAsReceived()
{
    QFETCH(uint, type);
    QFETCH(QByteArray, octets);
    QFETCH(QString, shown);
    QxSNMPVar var = Var(type, AccessRead | AccessWrite);
    VbToText(var, Octets(octets));
    QCOMPARE(var.Value, shown);

    // A copy of the list (a write saves and restores it) keeps what the value came from.
    const QxSNMPVar copy = var;
    QxVb sent;
    TextToVb(copy, sent);
    QCOMPARE(Describe(sent), Describe(Octets(octets)));
}

void TestValueText::editedDisplayStringIsEncodedAsShown_data()
{
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("sent");

    const QByteArray bridgeId = QByteArray::fromHex("8000001122334455");
    const QByteArray latin1 = QByteArray::fromHex("5AFC72696368");
    QTest::newRow("hex shown, hex typed") << bridgeId << "80 00 00 11 22 33 44 66" << QByteArray::fromHex("8000001122334466");
    QTest::newRow("hex shown, text typed") << bridgeId << "core-1" << QByteArray("core-1");
    QTest::newRow("hex shown, odd digits") << bridgeId << "ABC" << QByteArray("ABC");
    QTest::newRow("latin-1 shown, latin-1 typed") << latin1 << QString::fromUtf8("Zürichsee")
                                                  << QString::fromUtf8("Zürichsee").toLatin1();
    QTest::newRow("latin-1 shown, beyond latin-1") << latin1 << QString::fromUtf8("Zürich €")
                                                   << QString::fromUtf8("Zürich €").toUtf8();
    QTest::newRow("utf-8 shown") << QByteArray("Z\xc3\xbcrich") << QString::fromUtf8("Zürichsee")
                                 << QString::fromUtf8("Zürichsee").toUtf8();
    QTest::newRow("plain text shown, hex typed") << QByteArray("name") << "8000" << QByteArray("8000");
}

void TestValueText::editedDisplayStringIsEncodedAsShown()
{
    QFETCH(QByteArray, received);
    QFETCH(QString, typed);
    QFETCH(QByteArray, sent);
    QxSNMPVar var = Var(VarType::DisplayString, AccessRead | AccessWrite);
    VbToText(var, Octets(received));
    var.Value = typed;
    QxVb vb;
    TextToVb(var, vb);
    QCOMPARE(vb.Bytes.toHex(), sent.toHex());

    // Nothing received (a row being added): what is typed is UTF-8.
    QxVb fresh;
    TextToVb(Var(VarType::DisplayString, AccessWrite, typed), fresh);
    QCOMPARE(fresh.Bytes, typed.toUtf8());
}

// "(NOTDONE)" is a column without a value: its letters are no hex digits or number to send.
void TestValueText::notDoneIsNeverSent()
{
    const QString notDone = QStringLiteral("(NOTDONE)");
    for (uint32_t type : kVariableTypes) {
        QxVb vb = Int(3);
        QCOMPARE(CodeOf([&] { TextToVb(Var(type, AccessWrite, notDone), vb); }), LibErr::PartValue);
        QCOMPARE(Describe(vb), Describe(Int(3)));
        QCOMPARE(TextToRaw(notDone, type), QByteArray());
    }
}

// ---- Instance suffixes -----------------------------------------------------------------

void TestValueText::indexes_data()
{
    QTest::addColumn<QList<uint>>("types");
    QTest::addColumn<QList<uint>>("access");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QStringList>("texts");

    const uint idx = AccessIndex, implied = AccessIndex | AccessImplied;
    QTest::newRow("octetstr then integer") << QList<uint>{4, 2} << QList<uint>{idx, idx} << "4.1.2.3.4.7"
                                           << QStringList{"01020304", "7"};
    QTest::newRow("implied octetstr") << QList<uint>{4} << QList<uint>{implied} << "1.2.3" << QStringList{"010203"};
    QTest::newRow("implied, not last: length kept") << QList<uint>{4, 2} << QList<uint>{implied, idx} << "2.9.8.5"
                                                    << QStringList{"0908", "5"};
    QTest::newRow("empty octetstr") << QList<uint>{3, 2} << QList<uint>{idx, idx} << "0.6" << QStringList{"", "6"};
    QTest::newRow("bitstr, opaque") << QList<uint>{3, 68} << QList<uint>{idx, idx} << "1.128.2.255.0"
                                    << QStringList{"80", "FF00"};
    QTest::newRow("displaystr with length") << QList<uint>{76} << QList<uint>{idx} << "3.97.98.99"
                                            << QStringList{"abc"};
    QTest::newRow("implied displaystr") << QList<uint>{2, 76} << QList<uint>{idx, implied} << "1.112.117.98"
                                        << QStringList{"1", "pub"};
    QTest::newRow("objectid then integer") << QList<uint>{6, 2} << QList<uint>{idx, idx} << "3.1.3.6.9"
                                           << QStringList{"1.3.6", "9"};
    QTest::newRow("implied objectid") << QList<uint>{2, 6} << QList<uint>{idx, implied} << "5.1.3.6.1"
                                      << QStringList{"5", "1.3.6.1"};
    QTest::newRow("ipaddress then integer") << QList<uint>{64, 2} << QList<uint>{idx, idx} << "10.0.0.1.3"
                                            << QStringList{"10.0.0.1", "3"};
    QTest::newRow("nsapaddr") << QList<uint>{69} << QList<uint>{idx} << "255.0.0.255" << QStringList{"255.0.0.255"};
    QTest::newRow("macaddress") << QList<uint>{2, 73} << QList<uint>{idx, idx} << "1.0.17.34.51.68.255"
                                << QStringList{"1", "0011223344FF"};
    QTest::newRow("boolean, negative integer") << QList<uint>{1, 2} << QList<uint>{idx, idx} << "1.4294967295"
                                               << QStringList{"true", "-1"};
    QTest::newRow("boolean false") << QList<uint>{1} << QList<uint>{idx} << "0" << QStringList{"false"};
    QTest::newRow("unsigned codes") << QList<uint>{65, 66, 71} << QList<uint>{idx, idx, idx} << "1.4294967295.3"
                                    << QStringList{"1", "4294967295", "3"};
    QTest::newRow("timeticks") << QList<uint>{67} << QList<uint>{idx} << "6000" << QStringList{"0:01:00.00"};
    QTest::newRow("counter64 high then low") << QList<uint>{70} << QList<uint>{idx} << "1.5"
                                             << QStringList{"4294967301"};
    QTest::newRow("double low then high") << QList<uint>{72} << QList<uint>{idx} << "0.1073217536"
                                          << QStringList{"1.5"};
    const uint64_t dateBits = std::bit_cast<uint64_t>(kDate);
    QTest::newRow("bcdatetime") << QList<uint>{75} << QList<uint>{idx}
                                << QStringLiteral("%1.%2").arg(uint32_t(dateBits)).arg(uint32_t(dateBits >> 32))
                                << QStringList{"2009/03/07 02:05:09 pm"};
    QTest::newRow("datetime") << QList<uint>{74, 2} << QList<uint>{idx, idx} << "7.217.3.7.14.5.9.0.43.8.0.4"
                              << QStringList{"2009-3-7,14:5:9.0,+8:0", "4"};
    QTest::newRow("ipv6address") << QList<uint>{77, 2} << QList<uint>{idx, idx}
                                 << "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1.2"
                                 << QStringList{"FE800000000000000000000000000001", "2"};
    QTest::newRow("implied ipv6address") << QList<uint>{77} << QList<uint>{implied}
                                         << "32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.1"
                                         << QStringList{"20010DB8000000000000000000000001"};
    QTest::newRow("null takes nothing") << QList<uint>{5, 2} << QList<uint>{idx, idx} << "7"
                                        << QStringList{"(NULL)", "7"};
}

// Decoding walks the columns left to right, each taking from the rest of the one before;
// encoding the texts again gives the same instance.
void TestValueText::indexes()
{
    QFETCH(QList<uint>, types);
    QFETCH(QList<uint>, access);
    QFETCH(QString, suffix);
    QFETCH(QStringList, texts);

    std::vector<QxSNMPVar> columns;
    for (qsizetype i = 0; i < types.size(); ++i) columns.push_back(Var(types[i], access[i]));
    QString rest = suffix;
    QStringList got;
    for (size_t i = 0; i < columns.size(); ++i) {
        rest = IndexToText(columns[i], rest, i + 1 == columns.size());
        got << columns[i].Value;
    }
    QCOMPARE(got, texts);
    QCOMPARE(rest, QString());

    QStringList pieces;
    for (size_t i = 0; i < columns.size(); ++i) {
        const QString piece = TextToIndex(columns[i], i + 1 == columns.size());
        if (!piece.isEmpty()) pieces << piece;
    }
    QCOMPARE(pieces.join(QLatin1Char('.')), suffix);
}

void TestValueText::indexSuffixTooShort_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<uint>("access");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("integer, nothing") << 2u << uint(AccessIndex) << "";
    QTest::newRow("length beyond the end") << 4u << uint(AccessIndex) << "5.1.2";
    QTest::newRow("huge length") << 76u << uint(AccessIndex) << "4294967295.1";
    QTest::newRow("oid length beyond the end") << 6u << uint(AccessIndex) << "3.1.3";
    QTest::newRow("ipaddress of two") << 64u << uint(AccessIndex) << "10.0";
    QTest::newRow("macaddress of three") << 73u << uint(AccessIndex) << "1.2.3";
    QTest::newRow("counter64 of one") << 70u << uint(AccessIndex) << "1";
    QTest::newRow("datetime of ten") << 74u << uint(AccessIndex) << "7.217.3.7.14.5.9.0.43.8";
    QTest::newRow("ipv6 of fifteen") << 77u << uint(AccessIndex) << "1.2.3.4.5.6.7.8.9.10.11.12.13.14.15";
}

void TestValueText::indexSuffixTooShort()
{
    QFETCH(uint, type);
    QFETCH(uint, access);
    QFETCH(QString, suffix);
    QxSNMPVar var = Var(type, access, QStringLiteral("kept"));
    QCOMPARE(CodeOf([&] { IndexToText(var, suffix, true); }), LibErr::KeyCount);
    QCOMPARE(var.Value, QStringLiteral("kept"));
}

void TestValueText::indexEncodingSpecialCases()
{
    // The rest of the suffix after one column comes back for the next.
    QxSNMPVar port = Var(VarType::Integer, AccessIndex);
    QCOMPARE(IndexToText(port, QStringLiteral("12.3.4"), false), QStringLiteral("3.4"));
    QCOMPARE(port.Value, QStringLiteral("12"));

    // MAC and IPv6 texts too short for their width contribute nothing.
    QCOMPARE(TextToIndex(Var(VarType::MacAddress, AccessIndex, "0011223344"), true), QString());
    QCOMPARE(TextToIndex(Var(VarType::MacAddress, AccessIndex, "00112233445566"), true),
             QStringLiteral("0.17.34.51.68.85"));
    QCOMPARE(TextToIndex(Var(VarType::Ipv6Address, AccessIndex, "FE80"), true), QString());
    // An address text always gives four sub-identifiers, so later columns stay in place.
    QCOMPARE(TextToIndex(Var(VarType::IpAddress, AccessIndex, "10.1"), false), QStringLiteral("10.1.0.0"));
    // An empty string index is its zero length; implied and last it is nothing at all.
    QCOMPARE(TextToIndex(Var(VarType::DisplayString, AccessIndex, ""), true), QStringLiteral("0"));
    QCOMPARE(TextToIndex(Var(VarType::DisplayString, AccessIndex | AccessImplied, ""), true), QString());
    QCOMPARE(TextToIndex(Var(VarType::Null, AccessIndex, "x"), true), QString());
}

// Set and Delete address the row read, even where its index text would encode otherwise.
void TestValueText::rowIsAddressedByTheInstanceRead_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<uint>("access");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("shown");
    QTest::newRow("8-bit text") << 76u << uint(AccessIndex) << "6.90.252.114.105.99.104" << QString::fromUtf8("Zürich");
    QTest::newRow("8-bit text implied") << 76u << uint(AccessIndex | AccessImplied) << "90.252" << QString::fromUtf8("Zü");
    QTest::newRow("octets 80 to 9F") << 76u << uint(AccessIndex) << "2.128.159" << QString::fromLatin1("\x80\x9f");
    QTest::newRow("sub-identifier above 255") << 4u << uint(AccessIndex) << "1.300" << "2C";
    QTest::newRow("double") << 72u << uint(AccessIndex) << "858993460.1070805811" << "0.3";
    QTest::newRow("datetime direction not a sign") << 74u << uint(AccessIndex) << "7.217.3.7.14.5.9.0.63.0.0"
                                                   << "2009-3-7,14:5:9.0";
}

void TestValueText::rowIsAddressedByTheInstanceRead()
{
    QFETCH(uint, type);
    QFETCH(uint, access);
    QFETCH(QString, suffix);
    QFETCH(QString, shown);
    // An IMPLIED index is the last; any other is followed here by one more column.
    const bool last = (access & AccessImplied) != 0;
    QxSNMPVar index = Var(type, access);
    QCOMPARE(IndexToText(index, last ? suffix : suffix + QStringLiteral(".7"), last), last ? QString() : QStringLiteral("7"));
    QCOMPARE(index.Value, shown);
    const QxSNMPVar copy = index;
    QCOMPARE(TextToIndex(copy, last), suffix);
}

// ---- Raw parts -------------------------------------------------------------------------

void TestValueText::rawToText_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("error");

    auto row = [](const char* name, uint type, const char* hex, const char* text, int error = 0) {
        QTest::newRow(name) << type << QByteArray::fromHex(hex) << QString::fromUtf8(text) << error;
    };
    row("boolean", 1, "01000000", "true");
    row("boolean false", 1, "00000000", "false");
    row("integer", 2, "feffffff", "-2");
    row("bitstr", 3, "80", "80");
    row("octetstr", 4, "00a0ff", "00A0FF");
    row("null", 5, "01", "(NULL)");
    row("objectid", 6, "01000000030000000600000002", "1.3.6");  // the partial fourth is dropped
    row("ipaddress", 64, "0a000001ff", "10.0.0.1");
    row("counter", 65, "ffffffff", "4294967295");
    row("guage", 66, "07000000", "7");
    row("timeticks", 67, "b4140000", "0:00:53.00");
    row("opaque", 68, "ab", "AB");
    row("nsapaddr", 69, "c0a80101", "192.168.1.1");
    row("counter64 low first", 70, "0500000001000000", "4294967301");
    row("uinteger", 71, "00000080", "2147483648");
    row("double", 72, "000000000000f83f", "1.5");
    row("macaddress", 73, "001122334455", "001122334455");
    row("datetime", 74, "07d903070e0509002b0800", "2009-3-7,14:5:9.0,+8:0");
    row("displaystr", 76, "616263006465", "abc");
    row("ipv6address", 77, "fe800000000000000000000000000001", "FE800000000000000000000000000001");
    row("bool8", 193, "02", "true");
    row("int8", 194, "ff", "-1");
    row("uint8", 195, "ff", "255");
    row("bool16", 196, "0100", "true");
    row("int16 shown unsigned", 197, "ffff", "65535");
    row("uint16 big-endian", 198, "0102", "258");
    row("empty", 2, "", "(NULL)");
    row("empty displaystr", 76, "", "");
    row("empty bool8", 193, "", "(NULL)");
    // Fewer octets than the type needs.
    row("integer of 3", 2, "010203", "", LibErr::PartValue);
    row("ipaddress of 3", 64, "0a0000", "", LibErr::PartValue);
    row("counter64 of 7", 70, "01020304050607", "", LibErr::PartValue);
    row("double of 7", 72, "01020304050607", "", LibErr::PartValue);
    row("macaddress of 5", 73, "0102030405", "", LibErr::PartValue);
    row("datetime of 10", 74, "07d903070e0509002b08", "", LibErr::PartValue);
    row("bcdatetime of 7", 75, "01020304050607", "", LibErr::PartValue);
    row("ipv6 of 15", 77, "fe8000000000000000000000000000", "", LibErr::PartValue);
    row("int16 of 1", 197, "ff", "", LibErr::PartValue);
    row("bool16 of 1", 196, "01", "", LibErr::PartValue);
}

void TestValueText::rawToText()
{
    QFETCH(uint, type);
    QFETCH(QByteArray, raw);
    QFETCH(QString, text);
    QFETCH(int, error);
    QString got;
    QCOMPARE(CodeOf([&] { got = RawToText(raw, type); }), error);
    if (!error) QCOMPARE(got, text);
}

void TestValueText::textToRaw_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("raw");

    auto row = [](const char* name, uint type, const char* text, const char* hex) {
        QTest::newRow(name) << type << QString::fromUtf8(text) << QByteArray::fromHex(hex);
    };
    row("boolean", 1, "true", "01000000");
    row("boolean other", 1, "yes", "00000000");
    row("bool8", 193, "true", "01");
    row("bool16", 196, "true", "0001");
    row("integer", 2, "-2", "feffffff");
    row("counter", 65, "4294967295", "ffffffff");
    row("guage", 66, "258", "02010000");
    row("uinteger", 71, "1", "01000000");
    row("int8", 194, "-1", "ff");
    row("uint8 low 8 bits", 195, "257", "01");
    row("int16", 197, "-2", "fffe");
    row("uint16 low 16 bits", 198, "65537", "0001");
    row("bitstr", 3, "80 0", "0800");
    row("octetstr", 4, "00A0FF", "00a0ff");
    row("opaque", 68, "x1", "01");
    row("macaddress", 73, "001122334455", "001122334455");
    row("ipv6address", 77, "FE80", "fe80");
    row("null", 5, "anything", "");
    row("objectid", 6, "1.3.6", "010000000300000006000000");
    row("ipaddress", 64, "10.0.0.1", "0a000001");
    row("nsapaddr", 69, "1.2", "0102");
    row("timeticks", 67, "0:00:53.00", "b4140000");
    row("counter64", 70, "4294967301", "0500000001000000");
    row("double", 72, "1.5", "000000000000f83f");
    row("datetime", 74, "2009-3-7,14:5:9.0,+8:0", "07d903070e0509002b0800");
    row("displaystr", 76, "Zürich", "5ac3bc72696368");
    row("(NULL) is empty", 2, "(NULL)", "");
    row("(NULL) is empty for bool8", 193, "(NULL)", "");
}

void TestValueText::textToRaw()
{
    QFETCH(uint, type);
    QFETCH(QString, text);
    QFETCH(QByteArray, raw);
    QCOMPARE(TextToRaw(text, type).toHex(), raw.toHex());
}

void TestValueText::extractPart_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<int>("offset");
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("part");
    QTest::addColumn<int>("error");

    const QByteArray twelve = QByteArray::fromHex("000102030405a0a1a2a3a4a5");
    QTest::newRow("mac at 6 of 12") << twelve << 6 << 73u << twelve.mid(6) << 0;
    QTest::newRow("mac at 7 of 12") << twelve << 7 << 73u << QByteArray() << LibErr::PartRange;
    QTest::newRow("integer at 0") << twelve << 0 << 2u << twelve.left(4) << 0;
    QTest::newRow("ipaddress at 8") << twelve << 8 << 64u << twelve.mid(8) << 0;
    QTest::newRow("counter64 at 4") << twelve << 4 << 70u << twelve.mid(4, 8) << 0;
    QTest::newRow("double at 5") << twelve << 5 << 72u << QByteArray() << LibErr::PartRange;
    QTest::newRow("datetime at 1") << twelve << 1 << 74u << twelve.mid(1) << 0;
    QTest::newRow("ipv6 of 12") << twelve << 0 << 77u << QByteArray() << LibErr::PartRange;
    QTest::newRow("uint8 at last") << twelve << 11 << 195u << twelve.mid(11) << 0;
    QTest::newRow("uint8 past the end") << twelve << 12 << 195u << QByteArray() << LibErr::PartRange;
    QTest::newRow("int16 at 10") << twelve << 10 << 197u << twelve.mid(10) << 0;
    QTest::newRow("bool16 at 11") << twelve << 11 << 196u << QByteArray() << LibErr::PartRange;
    QTest::newRow("octets take the rest") << twelve << 9 << 4u << twelve.mid(9) << 0;
    QTest::newRow("displaystr at the end") << twelve << 12 << 76u << QByteArray() << 0;
    QTest::newRow("octets past the end") << twelve << 13 << 3u << QByteArray() << LibErr::PartRange;
    QTest::newRow("negative offset") << twelve << -1 << 195u << QByteArray() << LibErr::PartRange;
    QTest::newRow("null takes nothing") << twelve << 3 << 5u << QByteArray() << 0;
    QTest::newRow("empty value") << QByteArray() << 40 << 73u << QByteArray() << 0;
}

void TestValueText::extractPart()
{
    QFETCH(QByteArray, raw);
    QFETCH(int, offset);
    QFETCH(uint, type);
    QFETCH(QByteArray, part);
    QFETCH(int, error);
    QByteArray got;
    QCOMPARE(CodeOf([&] { got = ExtractPart(raw, offset, type); }), error);
    if (!error) QCOMPARE(got.toHex(), part.toHex());
}

void TestValueText::partPipelineShowsMacOfLongerString()
{
    // How a binding shows bytes 6 to 11 of an octet string as a MAC address.
    const QString value = QStringLiteral("000102030405A0A1A2A3A4A5");
    const QByteArray raw = TextToRaw(value, VarType::OctetString);
    QCOMPARE(RawToText(ExtractPart(raw, 6, VarType::MacAddress), VarType::MacAddress),
             QStringLiteral("A0A1A2A3A4A5"));
    // And one port's bit of a port list as a byte.
    QCOMPARE(RawToText(ExtractPart(TextToRaw(QStringLiteral("0040"), VarType::BitString), 1, VarType::UInt8),
                       VarType::UInt8),
             QStringLiteral("64"));
}

// ---- Errors ----------------------------------------------------------------------------

void TestValueText::unknownTypeCodes()
{
    QList<uint32_t> notVariables = kPartOnlyTypes;
    notVariables << 0 << 7 << 63 << 78 << 192 << 199 << 0xFFFFFFFFu;
    for (uint32_t type : notVariables) {
        QxSNMPVar var = Var(type, AccessIndex, QStringLiteral("kept"));
        QxVb vb = Int(9);
        QCOMPARE(CodeOf([&] { VbToText(var, Int(1)); }), LibErr::BadSyntax);
        QCOMPARE(CodeOf([&] { TextToVb(var, vb); }), LibErr::BadSyntax);
        QCOMPARE(CodeOf([&] { IndexToText(var, QStringLiteral("1.2"), true); }), LibErr::BadSyntax);
        QCOMPARE(CodeOf([&] { TextToIndex(var, true); }), LibErr::BadSyntax);
        QCOMPARE(var.Value, QStringLiteral("kept"));
        QCOMPARE(Describe(vb), Describe(Int(9)));
    }
    for (uint32_t type : {0u, 7u, 78u, 192u, 199u}) {
        QCOMPARE(CodeOf([&] { TextToRaw(QStringLiteral("1"), type); }), LibErr::BadSyntax);
        QCOMPARE(CodeOf([&] { RawToText(QByteArray("\1\2\3\4", 4), type); }), LibErr::BadSyntax);
        QCOMPARE(CodeOf([&] { ExtractPart(QByteArray("\1\2\3\4", 4), 0, type); }), LibErr::BadSyntax);
    }
    // The message is the catalogue's.
    try {
        RaiseLibraryError(LibErr::PartRange);
    } catch (const AppException& e) {
        QCOMPARE(e.message(),
                 QStringLiteral("Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!"));
    }
}

// Every conversion, every code, hostile input: only the documented errors, no crash, no read
// past the end (the sanitizer build watches the last part).
void TestValueText::malformedInputNeverCrashes()
{
    const QStringList texts = {"",
                               "(NULL)",
                               "(NOTDONE)",
                               "-",
                               ".",
                               "...",
                               "99999999999999999999999999",
                               "-99999999999999999999999999",
                               "4294967296.4294967296",
                               "1e400",
                               "nan",
                               "day days,::..",
                               "99999 days, 99999:99999:99999.99999",
                               "65535-255-255,255:255:255.255,+255:255",
                               "9999/12/31 11:59:59 pm",
                               "0000/00/00 00:00:00 xm",
                               QString::fromUtf8("ÿ\xc3\x28 \u20ac"),
                               QString(300, QLatin1Char('F')),
                               QStringLiteral("1.2.3.4.5.6.7.8.9.10.11.12.13.14.15.16.17.18")};
    const QList<QByteArray> raws = {QByteArray(),           QByteArray(1, '\xff'), QByteArray(3, '\0'),
                                    QByteArray(7, '\x80'),  QByteArray(10, '\xff'), QByteArray(11, '\xff'),
                                    QByteArray(16, '\x7f'), QByteArray(40, '\xa5')};
    QList<QxVb> vbs = {NoValue(), NoValue(Syntax::NoSuchObject), NoValue(Syntax::EndOfMibView),
                       Int(INT64_MIN), Uns(Syntax::Counter64, ~0ull), Uns(Syntax::TimeTicks, ~0ull),
                       Oid(""), Oid("1.3")};
    for (const QByteArray& raw : raws) {
        vbs << Octets(raw) << Octets(raw, Syntax::Opaque) << Octets(raw, Syntax::IpAddress);
    }
    const QStringList suffixes = {"", "0", "4294967295", "4294967295.1", "255.255", "abc", "..1..2..",
                                  "99999999999.1.2", "1.2.3.4.5.6.7.8.9.10.11.12.13.14.15.16.17"};

    QList<uint32_t> types = kVariableTypes;
    types << kPartOnlyTypes << 0 << 200;
    const QList<int> allowed = {0, LibErr::BadSyntax, LibErr::BadAddress, LibErr::KeyCount, LibErr::PartValue,
                                LibErr::PartRange};
    int calls = 0;
    auto check = [&](const std::function<void()>& f) {
        const int code = CodeOf(f);
        ++calls;
        if (!allowed.contains(code)) QFAIL(qPrintable(QStringLiteral("unexpected error %1").arg(code)));
    };
    for (uint32_t type : types) {
        for (const QxVb& vb : vbs) {
            QxSNMPVar var = Var(type);
            check([&] { VbToText(var, vb); });
        }
        for (const QString& text : texts) {
            QxVb vb;
            check([&] { TextToVb(Var(type, AccessWrite, text), vb); });
            for (bool last : {false, true}) check([&] { TextToIndex(Var(type, AccessIndex | AccessImplied, text), last); });
            check([&] { RawToText(TextToRaw(text, type), type); });
        }
        for (const QString& suffix : suffixes) {
            for (bool last : {false, true}) {
                QxSNMPVar var = Var(type, AccessIndex | AccessImplied);
                check([&] { IndexToText(var, suffix, last); });
                QxSNMPVar plain = Var(type, AccessIndex);
                check([&] { IndexToText(plain, suffix, last); });
            }
        }
        for (const QByteArray& raw : raws) {
            check([&] { RawToText(raw, type); });
            for (int offset : {-5, 0, 1, 5, 10, 11, 16, 40, 41, INT32_MAX})
                check([&] { ExtractPart(raw, offset, type); });
        }
    }
    QVERIFY(calls > 0);
}

// ---- Shared text forms -----------------------------------------------------------------

void TestValueText::hexText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("blanks and lower case") << "0 a0 ff" << QByteArray::fromHex("00a0ff");
    QTest::newRow("odd count: first digit alone") << "ABC" << QByteArray::fromHex("0abc");
    QTest::newRow("empty") << "" << QByteArray();
    QTest::newRow("only blanks") << " \t " << QByteArray();
    QTest::newRow("non-digits count 0") << "zz1G" << QByteArray::fromHex("0010");
    QTest::newRow("single digit") << "f" << QByteArray::fromHex("0f");
}

void TestValueText::hexText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(HexToBytes(text).toHex(), bytes.toHex());
    QCOMPARE(HexText(bytes), QString::fromLatin1(bytes.toHex().toUpper()));
}

void TestValueText::timeTicksText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<uint>("ticks");
    QTest::newRow("one minute") << "0:01:00.00" << 6000u;
    QTest::newRow("bare number reads 0") << "6000" << 0u;
    QTest::newRow("one day") << "1 day 0:00:00.00" << 8640000u;
    QTest::newRow("days and comma") << "2 days, 0:00:00.01" << 17280001u;
    QTest::newRow("hours only") << "3:" << 1080000u;
    QTest::newRow("seconds without minutes") << "1:5.50" << 360550u;
    QTest::newRow("empty") << "" << 0u;
    QTest::newRow("wraps at 32 bits") << "50 days, 0:00:00.00" << uint((50ull * 8640000) & 0xFFFFFFFF);
}

void TestValueText::timeTicksText()
{
    QFETCH(QString, text);
    QFETCH(uint, ticks);
    QCOMPARE(TimeTicksFromText(text), ticks);
    for (uint32_t t : {0u, 99u, 6000u, 8639999u, 8640000u, 17280001u, UINT32_MAX})
        QCOMPARE(TimeTicksFromText(TimeTicksText(t)), t);
}

void TestValueText::dateAndTime_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("plus offset") << "2009-3-7,14:5:9.0,+8:0" << "2009-3-7,14:5:9.0,+8:0"
                                 << QByteArray::fromHex("07d903070e0509002b0800");
    QTest::newRow("minus offset") << "2009-3-7,14:5:9.0,-5:30" << "2009-3-7,14:5:9.0,-5:30"
                                  << QByteArray::fromHex("07d903070e0509002d051e");
    QTest::newRow("no offset") << "2009-3-7,14:5:9.0" << "2009-3-7,14:5:9.0"
                               << QByteArray::fromHex("07d903070e0509002b0000");
    QTest::newRow("zero offset hidden") << "2009-03-07,14:05:09.0,+0:0" << "2009-3-7,14:5:9.0"
                                        << QByteArray::fromHex("07d903070e0509002b0000");
    QTest::newRow("blanks before numbers") << "2009-3-7, 14:5:9.0" << "2009-3-7,14:5:9.0"
                                           << QByteArray::fromHex("07d903070e0509002b0000");
    QTest::newRow("incomplete offset ignored") << "2009-3-7,14:5:9.0,+8" << "2009-3-7,14:5:9.0"
                                               << QByteArray::fromHex("07d903070e0509002b0000");
    QTest::newRow("no match: all zero") << "7 March 2009" << "0-0-0,0:0:0.0"
                                        << QByteArray::fromHex("00000000000000002b0000");
    QTest::newRow("missing deci-seconds: all zero") << "2009-3-7,14:5:9" << "0-0-0,0:0:0.0"
                                                    << QByteArray::fromHex("00000000000000002b0000");
}

void TestValueText::dateAndTime()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(QByteArray, bytes);
    const QxDateTime t(text);
    QCOMPARE(t.ToBytes().toHex(), bytes.toHex());
    QCOMPARE(t.ToText(), shown);
    QCOMPARE(QxDateTime::FromBytes(bytes).ToText(), shown);
}

void TestValueText::dateAndTimeNow()
{
    const QDate today = QDate::currentDate();
    const QxDateTime now;
    QVERIFY(std::abs(QDate(now.year, now.month, now.day).daysTo(today)) <= 1);
    QCOMPARE(now.deciSeconds, uint8_t{0});
    QCOMPARE(now.direction, '+');
    QCOMPARE(now.utcHours, uint8_t{0});
    QCOMPARE(now.utcMinutes, uint8_t{0});
    // A direction octet other than "+" or "-" never shows an offset.
    QCOMPARE(QxDateTime::FromBytes(QByteArray::fromHex("07d903070e05090000081e")).ToText(),
             QStringLiteral("2009-3-7,14:5:9.0"));
}

void TestValueText::daysSince1899_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("days");
    QTest::newRow("afternoon") << "2009/03/07 02:05:09 pm" << kDate;
    QTest::newRow("upper case, 24-hour") << "2009/03/07 14:05:09" << kDate;
    QTest::newRow("dashes, PM") << "2009-3-7 2:05:09 PM" << kDate;
    QTest::newRow("base") << "1899/12/30 12:00:00 am" << 0.0;
    QTest::newRow("noon") << "1899/12/30 12:00:00 pm" << 0.5;
    QTest::newRow("date only") << "2009/03/07" << 39879.0;
    QTest::newRow("no seconds") << "2009/03/07 06:00 am" << 39879.25;
    QTest::newRow("before the base") << "1899/12/29 06:00:00 am" << -1.25;
    QTest::newRow("plain number") << "39879.5" << 39879.5;
    QTest::newRow("invalid month") << "2009/13/07 02:05:09 pm" << 0.0;
    QTest::newRow("13 pm") << "2009/03/07 13:05:09 pm" << 0.0;
    QTest::newRow("garbage") << "soon" << 0.0;
}

void TestValueText::daysSince1899()
{
    QFETCH(QString, text);
    QFETCH(double, days);
    QCOMPARE(DaysSince1899FromText(text), days);
}

void TestValueText::daysSince1899RoundTrip()
{
    QCOMPARE(DaysSince1899Text(kDate), QStringLiteral("2009/03/07 02:05:09 pm"));
    QCOMPARE(DaysSince1899Text(0.0), QStringLiteral("1899/12/30 12:00:00 am"));
    QCOMPARE(DaysSince1899Text(-1.25), QStringLiteral("1899/12/29 06:00:00 am"));
    // A hair before midnight rounds up to the next day rather than showing 24:00.
    QCOMPARE(DaysSince1899Text(39879.9999999999), QStringLiteral("2009/03/08 12:00:00 am"));
    // No date: the number itself, which reads back.
    QCOMPARE(DaysSince1899Text(1e300), QStringLiteral("1e+300"));
    QCOMPARE(DaysSince1899FromText(DaysSince1899Text(1e300)), 1e300);
    QCOMPARE(DaysSince1899Text(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("nan"));
    for (double d : {0.0, 0.5, 1.75, 36525.999988, 39879.0 + 43199.0 / 86400, -700000.0 + 0.125, 2958465.5}) {
        const QString text = DaysSince1899Text(d);
        QCOMPARE(DaysSince1899Text(DaysSince1899FromText(text)), text);
    }
    const double now = NowAsDaysSince1899();
    QVERIFY(now > 45000 && now < 80000);
}

void TestValueText::binaryStringBits()
{
    QxBinaryString ports;
    QCOMPARE(ports.Length(), 0);
    QVERIFY(!ports.Bit(0));
    ports.SetBit(0, true);   // port 1: MSB of octet 0
    ports.SetBit(10, true);  // port 11: octet 1, mask 0x20
    QCOMPARE(ports.ToHex(), QStringLiteral("8020"));
    QVERIFY(ports.Bit(10));
    QVERIFY(!ports.Bit(9));
    QVERIFY(!ports.Bit(100));
    QVERIFY(!ports.Bit(-1));
    ports.SetBit(0, false);
    ports.SetBit(-3, true);
    QCOMPARE(ports.ToHex(), QStringLiteral("0020"));
    QCOMPARE(QxBinaryString(QByteArray::fromHex("01")).Bit(7), true);
}

QTEST_GUILESS_MAIN(TestValueText)
#include "test_valuetext.moc"
