// The simulator's object store without the agent: set semantics (RFC 3416 errors, RFC 2579
// RowStatus, all-or-nothing), instance decoding, the state file, the front-panel bytes and the
// import of descriptor tables.

#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "values/optionlist.h"
#include "descriptor_import.h"
#include "front_panel.h"
#include "set_transaction.h"
#include "snmp/vardesc.h"
#include "state_file.h"
#include "switch_sim.h"

using namespace ksw::sim;

Q_DECLARE_METATYPE(ErrorStatus)

namespace {

const char* const kVlan = "1.3.6.1.2.1.17.7.1.4.3.1";

Oid vlanColumn(uint32_t column, uint32_t vlan)
{
    return concat(oidOf(kVlan), {column, vlan});
}

SimSettings frozen(const char* model = "KSW-7116", uint64_t startSeconds = 0)
{
    SimSettings s;
    s.model = findModel(model);
    s.clockRate = 0;
    s.clockStartMs = startSeconds * 1000;
    return s;
}

std::string readFile(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll().toStdString();
}

}  // namespace

class TestSimStore : public QObject {
    Q_OBJECT

private slots:
    void setErrors_data();
    void setErrors();
    void rowStatusLifecycle();
    void enableStatusAddsAndRemovesRows();
    void setIsAllOrNothing();
    void undoRestoresEverything();
    void instanceDecoding_data();
    void instanceDecoding();
    void valueTextRoundTrip_data();
    void valueTextRoundTrip();
    void stateRoundTrip();
    void corruptStateRefused_data();
    void corruptStateRefused();
    void frontPanelFollowsPorts();
    void portsAreDeterministicAndCountersGrow();
    void descriptorImport();
};

void TestSimStore::setErrors_data()
{
    QTest::addColumn<QString>("oid");
    QTest::addColumn<QString>("value");
    QTest::addColumn<ErrorStatus>("expected");
    const QString vlan = kVlan;
    QTest::newRow("writable scalar") << "1.3.6.1.2.1.1.5.0" << R"(STRING:"lab")" << ErrorStatus::NoError;
    QTest::newRow("read-only scalar") << "1.3.6.1.2.1.1.1.0" << R"(STRING:"x")" << ErrorStatus::NotWritable;
    QTest::newRow("unknown object") << "1.3.6.1.2.1.1.99.0" << "INTEGER:1" << ErrorStatus::NotWritable;
    QTest::newRow("not-accessible index") << "1.3.6.1.2.1.17.7.1.2.1.1.1.1" << "GAUGE32:1" << ErrorStatus::NotWritable;
    QTest::newRow("wrong type") << "1.3.6.1.2.1.1.5.0" << "INTEGER:1" << ErrorStatus::WrongType;
    QTest::newRow("string too long") << vlan + ".1.1" << R"(STRING:"123456789012345678901234567890123")"
                                     << ErrorStatus::WrongLength;
    QTest::newRow("port list of 5 octets") << vlan + ".2.1" << "HEX:ffff000000" << ErrorStatus::WrongLength;
    QTest::newRow("port 17 on 16 ports") << vlan + ".2.1" << "HEX:ffff8000" << ErrorStatus::WrongValue;
    QTest::newRow("enumeration outside") << "1.3.6.1.2.1.2.2.1.7.1" << "INTEGER:4" << ErrorStatus::WrongValue;
    QTest::newRow("range outside") << "1.3.6.1.2.1.17.4.2.0" << "INTEGER:9" << ErrorStatus::WrongValue;
    QTest::newRow("notReady written") << vlan + ".5.1" << "INTEGER:3" << ErrorStatus::WrongValue;
    QTest::newRow("scalar instance 1") << "1.3.6.1.2.1.1.5.1" << R"(STRING:"x")" << ErrorStatus::NoCreation;
    QTest::newRow("VLAN 4095") << vlan + ".1.4095" << R"(STRING:"x")" << ErrorStatus::NoCreation;
    QTest::newRow("index too long") << vlan + ".1.10.1" << R"(STRING:"x")" << ErrorStatus::NoCreation;
    QTest::newRow("column of a missing row") << vlan + ".1.10" << R"(STRING:"x")" << ErrorStatus::NoCreation;
    QTest::newRow("ifTable row that cannot exist") << "1.3.6.1.2.1.2.2.1.7.17" << "INTEGER:2" << ErrorStatus::NoCreation;
    QTest::newRow("createAndGo on VLAN 1") << vlan + ".5.1" << "INTEGER:4" << ErrorStatus::InconsistentValue;
    QTest::newRow("active on a missing row") << vlan + ".5.10" << "INTEGER:1" << ErrorStatus::InconsistentValue;
    QTest::newRow("destroy VLAN 1") << vlan + ".5.1" << "INTEGER:6" << ErrorStatus::InconsistentValue;
    QTest::newRow("destroy a missing row") << vlan + ".5.10" << "INTEGER:6" << ErrorStatus::NoError;
    QTest::newRow("createAndGo a new row") << vlan + ".5.10" << "INTEGER:4" << ErrorStatus::NoError;
}

void TestSimStore::setErrors()
{
    QFETCH(QString, oid);
    QFETCH(QString, value);
    QFETCH(ErrorStatus, expected);
    SwitchSim sim(frozen());
    const auto parsed = parseValueText(value.toStdString());
    QVERIFY(parsed);
    const SetOutcome outcome = applySet(sim.store(), {{oidOf(oid.toStdString()), *parsed}});
    QCOMPARE(errorStatusName(static_cast<long>(outcome.status)), errorStatusName(static_cast<long>(expected)));
    QCOMPARE(outcome.index, expected == ErrorStatus::NoError ? 0 : 1);
}

void TestSimStore::rowStatusLifecycle()
{
    SwitchSim sim(frozen());
    ObjectStore& store = sim.store();
    const Oid status = vlanColumn(5, 20);
    // createAndWait: the row exists, not in service, with its defaults.
    QCOMPARE(applySet(store, {{status, Value::Integer(rowstatus::CreateAndWait)}}).status, ErrorStatus::NoError);
    QCOMPARE(store.read(status)->integer, rowstatus::NotInService);
    QCOMPARE(store.read(vlanColumn(2, 20))->octets, std::string(4, '\0'));
    // A column of an existing row needs no row status.
    QCOMPARE(applySet(store, {{vlanColumn(1, 20), Value::Octets("twenty")}}).status, ErrorStatus::NoError);
    QCOMPARE(applySet(store, {{status, Value::Integer(rowstatus::Active)}}).status, ErrorStatus::NoError);
    QCOMPARE(store.read(status)->integer, rowstatus::Active);
    QCOMPARE(applySet(store, {{status, Value::Integer(rowstatus::NotInService)}}).status, ErrorStatus::NoError);
    QCOMPARE(store.read(status)->integer, rowstatus::NotInService);
    QCOMPARE(applySet(store, {{status, Value::Integer(rowstatus::CreateAndWait)}}).status,
             ErrorStatus::InconsistentValue);
    // Destroy removes every column; columns given with destroy are refused.
    QCOMPARE(applySet(store, {{status, Value::Integer(rowstatus::Destroy)}, {vlanColumn(1, 20), Value::Octets("x")}}),
             (SetOutcome{ErrorStatus::InconsistentValue, 2}));
    QCOMPARE(applySet(store, {{status, Value::Integer(rowstatus::Destroy)}}).status, ErrorStatus::NoError);
    QVERIFY(!store.read(status));
    QVERIFY(!store.read(vlanColumn(1, 20)));
    // createAndGo with columns in the same request, in any order.
    QCOMPARE(applySet(store, {{vlanColumn(1, 30), Value::Octets("thirty")},
                              {concat(oidOf(kVlan), {5, 30}), Value::Integer(rowstatus::CreateAndGo)}})
                 .status,
             ErrorStatus::NoError);
    QCOMPARE(store.read(vlanColumn(1, 30))->octets, std::string("thirty"));
    QCOMPARE(store.read(vlanColumn(5, 30))->integer, rowstatus::Active);
}

// A status column of other(1), disabled(2) and enabled(3), as the trap manager table has it:
// enabled adds a row, disabled removes it.
void TestSimStore::enableStatusAddsAndRemovesRows()
{
    QTemporaryDir dir;
    const std::string path = (dir.path() + "/state").toStdString();
    SwitchSim sim(frozen());
    ObjectStore& store = sim.store();
    const Oid entry = oidOf("1.3.6.1.4.1.58126.12.1.4.2.1");
    auto cell = [&](uint32_t column, uint32_t row) { return concat(entry, {column, row}); };
    const Value manager = Value::IpAddress(std::string("\x0a\x5a\x5a\x63", 4));
    QVERIFY(!store.read(cell(5, 7)));
    QCOMPARE(applySet(store, {{cell(2, 7), manager}, {cell(5, 7), Value::Integer(3)}}).status, ErrorStatus::NoError);
    QCOMPARE(store.read(cell(5, 7))->integer, 3);
    QCOMPARE(*store.read(cell(2, 7)), manager);
    QCOMPARE(applySet(store, {{cell(5, 7), Value::Integer(3)}}).status, ErrorStatus::NoError);  // enabled already
    QCOMPARE(applySet(store, {{cell(5, 7), Value::Integer(1)}}).status, ErrorStatus::WrongValue);
    QCOMPARE(applySet(store, {{cell(2, 8), manager}}).status, ErrorStatus::NoCreation);

    std::string why;
    QVERIFY2(saveState(path, store, "KSW-7116", &why), why.c_str());
    SwitchSim restarted(frozen());
    const auto error = loadState(path, restarted.store(), "KSW-7116");
    QVERIFY2(!error, error ? error->message.c_str() : "");
    QCOMPARE(*restarted.store().read(cell(2, 7)), manager);

    QCOMPARE(applySet(store, {{cell(5, 7), Value::Integer(2)}}).status, ErrorStatus::NoError);
    QVERIFY(!store.read(cell(5, 7)));
    QVERIFY(!store.read(cell(2, 7)));
}

void TestSimStore::setIsAllOrNothing()
{
    SwitchSim sim(frozen());
    ObjectStore& store = sim.store();
    const Oid sysName = oidOf("1.3.6.1.2.1.1.5.0");
    const Oid rmon = oidOf("1.3.6.1.4.1.58126.11.101.2.2.1.2.4.0");
    // The failing varbind is the third; the first two are valid alone and stay unapplied.
    const SetOutcome outcome = applySet(store, {{sysName, Value::Octets("changed")},
                                                {vlanColumn(5, 40), Value::Integer(rowstatus::CreateAndGo)},
                                                {rmon, Value::Integer(7)}});
    QCOMPARE(outcome, (SetOutcome{ErrorStatus::WrongValue, 3}));
    QCOMPARE(store.read(sysName)->octets, std::string("KSW-7116"));
    QVERIFY(!store.read(vlanColumn(5, 40)));
    // The same in the later phase: the row check fails on the second varbind.
    QCOMPARE(applySet(store, {{sysName, Value::Octets("changed")}, {vlanColumn(1, 41), Value::Octets("x")}}),
             (SetOutcome{ErrorStatus::NoCreation, 2}));
    QCOMPARE(store.read(sysName)->octets, std::string("KSW-7116"));
}

void TestSimStore::undoRestoresEverything()
{
    SwitchSim sim(frozen());
    ObjectStore& store = sim.store();
    const std::string before = stateText(store, "KSW-7116");
    SetTransaction t(store);
    QCOMPARE(t.stage(1, oidOf("1.3.6.1.2.1.1.6.0"), Value::Octets("rack 4")), ErrorStatus::NoError);
    QCOMPARE(t.stage(2, vlanColumn(5, 50), Value::Integer(rowstatus::CreateAndGo)), ErrorStatus::NoError);
    QCOMPARE(t.stage(3, vlanColumn(4, 1), Value::Octets(std::string("\x80\0\0\0", 4))), ErrorStatus::NoError);
    QCOMPARE(t.prepare().first, ErrorStatus::NoError);
    t.apply();
    QVERIFY(stateText(store, "KSW-7116") != before);
    t.undo();
    QCOMPARE(stateText(store, "KSW-7116"), before);
}

void TestSimStore::instanceDecoding_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<bool>("fits");
    // FDB entries: INDEX { dot1qFdbId (Unsigned32), dot1qTpFdbAddress (6 octets, no length) }.
    QTest::newRow("id and address") << "1.0.17.34.51.68.85" << true;
    QTest::newRow("address short") << "1.0.17.34.51.68" << false;
    QTest::newRow("address long") << "1.0.17.34.51.68.85.1" << false;
    QTest::newRow("octet above 255") << "1.0.17.34.51.68.256" << false;
    QTest::newRow("id 0") << "0.0.17.34.51.68.85" << false;
}

void TestSimStore::instanceDecoding()
{
    QFETCH(QString, suffix);
    QFETCH(bool, fits);
    const std::vector<IndexPart> parts = {IndexPart::integer(1, 4294967295LL), IndexPart::fixedOctets(6)};
    const auto values = decodeIndex(parts, oidOf(suffix.toStdString()));
    QCOMPARE(values.has_value(), fits);
    if (fits) QCOMPARE(encodeIndex(parts, *values), oidOf(suffix.toStdString()));
    // A length-prefixed string and an implied one.
    QVERIFY(decodeIndex({IndexPart::octets(0, 8), IndexPart::impliedOctets(1, 8)}, {2, 97, 98, 99}).has_value());
    QVERIFY(!decodeIndex({IndexPart::octets(0, 8)}, {3, 97, 98}).has_value());
}

void TestSimStore::valueTextRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("integer") << "INTEGER:-5";
    QTest::newRow("printable") << R"(STRING:"a \"quoted\" \\ word")";
    QTest::newRow("binary") << "HEX:00ff10";
    QTest::newRow("oid") << "OID:1.3.6.1.4.1.58126";
    QTest::newRow("ip") << "IPADDRESS:10.0.0.254";
    QTest::newRow("counter64") << "COUNTER64:18446744073709551615";
    QTest::newRow("timeticks") << "TIMETICKS:4294967295";
}

void TestSimStore::valueTextRoundTrip()
{
    QFETCH(QString, text);
    const auto value = parseValueText(text.toStdString());
    QVERIFY(value);
    QCOMPARE(QString::fromStdString(valueText(*value)), text);
    for (const char* bad : {"INTEGER:", "STRING:\"open", "HEX:abc", "IPADDRESS:1.2.3", "TIMETICKS:4294967296", "X:1"})
        QVERIFY2(!parseValueText(bad), bad);
}

void TestSimStore::stateRoundTrip()
{
    QTemporaryDir dir;
    const std::string path = (dir.path() + "/state").toStdString();
    {
        SwitchSim sim(frozen());
        QCOMPARE(applySet(sim.store(), {{oidOf("1.3.6.1.2.1.1.5.0"), Value::Octets("core \"A\"")},
                                        {vlanColumn(5, 7), Value::Integer(rowstatus::CreateAndWait)},
                                        {vlanColumn(2, 7), Value::Octets(std::string("\xc0\x01\0\0", 4))}})
                     .status,
                 ErrorStatus::NoError);
        std::string why;
        QVERIFY2(saveState(path, sim.store(), "KSW-7116", &why), why.c_str());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"state"});  // no temporary file left
    }
    SwitchSim fresh(frozen());
    const auto error = loadState(path, fresh.store(), "KSW-7116");
    QVERIFY2(!error, error ? error->message.c_str() : "");
    QCOMPARE(fresh.store().read(oidOf("1.3.6.1.2.1.1.5.0"))->octets, std::string("core \"A\""));
    QCOMPARE(fresh.store().read(vlanColumn(5, 7))->integer, rowstatus::NotInService);
    QCOMPARE(stateText(fresh.store(), "KSW-7116"), readFile(dir.path() + "/state"));
}

void TestSimStore::corruptStateRefused_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("line");
    const QString head = "ksw-sim-state 1\nmodel KSW-7116\ntable 1.3.6.1.2.1.17.7.1.4.3.1\n";
    QTest::newRow("empty file") << "" << 1;
    QTest::newRow("no header") << "# comment\nmodel KSW-7116\n" << 2;
    QTest::newRow("other model") << "ksw-sim-state 1\n\nmodel KSW-7110\n" << 3;
    QTest::newRow("torn value") << head + "1.3.6.1.2.1.1.5.0 STRING:\"half\n" << 4;
    QTest::newRow("read-only object") << head + "1.3.6.1.2.1.1.1.0 STRING:\"x\"\n" << 4;
    QTest::newRow("wrong type") << head + "1.3.6.1.2.1.1.5.0 INTEGER:3\n" << 4;
    QTest::newRow("value outside") << head + "1.3.6.1.2.1.2.2.1.7.1 INTEGER:9\n" << 4;
    QTest::newRow("port that is not there") << head + "1.3.6.1.2.1.2.2.1.7.17 INTEGER:2\n" << 4;
    QTest::newRow("row without status") << head + "1.3.6.1.2.1.17.7.1.4.3.1.1.5 STRING:\"x\"\n" << 4;
    QTest::newRow("createAndGo stored") << head + "1.3.6.1.2.1.17.7.1.4.3.1.5.5 INTEGER:4\n" << 4;
    QTest::newRow("garbage line") << head + "\n\nhello world\n" << 6;
    QTest::newRow("unknown table") << "ksw-sim-state 1\ntable 1.3.6.1.2.1.2.2.1\n" << 2;
    QTest::newRow("same value twice") << head + "1.3.6.1.2.1.1.5.0 STRING:\"a\"\n1.3.6.1.2.1.1.5.0 STRING:\"b\"\n" << 5;
}

void TestSimStore::corruptStateRefused()
{
    QFETCH(QString, content);
    QFETCH(int, line);
    QTemporaryDir dir;
    const QString path = dir.path() + "/state";
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content.toUtf8());
    f.close();
    SwitchSim sim(frozen());
    const std::string before = stateText(sim.store(), "KSW-7116");
    const auto error = loadState(path.toStdString(), sim.store(), "KSW-7116");
    QVERIFY(error);
    QCOMPARE(error->line, line);
    QCOMPARE(stateText(sim.store(), "KSW-7116"), before);  // nothing half-loaded
}

void TestSimStore::frontPanelFollowsPorts()
{
    for (const char* modelName : {"KSW-7116", "KSW-7110"}) {
        SwitchSim sim(frozen(modelName, 5000));
        const ModelInfo& model = sim.model();
        const std::string leds = frontPanelLeds(model, sim.ports(), sim.nowMs());
        QCOMPARE(leds.size(), size_t(41));
        QCOMPARE(leds[2], '\x02');  // power on, steady green
        for (int k = 1; k <= kLedSlots; ++k) {
            const unsigned char state = static_cast<unsigned char>(leds[static_cast<size_t>(2 * k + 3)]);
            const unsigned char colour = static_cast<unsigned char>(leds[static_cast<size_t>(2 * k + 4)]);
            const auto shown = model.slot(k);
            const LinkState link = shown ? sim.ports().link(shown->port, sim.nowMs()) : LinkState{};
            if (!shown || !link.up || link.medium != shown->medium) {
                QCOMPARE(int(state), 0x01);
                QCOMPARE(int(colour), 0x01);
                continue;
            }
            QCOMPARE(int(state & 0x7f), 0x02);
            QCOMPARE(bool(state & 0x80), link.activity);
            QCOMPARE(int(colour), link.speedMbps == 1000 ? 3 : link.speedMbps == 100 ? 1 : 2);
        }
        if (model.ports == 10)
            QCOMPARE(leds.substr(2 * 11 + 3), std::string(16, '\x01'));  // slots 11 to 18 dark
    }
    // A disabled port goes dark; a port forced to 100 Mb/s shows orange.
    SwitchSim sim(frozen());
    int port = 1;
    while (port <= 14 && !sim.ports().link(port, 0).up) ++port;
    QVERIFY2(port <= 14, "no copper port up at time 0 with seed 1");
    const size_t at = static_cast<size_t>(2 * port + 3);
    const Oid ctrl = oidOf("1.3.6.1.4.1.58126.11.101.2.2.3.2.1");
    QCOMPARE(applySet(sim.store(), {{concat(ctrl, {5, uint32_t(port), 1}), Value::Integer(6)}}).status, ErrorStatus::NoError);
    QCOMPARE(frontPanelLeds(sim.model(), sim.ports(), 0)[at + 1], '\x01');
    QCOMPARE(applySet(sim.store(), {{concat(ctrl, {4, uint32_t(port), 1}), Value::Integer(2)}}).status, ErrorStatus::NoError);
    QCOMPARE(frontPanelLeds(sim.model(), sim.ports(), 0).substr(at, 2), std::string("\x01\x01"));
    QCOMPARE(sim.store().read(concat(oidOf("1.3.6.1.2.1.2.2.1.8"), {uint32_t(port)}))->integer, 2);  // ifOperStatus down
}

void TestSimStore::portsAreDeterministicAndCountersGrow()
{
    const ModelInfo& model = *findModel("KSW-7116");
    PortSim a(model, 42), b(model, 42), other(model, 43);
    int changes = 0, differences = 0;
    for (uint64_t ms = 0; ms < 3600 * 1000; ms += 60 * 1000) {
        for (int port = 1; port <= 16; ++port) {
            QCOMPARE(a.link(port, ms).up, b.link(port, ms).up);
            differences += a.link(port, ms).up != other.link(port, ms).up;
            if (ms) changes += a.link(port, ms).up != a.link(port, ms - 60 * 1000).up;
        }
    }
    QVERIFY(changes > 16);      // links come and go within an hour
    QVERIFY(differences > 16);  // another seed is another switch
    uint64_t previous = 0;
    for (uint64_t ms = 0; ms < 2 * 3600 * 1000; ms += 7 * 60 * 1000 + 123) {
        a.advance(ms);
        uint64_t total = 0;
        for (int port = 1; port <= 16; ++port) total += a.traffic(port).inOctets;
        QVERIFY(total >= previous);
        previous = total;
    }
    QVERIFY(previous > 0);
    // Counting in one step or in many gives the same totals.
    b.advance(2 * 3600 * 1000 - 1);
    a.advance(2 * 3600 * 1000 - 1);
    for (int port = 1; port <= 16; ++port) QCOMPARE(a.traffic(port).outUcast, b.traffic(port).outUcast);
}

void TestSimStore::descriptorImport()
{
    static const QxOptionList enabled{{2, "disabled"}, {3, "enabled"}};
    static const QxOptionList rowStatus{{1, "active"}, {4, "createAndGo"}, {6, "destroy"}};
    static const QxSNMPVarDesc scalars[] = {
        {"1.3.6.1.4.1.58126.11.101.2.2.1.3.1", "Alarm New Root", VarType::Integer, AccessRead | AccessWrite, &enabled},
        {"1.3.6.1.4.1.58126.11.101.2.2.1.1.4", "Front panel (already declared)", VarType::OctetString, AccessRead},
        {nullptr},
    };
    static const QxSNMPVarDesc table[] = {
        {"1.3.6.1.4.1.58126.99.1.1.1", "Index", VarType::Integer, AccessIndex},
        {"1.3.6.1.4.1.58126.99.1.1.2", "Address", VarType::MacAddress, AccessIndex},
        {"1.3.6.1.4.1.58126.99.1.1.3", "Ports", VarType::BitString, AccessRead | AccessWrite},
        {"1.3.6.1.4.1.58126.99.1.1.4", "Status", VarType::Integer, AccessRead | AccessWrite, &rowStatus},
        {nullptr},
    };
    SwitchSim sim(frozen());
    ObjectStore& store = sim.store();
    importDescriptorTable(store, scalars, VarListKind::ScalarGroup, {});
    const Oid alarm = oidOf("1.3.6.1.4.1.58126.11.101.2.2.1.3.1.0");
    QCOMPARE(store.read(alarm)->integer, 2);  // the first option is the default
    QCOMPARE(applySet(store, {{alarm, Value::Integer(1)}}).status, ErrorStatus::WrongValue);
    QVERIFY(store.objectFor(oidOf("1.3.6.1.4.1.58126.11.101.2.2.1.1.4"))->generator);  // the first declaration stays

    ImportOptions options;
    options.rowStatusPosition = 3;
    options.rows = {{1, 0, 1, 2, 3, 4, 5}};
    importDescriptorTable(store, table, VarListKind::Table, options);
    const Oid entry = oidOf("1.3.6.1.4.1.58126.99.1.1");
    QCOMPARE(store.read(concat(entry, {3, 1, 0, 1, 2, 3, 4, 5}))->octets, std::string(4, '\0'));
    QVERIFY(!store.read(concat(entry, {1, 1, 0, 1, 2, 3, 4, 5})));  // index columns are not readable
    QCOMPARE(applySet(store, {{concat(entry, {4, 2, 0, 0, 0, 0, 0, 9}), Value::Integer(rowstatus::CreateAndGo)},
                              {concat(entry, {3, 2, 0, 0, 0, 0, 0, 9}), Value::Octets(std::string("\x80\0\0\0", 4))}})
                 .status,
             ErrorStatus::NoError);
    QCOMPARE(applySet(store, {{concat(entry, {4, 2, 0, 0, 0, 9}), Value::Integer(rowstatus::CreateAndGo)}}).status,
             ErrorStatus::NoCreation);  // a MAC index of four octets
}

QTEST_GUILESS_MAIN(TestSimStore)
#include "test_sim_store.moc"
