// The page kit's input checks on hostile and borderline texts: every check takes the whole text.

#include <QtTest>

#include <limits>

#include "pages/kit/input_checks.h"

Q_DECLARE_METATYPE(Ipv4Class)

class TestInputChecks : public QObject {
    Q_OBJECT

private slots:
    void ipv4_data();
    void ipv4();
    void hex_data();
    void hex();
    void numberIn_data();
    void numberIn();
    void name_data();
    void name();
};

// octets: the hex of what the text stands for, empty when refused.
void TestInputChecks::ipv4_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("octets");
    QTest::addColumn<Ipv4Class>("kind");
    QTest::newRow("plain") << "10.90.90.90" << "0a5a5a5a" << Ipv4Class::Unicast;
    QTest::newRow("zeros") << "0.0.0.0" << "00000000" << Ipv4Class::Unicast;
    QTest::newRow("leading zeros are decimal") << "010.001.099.255" << "0a0163ff" << Ipv4Class::Unicast;
    QTest::newRow("last below class D") << "223.255.255.255" << "dfffffff" << Ipv4Class::Unicast;
    QTest::newRow("first of class D") << "224.0.0.1" << "e0000001" << Ipv4Class::Multicast;
    QTest::newRow("last of class D") << "239.255.255.255" << "efffffff" << Ipv4Class::Multicast;
    QTest::newRow("class E") << "240.0.0.1" << "f0000001" << Ipv4Class::Reserved;
    QTest::newRow("broadcast") << "255.255.255.255" << "ffffffff" << Ipv4Class::Reserved;
    QTest::newRow("double zero") << "10.00.0.1" << "" << Ipv4Class::Unicast;
    QTest::newRow("triple zero last") << "10.0.0.000" << "" << Ipv4Class::Unicast;
    QTest::newRow("256") << "10.0.0.256" << "" << Ipv4Class::Unicast;
    QTest::newRow("four digits") << "10.0.0.0001" << "" << Ipv4Class::Unicast;
    QTest::newRow("three parts") << "10.1.1" << "" << Ipv4Class::Unicast;
    QTest::newRow("five parts") << "1.2.3.4.5" << "" << Ipv4Class::Unicast;
    QTest::newRow("leading dot") << ".1.2.3" << "" << Ipv4Class::Unicast;
    QTest::newRow("trailing dot") << "1.2.3.4." << "" << Ipv4Class::Unicast;
    QTest::newRow("empty part") << "1..2.3" << "" << Ipv4Class::Unicast;
    QTest::newRow("blank around") << " 1.2.3.4" << "" << Ipv4Class::Unicast;
    QTest::newRow("sign") << "1.2.3.+4" << "" << Ipv4Class::Unicast;
    QTest::newRow("hex part") << "1.2.3.0x4" << "" << Ipv4Class::Unicast;
    QTest::newRow("arabic digits") << QString::fromUtf8("1.2.3.\u0664") << "" << Ipv4Class::Unicast;
    QTest::newRow("empty") << "" << "" << Ipv4Class::Unicast;
}

void TestInputChecks::ipv4()
{
    QFETCH(QString, text);
    QFETCH(QString, octets);
    QFETCH(Ipv4Class, kind);
    const std::optional<QByteArray> checked = CheckedIpv4(text);
    QCOMPARE(checked ? QString::fromLatin1(checked->toHex()) : QString(), octets);
    if (checked) QCOMPARE(ClassOfIpv4(*checked), kind);
    QCOMPARE(IsMulticastIpv4(text), checked && kind == Ipv4Class::Multicast);
}

void TestInputChecks::hex_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("octets");  // empty when refused
    QTest::newRow("mac") << "0011223344aA" << 12 << "0011223344aa";
    QTest::newRow("mac with dashes") << "00-11-22-33-44-55" << 12 << "";
    QTest::newRow("mac short") << "00112233445" << 12 << "";
    QTest::newRow("mac long") << "0011223344556" << 12 << "";
    QTest::newRow("mac with g") << "00112233445g" << 12 << "";
    QTest::newRow("four digits") << "ffFF" << 4 << "ffff";
    QTest::newRow("blank inside") << "ff F" << 4 << "";
    QTest::newRow("empty of none") << "" << 0 << "";
}

void TestInputChecks::hex()
{
    QFETCH(QString, text);
    QFETCH(int, digits);
    QFETCH(QString, octets);
    const std::optional<QByteArray> checked = digits == 12 ? CheckedMacIndex(text) : CheckedHex(text, digits);
    QCOMPARE(checked ? QString::fromLatin1(checked->toHex()) : QString(), octets);
}

void TestInputChecks::numberIn_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qlonglong>("minimum");
    QTest::addColumn<qlonglong>("maximum");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("inside") << "4094" << 1LL << 4094LL << true;
    QTest::newRow("below") << "0" << 1LL << 4094LL << false;
    QTest::newRow("above") << "4095" << 1LL << 4094LL << false;
    QTest::newRow("negative") << "-5" << -10LL << 10LL << true;
    QTest::newRow("wraps in 32 bits") << "4294967297" << 1LL << 4094LL << false;
    QTest::newRow("past 64 bits") << "99999999999999999999999" << 1LL << std::numeric_limits<long long>::max() << false;
    QTest::newRow("64-bit maximum") << "9223372036854775807" << 0LL << std::numeric_limits<long long>::max() << true;
    QTest::newRow("plus") << "+5" << 1LL << 10LL << false;
    QTest::newRow("blank after") << "5 " << 1LL << 10LL << false;
    QTest::newRow("trailing letter") << "5a" << 1LL << 10LL << false;
    QTest::newRow("fraction") << "5.0" << 1LL << 10LL << false;
    QTest::newRow("empty") << "" << 0LL << 10LL << false;
    QTest::newRow("minus alone") << "-" << -10LL << 10LL << false;
}

void TestInputChecks::numberIn()
{
    QFETCH(QString, text);
    QFETCH(qlonglong, minimum);
    QFETCH(qlonglong, maximum);
    QFETCH(bool, accepted);
    const std::optional<long long> value = CheckedNumberIn(text, minimum, maximum);
    QCOMPARE(value.has_value(), accepted);
    if (value) QCOMPARE(QString::number(*value), text);
}

void TestInputChecks::name_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("plain") << "default" << true;
    QTest::newRow("with blank") << "lab vlan" << true;
    QTest::newRow("at the limit") << QString(32, QLatin1Char('n')) << true;
    QTest::newRow("over the limit") << QString(33, QLatin1Char('n')) << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("tab") << "a\tb" << false;
    QTest::newRow("not ascii") << QString::fromUtf8("caf\u00e9") << false;
}

void TestInputChecks::name()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QCOMPARE(IsValidName(text, 32), accepted);
}

QTEST_MAIN(TestInputChecks)
#include "test_input_checks.moc"
