#include <QtTest>

#include <QTemporaryDir>

#include "app/qx_ini.h"
#include "platform/profile_string.h"

using ksw::platform::ReadProfileString;

class TestProfileString : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void lookups_data();
    void lookups();
    void missingFile();
    void bufferLimit_data();
    void bufferLimit();
    void qxIniFallsBackOnEmptyValues();

private:
    QString WriteFile(const QString& name, const QByteArray& bytes);

    QTemporaryDir dir_;
    QString file_;
};

QString TestProfileString::WriteFile(const QString& name, const QByteArray& bytes)
{
    const QString path = dir_.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(bytes);
    return path;
}

void TestProfileString::initTestCase()
{
    QVERIFY(dir_.isValid());
    file_ = WriteFile("10.0.0.5.cfg", "\xEF\xBB\xBF; written by the platform\r\n"
                                      "Orphan=before any section\r\n"
                                      "[Program Information]\r\n"
                                      "AgentPort=161\r\n"
                                      "  version  =  3  \r\n"
                                      "ContextName=\r\n"
                                      "SecurityName=\"  admin  \"\r\n"
                                      "AuthPassword=a;b#c=d\r\n"
                                      "# PrivPassword=old\r\n"
                                      "; PrivProtocol=1\r\n"
                                      "NoEquals\r\n"
                                      "AgentPort=9999\r\n"
                                      "Lone=\"\r\n"
                                      "[ Other ]\r\n"
                                      "AgentPort=1\r\n"
                                      "[program information]\r\n"
                                      "PrivPassword=second section\r\n");
}

void TestProfileString::lookups_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "Program Information" << "AgentPort" << "161";  // the first of two wins
    QTest::newRow("names in any case, blanks dropped") << "PROGRAM information" << "VERSION" << "3";
    QTest::newRow("empty value") << "Program Information" << "ContextName" << "";
    QTest::newRow("quotes keep inner blanks") << "Program Information" << "SecurityName" << "  admin  ";
    QTest::newRow("no inline comments") << "Program Information" << "AuthPassword" << "a;b#c=d";
    QTest::newRow("commented keys are absent") << "Program Information" << "PrivProtocol" << "<fallback>";
    QTest::newRow("line without '='") << "Program Information" << "NoEquals" << "<fallback>";
    QTest::newRow("single quote kept") << "Program Information" << "Lone" << "\"";
    QTest::newRow("blanks inside brackets") << "Other" << "AgentPort" << "1";
    QTest::newRow("the first section wins") << "Program Information" << "PrivPassword" << "<fallback>";
    QTest::newRow("keys before any section") << "" << "Orphan" << "<fallback>";
    QTest::newRow("missing section") << "Nothing" << "AgentPort" << "<fallback>";
}

void TestProfileString::lookups()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QCOMPARE(ReadProfileString(file_, section, key, "<fallback>"), expected);
}

void TestProfileString::missingFile()
{
    QCOMPARE(ReadProfileString(dir_.filePath("absent.cfg"), "Program Information", "AgentPort", "x"), QString("x"));
    QCOMPARE(ReadProfileString(dir_.path(), "Program Information", "AgentPort"), QString());  // a directory
}

void TestProfileString::bufferLimit_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    const QString fits(4095, u'x');
    QTest::newRow("4095 bytes fit") << fits << fits;
    QTest::newRow("4096 bytes are cut") << fits + u'y' << fits;
    // "é" takes two bytes: the one that would straddle the limit is left out whole.
    const QString accents = QString(4094, u'x') + QString::fromUtf8("é");
    QTest::newRow("no half character") << accents << QString(4094, u'x');
}

void TestProfileString::bufferLimit()
{
    QFETCH(QString, value);
    QFETCH(QString, expected);
    const QString path = WriteFile("long.cfg", "[S]\nK=" + value.toUtf8() + "\n");
    QCOMPARE(ReadProfileString(path, "S", "K"), expected);
    QCOMPARE(ReadProfileString(path, "S", "K", QString(), 5), QString(value.left(4)));
}

void TestProfileString::qxIniFallsBackOnEmptyValues()
{
    const QxIni ini(file_);
    QCOMPARE(ini.FileName(), file_);
    QCOMPARE(ini.ReadString("Program Information", "Version", ""), QString("3"));
    QCOMPARE(ini.ReadString("Program Information", "ContextName", "dflt"), QString("dflt"));
    QCOMPARE(ini.ReadString("Program Information", "Missing", "dflt"), QString("dflt"));
    // The reader keeps quoted blanks; QxIni trims what it returns.
    QCOMPARE(ini.ReadString("Program Information", "SecurityName", ""), QString("admin"));
}

QTEST_GUILESS_MAIN(TestProfileString)
#include "test_profile_string.moc"
