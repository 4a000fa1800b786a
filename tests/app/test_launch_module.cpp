#include <QtTest>

#include "app/launch_module.h"
#include "app/startup.h"
#include "platform/process.h"
#include "startup_fixture.h"

namespace {

const QString kPlatform51 = "[\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\vantrix51.exe]\n";
const QString kPlatform5 = "[\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\vantrix5.exe]\n";
const QString kNorvane = "[\\SOFTWARE\\Norvane\\Console]\nNC_PATH=%1/nc\n";

// A stand-in module: writes its arguments, one a line, to 'record'.
void WriteRecordingProgram(const QString& path, const QString& record)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    StartupFixture::WriteFile(path, ("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + record +
                                     ".part'\nmv '" + record + ".part' '" + record + "'\n")
                                        .toUtf8());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QStringList RecordedArguments(const QString& record)
{
    QFile file(record);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

}  // namespace

class TestLaunchModule : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void moduleOfSwitch_data();
    void moduleOfSwitch();
    void locate_data();
    void locate();
    void commandLines_data();
    void commandLines();
    void valuesWithBlanksStayOneArgument();
    void resolveExecutable();
    void startsTheModuleDetached_data();
    void startsTheModuleDetached();
    void startCommandLine();

private:
    std::unique_ptr<StartupFixture> fixture_;
    QByteArray savedPath_;
};

void TestLaunchModule::init()
{
    fixture_ = std::make_unique<StartupFixture>();
    QVERIFY(fixture_->isValid());
    savedPath_ = qgetenv("PATH");
}

void TestLaunchModule::cleanup()
{
    qputenv("PATH", savedPath_);
    fixture_.reset();
}

void TestLaunchModule::moduleOfSwitch_data()
{
    QTest::addColumn<QString>("pageSwitch");
    QTest::addColumn<QString>("module");
    QTest::newRow("MIB") << "/TMIB_IFTable" << "MIB";
    QTest::newRow("IF-MIB") << "/TIFMib_LastChangeTable" << "IFMib";
    QTest::newRow("EtherLike") << "/TEthernetLike_dot3StatsTable" << "EthernetLike";
    QTest::newRow("RMON") << "/TRmon_AlarmEvent" << "Rmon";
    QTest::newRow("bridge") << "/TBridge_TpPortInfo" << "Bridge";
}

void TestLaunchModule::moduleOfSwitch()
{
    QFETCH(QString, pageSwitch);
    QFETCH(QString, module);
    QCOMPARE(ModuleOfSwitch(pageSwitch), module);
}

void TestLaunchModule::locate_data()
{
    QTest::addColumn<QString>("registry");  // %1 stands for the temporary directory
    QTest::addColumn<QString>("module");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("status");
    QTest::newRow("platform 5.1") << kPlatform51 + kNorvane << "MIB" << "MIB" << "";
    QTest::newRow("platform 5") << kPlatform5 << "Rmon" << "Rmon" << "";
    QTest::newRow("Norvane Console only") << kNorvane << "MIB" << "%1/nc/quorix_ems/KSW7116/MIB.EXE" << "";
    QTest::newRow("Norvane, module of its own") << kNorvane << "VLan" << "%1/nc/quorix_ems/KSW7116/VLan.EXE" << "";
    QTest::newRow("Norvane, module it does not know") << kNorvane << "Other" << "Other" << "";
    QTest::newRow("Norvane, module names are case-sensitive") << kNorvane << "mib" << "mib" << "";
    QTest::newRow("Norvane without its path") << "[\\SOFTWARE\\Norvane\\Console]\nNC_PATH=\n" << "MIB" << "MIB"
                                              << "Norvane : File Path Error!";
    QTest::newRow("nothing installed") << "" << "MIB" << "MIB" << "No Path!";
}

void TestLaunchModule::locate()
{
    QFETCH(QString, registry);
    QFETCH(QString, module);
    QFETCH(QString, program);
    QFETCH(QString, status);
    fixture_->writeRegistry(QString(registry).replace("%1", fixture_->root()));
    const ModuleExecutable found = LocateModule(module);
    QCOMPARE(found.program, QString(program).replace("%1", fixture_->root()));
    QCOMPARE(found.statusText, status);
}

void TestLaunchModule::commandLines_data()
{
    QTest::addColumn<QString>("configFile");  // keys for 10.0.0.5.cfg; empty for no file
    QTest::addColumn<QStringList>("parameters");
    QTest::addColumn<QString>("commandLine");
    const QStringList agent{"/I10.0.0.5", "/Rpub", "/Wpriv"};
    const QString v1 = "MIB /I10.0.0.5 /Rpub /Wpriv /TMIB_IFTable";
    const QString v3File = ConfigKeys({{"Version", "3"},
                                       {"SecurityModel", "3"},
                                       {"SecurityLevel", "2"},
                                       {"SecurityName", "admin"},
                                       {"AuthProtocol", "1"},
                                       {"PrivProtocol", "0"},
                                       {"AuthPassword", "auth pass"},
                                       {"ContextEngineID", "800000"}});

    QTest::newRow("v1") << "" << agent << v1;
    QTest::newRow("v2c from the file") << ConfigKeys({{"Version", "1"}}) << agent << v1;
    QTest::newRow("v3 from the file")
        << v3File << agent << v1 + " /t161 /v3 /d800000 /m3 /nadmin /l3 /a2 /Aauth pass";
    QTest::newRow("v3 with a context name")
        << ConfigKeys({{"Version", "3"}, {"ContextName", "ctx"}, {"PrivProtocol", "1"}, {"PrivPassword", "pp"}})
        << agent << v1 + " /t161 /v3 /d /m1 /n /cctx /p2 /Ppp";
    QTest::newRow("v3 file turned off by a last /v1") << v3File << agent + QStringList{"/v1"} << v1;
    QTest::newRow("v3 from switches: the five agent switches go even when empty")
        << "" << agent + QStringList{"/v3", "/nuser", "/l1", "/Asecret"}
        << v1 + " /t /v3 /d /m /nuser /l1 /Asecret";
    QTest::newRow("v3 from switches, all of them")
        << "" << agent + QStringList{"/v3", "/t1161", "/d8000", "/m3", "/nuser", "/cctx", "/l3", "/a3", "/Aap", "/p2", "/Ppp"}
        << v1 + " /t1161 /v3 /d8000 /m3 /nuser /cctx /l3 /a3 /Aap /p2 /Ppp";
}

void TestLaunchModule::commandLines()
{
    QFETCH(QString, configFile);
    QFETCH(QStringList, parameters);
    QFETCH(QString, commandLine);
    fixture_->writeStandardRegistry();
    if (!configFile.isEmpty()) fixture_->writeConfigFile("10.0.0.5", configFile);
    StartupSettings settings;
    QxSNMPProfile profile;
    RunStartup(parameters, settings, profile);
    QCOMPARE(BuildModuleCommand("MIB", "/TMIB_IFTable", settings, profile).CommandLine(), commandLine);
}

void TestLaunchModule::valuesWithBlanksStayOneArgument()
{
    StartupSettings settings;
    settings.AgentAddressText = "10.0.0.5";
    settings.ReadCommunityText = "my community";
    settings.WriteCommunityText = "w";
    settings.VersionText = "3";
    settings.SecurityNameText = "the user";
    settings.AuthPasswordText = "pass word";
    settings.AuthPasswordGiven = true;
    QxSNMPProfile profile;
    profile.Security.Version = 3;
    const ModuleCommand command = BuildModuleCommand("/opt/nc dir/MIB.EXE", "/TMIB_ARP", settings, profile);
    QCOMPARE(command.program, QString("/opt/nc dir/MIB.EXE"));
    QCOMPARE(command.arguments, (QStringList{"/I10.0.0.5", "/Rmy community", "/Ww", "/TMIB_ARP", "/t", "/v3", "/d",
                                             "/m", "/nthe user", "/Apass word"}));
}

void TestLaunchModule::resolveExecutable()
{
    using ksw::platform::ResolveExecutable;
    const QString own = fixture_->root() + "/own";
    const QString onPath = fixture_->root() + "/path";
    WriteRecordingProgram(own + "/both", fixture_->root() + "/unused");
    WriteRecordingProgram(onPath + "/both", fixture_->root() + "/unused");
    WriteRecordingProgram(onPath + "/pathonly", fixture_->root() + "/unused");
    StartupFixture::WriteFile(own + "/pathonly", "not executable");
    qputenv("PATH", onPath.toUtf8());

    QCOMPARE(ResolveExecutable("both", own), own + "/both");
    QCOMPARE(ResolveExecutable("pathonly", own), onPath + "/pathonly");
    QCOMPARE(ResolveExecutable("both", QString()), onPath + "/both");
    QCOMPARE(ResolveExecutable(own + "/both", onPath), own + "/both");
    QCOMPARE(ResolveExecutable("missing", own), QString());
    QCOMPARE(ResolveExecutable(own + "/pathonly", own), QString());
    QVERIFY(!ksw::platform::StartDetached("ksw-no-such-module", {}));
}

void TestLaunchModule::startsTheModuleDetached_data()
{
    QTest::addColumn<QString>("registry");
    QTest::addColumn<QString>("program");  // where the stand-in module is installed
    QTest::addColumn<QString>("status");
    QTest::newRow("platform: found along PATH") << kPlatform5 << "%1/path/MIB" << "";
    QTest::newRow("Norvane Console") << kNorvane << "%1/nc/quorix_ems/KSW7116/MIB.EXE" << "";
    QTest::newRow("nothing installed: still started") << "" << "%1/path/MIB" << "No Path!";
}

void TestLaunchModule::startsTheModuleDetached()
{
    QFETCH(QString, registry);
    QFETCH(QString, program);
    QFETCH(QString, status);
    const QString root = fixture_->root();
    const QString record = root + "/arguments.txt";
    fixture_->writeRegistry(QString(registry).replace("%1", root));
    WriteRecordingProgram(QString(program).replace("%1", root), record);
    qputenv("PATH", (root + "/path:" + savedPath_).toUtf8());

    StartupSettings settings;
    settings.AgentAddressText = "127.0.0.1";
    settings.ReadCommunityText = "mirepo";
    settings.WriteCommunityText = "wri lato";
    QCOMPARE(LaunchModule("/TMIB_IFTable", settings, QxSNMPProfile{}), status);
    QTRY_COMPARE_WITH_TIMEOUT(RecordedArguments(record),
                              (QStringList{"/I127.0.0.1", "/Rmirepo", "/Wwri lato", "/TMIB_IFTable"}), 10000);
}

void TestLaunchModule::startCommandLine()
{
    const QString record = fixture_->root() + "/arguments.txt";
    WriteRecordingProgram(fixture_->root() + "/path/tool", record);
    qputenv("PATH", (fixture_->root() + "/path:" + savedPath_).toUtf8());
    QVERIFY(ksw::platform::StartDetachedCommandLine("tool /Rpub \"/Wtwo words\""));
    QTRY_COMPARE_WITH_TIMEOUT(RecordedArguments(record), (QStringList{"/Rpub", "/Wtwo words"}), 10000);
    QVERIFY(!ksw::platform::StartDetachedCommandLine("   "));
}

QTEST_GUILESS_MAIN(TestLaunchModule)
#include "test_launch_module.moc"
