#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QtTest>

#include "catalogue/menu_catalogue.h"
#include "catalogue/model.h"
#include "values/optionlist.h"

using namespace ksw::catalogue;

namespace {

QList<const MenuItem*> AllItems()
{
    QList<const MenuItem*> items;
    for (const auto menu : {MainMenu(), PortPopupMenu()})
        for (const MenuItem& item : menu) items.append(&item);
    return items;
}

const GenericPage& PageOf(const char* id)
{
    const MenuItem* item = FindMenuItem(id);
    if (!item || item->opens != Opens::Generic) qFatal("no generic page %s", id);
    return item->page;
}

// The labels an option list offers; a row-status text must be one of them to be written.
bool OffersLabel(const QxOptionList& list, const char* text)
{
    return list.FindByLabel(QString::fromUtf8(text)) >= 0;
}

}  // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void dumpMatchesReference();
    void identitiesAndNesting();
    void genericPagesAreWellFormed();
    void mendedEntries();
    void portCountOfModel_data();
    void portCountOfModel();
};

// The dump tool's output, run through the reference checker.
void TestCatalogue::dumpMatchesReference()
{
    const QString python = QStandardPaths::findExecutable("python3");
    QVERIFY2(!python.isEmpty(), "python3 is needed to run the catalogue checker");

    const QString tool = qEnvironmentVariable("KSW_BIN_DIR") + "/ksw-catalogue";
    QProcess dump;
    dump.start(tool, {});
    QVERIFY2(dump.waitForFinished(30000), qPrintable(tool + ": " + dump.errorString()));
    QCOMPARE(dump.exitCode(), 0);
    QTemporaryFile file;
    QVERIFY(file.open());
    file.write(dump.readAllStandardOutput());
    file.close();

    QProcess check;
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start(python, {qEnvironmentVariable("KSW_SOURCE_DIR") + "/tests/catalogue/reference/check.py", file.fileName()});
    QVERIFY(check.waitForFinished(60000));
    const QString output = QString::fromUtf8(check.readAll()).trimmed();
    QVERIFY2(check.exitCode() == 0, qPrintable(output));
    QCOMPARE(output.split('\n').last(), QStringLiteral("catalogue: 295/295 entries and 102/102 submenus match"));
}

void TestCatalogue::identitiesAndNesting()
{
    QSet<QByteArray> ids;
    for (const MenuItem* item : AllItems()) {
        QVERIFY2(item->id && *item->id, item->caption);
        QVERIFY2(!ids.contains(item->id), item->id);
        ids.insert(item->id);
        QCOMPARE(FindMenuItem(item->id), item);
    }
    QVERIFY(!FindMenuItem("no.such.item"));

    // Depths only ever go one level deeper, so every item has its parent before it.
    for (const auto menu : {MainMenu(), PortPopupMenu()}) {
        int depth = -1;
        for (const MenuItem& item : menu) {
            QVERIFY2(item.depth >= 0 && item.depth <= depth + 1, item.id);
            depth = item.depth;
        }
    }

    // One caption under one submenu, two pages: told apart by identity alone.
    const MenuItem* scalar = FindMenuItem("layer_2_management.igmp_snooping_management.igmp_snooping_information");
    const MenuItem* table = FindMenuItem("layer_2_management.igmp_snooping_management.igmp_snooping_information_table");
    QVERIFY(scalar && table);
    QCOMPARE(QByteArray(scalar->caption), QByteArray(table->caption));
    QVERIFY(!scalar->hidden && table->hidden);
    QVERIFY(scalar->page.shape() == PageShape::Scalar && table->page.shape() == PageShape::Table);
}

void TestCatalogue::genericPagesAreWellFormed()
{
    int pages = 0;
    for (const MenuItem* item : AllItems()) {
        if (item->opens != Opens::Generic) continue;
        ++pages;
        const GenericPage& page = item->page;
        const QByteArray where = item->id;

        // Only the last record ends the table: an earlier null Oid would cut it short.
        QVERIFY2(page.table.size() >= 2, where);
        QVERIFY2(!page.table.back().Oid, where);
        const int count = static_cast<int>(page.table.size()) - 1;
        QCOMPARE(CountVarDescs(page.table.data()), count);

        if (page.shape() == PageShape::Scalar) {
            QVERIFY2(page.kind == VarListKind::ScalarGroup || page.kind == VarListKind::SingleInstance, where);
            QVERIFY2(page.indexCount == 0, where);
        } else {
            QVERIFY2(page.kind == VarListKind::Table || page.kind == VarListKind::TableU, where);
            QVERIFY2(page.indexCount <= count, where);
        }

        for (int i = 0; i < count; ++i) {
            const QxSNMPVarDesc& d = page.table[static_cast<size_t>(i)];
            const QByteArray at = where + " #" + QByteArray::number(i);
            QVERIFY2(d.Label, at);
            // An index column past the counted ones is never decoded from the instance.
            if (page.shape() == PageShape::Table && (d.Access & AccessIndex)) QVERIFY2(i < page.indexCount, at);
            if (!d.Options) continue;
            QVERIFY2(d.Options->Count() > 0, at);
            // OID values can only match a list keyed by OID text.
            const uint32_t expectedKind = d.Type == VarType::ObjectId ? OptionKind::String : OptionKind::Integer;
            QVERIFY2(d.Options->Kind() == expectedKind, at);
        }

        for (const RowStatusAction& action : {page.add, page.remove}) {
            if (!action.IsSet()) continue;
            QVERIFY2(page.shape() == PageShape::Table && action.position < count && action.text, where);
            const QxOptionList* list = page.table[static_cast<size_t>(action.position)].Options;
            QVERIFY2(!list || OffersLabel(*list, action.text), where + " " + action.text);
        }
        for (const FormatAt& format : page.formats) QVERIFY2(format.position < count && format.format, where);
    }
    QCOMPARE(pages, 199);
}

void TestCatalogue::mendedEntries()
{
    const GenericPage& users = PageOf("snmp_v3.user_based_security_model.user_table");
    QCOMPARE(users.table[4].Options, &UsmAuthProtocols());
    QCOMPARE(users.table[7].Options, &UsmPrivProtocols());

    const GenericPage& serverLog = PageOf("layer_2_management.filter_management.filter_dhcp_server_log_table");
    QCOMPARE(serverLog.kind, VarListKind::ScalarGroup);

    const GenericPage& directory = PageOf("basic_configuration.file_system.directory_information");
    QCOMPARE(directory.indexCount, 2);
    QCOMPARE(QByteArray(directory.table[1].Label), QByteArray("Directory Name"));
}

void TestCatalogue::portCountOfModel_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("ports");
    QTest::newRow("16-port model") << "KSW-7116" << 16;
    QTest::newRow("10-port model") << "KSW-7110" << 10;
    QTest::newRow("other case") << "ksw-7116" << 0;
    QTest::newRow("trailing blank") << "KSW-7116 " << 0;
    QTest::newRow("other model") << "KSW-7124" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestCatalogue::portCountOfModel()
{
    QFETCH(QString, model);
    QFETCH(int, ports);
    QCOMPARE(PortCountOfModel(model), ports);
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
