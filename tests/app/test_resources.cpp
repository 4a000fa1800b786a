// The embedded pictures load, at the sizes the windows place them at.

#include <QImage>
#include <QtTest>

#include "ksw_resources.h"

class TestResources : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { InitKswResources(); }
    void picturesLoad_data();
    void picturesLoad();
};

void TestResources::picturesLoad_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("front panel") << ":/front_panel.jpg" << QSize(794, 125);
    QTest::newRow("port G") << ":/link_g.png" << QSize(37, 15);
    QTest::newRow("port O") << ":/link_o.png" << QSize(37, 15);
    QTest::newRow("combo G") << ":/combo_g.png" << QSize(42, 15);
    QTest::newRow("combo O") << ":/combo_o.png" << QSize(42, 15);
    QTest::newRow("KSW-7110") << ":/model_7110.png" << QSize(32, 32);
    QTest::newRow("KSW-7116") << ":/model_7116.png" << QSize(32, 32);
}

void TestResources::picturesLoad()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QImage image(name);
    QVERIFY2(!image.isNull(), qPrintable(name));
    QCOMPARE(image.size(), size);
}

QTEST_GUILESS_MAIN(TestResources)
#include "test_resources.moc"
