// The port selection panel: its sheets and boxes, the layout rules, and the panel bound to a
// real port list (VLAN 1's static egress ports on ksw-sim) as every port-list page binds it.

#include <QtTest>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>

#include "binding/request2edits.h"
#include "features/l2/stacking_port_unit_form.h"
#include "sim_agent.h"
#include "snmp/session.h"

namespace {

const QString kModel = QStringLiteral("KSW-7116");

// The calling pattern of the pages: unit 1, 32 boxes, shown as the model the pages pass.
void AddUnitOne(TStackingPortUitForm& panel, int columns)
{
    panel.AddUnitSheet(QStringLiteral("Unit1"), 1, 32, columns);
    panel.ShowUnit(QStringLiteral("1"), kModel, PortCountOfModel(kModel), columns);
}

QList<int> Shown(const TStackingPortUitForm& panel)
{
    QList<int> shown;
    for (qsizetype k = 0; k < panel.CheckBoxes().size(); ++k)
        if (!panel.CheckBoxes()[k]->isHidden()) shown << static_cast<int>(k);
    return shown;
}

QList<int> Ticked(const TStackingPortUitForm& panel)
{
    QList<int> ticked;
    for (qsizetype k = 0; k < panel.CheckBoxes().size(); ++k)
        if (panel.CheckBoxes()[k]->isChecked()) ticked << static_cast<int>(k);
    return ticked;
}

QList<int> Range(int from, int to)
{
    QList<int> list;
    for (int k = from; k <= to; ++k) list << k;
    return list;
}

// Boxes in the same row share their top; the first box of each row starts a new one.
int BoxesInFirstRow(const TStackingPortUitForm& panel)
{
    const QList<QCheckBox*>& boxes = panel.CheckBoxes();
    int count = 0;
    while (count < boxes.size() && boxes[count]->y() == boxes[0]->y()) ++count;
    return count;
}

}  // namespace

class TestStackingPortUnitForm : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void unitSheet();
    void layout_data();
    void layout();
    void clearDisableEnable();
    void boundToEgressPorts_data();
    void boundToEgressPorts();

private:
    QTemporaryDir sessionDir_;
};

void TestStackingPortUnitForm::initTestCase()
{
    CreateSession(sessionDir_.path());
}

void TestStackingPortUnitForm::unitSheet()
{
    QWidget page;
    auto* panel = new TStackingPortUitForm(&page);
    for (int unit = 1; unit <= 12; ++unit)
        panel->AddUnitSheet(QStringLiteral("Unit%1").arg(unit), 1 + 32 * (unit - 1), 32, 12);
    panel->ShowUnit(QStringLiteral("1"), kModel, PortCountOfModel(kModel), 12);
    page.show();

    QCOMPARE(panel->windowTitle(), QStringLiteral("Form"));
    QCOMPARE(panel->Sheets().size(), 12);
    QCOMPARE(panel->CheckBoxes().size(), 12 * 32);
    QCOMPARE(panel->FirstPortOfSheet(2), 65);
    // Entry k is port k + 1 of unit 1; every unit numbers its own boxes from 1.
    QCOMPARE(panel->CheckBoxes()[0]->text(), QStringLiteral("1"));
    QCOMPARE(panel->CheckBoxes()[31]->text(), QStringLiteral("32"));
    QCOMPARE(panel->CheckBoxes()[32]->text(), QStringLiteral("1"));
    QCOMPARE(Shown(*panel), Range(0, 15));
    QCOMPARE(Ticked(*panel), QList<int>{});

    QTabWidget* tabs = panel->UnitPageControl();
    QCOMPARE(tabs->currentWidget(), panel->Sheets()[0]);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Unit1 KSW-7116"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Unit2"));
    for (int sheet = 0; sheet < 12; ++sheet) QVERIFY(!tabs->isTabVisible(sheet));
    QVERIFY(panel->Sheets()[0]->isVisible());
    QVERIFY(panel->CheckBoxes()[15]->isVisible());
}

// Rows hold the columns asked for, or ten whenever DeviceInfo.ini is in the working directory;
// boxes never overlap.
void TestStackingPortUnitForm::layout_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<bool>("deviceInfo");
    QTest::addColumn<int>("perRow");
    QTest::newRow("12 columns") << 12 << false << 12;
    QTest::newRow("16 columns") << 16 << false << 16;
    QTest::newRow("12 columns, DeviceInfo.ini") << 12 << true << 10;
    QTest::newRow("16 columns, DeviceInfo.ini") << 16 << true << 10;
}

void TestStackingPortUnitForm::layout()
{
    QFETCH(int, columns);
    QFETCH(bool, deviceInfo);
    QFETCH(int, perRow);
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    if (deviceInfo) {
        QFile file(QStringLiteral("DeviceInfo.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QWidget page;
    TStackingPortUitForm panel(&page);
    AddUnitOne(panel, columns);
    QDir::setCurrent(previous);

    QCOMPARE(BoxesInFirstRow(panel), perRow);
    const QList<QCheckBox*>& boxes = panel.CheckBoxes();
    QCOMPARE(boxes[perRow]->x(), boxes[0]->x());
    QVERIFY(boxes[perRow]->y() > boxes[0]->y());
    QCOMPARE(boxes[0]->pos(), QPoint(20, 4));
    for (qsizetype a = 0; a < boxes.size(); ++a)
        for (qsizetype b = a + 1; b < boxes.size(); ++b)
            QVERIFY2(!boxes[a]->geometry().intersects(boxes[b]->geometry()), qPrintable(QStringLiteral("%1 %2").arg(a).arg(b)));
}

void TestStackingPortUnitForm::clearDisableEnable()
{
    QWidget page;
    TStackingPortUitForm panel(&page);
    AddUnitOne(panel, 12);
    for (QCheckBox* box : panel.CheckBoxes()) box->setChecked(true);
    panel.DisableAll();
    for (QCheckBox* box : panel.CheckBoxes()) QVERIFY(!box->isEnabled());
    panel.Clear();
    QCOMPARE(Ticked(panel), QList<int>{});
    panel.EnableAll();
    for (QCheckBox* box : panel.CheckBoxes()) QVERIFY(box->isEnabled());
}

// VLAN 1 has every port as egress port; the agent's list is cut to 0 or 2 octets by a fault, or
// comes whole. The pages show the 16-port model whatever the device says.
void TestStackingPortUnitForm::boundToEgressPorts_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<QString>("written");  // after unticking port 2 and ticking port 1
    const QString egress = QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1.2.1");
    QTest::newRow("0 octets") << QStringList{"--fault", egress + "=short:0"} << QList<int>{} << "HEX:80000000";
    QTest::newRow("2 octets") << QStringList{"--fault", egress + "=short:2"} << Range(0, 15) << "HEX:bfff0000";
    QTest::newRow("4 octets, 16 ports") << QStringList{} << Range(0, 15) << "HEX:bfff0000";
    QTest::newRow("4 octets, 10-port model") << QStringList{"--model", "KSW-7110"} << Range(0, 9) << "HEX:bfc00000";
}

void TestStackingPortUnitForm::boundToEgressPorts()
{
    QFETCH(QStringList, options);
    QFETCH(QList<int>, ticked);
    QFETCH(QString, written);
    // The write takes port 2 out of VLAN 1's egress ports while it stays untagged there, which
    // the switch refuses; this test is about the octets the panel reads and writes.
    options << QStringLiteral("--rule") << QStringLiteral("vlan-membership=off");
    SimAgent sim;
    QVERIFY2(sim.Start(options), qPrintable(sim.Error()));
    DefaultProfile() = sim.Profile(1);

    static const QxSNMPVarDesc egress[] = {
        {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", VarType::BitString, AccessRead | AccessWrite},
        {},
    };
    QWidget page;
    auto* memo = new QPlainTextEdit(&page);
    auto* panel = new TStackingPortUitForm(&page);
    AddUnitOne(*panel, 12);
    QCOMPARE(Shown(*panel), Range(0, 15));
    QxSNMPRequest2Edits binding(&page);
    binding.SetVarList(QxSNMPVarList(egress, VarListKind::SingleInstance, 0));
    binding.Vars().Instance = QStringLiteral("1");
    binding.BindBitList(0, StackingPortBitList(32), panel->CheckBoxes().mid(0, 32));
    binding.SetStatusTarget(memo);
    binding.Mode = QxSNMPRequest2Controls::ModeSync;

    binding.Get();
    QCOMPARE(Ticked(*panel), ticked);
    panel->CheckBoxes()[1]->setChecked(false);
    panel->CheckBoxes()[0]->setChecked(true);
    const int mark = sim.LogMark();
    binding.Set();
    QVERIFY2(memo->toPlainText().section(QLatin1Char('\n'), -1).startsWith(QStringLiteral("Set: Ok!")),
             qPrintable(memo->toPlainText()));
    QCOMPARE(sim.Received(QStringLiteral("SET"), mark), QStringList{egress[0].Oid + QStringLiteral(".1=") + written});
}

QTEST_MAIN(TestStackingPortUnitForm)
#include "test_stacking_port_unit_form.moc"
