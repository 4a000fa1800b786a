#include <QtTest>
#include <limits>

#include "values/editchecks.h"
#include "values/editformat.h"
#include "snmp/errors.h"

class TestEditFormat : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void badFormat_data();
    void badFormat();
    void splitAndCount();
    void filter_data();
    void filter();
    void exitCheck_data();
    void exitCheck();
};

void TestEditFormat::parse_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("conversion");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("address");
    QTest::addColumn<QString>("jump");
    QTest::addColumn<int>("width");

    const double intMin = std::numeric_limits<int32_t>::min();
    const double intMax = std::numeric_limits<int32_t>::max();
    QTest::newRow("range and length") << "%i{n0x65535l5}" << "i" << 0.0 << 65535.0 << 5 << 0 << 0 << "" << 0;
    QTest::newRow("auto-advance") << "%i{n6x40l2a}" << "i" << 6.0 << 40.0 << 2 << 1 << 0 << "" << 0;
    QTest::newRow("empty braces") << "%i{}" << "i" << intMin << intMax << 0 << 0 << 0 << "" << 0;
    QTest::newRow("unsigned, no braces") << "%u" << "u" << 0.0 << 4294967295.0 << 0 << 0 << 0 << "" << 0;
    QTest::newRow("decimal defaults") << "%f" << "f" << std::numeric_limits<double>::lowest()
                                      << std::numeric_limits<double>::max() << 0 << 0 << 0 << "" << 0;
    QTest::newRow("negative and fraction bounds") << "%f{n-1.5x2.25}" << "f" << -1.5 << 2.25 << 0 << 0 << 0 << "" << 0;
    QTest::newRow("exact hex") << "%h{l32f}" << "h" << 0.0 << 0.0 << 32 << 2 << 0 << "" << 0;
    QTest::newRow("three flags and Z") << "%s{l5afnZ}" << "s" << 0.0 << 0.0 << 5 << 7 << 0 << "" << 0;
    QTest::newRow("not empty") << "%s{l8n}" << "s" << 0.0 << 0.0 << 8 << 4 << 0 << "" << 0;
    QTest::newRow("IPv4") << "%s{I}" << "s" << 0.0 << 0.0 << 0 << 0 << 1 << "" << 0;
    QTest::newRow("multicast IPv4") << "%s{Im}" << "s" << 0.0 << 0.0 << 0 << 0 << 2 << "" << 0;
    QTest::newRow("IPv6") << "%s{I6}" << "s" << 0.0 << 0.0 << 0 << 0 << 3 << "" << 0;
    QTest::newRow("multicast IPv6") << "%s{I6m}" << "s" << 0.0 << 0.0 << 0 << 0 << 4 << "" << 0;
    QTest::newRow("I swallows the next letter") << "%s{Ixl4}" << "s" << 0.0 << 0.0 << 4 << 0 << 1 << "" << 0;
    QTest::newRow("MAC") << "%s{M}" << "s" << 0.0 << 0.0 << 0 << 0 << 5 << "" << 0;
    QTest::newRow("multicast MAC") << "%s{Mm}" << "s" << 0.0 << 0.0 << 0 << 0 << 6 << "" << 0;
    QTest::newRow("unicast MAC") << "%h{Mul12}" << "h" << 0.0 << 0.0 << 12 << 0 << 7 << "" << 0;
    QTest::newRow("width and jump") << "%i{w120e.l3}" << "i" << intMin << intMax << 3 << 0 << 0 << "." << 120;
    QTest::newRow("number list") << "%n,{x100l2f}" << "n" << 0.0 << 100.0 << 2 << 2 << 0 << "" << 0;
}

void TestEditFormat::parse()
{
    QFETCH(QString, format);
    QFETCH(QString, conversion);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(int, maxLength);
    QFETCH(int, flags);
    QFETCH(int, address);
    QFETCH(QString, jump);
    QFETCH(int, width);
    const EditFormat f = ParseEditFormat(format);
    QCOMPARE(QString(QLatin1Char(f.conversion)), conversion);
    QCOMPARE(f.minimum, minimum);
    QCOMPARE(f.maximum, maximum);
    QCOMPARE(f.maxLength, maxLength);
    QCOMPARE(int(f.lengthFlags), flags);
    QCOMPARE(int(f.address), address);
    QCOMPARE(f.jump.isNull() ? QString() : QString(f.jump), jump);
    QCOMPARE(f.width, width);
    QCOMPARE(f.custom, format.contains(QLatin1Char('Z')));
    if (f.conversion == 'n') QCOMPARE(f.delimiter, QLatin1Char(','));
}

void TestEditFormat::badFormat_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("empty") << "";
    QTest::newRow("percent alone") << "%";
    QTest::newRow("no percent first") << "i{}";
    QTest::newRow("conversion q") << "%q";
    QTest::newRow("list without delimiter") << "%n";
    QTest::newRow("no brace after conversion") << "%ix";
    QTest::newRow("brace not closed") << "%i{n0x";
    QTest::newRow("lone opening brace") << "%i{";
    QTest::newRow("item k") << "%i{k}";
    QTest::newRow("n without number") << "%i{n}";
    QTest::newRow("x without number") << "%i{xl3}";
    QTest::newRow("l without digits") << "%s{la}";
    QTest::newRow("w without digits") << "%s{w}";
    QTest::newRow("e before the brace") << "%s{e}";
    QTest::newRow("bound that is no number") << "%i{n1-2}";
    QTest::newRow("length beyond 32 bits") << "%s{l99999999999}";
    QTest::newRow("extra closing brace") << "%s{l5}}";
    QTest::newRow("literal after the group") << "%s{l5} ";
}

void TestEditFormat::badFormat()
{
    QFETCH(QString, format);
    try {
        ParseEditFormat(format);
        QFAIL("the format was accepted");
    } catch (const AppException& e) {
        QCOMPARE(e.code(), -2);
        QCOMPARE(e.message(), QStringLiteral(" Bad format specifier of edit's constraint!"));
    }
}

void TestEditFormat::splitAndCount()
{
    QCOMPARE(SplitEditFormat("%i{l3}%s{I}%n.{x9}"), QStringList({"%i{l3}", "%s{I}", "%n.{x9}"}));
    QCOMPARE(SplitEditFormat("%s{l5}-%i"), QStringList({"%s{l5}-", "%i"}));
    QCOMPARE(SplitEditFormat(""), QStringList());
    QCOMPARE(CountEditFormatFields("%i{l3}%s{I}%q%"), 2);
}

void TestEditFormat::filter_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("cursorIn");
    QTest::addColumn<int>("cursorOut");
    QTest::newRow("letter in integer") << "%i" << "12a3" << "123" << 4 << 3;
    QTest::newRow("minus only first") << "%i" << "-5-" << "-5" << 3 << 2;
    QTest::newRow("removal makes minus first") << "%i" << "a-5" << "-5" << 1 << 0;
    QTest::newRow("unsigned refuses minus") << "%u" << "-5" << "5" << 2 << 1;
    QTest::newRow("one decimal point") << "%f" << "-1.2.3" << "-1.23" << 6 << 5;
    QTest::newRow("hex digits") << "%h" << "0aFgG9" << "0aF9" << 3 << 3;
    QTest::newRow("list delimiters") << "%n,{x9}" << ",1,,2," << "1,2," << 6 << 4;
    QTest::newRow("text passes") << "%s{l3}" << "a-. %" << "a-. %" << 0 << 0;
}

void TestEditFormat::filter()
{
    QFETCH(QString, format);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(int, cursorIn);
    QFETCH(int, cursorOut);
    const FilteredText result = FilterTypedText(ParseEditFormat(format), typed, cursorIn);
    QCOMPARE(result.text, kept);
    QCOMPARE(result.removed, int(typed.size() - kept.size()));
    QCOMPARE(result.cursor, cursorOut);
}

namespace {
const QString kAccepted = QStringLiteral("<accepted>");
const QString kEmptyAccepted = QStringLiteral("<empty accepted>");
const QString kBadIp = QStringLiteral(" Please enter a valid IP address!");
const QString kBadMulticastMac = QStringLiteral(" Please enter a valid multicast MAC address!");
const QString kBadUnicastMac = QStringLiteral(" Please enter a valid unicast MAC address!");
const QString kBadMac = QStringLiteral(" Please enter a valid MAC address!");
const QString kListRange = QStringLiteral(" Please enter a delimited number string with delimiter ','.\n"
                                          "Here,each number is between 0 and 100!");
}  // namespace

void TestEditFormat::exitCheck_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    const QString range = QStringLiteral(" Please enter a number between 0 and 65535!");
    QTest::newRow("above the range") << "%i{n0x65535l5}" << "70000" << range;
    QTest::newRow("top of the range") << "%i{n0x65535l5}" << "65535" << kAccepted;
    QTest::newRow("below the range") << "%i{n0x65535l5}" << "-1" << range;
    QTest::newRow("lone minus") << "%i{n0x65535l5}" << "-" << range;
    QTest::newRow("program text no number") << "%i{n0x65535l5}" << "12ab" << range;
    QTest::newRow("beyond 32 bits") << "%i" << "99999999999"
                                    << " Please enter a number between -2147483648 and 2147483647!";
    QTest::newRow("decimal accepts zero and negatives") << "%f" << "-1.5" << kAccepted;
    QTest::newRow("unsigned refuses negatives") << "%u" << "-1" << " Please enter a number between 0 and 4294967295!";

    QTest::newRow("hex one short") << "%h{l32f}" << QString(31, QLatin1Char('a'))
                                   << " Please enter a hex string whose length is 32!";
    QTest::newRow("hex exact") << "%h{l32f}" << QString(32, QLatin1Char('a')) << kAccepted;
    QTest::newRow("hex too long") << "%h{l10}" << QString(11, QLatin1Char('1'))
                                  << " Please enter a hex string whose length is less than 10!";
    QTest::newRow("text too long") << "%s{l12}" << QString(13, QLatin1Char('x'))
                                   << " Please enter a string whose length is less than 12!";
    QTest::newRow("text at the limit") << "%s{l12}" << QString(12, QLatin1Char('x')) << kAccepted;
    QTest::newRow("text not exact") << "%s{l4f}" << "abc" << " Please enter a string whose length is 4!";
    QTest::newRow("empty not allowed") << "%s{l8n}" << "" << " Empty value is not allowed!";
    QTest::newRow("empty allowed") << "%s{l8}" << "" << kEmptyAccepted;
    QTest::newRow("empty number allowed") << "%i{n1x5}" << "" << kEmptyAccepted;

    QTest::newRow("IPv4 256") << "%s{I}" << "10.0.0.256" << kBadIp;
    QTest::newRow("IPv4 three parts") << "%s{I}" << "10.0.0" << kBadIp;
    QTest::newRow("IPv4 negative") << "%s{I}" << "-1.2.3.4" << kBadIp;
    QTest::newRow("IPv4 letter") << "%s{I}" << "10.0.0.x" << kBadIp;
    QTest::newRow("IPv4 empty part") << "%s{I}" << "10..0.1" << kBadIp;
    QTest::newRow("IPv4 too long") << "%s{I}" << "0010.0010.0010.10" << kBadIp;
    QTest::newRow("IPv4 part wraps to 0") << "%s{I}" << "4294967296.1.1.1" << kBadIp;
    QTest::newRow("IPv4 last part wraps to 0") << "%s{I}" << "1.1.1.4294967296" << kBadIp;
    QTest::newRow("IPv4 part wraps below 255") << "%s{I}" << "4294967297.1.1.1" << kBadIp;
    QTest::newRow("IPv4 four digits") << "%s{I}" << "0255.1.1.1" << kBadIp;
    QTest::newRow("IPv4 leading blank") << "%s{I}" << " 1.1.1.1" << kBadIp;
    QTest::newRow("IPv4 plus sign") << "%s{I}" << "+1.1.1.1" << kBadIp;
    QTest::newRow("IPv4 name") << "%s{I}" << "localhost" << kBadIp;
    QTest::newRow("IPv4 three digits with zeros") << "%s{I}" << "001.002.003.255" << kAccepted;
    QTest::newRow("multicast IPv4 wrapping part") << "%s{Im}" << "4294967520.1.1.1" << " Please enter a valid multicast IP address!";
    QTest::newRow("IPv4 valid") << "%s{I}" << "10.0.0.255" << kAccepted;
    QTest::newRow("IPv4 no length check") << "%s{l4I}" << "10.0.0.255" << kAccepted;
    QTest::newRow("multicast IPv4") << "%s{Im}" << "239.1.2.3" << kAccepted;
    QTest::newRow("multicast IPv4 unicast") << "%s{Im}" << "223.1.2.3" << " Please enter a valid multicast IP address!";
    QTest::newRow("IPv6 valid") << "%s{I6}" << "fe80000000000000020000fffe000001" << kAccepted;
    QTest::newRow("IPv6 with colons") << "%s{I6}" << "fe80::1" << " Please enter a valid IPV6 address!";
    QTest::newRow("multicast IPv6") << "%s{I6m}" << "FF020000000000000000000000000001" << kAccepted;
    QTest::newRow("multicast IPv6 unicast") << "%s{I6m}" << "fe800000000000000000000000000001"
                                            << " Please enter a valid multicast IPV6 address!";

    QTest::newRow("multicast MAC dashes") << "%s{Mm}" << "01-00-5E-00-00-01" << kAccepted;
    QTest::newRow("multicast MAC plain") << "%s{Mm}" << "01005e000001" << kAccepted;
    QTest::newRow("multicast MAC ten zeros") << "%s{Mm}" << "01-00-00-00-00-00" << kBadMulticastMac;
    QTest::newRow("multicast MAC even") << "%s{Mm}" << "0A-00-5E-00-00-01" << kBadMulticastMac;
    QTest::newRow("multicast MAC even lower") << "%s{Mm}" << "0a-00-5e-00-00-01" << kBadMulticastMac;
    QTest::newRow("multicast MAC broadcast") << "%s{Mm}" << "ff-ff-ff-FF-FF-FF" << kBadMulticastMac;
    QTest::newRow("unicast MAC broadcast") << "%s{Mu}" << "FF-FF-FF-FF-FF-FF" << kBadUnicastMac;
    QTest::newRow("unicast MAC zeros") << "%s{Mu}" << "00-00-00-00-00-00" << kBadUnicastMac;
    QTest::newRow("unicast MAC valid") << "%s{Mu}" << "00-0A-0B-0C-0D-0E" << kAccepted;
    QTest::newRow("MAC long group") << "%s{M}" << "001-22-33-44-55-66" << kBadMac;
    QTest::newRow("MAC dots") << "%s{M}" << "00.11.22.33.44.55" << kAccepted;
    QTest::newRow("MAC mixed separators") << "%s{M}" << "00-11.22-33-44-55" << kBadMac;
    QTest::newRow("MAC not hex") << "%s{M}" << "0011223344GG" << kBadMac;
    QTest::newRow("MAC five groups") << "%s{M}" << "00-11-22-33-44" << kBadMac;

    QTest::newRow("list in range") << "%n,{x100}" << "1,100" << kAccepted;
    QTest::newRow("list out of range") << "%n,{x100}" << "1,200" << kListRange;
    QTest::newRow("list wrapping item") << "%n,{x100}" << "4294967297" << kListRange;
    QTest::newRow("list letter from the program") << "%n,{x100}" << "1,a" << kListRange;
    QTest::newRow("list count") << "%n,{x100l2f}" << "5"
                                << " Please enter a delimited number string with delimiter ','.\n"
                                   "Here,the count of the number is equal to 2!";
    QTest::newRow("list too many") << "%n,{x100l2}" << "1,2,3"
                                   << " Please enter a delimited number string with delimiter ','.\n"
                                      "Here,the count of the number is less than 2!";
    QTest::newRow("list negative minimum") << "%n,{n-5x100}" << "0" << kAccepted;
}

void TestEditFormat::exitCheck()
{
    QFETCH(QString, format);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const ExitVerdict verdict = CheckExitText(ParseEditFormat(format), text);
    switch (verdict.kind) {
    case ExitVerdict::Accepted: QCOMPARE(kAccepted, expected); break;
    case ExitVerdict::EmptyAccepted: QCOMPARE(kEmptyAccepted, expected); break;
    case ExitVerdict::Refused: QCOMPARE(verdict.message, expected); break;
    }
}

QTEST_GUILESS_MAIN(TestEditFormat)
#include "test_editformat.moc"
