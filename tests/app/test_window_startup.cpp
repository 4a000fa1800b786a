// What the window adds to start-up: the "SNMP V3" menu follows the agent's version, and the
// program ends with exit code 0 after "No parameter input" or a start-up error, having shown
// the message (read here through KSW_MESSAGE_BOXES=stderr instead of a modal box).

#include <QAction>
#include <QProcess>
#include <QtTest>

#include "app/main_form.h"
#include "platform/message_box.h"
#include "snmp/profile.h"
#include "startup_fixture.h"

class TestWindowStartup : public QObject {
    Q_OBJECT

private slots:
    void snmpV3Menu_data();
    void snmpV3Menu();
    void programEnds_data();
    void programEnds();
};

void TestWindowStartup::snmpV3Menu_data()
{
    QTest::addColumn<QString>("configFile");
    QTest::addColumn<QStringList>("parameters");
    QTest::addColumn<bool>("enabled");

    const QStringList agent{"/I10.0.0.5", "/Rpub", "/Wpriv"};
    QTest::newRow("v1, no file") << "" << agent << false;
    QTest::newRow("v2c from the file") << ConfigKeys({{"Version", "1"}}) << agent << false;
    QTest::newRow("v3 from the file") << ConfigKeys({{"Version", "3"}, {"SecurityLevel", "2"}}) << agent << true;
    QTest::newRow("v3 switch last") << "" << agent + QStringList{"/v3"} << true;
    QTest::newRow("the file's v1 after the v3 switch") << ConfigKeys({{"Version", "0"}})
                                                       << QStringList{"/I10.0.0.5", "/v3", "/Rpub"} << false;
}

void TestWindowStartup::snmpV3Menu()
{
    QFETCH(QString, configFile);
    QFETCH(QStringList, parameters);
    QFETCH(bool, enabled);

    StartupFixture install;
    install.writeStandardRegistry();
    if (!configFile.isEmpty()) install.writeConfigFile("10.0.0.5", configFile);

    // Not shown: nothing is sent to the (made-up) agent.
    TMainForm form(parameters);
    QCOMPARE(form.windowTitle(), QStringLiteral("10.0.0.5"));
    QCOMPARE(form.findChild<QAction*>("snmp_v3")->isEnabled(), enabled);
    QCOMPARE(DefaultProfile().Security.Version == 3, enabled);
    QVERIFY(!form.TerminateRequested());
}

void TestWindowStartup::programEnds_data()
{
    QTest::addColumn<QString>("configFile");
    QTest::addColumn<QStringList>("parameters");
    QTest::addColumn<QString>("message");

    QTest::newRow("no parameter") << "" << QStringList{} << "No parameter input";
    QTest::newRow("port in the file not a number") << ConfigKeys({{"AgentPort", "abc"}})
                                                   << QStringList{"/I10.0.0.5", "/Rpub"}
                                                   << "'abc' is not a valid integer value";
    QTest::newRow("version switch not a number") << "" << QStringList{"/I10.0.0.5", "/vx"}
                                                 << "'x' is not a valid integer value";
    QTest::newRow("v3 port switch out of range") << "" << QStringList{"/I10.0.0.5", "/v3", "/t70000"}
                                                 << "'70000' is out of range";
}

void TestWindowStartup::programEnds()
{
    QFETCH(QString, configFile);
    QFETCH(QStringList, parameters);
    QFETCH(QString, message);

    StartupFixture install;
    install.writeStandardRegistry();
    if (!configFile.isEmpty()) install.writeConfigFile("10.0.0.5", configFile);

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("KSW_MESSAGE_BOXES", "stderr");
    environment.insert("KSW_REGISTRY", install.registryFile());
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(install.root());
    program.start(qEnvironmentVariable("KSW_BIN_DIR") + "/" KSW_MODULE_PROGRAM, parameters);
    QVERIFY2(program.waitForStarted(10000), qPrintable(program.errorString()));
    const bool ended = program.waitForFinished(20000);
    if (!ended) program.kill();
    QVERIFY2(ended, "the program did not end by itself");
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    const QStringList boxes = errors.split('\n').filter(QRegularExpression("^message box: "));
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes.first().contains(message), qPrintable(errors));
}

QTEST_MAIN(TestWindowStartup)
#include "test_window_startup.moc"
