// ksw-sim serves every generic page of the menu catalogue as the module reads it: each page's
// descriptor table loaded into the module's own request engine, read with get (scalar pages)
// or walked column-parallel with get-next (table pages), every value converted by the module's
// value conversion. Then the pages' Add and Delete round trips, and the rows that follow the
// model, the VLANs and the tables read side by side.

#include <QTemporaryDir>
#include <QtTest>
#include <map>
#include <optional>
#include <set>

#include "catalogue/menu_catalogue.h"
#include "values/optionlist.h"
#include "values/valuetext.h"
#include "sim_process.h"
#include "snmp/errors.h"
#include "snmp/request.h"
#include "snmp/session.h"

using ksw::catalogue::GenericPage;
using ksw::catalogue::MenuItem;

namespace {

// The High Capacity counters: INTEGER on the page, Counter64 in BRIDGE-MIB, served as the MIB has them.
const std::set<QString> kCounter64ForInteger = {"1.3.6.1.2.1.17.4.5.1.1", "1.3.6.1.2.1.17.4.5.1.2",
                                                "1.3.6.1.2.1.17.4.5.1.3"};
// Octet strings the standard MIBs size otherwise than a port list (type 3).
const std::map<QString, int> kOctetsNotPortList = {
    {"1.0.8802.1.1.1.1.1.2.1.3", 1},  // dot1xPaePortCapabilities, BITS
    {"1.3.6.1.6.3.12.1.2.1.3", 6},    // snmpTargetAddrTAddress, an IPv4 address and UDP port
};

constexpr int kMaxRows = 2000;

// The syntax a type code arrives as.
uint8_t expectedSyntax(uint32_t type)
{
    switch (type) {
    case VarType::Boolean:
    case VarType::Integer: return Syntax::Integer;
    case VarType::ObjectId: return Syntax::ObjectId;
    case VarType::IpAddress: return Syntax::IpAddress;
    case VarType::Counter: return Syntax::Counter32;
    case VarType::Gauge:
    case VarType::UInteger: return Syntax::Gauge32;
    case VarType::TimeTicks: return Syntax::TimeTicks;
    case VarType::Counter64: return Syntax::Counter64;
    default: return Syntax::OctetString;
    }
}

// Octets a value of this type code holds; -1 for any length.
int expectedLength(uint32_t type)
{
    switch (type) {
    case VarType::BitString: return 4;
    case VarType::MacAddress: return 6;
    case VarType::DateTime: return 11;
    case VarType::Ipv6Address: return 16;
    case VarType::IpAddress: return 4;
    default: return -1;
    }
}

const MenuItem* findItem(const QString& id)
{
    return ksw::catalogue::FindMenuItem(id.toStdString());
}

// The request engine with a record of every binding it decodes.
class RecordingRequest : public QxSNMPRequest {
public:
    void DecodeValue(int i, const QxVb& vb) override
    {
        received[i] = vb;
        QxSNMPRequest::DecodeValue(i, vb);
    }
    std::map<int, QxVb> received;
};

struct PageRead {
    QStringList problems;
    QStringList instances;                    // table pages: the instance of every row
    std::vector<QStringList> indexValues;     // table pages: the index texts of every row
    std::vector<std::map<int, QString>> rows;  // the value texts of every row (one for scalars)
};

// Loads a page's table into a request as its menu handler does.
void loadPage(QxSNMPRequest& request, const GenericPage& page, const QString& instance)
{
    QxSNMPVarList list(page.table.data(), page.kind, page.indexCount);
    request.Vars.Assign(list);
    request.Vars.Instance = instance;
}

class PageChecker {
public:
    PageChecker(RecordingRequest& request, PageRead& read) : r_(request), read_(read) {}

    void checkRow()
    {
        const QxSNMPVarList& vars = r_.Vars;
        read_.rows.emplace_back();
        for (int i = 0; i < vars.GetCount(); ++i) {
            const QxSNMPVar& v = vars.Get(i);
            const bool index = vars.IsTable() && i < vars.IndexCount;
            if (!vars.IsRequested(i) && !index) continue;
            if (v.Value == QLatin1String("(NOTDONE)")) continue;
            if (vars.IsRequested(i)) checkBinding(i, v);
            if (v.Options && v.Options->Kind() == OptionKind::Integer && v.Options->FindByLabel(v.Value) < 0)
                problem(v, "holds " + v.Value + ", none of its options");
            read_.rows.back()[i] = v.Value;
        }
    }

    // Row by row as the binding walks a table: the instance decodes into exactly the page's
    // index columns, and encodes back to the same instance.
    void checkInstance()
    {
        const QxSNMPVarList& vars = r_.Vars;
        QString instance;
        for (int i = 0; i < vars.GetCount() && instance.isEmpty(); ++i) {
            // A column without a row here (an SNMPv1 walk steps over Counter64) says nothing.
            const QString base = r_.ColumnBase(i) + QLatin1Char('.');
            const QxSNMPVar& v = vars.Get(i);
            if (vars.IsRequested(i) && v.Value != QLatin1String("(NOTDONE)") && v.CurrentOid.startsWith(base))
                instance = v.CurrentOid.mid(base.size());
        }
        read_.instances << instance;
        QStringList indexes;
        for (int i = 0; i < vars.IndexCount; ++i) indexes << vars.Get(i).Value;
        read_.indexValues.push_back(indexes);
        if (vars.IndexCount > 0 && r_.InstanceSuffix() != instance)
            read_.problems << QStringLiteral("instance %1 decodes into %2 index columns as %3, which encode as %4")
                                  .arg(instance)
                                  .arg(vars.IndexCount)
                                  .arg(indexes.join(QLatin1Char('|')), r_.InstanceSuffix());
    }

private:
    void problem(const QxSNMPVar& v, const QString& what)
    {
        read_.problems << QStringLiteral("%1 (%2) %3").arg(v.Label, v.CurrentOid, what);
    }

    void checkBinding(int i, const QxSNMPVar& v)
    {
        auto it = r_.received.find(i);
        if (it == r_.received.end()) return;
        const QxVb& vb = it->second;
        if (!vb.HasValue()) {
            problem(v, QStringLiteral("answered with exception 0x%1").arg(vb.Syntax, 0, 16));
            return;
        }
        const QString& base = v.Oid;
        uint8_t expected = expectedSyntax(v.Type);
        if (kCounter64ForInteger.count(base)) expected = Syntax::Counter64;
        if (vb.Syntax != expected)
            problem(v, QStringLiteral("arrived as syntax 0x%1, type %2 wants 0x%3").arg(vb.Syntax, 0, 16).arg(v.Type).arg(expected, 0, 16));
        int length = expectedLength(v.Type);
        if (auto special = kOctetsNotPortList.find(base); special != kOctetsNotPortList.end()) length = special->second;
        if (length >= 0 && vb.Bytes.size() != length && !(v.Type == VarType::DateTime && vb.Bytes.size() == 8))
            problem(v, QStringLiteral("holds %1 octets, %2 expected").arg(vb.Bytes.size()).arg(length));
    }

    RecordingRequest& r_;
    PageRead& read_;
};

// Reads a page as the module does: one get for a scalar or single-instance page, a
// column-parallel get-next walk for a table page.
PageRead readPage(const GenericPage& page, const QString& instance = {})
{
    PageRead read;
    RecordingRequest request;
    loadPage(request, page, instance);
    PageChecker checker(request, read);
    try {
        if (!request.Vars.IsTable()) {
            request.ReadSync(true);
            checker.checkRow();
            return read;
        }
        bool first = true;
        while (request.ReadSync(first)) {
            first = false;
            checker.checkRow();
            checker.checkInstance();
            request.received.clear();
            if (read.instances.size() > kMaxRows) {
                read.problems << "more than " + QString::number(kMaxRows) + " rows";
                break;
            }
        }
    } catch (const AppException& e) {
        read.problems << QStringLiteral("error %1: %2").arg(e.code()).arg(e.message());
    }
    return read;
}

// A set as the table page sends it: the selected positions with their value texts.
QString writePage(const GenericPage& page, const QString& selection, const QStringList& values)
{
    QxSNMPRequest request;
    loadPage(request, page, {});
    try {
        request.WriteSync(selection, &values);
    } catch (const AppException& e) {
        return QStringLiteral("error %1: %2").arg(e.code()).arg(e.message());
    }
    return {};
}

std::vector<const MenuItem*> genericItems()
{
    std::vector<const MenuItem*> items;
    for (auto menu : {ksw::catalogue::MainMenu(), ksw::catalogue::PortPopupMenu()})
        for (const MenuItem& item : menu)
            if (item.opens == ksw::catalogue::Opens::Generic) items.push_back(&item);
    return items;
}

}  // namespace

class TestSimCatalogue : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPageReads_data();
    void everyPageReads();
    void portTablesFollowTheModel_data();
    void portTablesFollowTheModel();
    void vlanTablesHoldVlanOne_data();
    void vlanTablesHoldVlanOne();
    void highCapacityPagesHoldTheSameRows();
    void counter64ShowsItsFullValue_data();
    void counter64ShowsItsFullValue();
    void userTableListsTheAgentsUsers_data();
    void userTableListsTheAgentsUsers();
    void addAndDeleteRoundTrips_data();
    void addAndDeleteRoundTrips();

private:
    void usePeer(const SimProcess& sim, int version = 1);
    SimProcess sim_;
    SimProcess smallSim_;  // a KSW-7110 with other users than the defaults
    QString engineId_;     // sim_'s, as the pages show it
    QTemporaryDir sessionDir_;
};

void TestSimCatalogue::initTestCase()
{
    QVERIFY2(sim_.start(), qPrintable(sim_.error()));
    QVERIFY2(smallSim_.start({"--model", "KSW-7110", "--user", "ops:SHA:opsauth1234:AES:opspriv1234", "--user",
                              "viewer:MD5:viewauth123:AES:viewpriv123:ro"}),
             qPrintable(smallSim_.error()));
    CreateSession(sessionDir_.path());
    usePeer(sim_);
    engineId_ = readPage(findItem("snmp_v3.snmp_engine")->page).rows.at(0).at(0);
}

void TestSimCatalogue::usePeer(const SimProcess& sim, int version)
{
    QxSNMPProfile& profile = DefaultProfile();
    profile.Device = {sim.address(), sim.port()};
    profile.Security.Version = static_cast<quint8>(version);  // 0 v1, 1 v2c
}

void TestSimCatalogue::everyPageReads_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("instance");
    QTest::addColumn<int>("version");
    int pages = 0;
    for (const MenuItem* item : genericItems()) {
        ++pages;
        // SNMPv1 too: it is the module's default, and a v1 walk steps over Counter64 columns.
        for (const auto& [version, name] : {std::pair(1, "v2c"), std::pair(0, "v1")}) {
            const QByteArray row = QByteArray(item->id) + " " + name;
            if (item->page.instance == ksw::catalogue::InstanceRule::PortButtonHint) {
                // A copper port and the fiber medium of a combo port.
                QTest::newRow(row + " 1.1") << QString(item->id) << "1.1" << version;
                QTest::newRow(row + " 16.2") << QString(item->id) << "16.2" << version;
            } else {
                QTest::newRow(row) << QString(item->id) << QString() << version;
            }
        }
    }
    QCOMPARE(pages, 199);
}

void TestSimCatalogue::everyPageReads()
{
    QFETCH(QString, id);
    QFETCH(QString, instance);
    QFETCH(int, version);
    const MenuItem* item = findItem(id);
    QVERIFY(item);
    usePeer(sim_, version);
    const PageRead read = readPage(item->page, instance);
    usePeer(sim_);
    QVERIFY2(read.problems.isEmpty(), qPrintable(read.problems.mid(0, 5).join(QLatin1Char('\n'))));
    if (item->page.shape() == ksw::catalogue::PageShape::Table) QVERIFY2(!read.instances.isEmpty(), "no rows");
}

void TestSimCatalogue::portTablesFollowTheModel_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("small");
    QTest::addColumn<int>("ports");
    const char* const ids[] = {
        "security_management.802_1x.802_1x_port_configuration",
        "bridge.spanning_tree.stp_port_table",
        "layer_2_management.qos_management.bandwidth_control_table",
        "layer_2_management.loop_detection_management.loop_detection_port_management",
        "vlan.802_1p.high_capacity.port_table",
    };
    for (const char* id : ids) {
        QTest::newRow((QByteArray(id) + " KSW-7116").constData()) << QString(id) << false << 16;
        QTest::newRow((QByteArray(id) + " KSW-7110").constData()) << QString(id) << true << 10;
    }
}

void TestSimCatalogue::portTablesFollowTheModel()
{
    QFETCH(QString, id);
    QFETCH(bool, small);
    QFETCH(int, ports);
    usePeer(small ? smallSim_ : sim_);
    const PageRead read = readPage(findItem(id)->page);
    usePeer(sim_);
    QVERIFY2(read.problems.isEmpty(), qPrintable(read.problems.join(QLatin1Char('\n'))));
    QStringList expected;
    for (int port = 1; port <= ports; ++port) expected << QString::number(port);
    QCOMPARE(read.instances, expected);
}

void TestSimCatalogue::vlanTablesHoldVlanOne_data()
{
    QTest::addColumn<QString>("id");
    QTest::newRow("VLAN Static Management") << "vlan.vlan_static_management";
    QTest::newRow("IGMP Snooping Control") << "layer_2_management.igmp_snooping_management.igmp_snooping_control_table";
    QTest::newRow("MLD Snooping Control") << "layer_2_management.mld_snooping.mld_snooping_control";
}

void TestSimCatalogue::vlanTablesHoldVlanOne()
{
    QFETCH(QString, id);
    const PageRead read = readPage(findItem(id)->page);
    QVERIFY2(read.problems.isEmpty(), qPrintable(read.problems.join(QLatin1Char('\n'))));
    QCOMPARE(read.instances, QStringList{"1"});
}

void TestSimCatalogue::highCapacityPagesHoldTheSameRows()
{
    const PageRead counters = readPage(findItem("vlan.802_1p.high_capacity.port_table")->page);
    const PageRead overflow = readPage(findItem("vlan.802_1p.high_capacity.port_overflow")->page);
    QVERIFY2(counters.problems.isEmpty(), qPrintable(counters.problems.join(QLatin1Char('\n'))));
    QVERIFY2(overflow.problems.isEmpty(), qPrintable(overflow.problems.join(QLatin1Char('\n'))));
    QCOMPARE(counters.instances.size(), 16);
    QCOMPARE(counters.instances, overflow.instances);
    // The port number column shows the port of its row.
    QCOMPARE(counters.rows.back().at(0), QString("16"));
}

void TestSimCatalogue::counter64ShowsItsFullValue_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<quint64>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("integer code, above 2^32") << uint(VarType::Integer) << Q_UINT64_C(4294967301) << "4294967301";
    QTest::newRow("integer code, above 2^63") << uint(VarType::Integer) << Q_UINT64_C(18446744073709551615)
                                              << "18446744073709551615";
    QTest::newRow("counter code") << uint(VarType::Counter) << Q_UINT64_C(8589934592) << "8589934592";
    QTest::newRow("counter64 code") << uint(VarType::Counter64) << Q_UINT64_C(4294967301) << "4294967301";
}

void TestSimCatalogue::counter64ShowsItsFullValue()
{
    QFETCH(uint, type);
    QFETCH(quint64, value);
    QFETCH(QString, text);
    QxSNMPVar var;
    var.Type = type;
    QxVb vb;
    vb.Syntax = Syntax::Counter64;
    vb.Unsigned = value;
    VbToText(var, vb);
    QCOMPARE(var.Value, text);
}

void TestSimCatalogue::userTableListsTheAgentsUsers_data()
{
    QTest::addColumn<bool>("small");
    QTest::addColumn<QStringList>("users");
    QTest::newRow("default users") << false << QStringList{"admin", "monitor"};
    QTest::newRow("users of the command line") << true << QStringList{"ops", "viewer"};
}

// The USM user table shows the users the agent authenticates, under the agent's engine ID.
void TestSimCatalogue::userTableListsTheAgentsUsers()
{
    QFETCH(bool, small);
    QFETCH(QStringList, users);
    usePeer(small ? smallSim_ : sim_);
    const QString engineId = readPage(findItem("snmp_v3.snmp_engine")->page).rows.at(0).at(0);
    const PageRead read = readPage(findItem("snmp_v3.user_based_security_model.user_table")->page);
    usePeer(sim_);
    QVERIFY2(read.problems.isEmpty(), qPrintable(read.problems.join(QLatin1Char('\n'))));
    std::vector<QStringList> expected;
    for (const QString& user : users) expected.push_back({engineId, user});
    QCOMPARE(read.indexValues, expected);
}

void TestSimCatalogue::addAndDeleteRoundTrips_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QStringList>("index");  // the index columns' texts, in order
    QTest::addColumn<int>("column");         // one more column written by the Add, or -1
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("shown");      // that column's text when the row is read back
    QTest::newRow("integer index") << "basic_configuration.agent_management.agent_trust_host_management.trust_host_table"
                                   << QStringList{"5"} << 1 << "10.90.90.77" << "10.90.90.77";
    QTest::newRow("MAC address index") << "vlan.static_mac_based_vlan" << QStringList{"021A2B3C4D99"} << 1 << "lab"
                                       << "lab";
    QTest::newRow("implied name index") << "snmp_v3.snmp_target_mib.target_address_table" << QStringList{"lab"} << 6
                                        << "params1" << "params1";
    QTest::newRow("name and OID index") << "snmp_v3.view_based_access_control_model.view_mib_tree_family_table"
                                        << QStringList{"lab", "1.3.6.1.2.1"} << 3 << "excluded" << "excluded";
    // A user is made as a clone of another (here admin), whose keys it takes; the clone source
    // reads back as zeroDotZero.
    QString admin = "1.3.6.1.6.3.15.1.2.2.1.3";
    for (const QByteArray& part : {QByteArray::fromHex(engineId_.toLatin1()), QByteArray("admin")}) {
        admin += "." + QString::number(part.size());
        for (char c : part) admin += "." + QString::number(static_cast<uchar>(c));
    }
    QTest::newRow("engine ID and name index") << "snmp_v3.user_based_security_model.user_table"
                                              << QStringList{engineId_, "lab"} << 3 << admin << "0.0";
    QTest::newRow("VLAN and address range index") << "layer_2_management.igmp_snooping_management.igmp_multicast_vlan_group"
                                                  << QStringList{"1", "239.2.2.1", "239.2.2.9"} << -1 << "" << "";
    QTest::newRow("IPv6, MAC and name index") << "layer_3_management.ipv6_management.ipv6_neighbor_cache_table"
                                              << QStringList{"20010DB8000000000000000000000099", "021A2B3C4D77", "System"}
                                              << -1 << "" << "";
    QTest::newRow("enabled and disabled") << "basic_configuration.agent_management.trap_manager_table" << QStringList{"3"}
                                          << 1 << "10.90.90.99" << "10.90.90.99";
}

void TestSimCatalogue::addAndDeleteRoundTrips()
{
    QFETCH(QString, id);
    QFETCH(QStringList, index);
    QFETCH(int, column);
    QFETCH(QString, value);
    QFETCH(QString, shown);
    const GenericPage& page = findItem(id)->page;
    QVERIFY(page.add.IsSet() && page.remove.IsSet());
    auto hasRow = [&](const PageRead& read) {
        return std::find(read.indexValues.begin(), read.indexValues.end(), index) != read.indexValues.end();
    };

    QStringList selection;
    QStringList values = index;
    for (int i = 0; i < index.size(); ++i) selection << QString::number(i);
    if (column >= 0) {
        selection << QString::number(column);
        values << value;
    }
    selection << QString::number(page.add.position);
    values << page.add.text;
    QCOMPARE(writePage(page, selection.join(QLatin1Char(',')), values), QString());
    const PageRead added = readPage(page);
    QVERIFY2(added.problems.isEmpty(), qPrintable(added.problems.join(QLatin1Char('\n'))));
    QVERIFY2(hasRow(added), qPrintable(index.join(QLatin1Char('|'))));
    if (column >= 0) {
        const auto row = std::find(added.indexValues.begin(), added.indexValues.end(), index) - added.indexValues.begin();
        QCOMPARE(added.rows[static_cast<size_t>(row)].at(column), shown);
    }
    // Adding the same row again is refused.
    QVERIFY(!writePage(page, selection.join(QLatin1Char(',')), values).isEmpty() || page.add.text == QLatin1String("enabled"));

    // Delete sends the index and the status only.
    selection = {};
    values = index;
    for (int i = 0; i < index.size(); ++i) selection << QString::number(i);
    selection << QString::number(page.remove.position);
    values << page.remove.text;
    QCOMPARE(writePage(page, selection.join(QLatin1Char(',')), values), QString());
    const PageRead removed = readPage(page);
    QVERIFY2(removed.problems.isEmpty(), qPrintable(removed.problems.join(QLatin1Char('\n'))));
    QVERIFY(!hasRow(removed));
    QCOMPARE(removed.instances.size(), added.instances.size() - 1);
}

QTEST_GUILESS_MAIN(TestSimCatalogue)
#include "test_sim_catalogue.moc"
