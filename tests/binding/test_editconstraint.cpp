#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

#include "binding/editconstraint.h"
#include "binding/edithooks.h"
#include "platform/beep.h"
#include "platform/message_box.h"
#include "snmp/errors.h"

// Three edit fields in one window, typed into with QTest. Message boxes and beeps go through
// the platform hooks, so the texts can be read and the beeps counted.
class TestEditConstraint : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void integerTyping();
    void failedExitRestoresAndKeepsOthersQuiet();
    void programTextIsNeverCutOrFiltered();
    void hexField();
    void autoAdvanceOnlyWhenTyped();
    void jumpCharacter();
    void markersPassUntouched();
    void emptyText();
    void numberList();
    void badFormatsAttachNothing_data();
    void badFormatsAttachNothing();
    void pageHandlersChainAndVeto();
    void destructionGivesHandlersBack();
    void fieldDestroyedBeforeConstraint();
    void deactivationIsNotLeaving();
    void widthAndSeveralFields();
    void realMessageBoxShowsOnce();

private:
    void Type(QLineEdit* edit, const QString& keys);
    void LeaveByTab();

    std::unique_ptr<QWidget> window_;
    QLineEdit* first_ = nullptr;
    QLineEdit* second_ = nullptr;
    QLineEdit* third_ = nullptr;
    QStringList messages_;
    QStringList captions_;
    QList<QPair<int, int>> beeps_;
};

void TestEditConstraint::initTestCase()
{
    SetMessageBoxHook([this](const MessageBoxRequest& request) {
        messages_ << request.text;
        captions_ << request.caption;
        return true;
    });
    SetBeepHook([this](int hz, int ms) { beeps_ << qMakePair(hz, ms); });
}

void TestEditConstraint::init()
{
    window_ = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window_.get());
    for (QLineEdit** edit : {&first_, &second_, &third_}) {
        *edit = new QLineEdit(window_.get());
        layout->addWidget(*edit);
    }
    first_->setObjectName("first");
    second_->setObjectName("second");
    third_->setObjectName("third");
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    first_->setFocus();
    messages_.clear();
    captions_.clear();
    beeps_.clear();
}

void TestEditConstraint::cleanup()
{
    window_.reset();
}

void TestEditConstraint::Type(QLineEdit* edit, const QString& keys)
{
    edit->setFocus();
    QTest::keyClicks(edit, keys);
}

void TestEditConstraint::LeaveByTab()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

void TestEditConstraint::integerTyping()
{
    QxEditConstraint constraint(window_.get(), true);
    constraint.AttachOne("%i{n0x65535l5}", first_);
    Type(first_, "1a2");
    QCOMPARE(first_->text(), QString("12"));
    QCOMPARE(beeps_, (QList<QPair<int, int>>{{1000, 200}}));
    Type(first_, "-");
    QCOMPARE(first_->text(), QString("12"));
    QCOMPARE(beeps_.size(), 2);

    first_->clear();
    Type(first_, "-5");
    QCOMPARE(first_->text(), QString("-5"));

    first_->clear();
    Type(first_, "123456");
    QCOMPARE(first_->text(), QString("12345"));
    QCOMPARE(beeps_.size(), 2);  // the length limit is silent

    // A refused key in the middle leaves the cursor where the user was typing.
    first_->setText("15");
    first_->setCursorPosition(1);
    Type(first_, "x3");
    QCOMPARE(first_->text(), QString("135"));
}

void TestEditConstraint::failedExitRestoresAndKeepsOthersQuiet()
{
    QxEditConstraint constraint(window_.get(), true);
    constraint.Attach("%i{n0x65535l5}%s{l8n}%i{n0x100}", {first_, second_, third_});
    first_->setText("80");
    constraint.RememberText(first_);
    first_->selectAll();
    QTest::keyClicks(first_, "70000");
    LeaveByTab();
    // The empty second field, which must not be empty, is not checked when the focus is taken
    // back from it.
    QCOMPARE(messages_, QStringList{" Please enter a number between 0 and 65535!"});
    QCOMPARE(captions_, QStringList{"test_editconstraint"});
    QCOMPARE(first_->text(), QString("80"));
    QCOMPARE(QApplication::focusWidget(), first_);

    // A field whose first check fails has no accepted text to go back to.
    messages_.clear();
    third_->setText("500");
    third_->setFocus();
    first_->setFocus();
    QCOMPARE(messages_, QStringList{" Please enter a number between 0 and 100!"});
    QCOMPARE(third_->text(), QString());
}

void TestEditConstraint::programTextIsNeverCutOrFiltered()
{
    QxEditConstraint constraint(window_.get(), true);
    constraint.Attach("%s{l12}%i{n0x100}", {first_, second_});
    const QString thirteen = "abcdefghijklm";
    first_->setText(thirteen);
    QCOMPARE(first_->text(), thirteen);

    first_->setFocus();
    first_->end(false);
    QTest::keyClicks(first_, "x");
    QCOMPARE(first_->text(), thirteen);
    QTest::keyClick(first_, Qt::Key_Backspace);
    QTest::keyClicks(first_, "yz");
    QCOMPARE(first_->text(), thirteen.left(12));

    first_->setText(thirteen);
    LeaveByTab();
    QCOMPARE(messages_, QStringList{" Please enter a string whose length is less than 12!"});
    QCOMPARE(first_->text(), QString());

    // Pasting is typing too: only what fits goes in.
    QApplication::clipboard()->setText(QString(20, QLatin1Char('p')));
    first_->setText("ab");
    first_->setCursorPosition(1);
    first_->paste();
    QCOMPARE(first_->text(), "a" + QString(10, QLatin1Char('p')) + "b");

    second_->setText("12ab");
    QCOMPARE(second_->text(), QString("12ab"));
    QVERIFY(beeps_.isEmpty());
}

void TestEditConstraint::hexField()
{
    QxEditConstraint constraint(window_.get(), true);
    constraint.AttachOne("%h{l32f}", first_);
    Type(first_, "G");
    QCOMPARE(first_->text(), QString());
    QCOMPARE(beeps_.size(), 1);
    Type(first_, QString(31, QLatin1Char('a')));
    LeaveByTab();
    QCOMPARE(messages_, QStringList{" Please enter a hex string whose length is 32!"});
}

void TestEditConstraint::autoAdvanceOnlyWhenTyped()
{
    QxEditConstraint constraint(window_.get(), true);
    constraint.AttachOne("%i{n6x40l2a}", first_);
    Type(first_, "1");
    QTest::qWait(20);
    QCOMPARE(QApplication::focusWidget(), first_);
    QTest::keyClicks(first_, "2");
    QTRY_COMPARE(QApplication::focusWidget(), second_);
    QVERIFY(messages_.isEmpty());

    // A value put in by the program (a read from the agent) moves nothing.
    first_->setFocus();
    first_->setText("30");
    QTest::qWait(20);
    QCOMPARE(QApplication::focusWidget(), first_);
}

void TestEditConstraint::jumpCharacter()
{
    QxEditConstraint constraint(window_.get(), true);
    constraint.Attach("%i{e.}%i", {first_, second_});
    Type(first_, "10.");
    QCOMPARE(first_->text(), QString("10"));
    QTRY_COMPARE(QApplication::focusWidget(), second_);

    // A pasted text with several jump characters moves on once.
    first_->setFocus();
    first_->clear();
    first_->insert("1.2.3");
    QCOMPARE(first_->text(), QString("123"));
    QTRY_COMPARE(QApplication::focusWidget(), second_);
    QTest::qWait(20);
    QCOMPARE(QApplication::focusWidget(), second_);
}

void TestEditConstraint::markersPassUntouched()
{
    QxEditConstraint constraint(window_.get(), true);
    constraint.AttachOne("%i{n1x5}", first_);
    for (const QString marker : {"(NULL)", "(NOTDONE)"}) {
        first_->setText(marker);
        first_->setFocus();
        LeaveByTab();
        QCOMPARE(first_->text(), marker);
    }
    QVERIFY(messages_.isEmpty());
    QCOMPARE(constraint.LastAcceptedText(first_), QString());

    first_->setText("(NULL)");
    first_->setFocus();
    first_->end(false);
    QTest::keyClicks(first_, "3");
    QCOMPARE(first_->text(), QString("3"));
    QCOMPARE(beeps_.size(), 1);
}

void TestEditConstraint::emptyText()
{
    QxEditConstraint constraint(window_.get(), true);
    constraint.AttachOne("%s{l8}", first_);
    constraint.AttachOne("%s{l8n}", third_);
    Type(first_, "abc");
    LeaveByTab();
    QCOMPARE(constraint.LastAcceptedText(first_), QString("abc"));
    first_->setFocus();
    first_->selectAll();
    QTest::keyClick(first_, Qt::Key_Delete);
    LeaveByTab();
    QVERIFY(messages_.isEmpty());
    QCOMPARE(first_->text(), QString());
    QCOMPARE(constraint.LastAcceptedText(first_), QString("abc"));

    third_->setFocus();
    LeaveByTab();
    QCOMPARE(messages_, QStringList{" Empty value is not allowed!"});
    QCOMPARE(QApplication::focusWidget(), third_);
}

void TestEditConstraint::numberList()
{
    QxEditConstraint constraint(window_.get(), true);
    constraint.Attach("%n,{x100}%n,{x100l2f}", {first_, second_});
    Type(first_, ",1,,2");
    QCOMPARE(first_->text(), QString("1,2"));
    QCOMPARE(beeps_.size(), 2);
    Type(first_, "00");  // "1,200": the length item counts numbers, not characters
    LeaveByTab();
    QCOMPARE(messages_, QStringList{" Please enter a delimited number string with delimiter ','.\n"
                                    "Here,each number is between 0 and 100!"});
    messages_.clear();
    Type(second_, "5");
    LeaveByTab();
    QCOMPARE(messages_, QStringList{" Please enter a delimited number string with delimiter ','.\n"
                                    "Here,the count of the number is equal to 2!"});
}

void TestEditConstraint::badFormatsAttachNothing_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("conversion q") << "%q";
    QTest::newRow("brace not closed") << "%i{n0x";
    QTest::newRow("item k") << "%i{k}";
    QTest::newRow("n without number") << "%i{n}";
    QTest::newRow("literal between conversions") << "%i{l3} %s";
    QTest::newRow("second segment bad") << "%i{l3}%q{}";
    QTest::newRow("more segments than fields") << "%i{l3}%s%u";
}

void TestEditConstraint::badFormatsAttachNothing()
{
    QFETCH(QString, format);
    QxEditConstraint constraint(window_.get(), true);
    try {
        constraint.Attach(format, {first_, second_});
        QFAIL("the format was accepted");
    } catch (const AppException& e) {
        QCOMPARE(e.code(), -2);
        QCOMPARE(e.message(), QString(" Bad format specifier of edit's constraint!"));
    }
    QVERIFY(!constraint.IsAttached(first_));
    QVERIFY(!constraint.IsAttached(second_));
    Type(first_, "a");
    QCOMPARE(first_->text(), QString("a"));
    QVERIFY(beeps_.isEmpty());
}

void TestEditConstraint::pageHandlersChainAndVeto()
{
    QStringList changes;
    bool vetoFull = true;
    SetEditChangeHandler(first_, [&](QLineEdit* edit) {
        changes << edit->text();
        SetEditTag(edit, vetoFull && edit->text().size() == 2 ? -1 : 0);
    });
    int exits = 0;
    SetEditExitHandler(first_, [&](QLineEdit* edit) {
        ++exits;
        SetEditTag(edit, edit->text() == "13" ? -1 : 0);
    });

    QxEditConstraint constraint(window_.get(), true);
    constraint.AttachOne("%i{l2a}", first_);
    constraint.AttachOne("%i{l2a}", first_);  // rules replaced; the page's handlers stay the previous ones
    Type(first_, "1a");
    QVERIFY(!changes.isEmpty());
    for (const QString& text : changes) QVERIFY2(!text.contains('a'), qPrintable(text));

    // The page's change handler vetoes the auto-advance of a full field.
    QTest::keyClicks(first_, "2");
    QTest::qWait(20);
    QCOMPARE(QApplication::focusWidget(), first_);
    LeaveByTab();
    QCOMPARE(exits, 1);
    QCOMPARE(constraint.LastAcceptedText(first_), QString("12"));

    // The page's exit handler vetoes a text that passed the constraint's check.
    first_->setFocus();
    first_->setText("13");
    LeaveByTab();
    QCOMPARE(exits, 2);
    QCOMPARE(first_->text(), QString("12"));
    QCOMPARE(constraint.LastAcceptedText(first_), QString("12"));

    // Detached, the field has the page's handlers again and no filter.
    SetEditTag(first_, 0);
    vetoFull = false;
    constraint.Detach(first_);
    first_->clear();
    changes.clear();
    beeps_.clear();
    Type(first_, "b");
    QCOMPARE(changes, QStringList{"b"});
    QVERIFY(beeps_.isEmpty());
    LeaveByTab();
    QCOMPARE(exits, 3);
}

void TestEditConstraint::destructionGivesHandlersBack()
{
    QStringList changes;
    SetEditChangeHandler(first_, [&](QLineEdit* edit) { changes << edit->text(); });
    {
        QxEditConstraint constraint(window_.get(), true);
        constraint.AttachOne("%i", first_);
    }
    Type(first_, "x");
    QCOMPARE(changes, QStringList{"x"});
    QVERIFY(beeps_.isEmpty());
}

void TestEditConstraint::fieldDestroyedBeforeConstraint()
{
    QxEditConstraint constraint(window_.get(), true);
    auto* transient = new QLineEdit(window_.get());
    constraint.AttachOne("%i", transient);
    constraint.AttachOne("%i", first_);
    delete transient;  // the constraint forgets it; its destructor must not touch it (ASan)
    Type(first_, "x");
    QVERIFY(first_->text().isEmpty());
}

void TestEditConstraint::deactivationIsNotLeaving()
{
    QxEditConstraint constraint(window_.get(), true);
    constraint.AttachOne("%i{n0x9}", first_);
    first_->setText("55");
    first_->setFocus();
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QVERIFY(messages_.isEmpty());
    QCOMPARE(QApplication::focusWidget(), first_);
}

void TestEditConstraint::widthAndSeveralFields()
{
    QxEditConstraint constraint(nullptr, false);
    constraint.Attach("%s{w120I}%i{n1x4094l4}", {first_, second_});
    QCOMPARE(first_->width(), 120);
    Type(first_, "10.0.0.256");
    LeaveByTab();
    QCOMPARE(messages_, QStringList{" Please enter a valid IP address!"});
    QCOMPARE(first_->text(), QString());
    Type(first_, "10.0.0.255");
    LeaveByTab();
    QCOMPARE(QApplication::focusWidget(), second_);
    QCOMPARE(constraint.LastAcceptedText(first_), QString());  // not remembered without the flag
    QTest::keyClicks(second_, "40950");
    QCOMPARE(second_->text(), QString("4095"));
    LeaveByTab();
    QCOMPARE(messages_.last(), QString(" Please enter a number between 1 and 4094!"));
}

void TestEditConstraint::realMessageBoxShowsOnce()
{
    // With a real modal box the window loses and regains activation, and the focus goes to the
    // next field and back: none of that may check a field again or show a second box.
    SetMessageBoxHook({});
    QStringList shown;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown << box->windowTitle() + ":" + box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    closer.start(10);

    QxEditConstraint constraint(window_.get(), true);
    constraint.Attach("%i{n0x9}%s{l8n}", {first_, second_});
    Type(first_, "55");
    LeaveByTab();
    QTest::qWait(100);
    initTestCase();  // the capturing hook again
    QCOMPARE(shown, QStringList{"test_editconstraint: Please enter a number between 0 and 9!"});
    QCOMPARE(first_->text(), QString());
    QCOMPARE(window_->focusWidget(), first_);  // the window's focus; activation is the desktop's business
}

QTEST_MAIN(TestEditConstraint)
#include "test_editconstraint.moc"
