// The help viewer: opening a file, navigating, a missing file.

#include <QAction>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include "platform/help_viewer.h"

namespace {

void Write(const QString& path, const QByteArray& html)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(html);
}

}  // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { CloseHelp(); }
    void opensFileAndNavigates();
    void missingFileIsReported();
};

void TestHelpViewer::opensFileAndNavigates()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Write(dir.filePath("index.html"),
          "<html><head><title>Switch Help</title></head><body><p>Contents</p>"
          "<a href=\"vlan.html\">VLANs</a></body></html>");
    Write(dir.filePath("vlan.html"), "<html><head><title>VLAN Pages</title></head><body>802.1Q</body></html>");

    QWidget* viewer = ShowHelp(dir.filePath("index.html"));
    QVERIFY(viewer && viewer->isVisible());
    QCOMPARE(viewer->objectName(), QStringLiteral("HelpViewer"));
    QVERIFY(viewer->isWindow());
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Switch Help"));
    auto* browser = viewer->findChild<QTextBrowser*>();
    QVERIFY(browser->toPlainText().contains(QStringLiteral("Contents")));

    // A relative link resolves against the file; Back returns.
    browser->setSource(QUrl(QStringLiteral("vlan.html")));
    QCOMPARE(viewer->windowTitle(), QStringLiteral("VLAN Pages"));
    auto* back = viewer->findChild<QAction*>(QStringLiteral("HelpBack"));
    QVERIFY(back->isEnabled());
    back->trigger();
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Switch Help"));

    // Opening again reuses the window, with a fresh history whose home is the new file.
    QCOMPARE(ShowHelp(dir.filePath("vlan.html")), viewer);
    QCOMPARE(viewer->windowTitle(), QStringLiteral("VLAN Pages"));
    QVERIFY(!back->isEnabled());
    browser->setSource(QUrl(QStringLiteral("index.html")));
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Switch Help"));
    browser->home();
    QCOMPARE(viewer->windowTitle(), QStringLiteral("VLAN Pages"));
}

void TestHelpViewer::missingFileIsReported()
{
    const QString path = QStringLiteral("/nonexistent/KSW-7100-16 help.html");
    QWidget* viewer = ShowHelp(path);
    QVERIFY(viewer->isVisible());
    const QString text = viewer->findChild<QTextBrowser*>()->toPlainText();
    QVERIFY2(text.contains(path) && text.contains(QStringLiteral("cannot be found")), qPrintable(text));
}

QTEST_MAIN(TestHelpViewer)
#include "test_help_viewer.moc"
