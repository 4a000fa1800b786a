#include <QtTest>
#include <cmath>

#include "values/evaluate.h"
#include "snmp/errors.h"

class TestEvaluate : public QObject {
    Q_OBJECT

private slots:
    void arithmetic_data();
    void arithmetic();
    void arithmeticNow();
    void longTextsStayOffTheStack();
    void condition_data();
    void condition();
    void realNumberText_data();
    void realNumberText();
};

void TestEvaluate::arithmetic_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("plus before times") << "2+3*4" << 14.0;
    QTest::newRow("group") << "(1+2)*3" << 9.0;
    QTest::newRow("minus groups right") << "8-4-2" << 6.0;
    QTest::newRow("divide groups right") << "8/4/2" << 4.0;
    QTest::newRow("left of times is a number") << "6/3*2" << 12.0;
    QTest::newRow("plain number") << "7" << 7.0;
    QTest::newRow("not a number") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("leading minus is a sign") << "-3" << -3.0;
    QTest::newRow("blanks, fraction, exponent") << "  2.5e1xyz" << 25.0;
    QTest::newRow("nested groups") << "((1+1)*(2+1))/3" << 2.0;
    QTest::newRow("negative group result") << "(1-3)*2" << -4.0;
    QTest::newRow("minus then plus") << "10-2+3" << 11.0;
    QTest::newRow("unmatched parenthesis") << "(2+3" << 3.0;
    QTest::newRow("division by zero") << "5/0" << 0.0;
    QTest::newRow("division by zero group") << "1+5/(2-2)" << 1.0;
    QTest::newRow("group with exponent result") << "(1E10*1E10)+1" << 1e20;  // "1e+20+1" would split at the exponent
}

void TestEvaluate::arithmetic()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(static_cast<double>(EvaluateArithmetic(text)), expected);
}

void TestEvaluate::arithmeticNow()
{
    const QDateTime before = QDateTime::currentDateTime();
    const double now = static_cast<double>(EvaluateArithmetic(" now "));
    const double plusOne = static_cast<double>(EvaluateArithmetic("NOW+1"));
    const double days = QDate(1899, 12, 30).daysTo(before.date()) + before.time().msecsSinceStartOfDay() / 86400000.0;
    QVERIFY(now >= days && now - days < 1.0 / 24);  // within the hour, whatever the machine's load
    QVERIFY(std::fabs(plusOne - now - 1.0) < 1.0 / 24);
}

void TestEvaluate::longTextsStayOffTheStack()
{
    // A value substituted into an expression may be long; chains are evaluated in a loop.
    QString sum = QStringLiteral("1");
    QString difference = QStringLiteral("1");
    for (int i = 0; i < 100000; ++i) {
        sum += QStringLiteral("+1");
        difference += QStringLiteral("-1");
    }
    QCOMPARE(static_cast<double>(EvaluateArithmetic(sum)), 100001.0);
    QCOMPARE(static_cast<double>(EvaluateArithmetic(difference)), 1.0);  // 1-(1-(1-...)) over an odd count of ones
    QString deep = QString(100000, QLatin1Char('(')) + QLatin1Char('1') + QString(100000, QLatin1Char(')'));
    QVERIFY(std::isfinite(static_cast<double>(EvaluateArithmetic(deep))));
    QString ors;
    for (int i = 0; i < 100000; ++i) ors += QStringLiteral("1=2|");
    QVERIFY(EvaluateCondition(ors + QStringLiteral("true")));
    try {
        EvaluateCondition(deep.replace(QLatin1Char('1'), QStringLiteral("1=1")));
        QFAIL("a condition nested beyond any real use must be refused");
    } catch (const AppException& e) {
        QCOMPARE(e.code(), -1);
    }
}

void TestEvaluate::condition_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");  // 1 true, 0 false, -1 raises "Bad logic operand!"
    QTest::newRow("equal") << "5=5" << 1;
    QTest::newRow("quotes and blanks go") << "\"abc\" = abc" << 1;
    QTest::newRow("compared as texts") << "10<9" << 1;
    QTest::newRow("not") << "!5=2" << 1;
    QTest::newRow("or") << "1=2|2=2" << 1;
    QTest::newRow("and of groups") << "(1=1)&(2=2)" << 1;
    QTest::newRow("blank kept after a group") << "(1=1) & (2=2)" << -1;
    QTest::newRow("TRUE") << "TRUE" << 1;
    QTest::newRow("fAlSe") << "fAlSe" << 0;
    QTest::newRow("untrimmed true") << " true" << -1;
    QTest::newRow("maybe") << "maybe" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("quoted bar is no operator") << "\"x|y\"=\"x|y\"" << 1;
    QTest::newRow("or stops at true") << "1=1|maybe" << 1;
    QTest::newRow("and stops at false") << "1=2&maybe" << 0;
    QTest::newRow("and") << "1=1&1=2" << 0;
    QTest::newRow("different") << "2<>2" << 0;
    QTest::newRow("not smaller") << "b>=a" << 1;
    QTest::newRow("not greater") << "a<=a" << 1;
    QTest::newRow("longer is greater") << "ab>a" << 1;
    QTest::newRow("prefix is smaller") << "a<ab" << 1;
    QTest::newRow("unsigned order") << "\xc3\xa9>z" << 1;
    QTest::newRow("not of group") << "!(1=2)" << 1;
    QTest::newRow("now is a date number") << "now>3" << 1;
}

void TestEvaluate::condition()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    try {
        const bool result = EvaluateCondition(text);
        QVERIFY2(expected != -1, "expected the error -1");
        QCOMPARE(result, expected == 1);
    } catch (const AppException& e) {
        QCOMPARE(expected, -1);
        QCOMPARE(e.code(), -1);
        QCOMPARE(e.message(), QStringLiteral(" Bad logic operand!"));
    }
}

void TestEvaluate::realNumberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole") << 14.0 << "14";
    QTest::newRow("fifteen digits") << 0.1 + 0.2 << "0.3";
    QTest::newRow("large") << 1e20 << "1E20";
    QTest::newRow("small") << 2.5e-7 << "2.5E-7";
    QTest::newRow("negative") << -2.0 << "-2";
}

void TestEvaluate::realNumberText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(RealNumberText(value), expected);
}

QTEST_GUILESS_MAIN(TestEvaluate)
#include "test_evaluate.moc"
