#include <QtTest>

#include "snmp/errors.h"

class TestErrors : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void catalogueFile_data();
    void catalogueFile();
    void unusableFilesKeepTexts();
    void lookupPastLoadedFileFallsBack();
    void builtInSizes();
    void mapSnmpError_data();
    void mapSnmpError();
    void mappingUsesLoadedTexts();
    void raisedErrorsCarryCodeAndText();

private:
    QString WriteFile(const QByteArray& content);
    QTemporaryDir dir_;
    int files_ = 0;
};

QString TestErrors::WriteFile(const QByteArray& content)
{
    const QString path = dir_.filePath(QStringLiteral("catalogue%1.err").arg(++files_));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(path));
    file.write(content);
    return path;
}

void TestErrors::cleanup()
{
    for (Catalogue c : {Catalogue::Common, Catalogue::SnmpStatus, Catalogue::Mp, Catalogue::Usm, Catalogue::Class,
                        Catalogue::Library, Catalogue::StatusTemplates})
        ResetCatalogue(c);
}

void TestErrors::catalogueFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("blank lines take no number") << QByteArray("A\n\n  \nB\n") << QStringList{"A", "B"};
    QTest::newRow("blanks around a word stay") << QByteArray("  word  \n") << QStringList{"  word  "};
    QTest::newRow("control characters are blank") << QByteArray("\t\x01\x1f \nx\n") << QStringList{"x"};
    QTest::newRow("last line without line end") << QByteArray("A\nlast") << QStringList{"A", "last"};
    QTest::newRow("CR LF") << QByteArray("one\r\n\r\ntwo\r\nthree") << QStringList{"one", "two", "three"};
    QTest::newRow("UTF-8") << QByteArray("Z\xc3\xbcrich\n") << QStringList{QString::fromUtf8("Zürich")};
    // An editor's byte-order mark is no text: on a line of its own it must not take entry 0.
    QTest::newRow("byte-order mark before the first line") << QByteArray("\xef\xbb\xbf" "A\nB\n") << QStringList{"A", "B"};
    QTest::newRow("byte-order mark on a line of its own") << QByteArray("\xef\xbb\xbf\nA\nB\n") << QStringList{"A", "B"};
    const QByteArray a1023(1023, 'a');
    QTest::newRow("1023 characters are one piece") << a1023 + "\nnext\n" << QStringList{QString(a1023), "next"};
    QTest::newRow("longer lines are cut in pieces")
        << QByteArray(2000, 'b') + "\n" << QStringList{QString(1023, 'b'), QString(977, 'b')};
    QTest::newRow("long CR LF line") << QByteArray(1500, 'c') + "\r\nd\r\n"
                                     << QStringList{QString(1023, 'c'), QString(477, 'c'), "d"};
}

void TestErrors::catalogueFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, entries);
    LoadCatalogue(Catalogue::Usm, WriteFile(content));
    QCOMPARE(CatalogueSize(Catalogue::Usm), entries.size());
    QStringList got;
    for (int i = 0; i < entries.size(); ++i) got << CatalogueText(Catalogue::Usm, i);
    QCOMPARE(got, entries);
}

void TestErrors::unusableFilesKeepTexts()
{
    LoadCatalogue(Catalogue::Class, dir_.filePath(QStringLiteral("missing.err")));
    LoadCatalogue(Catalogue::Class, WriteFile(""));
    LoadCatalogue(Catalogue::Class, WriteFile(" \n\t\r\n\n"));
    LoadCatalogue(Catalogue::Class, dir_.path());  // a directory
    QCOMPARE(CatalogueText(Catalogue::Class, 4), QStringLiteral("(SNMPClass) SNMP request timed out!"));

    // A loaded catalogue stays as it is too.
    LoadCatalogue(Catalogue::Class, WriteFile("first\n"));
    LoadCatalogue(Catalogue::Class, WriteFile("\n\n"));
    QCOMPARE(CatalogueText(Catalogue::Class, 0), QStringLiteral("first"));
}

void TestErrors::lookupPastLoadedFileFallsBack()
{
    LoadCatalogue(Catalogue::Library, WriteFile("Bien!\nErreur\n"));
    QCOMPARE(CatalogueText(Catalogue::Library, 0), QStringLiteral("Bien!"));
    QCOMPARE(CatalogueText(Catalogue::Library, 1), QStringLiteral("Erreur"));
    QCOMPARE(CatalogueText(Catalogue::Library, 11), QStringLiteral("Bad SNMP syntax!"));
    QCOMPARE(CatalogueText(Catalogue::Library, 29), QString());
    QCOMPARE(CatalogueText(Catalogue::Library, -1), QString());
}

void TestErrors::builtInSizes()
{
    QCOMPARE(CatalogueSize(Catalogue::Common), 26);
    QCOMPARE(CatalogueSize(Catalogue::SnmpStatus), 18);
    QCOMPARE(CatalogueSize(Catalogue::Mp), 17);
    QCOMPARE(CatalogueSize(Catalogue::Usm), 14);
    QCOMPARE(CatalogueSize(Catalogue::Class), 23);
    QCOMPARE(CatalogueSize(Catalogue::Library), 29);
    QCOMPARE(CatalogueSize(Catalogue::StatusTemplates), 2);
    for (int i = 0; i < CatalogueSize(Catalogue::Common); ++i)
        QVERIFY2(CatalogueText(Catalogue::Common, i).startsWith(QLatin1Char(' ')), qPrintable(QString::number(i)));
    QCOMPARE(CatalogueText(Catalogue::Common, 22), QStringLiteral(" Please enter a valid multicast IPV6 address!"));
    QCOMPARE(CatalogueText(Catalogue::StatusTemplates, 1),
             QStringLiteral("Set: [ERROR] Request:[VARLIST]. Receive at [TIME]."));
}

void TestErrors::mapSnmpError_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");

    QTest::newRow("success") << 0 << 0 << "Ok!";
    QTest::newRow("USM success") << 1400 << 0 << "Ok!";
    QTest::newRow("MP success") << -1401 << 0 << "Ok!";
    QTest::newRow("tooBig") << 1 << -101 << "(SNMP) Response PDU Too Big!";
    QTest::newRow("noSuchName") << 2 << -102 << "(SNMP) Variable does not exist!";
    QTest::newRow("inconsistentName") << 18 << -118 << "(SNMP) Cannot create variable, Inconsistent Name!";
    QTest::newRow("status 19") << 19 << -528 << "Unknown error code!";
    QTest::newRow("USM first") << 1401 << -301 << "(SNMPv3USM) error!";
    QTest::newRow("USM last") << 1414 << -314 << "(SNMPv3USM) Address error!";
    QTest::newRow("USM past last") << 1415 << -528 << "Unknown error code!";
    QTest::newRow("below USM") << 1399 << -528 << "Unknown error code!";
    QTest::newRow("MP first") << -1402 << -201 << "(SNMPv3) Unsupported Security Model!";
    QTest::newRow("MP last") << -1418 << -217 << "(SNMPv3) Report sent!";
    QTest::newRow("MP past last") << -1419 << -528 << "Unknown error code!";
    QTest::newRow("class first") << -1 << -401 << "(SNMPClass) Operation failed!";
    QTest::newRow("time-out") << -5 << -405 << "(SNMPClass) SNMP request timed out!";
    QTest::newRow("class last") << -23 << -423 << "(SNMPClass) Blocked Mode Shutdown!";
    QTest::newRow("class past last") << -24 << -528 << "Unknown error code!";
    QTest::newRow("already a library code") << -102 << -528 << "Unknown error code!";
}

void TestErrors::mapSnmpError()
{
    QFETCH(int, number);
    QFETCH(int, code);
    QFETCH(QString, message);
    const MappedError mapped = MapSnmpError(number);
    QCOMPARE(mapped.code, code);
    QCOMPARE(mapped.message, message);
}

void TestErrors::mappingUsesLoadedTexts()
{
    LoadCatalogue(Catalogue::SnmpStatus, WriteFile("zu gross\r\nexistiert nicht\r\n"));
    QCOMPARE(MapSnmpError(2).message, QStringLiteral("existiert nicht"));
    QCOMPARE(MapSnmpError(3).message, QStringLiteral("(SNMP) Cannot modify variable: Bad Value!"));
}

void TestErrors::raisedErrorsCarryCodeAndText()
{
    try {
        RaiseLibraryError(LibErr::BadSyntax);
        QFAIL("not raised");
    } catch (const AppException& e) {
        QCOMPARE(e.code(), -511);
        QCOMPARE(e.message(), QStringLiteral("Bad SNMP syntax!"));
        QCOMPARE(QString::fromUtf8(e.what()), e.message());
    }
    try {
        RaiseCommonError(3);
        QFAIL("not raised");
    } catch (const AppException& e) {
        QCOMPARE(e.code(), -3);
        QCOMPARE(e.message(), QStringLiteral(" Empty value is not allowed!"));
    }
    try {
        RaiseMapped(MapSnmpError(-5));
        QFAIL("not raised");
    } catch (const AppException& e) {
        QCOMPARE(e.code(), -405);
    }
}

QTEST_GUILESS_MAIN(TestErrors)
#include "test_errors.moc"
