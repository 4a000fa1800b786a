#include <QtTest>

#include <QTemporaryDir>

#include "platform/ini_document.h"
#include "platform/registry.h"

using ksw::platform::IniDocument;
using ksw::platform::RegistryFilePath;
using ksw::platform::RegistryKey;
using ksw::platform::RegistryOpen;
using ksw::platform::ReadRegistryString;

class TestRegistry : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void filePathFromEnvironment();
    void readsWithoutRegardToCase_data();
    void readsWithoutRegardToCase();
    void readOnlyNeverCreates();
    void createIfMissingAddsTheSection();
    void createFailsWhenTheFileCannotBeWritten();
    void writeKeepsTheRestOfTheFile();
    void valuesWithOuterBlanksRoundTrip();
    void keyPathsWithBlanksAtTheirEnds_data();
    void keyPathsWithBlanksAtTheirEnds();

private:
    void WriteRegistry(const QByteArray& text);
    QByteArray RegistryText() const;

    std::unique_ptr<QTemporaryDir> dir_;
    QString file_;
};

void TestRegistry::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    file_ = dir_->filePath("registry.ini");
    qputenv("KSW_REGISTRY", file_.toUtf8());
}

void TestRegistry::cleanup()
{
    qunsetenv("KSW_REGISTRY");
    dir_.reset();
}

void TestRegistry::WriteRegistry(const QByteArray& text)
{
    QFile file(file_);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray TestRegistry::RegistryText() const
{
    QFile file(file_);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestRegistry::filePathFromEnvironment()
{
    const QByteArray savedXdg = qgetenv("XDG_CONFIG_HOME");
    const QByteArray savedHome = qgetenv("HOME");
    QCOMPARE(RegistryFilePath(), file_);

    qunsetenv("KSW_REGISTRY");
    qputenv("XDG_CONFIG_HOME", "/xdg/conf");
    QCOMPARE(RegistryFilePath(), QString("/xdg/conf/ksw7100/registry.ini"));

    qunsetenv("XDG_CONFIG_HOME");
    qputenv("HOME", dir_->path().toUtf8());
    QCOMPARE(RegistryFilePath(), dir_->path() + "/.config/ksw7100/registry.ini");

    qputenv("HOME", savedHome);
    if (!savedXdg.isEmpty()) qputenv("XDG_CONFIG_HOME", savedXdg);
}

void TestRegistry::readsWithoutRegardToCase_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("valueName");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("expected");
    QTest::newRow("as written") << R"(\SOFTWARE\Quorix\Vantrix5.1\ExePath)" << "Path" << true << "/opt/vantrix/bin/";
    QTest::newRow("other case") << R"(\software\QUORIX\vantrix5.1\exepath)" << "PATH" << true << "/opt/vantrix/bin/";
    QTest::newRow("without the leading backslash") << R"(SOFTWARE\Quorix\Vantrix5.1\ExePath)" << "Path" << true
                                                   << "/opt/vantrix/bin/";
    QTest::newRow("parent of a key") << R"(\SOFTWARE\Quorix)" << "Path" << true << "";
    QTest::newRow("missing value") << R"(\SOFTWARE\Quorix\Vantrix5.1\ExePath)" << "Other" << true << "";
    QTest::newRow("commented-out value") << R"(\SOFTWARE\Quorix\Vantrix5.1\MibFile)" << "Path" << true << "";
    QTest::newRow("missing key") << R"(\SOFTWARE\Quorix\Vantrix5)" << "Path" << false << "";
    QTest::newRow("name prefix is no parent") << R"(\SOFTWARE\Quor)" << "Path" << false << "";
    QTest::newRow("blanks and quotes") << R"(\SOFTWARE\Norvane\Console)" << "NC_PATH" << true << " /opt/nc ";
}

void TestRegistry::readsWithoutRegardToCase()
{
    QFETCH(QString, key);
    QFETCH(QString, valueName);
    QFETCH(bool, opens);
    QFETCH(QString, expected);
    WriteRegistry("; machine registry\r\n"
                  "[\\SOFTWARE\\Quorix\\Vantrix5.1\\ExePath]\r\n"
                  "  Path =   /opt/vantrix/bin/   \r\n"
                  "[\\SOFTWARE\\Quorix\\Vantrix5.1\\MibFile]\n"
                  "# Path=/old\n"
                  "[\\SOFTWARE\\Norvane\\Console]\n"
                  "NC_PATH=\" /opt/nc \"\n");
    const auto opened = RegistryKey::Open(key, RegistryOpen::ReadOnly);
    QCOMPARE(opened.has_value(), opens);
    if (opened) QCOMPARE(opened->ReadString(valueName), expected);
    QCOMPARE(ksw::platform::ReadRegistryString(key, valueName), expected);
}

void TestRegistry::readOnlyNeverCreates()
{
    QVERIFY(!RegistryKey::Open(R"(\SOFTWARE\Quorix\Modules\HelpPath)", RegistryOpen::ReadOnly));
    QVERIFY(!QFile::exists(file_));
}

void TestRegistry::createIfMissingAddsTheSection()
{
    // The directory of the default location may not exist yet.
    const QString nested = dir_->filePath("conf/ksw7100/registry.ini");
    qputenv("KSW_REGISTRY", nested.toUtf8());
    file_ = nested;

    const QString help = R"(\SOFTWARE\Quorix\Modules\HelpPath)";
    const auto created = RegistryKey::Open(help, RegistryOpen::CreateIfMissing);
    QVERIFY(created);
    QCOMPARE(created->ReadString("1.3.6.1.4.1.58126.10.101.2"), QString());
    QVERIFY(RegistryKey::Open(help, RegistryOpen::ReadOnly));
    QCOMPARE(RegistryText(), QByteArray("[\\SOFTWARE\\Quorix\\Modules\\HelpPath]\n"));

    // Opening again, in another case, neither duplicates it nor renames it.
    QVERIFY(RegistryKey::Open(R"(\software\quorix\modules\helppath)", RegistryOpen::CreateIfMissing));
    QCOMPARE(RegistryText(), QByteArray("[\\SOFTWARE\\Quorix\\Modules\\HelpPath]\n"));
}

void TestRegistry::createFailsWhenTheFileCannotBeWritten()
{
    // A plain file in place of the directory: no user, not even root, can create the registry.
    QFile blocker(dir_->filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("KSW_REGISTRY", dir_->filePath("blocker/registry.ini").toUtf8());
    QVERIFY(!RegistryKey::Open(R"(\SOFTWARE\Quorix\Modules\HelpPath)", RegistryOpen::CreateIfMissing));
}

void TestRegistry::writeKeepsTheRestOfTheFile()
{
    WriteRegistry("; kept comment\n"
                  "[\\SOFTWARE\\Norvane\\Console]\n"
                  "nc_path=/old\n"
                  "\n"
                  "# before the next key\n"
                  "[\\SOFTWARE\\Other]\n"
                  "A=1\n");
    const auto console = RegistryKey::Open(R"(\SOFTWARE\Norvane\Console)", RegistryOpen::ReadOnly);
    QVERIFY(console);
    QVERIFY(console->WriteString("NC_PATH", "/opt/nc"));
    QVERIFY(console->WriteString("Version", "3"));
    QCOMPARE(RegistryText(), QByteArray("; kept comment\n"
                                        "[\\SOFTWARE\\Norvane\\Console]\n"
                                        "nc_path=/opt/nc\n"
                                        "Version=3\n"
                                        "\n"
                                        "# before the next key\n"
                                        "[\\SOFTWARE\\Other]\n"
                                        "A=1\n"));
    // Written through a temporary file: nothing else is left in the directory.
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{"registry.ini"});
}

void TestRegistry::valuesWithOuterBlanksRoundTrip()
{
    const auto key = RegistryKey::Open(R"(\SOFTWARE\Test)", RegistryOpen::CreateIfMissing);
    QVERIFY(key);
    const QStringList values{" lead", "trail ", "\"quoted\"", "'x'", "a=b;c#d", ""};
    for (const QString& value : values) {
        QVERIFY(key->WriteString("V", value));
        QCOMPARE(key->ReadString("V"), value);
    }
    QVERIFY(key->WriteString("Multi", "line\nbreak"));
    QCOMPARE(key->ReadString("Multi"), QString("line break"));
    QCOMPARE(IniDocument::Parse(RegistryText()).SectionNames(), QStringList{"\\SOFTWARE\\Test"});
}

void TestRegistry::keyPathsWithBlanksAtTheirEnds_data()
{
    QTest::addColumn<QString>("keyPath");
    QTest::newRow("blank before the last backslash") << R"(\SOFTWARE\Test \)";
    QTest::newRow("blank after the last backslash") << R"(SOFTWARE\Test\ )";
    QTest::newRow("blanks and backslashes mixed") << " \\ SOFTWARE\\Test \\ \\";
}

// A section name cannot keep blanks at its ends, so neither may the key it stands for: a key
// created or written under such a path must open and read back, as the same key.
void TestRegistry::keyPathsWithBlanksAtTheirEnds()
{
    QFETCH(QString, keyPath);
    const auto created = RegistryKey::Open(keyPath, RegistryOpen::CreateIfMissing);
    QVERIFY(created);
    QVERIFY(created->WriteString("V", "1"));
    QCOMPARE(created->ReadString("V"), QString("1"));
    const auto reopened = RegistryKey::Open(keyPath, RegistryOpen::ReadOnly);
    QVERIFY(reopened);
    QCOMPARE(reopened->ReadString("V"), QString("1"));
    QCOMPARE(ReadRegistryString(R"(\SOFTWARE\Test)", "V"), QString("1"));
    QCOMPARE(IniDocument::Parse(RegistryText()).SectionNames().size(), 1);
}

QTEST_GUILESS_MAIN(TestRegistry)
#include "test_registry.moc"
