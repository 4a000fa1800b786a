// Progress windows and the About box.

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <stdexcept>

#include "app/about_form.h"
#include "app/progress_form.h"
#include "snmp/errors.h"

namespace {

QTimer* TimerOf(QWidget* window)
{
    return window->findChild<QTimer*>(QStringLiteral("ProgressTimer"));
}

int BarPosition(QWidget* window)
{
    return window->findChild<QProgressBar*>(QStringLiteral("ProgressBar"))->value();
}

std::unique_ptr<TProgressWindow> MakeProgress(int kind)
{
    if (kind == 0)
        return std::make_unique<TProgressForm>(nullptr, TProgressForm::Operation(), TProgressForm::ErrorSink());
    auto form = std::make_unique<TProgressForm2>(nullptr);
    form->StepLimit = kind;
    return form;
}

}  // namespace

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void progressClosesAfterItsSteps_data();
    void progressClosesAfterItsSteps();
    void progressEndsModalLoopByItself();
    void userCannotCloseProgress();
    void operationErrorIsShownAndWindowStillRuns_data();
    void operationErrorIsShownAndWindowStillRuns();
    void aboutTextsOnEveryActivation();
    void aboutBuildDateNeedsShiftAltF3_data();
    void aboutBuildDateNeedsShiftAltF3();
    void aboutOkCloses();
};

void TestDialogs::progressClosesAfterItsSteps_data()
{
    QTest::addColumn<int>("kind");  // 0: TProgressForm, else TProgressForm2 with that StepLimit
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("finalPosition");
    QTest::newRow("enable STP: 30") << 0 << 30 << 30;
    QTest::newRow("form2 default: 30") << 30 << 30 << 30;
    QTest::newRow("config activation: 15") << 15 << 15 << 15;
    QTest::newRow("zero: first tick closes") << -1 << 0 << 0;
    // The bar wraps at 76; the window must still close after its steps.
    QTest::newRow("beyond the bar: 80") << 80 << 80 << 4;
}

void TestDialogs::progressClosesAfterItsSteps()
{
    QFETCH(int, kind);
    QFETCH(int, steps);
    QFETCH(int, finalPosition);
    auto window = MakeProgress(kind == -1 ? 30 : kind);
    if (kind == -1)
        static_cast<TProgressForm2*>(window.get())->StepLimit = 0;
    QCOMPARE(TimerOf(window.get())->interval(), 1000);
    QVERIFY(TimerOf(window.get())->isActive());
    TimerOf(window.get())->setInterval(1);
    QSignalSpy ticks(TimerOf(window.get()), &QTimer::timeout);

    window->show();
    QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 10000);
    // One tick per step, then the tick that closes it; nothing after.
    QCOMPARE(ticks.count(), steps + 1);
    QCOMPARE(BarPosition(window.get()), finalPosition);
    QVERIFY(!TimerOf(window.get())->isActive());
    QCOMPARE(window->result(), int(QDialog::Accepted));
}

void TestDialogs::progressEndsModalLoopByItself()
{
    TProgressForm2 window(nullptr);
    window.StepLimit = 15;
    window.setWindowTitle(QStringLiteral("Set Config"));
    window.SetPrompt(QStringLiteral("Active Config is doing..."));
    TimerOf(&window)->setInterval(1);
    QCOMPARE(window.exec(), int(QDialog::Accepted));
    QCOMPARE(BarPosition(&window), 15);
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("LB_Prompt"))->text(),
             QStringLiteral("Active Config is doing..."));
}

void TestDialogs::userCannotCloseProgress()
{
    TProgressForm2 window(nullptr);
    QCOMPARE(window.windowTitle(), QStringLiteral("Progress"));
    QVERIFY(!(window.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(window.windowFlags() & Qt::WindowSystemMenuHint));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QVERIFY(!window.close());
    QTest::keyClick(&window, Qt::Key_Escape);
    window.reject();
    QVERIFY(window.isVisible());
    QVERIFY(TimerOf(&window)->isActive());

    TimerOf(&window)->setInterval(1);
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 10000);
}

void TestDialogs::operationErrorIsShownAndWindowStillRuns_data()
{
    QTest::addColumn<int>("failure");  // 0 none, 1 AppException, 2 other exception
    QTest::addColumn<QString>("shown");
    QTest::newRow("write succeeds") << 0 << QString();
    QTest::newRow("agent error") << 1 << QStringLiteral("Request timed out");
    QTest::newRow("other failure") << 2 << QStringLiteral("out of sockets");
}

void TestDialogs::operationErrorIsShownAndWindowStillRuns()
{
    QFETCH(int, failure);
    QFETCH(QString, shown);
    int started = 0;
    QStringList statusBar;
    auto start = [&] {
        ++started;
        if (failure == 1)
            throw AppException(QStringLiteral("Request timed out"), -405);
        if (failure == 2)
            throw std::runtime_error("out of sockets");
    };
    TProgressForm window(nullptr, start, [&](const QString& text) { statusBar << text; });
    QCOMPARE(started, 1);
    QCOMPARE(statusBar, shown.isEmpty() ? QStringList() : QStringList{shown});

    window.setWindowTitle(QStringLiteral("Enable STP Progress"));
    window.SetPrompt(QStringLiteral("Enable STP is doing..."));
    TimerOf(&window)->setInterval(1);
    QCOMPARE(window.exec(), int(QDialog::Accepted));
    QCOMPARE(BarPosition(&window), 30);
    QCOMPARE(started, 1);
}

void TestDialogs::aboutTextsOnEveryActivation()
{
    TAboutForm about;
    auto* image7110 = about.findChild<QLabel*>(QStringLiteral("Image7110"));
    auto* image7116 = about.findChild<QLabel*>(QStringLiteral("Image7116"));
    auto* aboutLabel = about.findChild<QLabel*>(QStringLiteral("AboutLabel"));
    auto* aboutLabel2 = about.findChild<QLabel*>(QStringLiteral("AboutLabe2"));
    QVERIFY(image7110 && image7116 && aboutLabel && aboutLabel2);
    // The pictures come from the embedded resources.
    QCOMPARE(image7116->pixmap().size(), QSize(32, 32));
    QCOMPARE(image7110->pixmap().size(), QSize(32, 32));

    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    image7110->show();
    aboutLabel->show();
    aboutLabel2->setText(QStringLiteral("stale"));
    about.setWindowTitle(QStringLiteral("stale"));
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&about, &activate);

    QVERIFY(image7116->isVisible());
    QVERIFY(!image7110->isVisible());
    QVERIFY(!aboutLabel->isVisible());
    QCOMPARE(aboutLabel2->text(), QStringLiteral("Quorix KSW-7100-16 Management Module"));
    QCOMPARE(about.windowTitle(), QStringLiteral("About KSW-7100-16 Module"));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("VersionLabel"))->text(),
             QStringLiteral("Release Version 1.35R14"));
    QCOMPARE(about.findChild<QPushButton*>(QStringLiteral("BT_Ok"))->text(), QStringLiteral("OK"));
}

void TestDialogs::aboutBuildDateNeedsShiftAltF3_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("revealed");
    const Qt::KeyboardModifiers shiftAlt = Qt::ShiftModifier | Qt::AltModifier;
    QTest::newRow("Shift+Alt+F3") << int(Qt::Key_F3) << shiftAlt << true;
    QTest::newRow("Shift+F3") << int(Qt::Key_F3) << Qt::KeyboardModifiers(Qt::ShiftModifier) << false;
    QTest::newRow("Alt+F3") << int(Qt::Key_F3) << Qt::KeyboardModifiers(Qt::AltModifier) << false;
    QTest::newRow("F3") << int(Qt::Key_F3) << Qt::KeyboardModifiers() << false;
    QTest::newRow("Shift+Alt+F4") << int(Qt::Key_F4) << shiftAlt << false;
}

void TestDialogs::aboutBuildDateNeedsShiftAltF3()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, revealed);
    TAboutForm about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto* ok = about.findChild<QPushButton*>(QStringLiteral("BT_Ok"));
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key(key), modifiers);
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("VersionLabel"))->text(),
             revealed ? QStringLiteral("Release Version 1.35R14(Build 2009/3/13)")
                      : QStringLiteral("Release Version 1.35R14"));
}

void TestDialogs::aboutOkCloses()
{
    TAboutForm about;
    QTimer::singleShot(0, &about, [&about] {
        QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("BT_Ok")), Qt::LeftButton);
    });
    QCOMPARE(about.exec(), int(QDialog::Accepted));
    QVERIFY(!about.isVisible());
}

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
