// Every kept fuzz input through its target: the inputs that once crashed or failed a check
// (fuzz/regressions/<target>/) and the seed corpora (fuzz/corpus/<target>/).

#include <QDir>
#include <QFile>
#include <QtTest>

#include "fuzz_check.h"
#include "fuzz_targets.h"

class TestFuzzRegressions : public QObject {
    Q_OBJECT

private slots:
    void replay_data();
    void replay();
};

void TestFuzzRegressions::replay_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("path");
    const QDir fuzz(QStringLiteral(KSW_FUZZ_DIR));
    QVERIFY2(fuzz.exists(QStringLiteral("corpus")), qPrintable(fuzz.path()));
    for (int t = 0; t < static_cast<int>(std::size(kFuzzTargets)); ++t) {
        const QString name = QString::fromLatin1(kFuzzTargets[t].name);
        QVERIFY2(fuzz.exists(QStringLiteral("corpus/") + name), qPrintable(name));
        for (const char* kind : {"regressions", "corpus"}) {
            const QDir folder(fuzz.filePath(QString::fromLatin1(kind) + u'/' + name));
            for (const QString& file : folder.entryList(QDir::Files, QDir::Name))
                QTest::newRow(qPrintable(QStringLiteral("%1/%2/%3").arg(QString::fromLatin1(kind), name, file)))
                    << t << folder.filePath(file);
        }
    }
}

void TestFuzzRegressions::replay()
{
    QFETCH(int, target);
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray input = file.readAll();
    try {
        kFuzzTargets[target].entry(reinterpret_cast<const uint8_t*>(input.constData()), static_cast<size_t>(input.size()));
    } catch (const FuzzCheckFailure& failure) {
        QFAIL(failure.what());
    }
}

QTEST_GUILESS_MAIN(TestFuzzRegressions)
#include "test_fuzz_regressions.moc"
