// The page kit against ksw-sim: objects left out of one write come back on every way out, a
// sequence of writes stops at the first refusal and reads once, an empty write is never sent,
// and the Yes/No question answers through the message-box hook.

#include <QtTest>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "binding/request2edits.h"
#include "binding/editconstraint.h"
#include "pages/kit/data_complete.h"
#include "pages/kit/excluded_objects.h"
#include "pages/kit/focused_field_check.h"
#include "pages/kit/write_sequence.h"
#include "platform/message_box.h"
#include "sim_agent.h"
#include "snmp/errors.h"
#include "snmp/session.h"

namespace {

// Name and location, then contact and the agent's read-only description (claimed writable, as
// a faulty page would).
const QxSNMPVarDesc kNamePlace[] = {
    {"1.3.6.1.2.1.1.5", "Name", VarType::DisplayString, AccessRead | AccessWrite},
    {"1.3.6.1.2.1.1.6", "Location", VarType::DisplayString, AccessRead | AccessWrite},
    {nullptr},
};
const QxSNMPVarDesc kContactDescr[] = {
    {"1.3.6.1.2.1.1.4", "Contact", VarType::DisplayString, AccessRead | AccessWrite},
    {"1.3.6.1.2.1.1.1", "Description", VarType::DisplayString, AccessRead | AccessWrite},
    {nullptr},
};

struct Binding {
    Binding(QWidget* page, const QxSNMPVarDesc* table, QPlainTextEdit* memo) : binding(new QxSNMPRequest2Edits(page))
    {
        binding->SetVarList(QxSNMPVarList(table, VarListKind::ScalarGroup, 0));
        for (int i = 0; i < binding->Vars().GetCount(); ++i) {
            edits << new QLineEdit(QStringLiteral("v%1").arg(i), page);
            binding->BindControl(i, edits.back());
        }
        binding->SetStatusTarget(memo);
    }
    QList<uint32_t> Access() const
    {
        QList<uint32_t> codes;
        for (int i = 0; i < binding->Vars().GetCount(); ++i) codes << binding->Vars().Get(i).Access;
        return codes;
    }
    QxSNMPRequest2Edits* binding;
    QList<QLineEdit*> edits;
};

QString LastLine(const QPlainTextEdit* memo)
{
    return memo->toPlainText().section(QLatin1Char('\n'), -1);
}

}  // namespace

class TestPageKit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void excludedObjectsComeBack_data();
    void excludedObjectsComeBack();
    void writeSequence_data();
    void writeSequence();
    void yesNoQuestion();
    void focusedFieldChecked_data();
    void focusedFieldChecked();
    void dataCompleteAndStop_data();
    void dataCompleteAndStop();

private:
    QTemporaryDir sessionDir_;
    SimAgent sim_;
};

void TestPageKit::initTestCase()
{
    CreateSession(sessionDir_.path());
    QVERIFY2(sim_.Start(), qPrintable(sim_.Error()));
    DefaultProfile() = sim_.Profile(1);
}

// The scope is left normally, by an early return of a check, and by the engine's refusal.
void TestPageKit::excludedObjectsComeBack_data()
{
    QTest::addColumn<QString>("exit");
    QTest::newRow("after the write") << "write";
    QTest::newRow("check returns early") << "return";
    QTest::newRow("write refused") << "refused";
}

void TestPageKit::excludedObjectsComeBack()
{
    QFETCH(QString, exit);
    QWidget page;
    auto* memo = new QPlainTextEdit(&page);
    Binding contact(&page, kContactDescr, memo);
    contact.binding->Mode = QxSNMPRequest2Controls::ModeSync;
    contact.binding->Vars().Get(0).Access |= AccessExcluded;  // left out by the page before
    const QList<uint32_t> before = contact.Access();
    const int mark = sim_.LogMark();
    const auto write = [&]() {
        ScopedExcludedObjects skip(contact.binding, {exit == "refused" ? 0 : 1, 7});
        QVERIFY(contact.binding->Vars().Get(exit == "refused" ? 0 : 1).Access & AccessExcluded);
        if (exit == "return") return;
        contact.binding->Set(false);
    };
    int code = 0;
    try {
        write();
    } catch (const AppException& e) {
        code = e.code();
    }
    QCOMPARE(contact.Access(), before);
    QCOMPARE(code == 0, exit != "refused");
    QCOMPARE(sim_.Received(QStringLiteral("SET"), mark).size(), exit == "return" ? 0 : 1);
}

void TestPageKit::writeSequence_data()
{
    QTest::addColumn<QList<int>>("firstExcluded");
    QTest::addColumn<QList<int>>("secondExcluded");
    QTest::addColumn<QStringList>("sets");  // the OIDs of each SET received, in order
    QTest::addColumn<int>("reads");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("lastLine");  // its start
    const QString name = "1.3.6.1.2.1.1.5.0", place = "1.3.6.1.2.1.1.6.0", contact = "1.3.6.1.2.1.1.4.0",
                  descr = "1.3.6.1.2.1.1.1.0";
    QTest::newRow("both written, then one read")
        << QList<int>{} << QList<int>{1} << QStringList{name + " " + place, contact} << 1 << true << "Get: Ok!";
    QTest::newRow("first step empty, not sent")
        << QList<int>{0, 1} << QList<int>{1} << QStringList{contact} << 1 << true << "Get: Ok!";
    QTest::newRow("refused: stops, reads, shows the refusal")
        << QList<int>{1} << QList<int>{} << QStringList{name, contact + " " + descr} << 1 << false << "Set: ";
    QTest::newRow("nothing chosen: nothing sent or read")
        << QList<int>{0, 1} << QList<int>{0, 1} << QStringList{} << 0 << false << "Set: No entry chosen";
}

void TestPageKit::writeSequence()
{
    QFETCH(QList<int>, firstExcluded);
    QFETCH(QList<int>, secondExcluded);
    QFETCH(QStringList, sets);
    QFETCH(int, reads);
    QFETCH(bool, ok);
    QFETCH(QString, lastLine);
    QWidget page;
    auto* memo = new QPlainTextEdit(&page);
    Binding first(&page, kNamePlace, memo);
    Binding second(&page, kContactDescr, memo);
    const QList<uint32_t> codes = second.Access();
    // A third step that a refusal must keep from being sent.
    Binding third(&page, kNamePlace, memo);

    WriteSequence sequence;
    sequence.steps = {{first.binding, {firstExcluded.begin(), firstExcluded.end()}},
                      {second.binding, {secondExcluded.begin(), secondExcluded.end()}},
                      {third.binding, {0, 1}}};
    if (!ok && !sets.isEmpty()) sequence.steps.back().excluded.clear();
    sequence.reread = first.binding;
    sequence.nothingChosen = QStringLiteral("No entry chosen");
    const int mark = sim_.LogMark();
    QCOMPARE(RunWriteSequence(sequence), ok);

    QStringList received;
    static const QRegularExpression value(QStringLiteral("=\\S+(?: |$)"));
    for (QString set : sim_.Received(QStringLiteral("SET"), mark)) received << set.replace(value, QStringLiteral(" ")).trimmed();
    QCOMPARE(received, sets);
    QCOMPARE(sim_.Received(QStringLiteral("GET"), mark).size(), reads);
    QVERIFY2(LastLine(memo).startsWith(lastLine), qPrintable(memo->toPlainText()));
    if (!ok && reads) QVERIFY2(!LastLine(memo).startsWith("Set: Ok!"), qPrintable(memo->toPlainText()));
    QCOMPARE(second.Access(), codes);
    QCOMPARE(first.binding->Mode, int(QxSNMPRequest2Controls::ModeAsync));
}

void TestPageKit::yesNoQuestion()
{
    QList<MessageBoxRequest> asked;
    for (bool answer : {true, false}) {
        SetMessageBoxHook([&](const MessageBoxRequest& request) {
            asked << request;
            return answer;
        });
        QCOMPARE(AskYesNo(nullptr, QStringLiteral("Delete the entry?")), answer);
    }
    SetMessageBoxHook({});
    QCOMPARE(asked.size(), 2);
    QCOMPARE(asked[0].buttons, MessageButtons::YesNo);
    QCOMPARE(asked[0].text, QStringLiteral("Delete the entry?"));
    QCOMPARE(asked[0].caption, ProgramFileName());
}

// Add pressed by its shortcut while a field still has the focus: the field's exit check runs.
void TestPageKit::focusedFieldChecked_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<bool>("goOn");
    QTest::addColumn<QString>("left");  // the field's text afterwards
    QTest::newRow("in range") << "7" << true << true << "7";
    QTest::newRow("out of range") << "50" << true << false << "5";
    QTest::newRow("not a number") << "-" << true << false << "5";
    QTest::newRow("marker") << "(NULL)" << true << true << "(NULL)";
    QTest::newRow("focus elsewhere") << "50" << false << true << "50";
}

void TestPageKit::focusedFieldChecked()
{
    QFETCH(QString, typed);
    QFETCH(bool, focused);
    QFETCH(bool, goOn);
    QFETCH(QString, left);
    QWidget page;
    Binding vlan(&page, kNamePlace, new QPlainTextEdit(&page));
    auto* number = new QLineEdit(&page);
    auto* other = new QLineEdit(&page);
    vlan.binding->BindEdits(0, QStringLiteral("%i{n1x10}"), {number});
    number->setText(QStringLiteral("5"));
    vlan.binding->Constraint().RememberText(number);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.activateWindow();
    QWidget* focus = focused ? number : other;
    focus->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), focus);
    number->setText(typed);

    QStringList boxes;
    SetMessageBoxHook([&](const MessageBoxRequest& request) {
        boxes << request.text;
        return true;
    });
    const bool result = CheckFocusedField({vlan.binding});
    SetMessageBoxHook({});
    QCOMPARE(result, goOn);
    QCOMPARE(boxes.size(), goOn ? 0 : 1);
    QCOMPARE(number->text(), left);
}

// A slow table walk: writes are refused while it runs; Stop, or closing, ends it early.
void TestPageKit::dataCompleteAndStop_data()
{
    QTest::addColumn<bool>("closing");
    QTest::newRow("stop") << false;
    QTest::newRow("closing") << true;
}

void TestPageKit::dataCompleteAndStop()
{
    QFETCH(bool, closing);
    static const QxSNMPVarDesc ports[] = {
        {"1.3.6.1.2.1.2.2.1.1", "Port", VarType::Integer, AccessIndex | AccessRead},
        {"1.3.6.1.2.1.2.2.1.2", "Description", VarType::DisplayString, AccessRead},
        {nullptr},
    };
    SimAgent slow;
    QVERIFY2(slow.Start({"--delay", "150"}), qPrintable(slow.Error()));
    const QxSNMPProfile saved = DefaultProfile();
    DefaultProfile() = slow.Profile(1);
    QWidget page;
    auto* table = new QxSNMPRequest2Edits(&page);
    table->SetVarList(QxSNMPVarList(ports, VarListKind::Table, 1));
    int completions = 0;
    table->Completion = [&](QxSNMPRequest2Controls*, const QxSNMPError&) { ++completions; };
    DataCompleteFlag complete;
    complete.Track(table);
    QStringList boxes;
    SetMessageBoxHook([&](const MessageBoxRequest& request) {
        boxes << request.text;
        return true;
    });

    table->Get();
    QTRY_VERIFY_WITH_TIMEOUT(table->RowCount >= 1, 5000);
    QVERIFY(!complete.Complete());
    QVERIFY(!complete.ReadyToWrite(&page, {table}));
    QCOMPARE(boxes, QStringList{"Get data not complete"});
    if (closing) {
        QVERIFY(StopAndWaitIdle({table}, 5000));
    } else {
        StopBindings({table});
        QTRY_VERIFY_WITH_TIMEOUT(!table->Busy(), 5000);
    }
    SetMessageBoxHook({});
    DefaultProfile() = saved;
    QVERIFY(complete.Complete());
    QCOMPARE(completions, 1);
    QVERIFY2(table->RowCount < 16, qPrintable(QString::number(table->RowCount)));
    QVERIFY(complete.ReadyToWrite(&page, {table}));
    QCOMPARE(boxes.size(), 1);
}

QTEST_MAIN(TestPageKit)
#include "test_page_kit.moc"
