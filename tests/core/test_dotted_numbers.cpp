// Dotted decimal texts read and written in one pass: exactly the accepted form, and numbers
// at the ends of their ranges.

#include <QtTest>

#include "snmp/dotted_numbers.h"

class TestDottedNumbers : public QObject {
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QList<uint>>("numbers");
        QTest::newRow("one") << "0" << true << QList<uint>{0};
        QTest::newRow("oid") << "1.3.6.1.2.1.17" << true << QList<uint>{1, 3, 6, 1, 2, 1, 17};
        QTest::newRow("largest") << "4294967295.0" << true << QList<uint>{4294967295u, 0};
        QTest::newRow("ten digits with zeros") << "0000000001" << true << QList<uint>{1};
        QTest::newRow("beyond 32 bits") << "4294967296" << false << QList<uint>{};
        QTest::newRow("eleven digits") << "00000000001" << false << QList<uint>{};
        QTest::newRow("empty") << "" << false << QList<uint>{};
        QTest::newRow("leading dot") << ".1.3" << false << QList<uint>{};
        QTest::newRow("trailing dot") << "1.3." << false << QList<uint>{};
        QTest::newRow("doubled dot") << "1..3" << false << QList<uint>{};
        QTest::newRow("sign") << "1.-3" << false << QList<uint>{};
        QTest::newRow("blank") << "1. 3" << false << QList<uint>{};
        QTest::newRow("other digits") << QString::fromUtf8("1.\u0663") << false << QList<uint>{};
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(QList<uint>, numbers);
        std::vector<uint32_t> ids{7};  // what was there before stays, and nothing else on failure
        QCOMPARE(ParseDottedNumbers(text, ids), accepted);
        std::vector<uint32_t> expected{7};
        expected.insert(expected.end(), numbers.begin(), numbers.end());
        QCOMPARE(ids, expected);
    }

    void text_data()
    {
        QTest::addColumn<std::vector<unsigned long long>>("numbers");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << std::vector<unsigned long long>{} << "";
        QTest::newRow("zero") << std::vector<unsigned long long>{0} << "0";
        QTest::newRow("oid") << std::vector<unsigned long long>{1, 3, 6, 1, 4, 1, 58126} << "1.3.6.1.4.1.58126";
        QTest::newRow("64 bits") << std::vector<unsigned long long>{18446744073709551615ull, 10}
                                 << "18446744073709551615.10";
        std::vector<unsigned long long> many(128, 4294967295ull);
        QStringList pieces;
        for (size_t i = 0; i < many.size(); ++i) pieces << QStringLiteral("4294967295");
        QTest::newRow("longer than the stack buffer") << many << pieces.join(u'.');
    }

    void text()
    {
        QFETCH(std::vector<unsigned long long>, numbers);
        QFETCH(QString, text);
        QCOMPARE(DottedNumbersText(numbers.data(), numbers.size()), text);
    }
};


QTEST_GUILESS_MAIN(TestDottedNumbers)
#include "test_dotted_numbers.moc"
