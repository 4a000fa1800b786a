#include <QtTest>

#include "values/optionlist.h"
#include "snmp/vardesc.h"

namespace {

const QxOptionList kStatus{{1, "up"}, {2, "down"}};

const QxSNMPVarDesc kPorts[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Port", VarType::Integer, AccessIndex},
    {"", "Spacer", VarType::Null, 0},  // an empty OID text is an ordinary record
    {"1.3.6.1.2.1.2.2.1.8", "Status", VarType::Integer, AccessRead, &kStatus, nullptr, nullptr, "r", "up", "1.2"},
    {nullptr, "after the end", VarType::Integer, AccessRead},
};

const QxSNMPVarDesc kEmpty[] = {{}};

}  // namespace

class TestVarDesc : public QObject {
    Q_OBJECT

private slots:
    void tableEndsOnlyAtNullOid();
    void appendCopiesRecords();
    void appendOfEmptyTableChangesNothing();
    void assignKeepsOwnInstance();
    void assignSharesOwnedOptionLists();
    void predicates_data();
    void predicates();
    void countsAndInstanceSuffix();
};

void TestVarDesc::tableEndsOnlyAtNullOid()
{
    QCOMPARE(CountVarDescs(kPorts), 3);
    QCOMPARE(CountVarDescs(kEmpty), 0);
    QCOMPARE(CountVarDescs(nullptr), 0);
}

void TestVarDesc::appendCopiesRecords()
{
    const QxSNMPVarList list(kPorts, VarListKind::Table, 1);
    QCOMPARE(list.GetCount(), 3);
    QCOMPARE(list.Kind, VarListKind::Table);
    QCOMPARE(list.IndexCount, 1);
    QVERIFY(list.Instance.isEmpty());
    QVERIFY(list.Name.isEmpty());
    QCOMPARE(list.Get(1).Oid, QString());
    QCOMPARE(list.Get(1).Label, QStringLiteral("Spacer"));
    const QxSNMPVar& status = list.Get(2);
    QCOMPARE(status.Options, &kStatus);  // shared, not copied
    QVERIFY(!status.ReadExpression.has_value());
    QCOMPARE(status.Reserved.value_or(QString()), QStringLiteral("r"));
    QCOMPARE(status.Value, QStringLiteral("up"));
    QCOMPARE(status.CurrentOid, QStringLiteral("1.2"));
    QVERIFY(list.Get(0).Value.isEmpty());
}

void TestVarDesc::appendOfEmptyTableChangesNothing()
{
    QxSNMPVarList list(kEmpty, VarListKind::ScalarGroup, 0);
    QCOMPARE(list.GetCount(), 0);
    list.Append(kPorts);
    list.Get(0).Value = QStringLiteral("5");
    list.Append(kEmpty);
    list.Append(nullptr);
    QCOMPARE(list.GetCount(), 3);
    QCOMPARE(list.Get(0).Value, QStringLiteral("5"));
    list.Append(kPorts);
    QCOMPARE(list.GetCount(), 6);
}

void TestVarDesc::assignKeepsOwnInstance()
{
    QxSNMPVarList source(kPorts, VarListKind::TableU, 1);
    source.Instance = QStringLiteral("5");
    source.Name = QStringLiteral("Ports");
    source.Get(0).Value = QStringLiteral("7");

    QxSNMPVarList target(kEmpty, VarListKind::ScalarGroup, 0);
    target.Assign(source);
    QVERIFY(target.Instance.isEmpty());
    QCOMPARE(target.Kind, VarListKind::TableU);
    QCOMPARE(target.IndexCount, 1);
    QCOMPARE(target.Name, QStringLiteral("Ports"));
    QCOMPARE(target.Get(0).Value, QStringLiteral("7"));

    // Deep copies: changing one list leaves the other alone.
    source.Get(0).Value = QStringLiteral("8");
    QCOMPARE(target.Get(0).Value, QStringLiteral("7"));

    // A target with an instance of its own keeps it; its old descriptors are gone.
    QxSNMPVarList row(kPorts, VarListKind::SingleInstance, 0);
    row.Instance = QStringLiteral("3");
    row.Append(kPorts);
    row.Assign(source);
    QCOMPARE(row.Instance, QStringLiteral("3"));
    QCOMPARE(row.GetCount(), 3);

    // Copy construction is an empty list and Assign; copy assignment keeps the instance too.
    const QxSNMPVarList copy(source);
    QVERIFY(copy.Instance.isEmpty());
    QCOMPARE(copy.GetCount(), 3);
    row = source;
    QCOMPARE(row.Instance, QStringLiteral("3"));
    const QxSNMPVarList& same = row;
    row = same;
    QCOMPARE(row.GetCount(), 3);
}

void TestVarDesc::assignSharesOwnedOptionLists()
{
    QxSNMPVarList target;
    {
        QxSNMPVarList source(kPorts, VarListKind::Table, 1);
        auto built = std::make_shared<const QxOptionList>(std::initializer_list<QxIntPair>{{0, "off"}, {1, "on"}});
        source.OwnedOptionLists.push_back(built);
        source.Get(2).Options = built.get();
        target.Assign(source);
    }
    // The list built at run time outlives the list that built it.
    QCOMPARE(target.Get(2).Options->ValueToLabel(QStringLiteral("1")), QStringLiteral("on"));
}

void TestVarDesc::predicates_data()
{
    QTest::addColumn<uint>("kind");
    QTest::addColumn<int>("indexCount");
    QTest::addColumn<uint>("access");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("requested");
    QTest::addColumn<bool>("written");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<bool>("implied");

    //                                 kind idx access pos  req    written shown  hidden implied
    QTest::newRow("read-only") << 0u << 0 << 2u << 0 << true << false << true << false << false;
    QTest::newRow("read-write") << 0u << 0 << 6u << 0 << true << true << true << false << false;
    QTest::newRow("read-write excluded") << 0u << 0 << 0x26u << 0 << false << false << false << true << false;
    QTest::newRow("write-only is hidden") << 0u << 0 << 4u << 0 << false << true << false << true << false;
    QTest::newRow("writable and hidden") << 0u << 0 << 0x14u << 0 << false << true << false << true << false;
    QTest::newRow("index of a kind-3 table") << 3u << 1 << 1u << 0 << false << true << true << false << false;
    QTest::newRow("index of a kind-2 table") << 2u << 2 << 1u << 1 << false << true << true << false << false;
    QTest::newRow("past the index columns") << 2u << 1 << 1u << 1 << false << false << true << false << false;
    QTest::newRow("index of a kind-1 list") << 1u << 1 << 1u << 0 << false << false << true << false << false;
    QTest::newRow("excluded index") << 3u << 1 << 0x21u << 0 << false << false << false << true << false;
    QTest::newRow("implied index") << 2u << 1 << 65u << 0 << false << true << true << false << true;
    QTest::newRow("shown only") << 0u << 0 << 8u << 0 << false << false << true << false << false;
    QTest::newRow("read, hidden") << 0u << 0 << 0x12u << 0 << true << false << false << true << false;
    QTest::newRow("nothing") << 0u << 0 << 0u << 0 << false << false << false << false << false;
    QTest::newRow("high bits ignored") << 0u << 0 << 0x104u << 0 << false << true << false << true << false;
}

void TestVarDesc::predicates()
{
    QFETCH(uint, kind);
    QFETCH(int, indexCount);
    QFETCH(uint, access);
    QFETCH(int, position);
    QFETCH(bool, requested);
    QFETCH(bool, written);
    QFETCH(bool, shown);
    QFETCH(bool, hidden);
    QFETCH(bool, implied);

    QxSNMPVarList list(kPorts, static_cast<uint8_t>(kind), indexCount);
    list.Get(position).Access = access;
    QCOMPARE(list.IsRequested(position), requested);
    QCOMPARE(list.IsWritten(position), written);
    QCOMPARE(list.IsShownColumn(position), shown);
    QCOMPARE(list.IsHiddenColumn(position), hidden);
    QCOMPARE(list.IsImplied(position), implied);
}

void TestVarDesc::countsAndInstanceSuffix()
{
    QxSNMPVarList list(kPorts, VarListKind::ScalarGroup, 0);
    // The index and the status are shown; the spacer (access 0) is neither shown nor hidden.
    QCOMPARE(list.CountShownColumns(), 2);
    QCOMPARE(list.CountHiddenColumns(), 0);
    list.Get(1).Access = AccessWrite;
    QCOMPARE(list.CountHiddenColumns(), 1);

    list.AppendInstanceToOids(QStringLiteral("12"));
    QCOMPARE(list.Get(0).Oid, QStringLiteral("1.3.6.1.2.1.2.2.1.1.12"));
    QCOMPARE(list.Get(1).Oid, QStringLiteral(".12"));
    QCOMPARE(list.Get(2).Oid, QStringLiteral("1.3.6.1.2.1.2.2.1.8.12"));
}

QTEST_GUILESS_MAIN(TestVarDesc)
#include "test_vardesc.moc"
