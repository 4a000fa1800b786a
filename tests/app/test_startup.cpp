#include <QtTest>

#include "app/startup.h"
#include "snmp/errors.h"
#include "startup_fixture.h"

namespace {

// Everything start-up fills, as "Name=value" texts, so a table row names only what it checks.
QMap<QString, QString> Snapshot(const StartupSettings& s, const QxSNMPProfile& p, const StartupOutcome& outcome)
{
    const auto flag = [](bool b) { return QString(b ? "1" : "0"); };
    return {
        {"Address", p.Device.Address},
        {"Port", QString::number(p.Device.Port)},
        {"Version", QString::number(p.Security.Version)},
        {"ReadCommunity", p.Security.ReadCommunity},
        {"WriteCommunity", p.Security.WriteCommunity},
        {"ContextName", p.Scope.ContextName},
        {"ContextEngineId", p.Scope.ContextEngineId},
        {"SecurityModel", QString::number(p.Security.SecurityModel)},
        {"SecurityLevel", QString::number(p.Security.SecurityLevel)},
        {"SecurityName", p.Security.SecurityName},
        {"AuthProtocol", QString::number(p.Security.AuthProtocol)},
        {"PrivProtocol", QString::number(p.Security.PrivProtocol)},
        {"AuthPassword", p.Security.AuthPassword},
        {"PrivPassword", p.Security.PrivPassword},
        {"AgentAddressText", s.AgentAddressText},
        {"ReadCommunityText", s.ReadCommunityText},
        {"WriteCommunityText", s.WriteCommunityText},
        {"PortText", s.PortText},
        {"VersionText", s.VersionText},
        {"SecurityNameText", s.SecurityNameText},
        {"AuthPasswordText", s.AuthPasswordText},
        {"PrivPasswordText", s.PrivPasswordText},
        {"AuthProtocolText", s.AuthProtocolText},
        {"PrivProtocolText", s.PrivProtocolText},
        {"ContextEngineIdText", s.ContextEngineIdText},
        {"SecurityLevelText", s.SecurityLevelText},
        {"ContextNameText", s.ContextNameText},
        {"SecurityModelText", s.SecurityModelText},
        {"ConfigFileFound", flag(s.ConfigFileFound)},
        {"ContextNameGiven", flag(s.ContextNameGiven)},
        {"SecurityLevelGiven", flag(s.SecurityLevelGiven)},
        {"AuthProtocolGiven", flag(s.AuthProtocolGiven)},
        {"AuthPasswordGiven", flag(s.AuthPasswordGiven)},
        {"PrivProtocolGiven", flag(s.PrivProtocolGiven)},
        {"PrivPasswordGiven", flag(s.PrivPasswordGiven)},
        {"DeviceAddress", s.DeviceAddress},
        {"SnmpV3Menu", flag(outcome.SnmpV3MenuEnabled)},
    };
}

void CompareSnapshot(const QMap<QString, QString>& actual, const QStringList& expected)
{
    for (const QString& item : expected) {
        const qsizetype equals = item.indexOf('=');
        const QString name = item.left(equals);
        QVERIFY2(actual.contains(name), qPrintable("unknown field " + name));
        const QString value = actual.value(name);
        QVERIFY2(value == item.mid(equals + 1), qPrintable(name + " is \"" + value + "\", expected \"" +
                                                           item.mid(equals + 1) + "\""));
    }
}

const QStringList kAgent{"/I10.0.0.5"};

const QString kV3File = ConfigKeys({{"Version", "3"},
                                    {"SecurityModel", "3"},
                                    {"SecurityLevel", "2"},
                                    {"SecurityName", "admin"},
                                    {"AuthProtocol", "1"},
                                    {"PrivProtocol", "1"},
                                    {"AuthPassword", "authpass"},
                                    {"PrivPassword", "privpass"},
                                    {"ContextEngineID", "800000"}});

}  // namespace

class TestStartup : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void parameters_data();
    void parameters();
    void conversionErrors_data();
    void conversionErrors();
    void noParameterInput();
    void configDirectory_data();
    void configDirectory();
    void catalogueBase_data();
    void catalogueBase();
    void helpPathKeyCreated();
    void helpPathKeyUnavailable();

private:
    StartupOutcome Run(const QStringList& parameters);

    std::unique_ptr<StartupFixture> fixture_;
    StartupSettings settings_;
    QxSNMPProfile profile_;
};

void TestStartup::init()
{
    fixture_ = std::make_unique<StartupFixture>();
    QVERIFY(fixture_->isValid());
    fixture_->writeStandardRegistry();
    settings_ = StartupSettings{};
    profile_ = QxSNMPProfile{};
}

void TestStartup::cleanup()
{
    fixture_.reset();
    for (const CatalogueFile& file : CatalogueFiles()) ResetCatalogue(file.catalogue);
}

StartupOutcome TestStartup::Run(const QStringList& parameters)
{
    return RunStartup(parameters, settings_, profile_);
}

void TestStartup::parameters_data()
{
    QTest::addColumn<QString>("configFile");  // keys for 10.0.0.5.cfg; empty for no file
    QTest::addColumn<QStringList>("parameters");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("v1 switches, no file")
        << "" << kAgent + QStringList{"/Rpub", "/Wpriv"}
        << QStringList{"Address=10.0.0.5", "AgentAddressText=10.0.0.5", "DeviceAddress=10.0.0.5", "Port=161",
                       "Version=0", "ReadCommunity=pub", "ReadCommunityText=pub", "WriteCommunity=priv",
                       "WriteCommunityText=priv", "ConfigFileFound=0", "VersionText=", "PortText=", "SnmpV3Menu=0"};
    QTest::newRow("v3 from the file, codes one more than written")
        << kV3File << kAgent + QStringList{"/Rpub", "/Wpriv"}
        << QStringList{"ConfigFileFound=1",     "Version=3",           "VersionText=3",
                       "Port=161",              "PortText=161",        "SecurityModel=3",
                       "SecurityModelText=3",   "SecurityLevel=3",     "SecurityLevelText=3",
                       "SecurityLevelGiven=1",  "AuthProtocol=2",      "AuthProtocolText=2",
                       "AuthProtocolGiven=1",   "PrivProtocol=2",      "PrivProtocolText=2",
                       "PrivProtocolGiven=1",   "SecurityName=admin",  "SecurityNameText=admin",
                       "AuthPassword=authpass", "AuthPasswordGiven=1", "PrivPasswordText=privpass",
                       "PrivPasswordGiven=1",   "ContextEngineId=800000", "ContextEngineIdText=800000",
                       "ContextName=",          "ContextNameGiven=0",  "ReadCommunity=pub",
                       "WriteCommunity=priv",   "SnmpV3Menu=1"};
    QTest::newRow("zeros in the file keep the defaults")
        << ConfigKeys({{"Version", "3"}}) << kAgent + QStringList{"/Rpub"}
        << QStringList{"SecurityLevel=1", "SecurityLevelText=", "SecurityLevelGiven=0", "AuthProtocol=1",
                       "AuthProtocolGiven=0", "PrivProtocol=1", "PrivProtocolGiven=0", "AuthPasswordGiven=0",
                       "SnmpV3Menu=1"};
    QTest::newRow("context name from the file")
        << ConfigKeys({{"Version", "3"}, {"ContextName", "ctx"}}) << kAgent + QStringList{"/Rpub"}
        << QStringList{"ContextName=ctx", "ContextNameText=ctx", "ContextNameGiven=1"};
    QTest::newRow("blanks around file values")
        << ConfigKeys({{"AgentPort", "   1161  "}}) << kAgent + QStringList{"/Rpub"}
        << QStringList{"Port=1161", "PortText=1161"};
    QTest::newRow("/v3 /t1161: the port switch is last and lasts")
        << ConfigKeys({{"Version", "3"}}) << kAgent + QStringList{"/v3", "/t1161"}
        << QStringList{"Port=1161", "PortText=1161", "Version=3"};
    QTest::newRow("/t1161 /v3: the file resets the port")
        << ConfigKeys({{"Version", "3"}}) << kAgent + QStringList{"/t1161", "/v3"}
        << QStringList{"Port=161", "PortText=161", "Version=3"};
    QTest::newRow("a switch is undone by the file before the next parameter")
        << kV3File << kAgent + QStringList{"/nuser", "/Rpub"}
        << QStringList{"SecurityName=admin", "SecurityNameText=admin", "ReadCommunity=pub"};
    QTest::newRow("port switch ignored for v1")
        << "" << kAgent + QStringList{"/v0", "/t1161", "/nuser", "/tabc"}
        << QStringList{"Port=161", "PortText=", "SecurityName=", "VersionText=0", "SnmpV3Menu=0"};
    QTest::newRow("port switch ignored for v2c from the file")
        << ConfigKeys({{"Version", "1"}}) << kAgent + QStringList{"/t1161"}
        << QStringList{"Port=161", "PortText=161", "Version=1", "SnmpV3Menu=0"};
    QTest::newRow("v3 switches without a file")
        << "" << kAgent + QStringList{"/v3", "/t1161", "/cctx", "/d8000", "/m3", "/l3", "/nuser", "/Aap", "/Ppp",
                                      "/a3", "/p2"}
        << QStringList{"Port=1161",           "PortText=1161",        "ContextName=ctx",     "ContextNameText=ctx",
                       "ContextNameGiven=1",  "ContextEngineId=8000", "ContextEngineIdText=8000",
                       "SecurityModel=3",     "SecurityModelText=3",  "SecurityLevel=3",     "SecurityLevelText=3",
                       "SecurityLevelGiven=1", "SecurityName=user",   "SecurityNameText=user",
                       "AuthPassword=ap",     "AuthPasswordText=ap",  "AuthPasswordGiven=1", "PrivPassword=pp",
                       "PrivPasswordText=pp", "PrivPasswordGiven=1",  "AuthProtocol=3",      "AuthProtocolText=3",
                       "AuthProtocolGiven=1", "PrivProtocol=2",       "PrivProtocolText=2",  "PrivProtocolGiven=1",
                       "ConfigFileFound=0",   "SnmpV3Menu=1"};
    QTest::newRow("empty and zero v3 switches are not given")
        << "" << kAgent + QStringList{"/v3", "/l0", "/c", "/A", "/P"}
        << QStringList{"SecurityLevel=0", "SecurityLevelText=", "SecurityLevelGiven=0", "ContextNameGiven=0",
                       "AuthPasswordGiven=0", "PrivPasswordGiven=0"};
    QTest::newRow("/a after /a0 keeps the text 0")
        << "" << kAgent + QStringList{"/v3", "/a0", "/a2"}
        << QStringList{"AuthProtocol=2", "AuthProtocolText=0", "AuthProtocolGiven=1"};
    QTest::newRow("/I anywhere in the parameter wins")
        << "" << QStringList{"/Rpublic/I10.0.0.9"}
        << QStringList{"AgentAddressText=10.0.0.9", "Address=10.0.0.9", "ReadCommunity=mirepo", "ReadCommunityText="};
    QTest::newRow("/I after the others: no file for them")
        << kV3File << QStringList{"/Rpub", "/I10.0.0.5"}
        << QStringList{"ConfigFileFound=0", "Version=0", "ReadCommunity=pub", "Address=10.0.0.5", "SnmpV3Menu=0"};
    QTest::newRow("the value runs to the end of the parameter")
        << "" << kAgent + QStringList{"/Rab/Rcd"} << QStringList{"ReadCommunity=ab/Rcd"};
    QTest::newRow("/R is tested before /W")
        << "" << kAgent + QStringList{"/Wx/Ry"} << QStringList{"ReadCommunity=y", "WriteCommunity=wrilato"};
    QTest::newRow("/v1 last overrides the file's v3")
        << kV3File << kAgent + QStringList{"/v1"} << QStringList{"Version=1", "VersionText=1", "SnmpV3Menu=0"};
    QTest::newRow("the file's version returns with the next parameter")
        << kV3File << kAgent + QStringList{"/v1", "/Rpub"} << QStringList{"Version=3", "VersionText=3", "SnmpV3Menu=1"};
    QTest::newRow("switches are case-sensitive")
        << "" << kAgent + QStringList{"/rpub", "/V3", "/i10.0.0.9"}
        << QStringList{"ReadCommunity=mirepo", "Version=0", "Address=10.0.0.5"};
    QTest::newRow("signed numbers")
        << "" << kAgent + QStringList{"/v+3", "/t+1161"} << QStringList{"Version=3", "Port=1161", "PortText=+1161"};
}

void TestStartup::parameters()
{
    QFETCH(QString, configFile);
    QFETCH(QStringList, parameters);
    QFETCH(QStringList, expected);
    if (!configFile.isEmpty()) fixture_->writeConfigFile("10.0.0.5", configFile);
    const StartupOutcome outcome = Run(parameters);
    QVERIFY(!outcome.NoParameterInput);
    CompareSnapshot(Snapshot(settings_, profile_, outcome), expected);
}

void TestStartup::conversionErrors_data()
{
    QTest::addColumn<QString>("configFile");
    QTest::addColumn<QStringList>("parameters");
    QTest::addColumn<QString>("message");  // %1 stands for the configuration file

    const QString invalid = "'%2' is not a valid integer value for \"%3\" in %1";
    QTest::newRow("file: port not a number") << ConfigKeys({{"AgentPort", "abc"}}) << kAgent + QStringList{"/Rp"}
                                             << invalid.arg("%1", "abc", "AgentPort");
    QTest::newRow("file: numeric key missing") << ConfigKeys({{"SecurityModel", nullptr}})
                                               << kAgent + QStringList{"/Rp"} << invalid.arg("%1", "", "SecurityModel");
    QTest::newRow("file: level empty") << ConfigKeys({{"SecurityLevel", ""}}) << kAgent + QStringList{"/Rp"}
                                       << invalid.arg("%1", "", "SecurityLevel");
    QTest::newRow("file: no fractions") << ConfigKeys({{"Version", "3.0"}}) << kAgent + QStringList{"/Rp"}
                                        << invalid.arg("%1", "3.0", "Version");
    QTest::newRow("file: hex") << ConfigKeys({{"AuthProtocol", "0x1"}}) << kAgent + QStringList{"/Rp"}
                               << invalid.arg("%1", "0x1", "AuthProtocol");
    QTest::newRow("file: version too big for its field")
        << ConfigKeys({{"Version", "259"}}) << kAgent + QStringList{"/Rp"}
        << "'259' is out of range (0 to 255) for \"Version\" in %1";
    QTest::newRow("switch: version") << "" << kAgent + QStringList{"/vx"}
                                     << "'x' is not a valid integer value in the parameter \"/vx\"";
    QTest::newRow("switch: blank before the number")
        << "" << kAgent + QStringList{"/v3", "/t 1161"}
        << "' 1161' is not a valid integer value in the parameter \"/t 1161\"";
    QTest::newRow("switch: port too big") << "" << kAgent + QStringList{"/v3", "/t70000"}
                                          << "'70000' is out of range (0 to 65535) in the parameter \"/t70000\"";
    QTest::newRow("switch: beyond 32 bits")
        << "" << kAgent + QStringList{"/v3", "/m99999999999"}
        << "'99999999999' is not a valid integer value in the parameter \"/m99999999999\"";
    QTest::newRow("switch: empty level") << "" << kAgent + QStringList{"/v3", "/l"}
                                         << "'' is not a valid integer value in the parameter \"/l\"";
}

void TestStartup::conversionErrors()
{
    QFETCH(QString, configFile);
    QFETCH(QStringList, parameters);
    QFETCH(QString, message);
    if (!configFile.isEmpty()) fixture_->writeConfigFile("10.0.0.5", configFile);
    try {
        Run(parameters);
        QFAIL("no conversion error");
    } catch (const AppException& error) {
        QCOMPARE(error.message(), message.arg(fixture_->configDirectory() + "10.0.0.5.cfg"));
    }
}

void TestStartup::noParameterInput()
{
    profile_.Security.Version = 3;  // left by an earlier session; start-up begins with v1
    fixture_->writeConfigFile("", ConfigKeys({{"Version", "3"}}));
    const StartupOutcome outcome = Run({});
    QVERIFY(outcome.NoParameterInput);
    QVERIFY(!outcome.SnmpV3MenuEnabled);
    QCOMPARE(profile_.Security.Version, quint8(0));
    QVERIFY(!settings_.ConfigFileFound);
    QCOMPARE(outcome.MenuChanges.size(), size_t(4));
    QCOMPARE(QString(kNoParameterInput), QString("No parameter input"));
}

void TestStartup::configDirectory_data()
{
    QTest::addColumn<QString>("registry");  // %1 stands for the temporary directory
    QTest::addColumn<QString>("directory");
    QTest::addColumn<bool>("found");
    QTest::newRow("platform program directory") << "[\\SOFTWARE\\Quorix\\Vantrix5.1\\ExePath]\nPath=%1/bin/\n"
                                                << "%1/bin/../Conf/MBF/" << true;
    QTest::newRow("MIB-file key replaces it, used as it stands")
        << "[\\SOFTWARE\\Quorix\\Vantrix5.1\\ExePath]\nPath=%1/bin/\n"
           "[\\SOFTWARE\\Quorix\\Vantrix5.1\\MibFile]\nPath=%1/mbf/\n"
        << "%1/mbf/" << true;
    QTest::newRow("MIB-file key without its value") << "[\\SOFTWARE\\Quorix\\Vantrix5.1\\ExePath]\nPath=%1/bin/\n"
                                                       "[\\SOFTWARE\\Quorix\\Vantrix5.1\\MibFile]\n"
                                                    << "" << false;
    QTest::newRow("no platform") << "" << "../Conf/MBF/" << false;
}

void TestStartup::configDirectory()
{
    QFETCH(QString, registry);
    QFETCH(QString, directory);
    QFETCH(bool, found);
    const QString root = fixture_->root();
    fixture_->writeRegistry(QString(registry).replace("%1", root));
    fixture_->writeConfigFile("10.0.0.5", ConfigKeys({{"Version", "3"}}));
    QDir(root).mkpath("mbf");
    QFile::copy(root + "/Conf/MBF/10.0.0.5.cfg", root + "/mbf/10.0.0.5.cfg");

    const StartupOutcome outcome = Run(kAgent + QStringList{"/Rpub"});
    QCOMPARE(settings_.ConfigDirectory, QString(directory).replace("%1", root));
    QCOMPARE(settings_.ConfigFileFound, found);
    QCOMPARE(outcome.SnmpV3MenuEnabled, found);
}

void TestStartup::catalogueBase_data()
{
    QTest::addColumn<QString>("helpPath");  // %1 stands for the temporary directory
    QTest::addColumn<QString>("catalogueBase");
    QTest::newRow("installed file") << "%1/install/KSW-7116.EXE" << "%1/install/";
    QTest::newRow("exactly 12 characters") << "KSW-7116.EXE" << "";
    QTest::newRow("shorter") << "a.exe" << "";
    QTest::newRow("no value") << "" << "";
}

void TestStartup::catalogueBase()
{
    QFETCH(QString, helpPath);
    QFETCH(QString, catalogueBase);
    const QString root = fixture_->root();
    fixture_->writeRegistry("[\\SOFTWARE\\Quorix\\Modules\\HelpPath]\n1.3.6.1.4.1.58126.10.101.2=" +
                            QString(helpPath).replace("%1", root) + "\n");
    QDir(root).mkpath("install/errmsg");
    StartupFixture::WriteFile(root + "/install/errmsg/common.err", "Installed ok\n");
    StartupFixture::WriteFile(root + "/install/errmsg/snmp.msg", "Read: [ERROR]\nWritten: [ERROR]\n");

    const StartupOutcome outcome = Run(kAgent);
    QCOMPARE(settings_.CatalogueBase, QString(catalogueBase).replace("%1", root));
    QCOMPARE(outcome.MenuChanges.size(), size_t(4));
    const bool installed = !catalogueBase.isEmpty();
    QCOMPARE(CatalogueText(Catalogue::Common, 0), QString(installed ? "Installed ok" : " Ok!"));
    QCOMPARE(CatalogueText(Catalogue::StatusTemplates, 1),
             QString(installed ? "Written: [ERROR]" : "Set: [ERROR] Request:[VARLIST]. Receive at [TIME]."));
    QCOMPARE(CatalogueText(Catalogue::SnmpStatus, 0), QString("(SNMP) Response PDU Too Big!"));  // no file
}

void TestStartup::helpPathKeyCreated()
{
    fixture_->writeRegistry("; platform keys only\n[\\SOFTWARE\\Quorix\\Vantrix5.1\\ExePath]\nPath=/x/\n");
    const StartupOutcome outcome = Run(kAgent);
    QCOMPARE(settings_.CatalogueBase, QString());

    QStringList changes;
    for (const MenuVisibility& item : outcome.MenuChanges)
        changes << QString("%1=%2").arg(item.caption).arg(item.visible ? "shown" : "hidden");
    QCOMPARE(changes, (QStringList{"File System=hidden", "Multiple Image Management=shown",
                                   "Multiple Config Management=shown", "Agent Supported Config Files=hidden"}));

    QFile file(fixture_->registryFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("; platform keys only\n[\\SOFTWARE\\Quorix\\Vantrix5.1\\ExePath]\n"
                                        "Path=/x/\n\n[\\SOFTWARE\\Quorix\\Modules\\HelpPath]\n"));
}

void TestStartup::helpPathKeyUnavailable()
{
    // The registry's directory is a plain file: the key can be neither read nor created.
    StartupFixture::WriteFile(fixture_->root() + "/blocker", "");
    qputenv("KSW_REGISTRY", (fixture_->root() + "/blocker/registry.ini").toUtf8());
    const StartupOutcome outcome = Run(kAgent);
    QVERIFY(outcome.MenuChanges.empty());
    QCOMPARE(settings_.CatalogueBase, QString());
    QCOMPARE(settings_.ConfigDirectory, QString("../Conf/MBF/"));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "test_startup.moc"
