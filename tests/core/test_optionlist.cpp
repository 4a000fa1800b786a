#include <QtTest>

#include "values/optionlist.h"

class TestOptionList : public QObject {
    Q_OBJECT

private slots:
    void integerLookups_data();
    void integerLookups();
    void zeroIsAnOrdinaryValue();
    void prefixKind();
    void stringKind();
    void caseSensitiveFlag();
    void numListParse_data();
    void numListParse();
    void allWithin();
};

static const QxOptionList kEnabled{{1, "enabled"}, {2, "disabled"}};

void TestOptionList::integerLookups_data()
{
    QTest::addColumn<bool>("toLabel");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("value 2") << true << "2" << "disabled";
    QTest::newRow("unknown value") << true << "3" << "3";
    QTest::newRow("null marker") << true << "(NULL)" << "(NULL)";
    QTest::newRow("not a number") << true << "abc" << "abc";
    QTest::newRow("label in capitals") << false << "ENABLED" << "1";
    QTest::newRow("unknown label") << false << "maybe" << "maybe";
}

void TestOptionList::integerLookups()
{
    QFETCH(bool, toLabel);
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(toLabel ? kEnabled.ValueToLabel(input) : kEnabled.LabelToValue(input), expected);
}

void TestOptionList::zeroIsAnOrdinaryValue()
{
    static const QxIntPair pairs[] = {{0, "unknown"}, {1, "ipv4"}, {0, nullptr}};
    QxOptionList list(pairs);
    QCOMPARE(list.Count(), 2);
    QCOMPARE(list.ValueToLabel("0"), QString("unknown"));
    QCOMPARE(list.LabelToValue("ipv4"), QString("1"));
    QCOMPARE(QxOptionList(static_cast<const QxIntPair*>(nullptr)).Count(), 0);
    // Declared inline with a terminator: the terminator is not an option.
    const QxOptionList inlineList{{0, "unknown"}, {1, "ipv4"}, {0, nullptr}};
    QCOMPARE(inlineList.Count(), 2);
    QCOMPARE(inlineList.ValueToLabel("0"), QString("unknown"));
}

void TestOptionList::prefixKind()
{
    static const QxStrPair pairs[] = {{"ab", "Label-"}, {nullptr, nullptr}};
    QxOptionList list(pairs, OptionKind::Prefix);
    QCOMPARE(list.ValueToLabel("abXYZ"), QString("Label-XYZ"));
    QCOMPARE(list.LabelToValue("Label-XYZ"), QString("abXYZ"));
    QCOMPARE(list.ValueToLabel("a"), QString("a"));
    QCOMPARE(list.FindByValue("ABc"), 0);  // ASCII case ignored
}

void TestOptionList::stringKind()
{
    const QxOptionList& auth = UsmAuthProtocols();
    QCOMPARE(auth.ValueToLabel("1.3.6.1.6.3.10.1.1.3"), QString("SHA"));
    QCOMPARE(auth.LabelToValue("md5"), QString("1.3.6.1.6.3.10.1.1.2"));
    QCOMPARE(auth.ValueToLabel("1.3.6.1.6.3.10.1.1.3.0"), QString("1.3.6.1.6.3.10.1.1.3.0"));
    QCOMPARE(UsmPrivProtocols().Count(), 2);
}

void TestOptionList::caseSensitiveFlag()
{
    static const QxStrPair pairs[] = {{"public", "Public"}, {nullptr, nullptr}};
    const QxOptionList strict(pairs, OptionKind::String, true);
    QCOMPARE(strict.FindByLabel("public"), -1);
    QCOMPARE(strict.FindByValue("PUBLIC"), -1);
    QCOMPARE(strict.LabelToValue("Public"), QString("public"));
    const QxOptionList prefix(pairs, OptionKind::Prefix, true);
    QCOMPARE(prefix.ValueToLabel("PUBLIC2"), QString("PUBLIC2"));
    QCOMPARE(prefix.ValueToLabel("public2"), QString("Public2"));
}

void TestOptionList::numListParse_data()
{
    QTest::addColumn<char>("delimiter");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<uint>>("items");
    QTest::newRow("plain") << ',' << "1,2,10" << QList<uint>{1, 2, 10};
    QTest::newRow("empty") << ',' << "" << QList<uint>{};
    QTest::newRow("trailing delimiter") << ',' << "3," << QList<uint>{3, 0};
    QTest::newRow("double delimiter") << ',' << "1,,2" << QList<uint>{1, 0, 2};
    QTest::newRow("fraction dropped") << ',' << "2.5,7" << QList<uint>{2, 7};
    QTest::newRow("dotted") << '.' << "10.1.2" << QList<uint>{10, 1, 2};
}

void TestOptionList::numListParse()
{
    QFETCH(char, delimiter);
    QFETCH(QString, text);
    QFETCH(QList<uint>, items);
    QxUIntNumList list;
    list.Delimiter = delimiter;
    list.Parse(text);
    QList<uint> got;
    for (uint32_t i = 0; i < list.Count(); ++i) got << list.Get(i);
    QCOMPARE(got, items);
}

void TestOptionList::allWithin()
{
    QxUIntNumList list;
    list.Delimiter = ',';
    list.Parse("1,4");
    QVERIFY(list.AllWithin(1, 4));
    list.Parse("");
    QVERIFY(list.AllWithin(1, 4));
    list.Parse("0,2");
    QVERIFY(!list.AllWithin(1, 4));
    QxIntNumList signedList;
    signedList.Parse("7.8");
    QCOMPARE(signedList.IndexOf(8), 1);
    QCOMPARE(signedList.IndexOf(9), -1);
}

QTEST_GUILESS_MAIN(TestOptionList)
#include "test_optionlist.moc"
