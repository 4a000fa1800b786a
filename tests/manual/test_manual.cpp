// The user manual as the build writes it: next to the executables, readable by the help viewer's
// rich-text engine, and complete against the catalogues it is written from.

#include <QFile>
#include <QHash>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

#include "catalogue/menu_catalogue.h"
#include "app/startup_registry.h"
#include "snmp/errors.h"

using namespace ksw::catalogue;

namespace {

QString Utf8(const char* text)
{
    return QString::fromUtf8(text);
}

// The text from a heading up to the next heading: the heading's section. Blanks are collapsed
// there as HTML collapses them, so texts are compared simplified.
QString SectionText(const QTextBlock& heading)
{
    QString text = heading.text();
    for (QTextBlock block = heading.next(); block.isValid() && block.blockFormat().headingLevel() == 0;
         block = block.next())
        text += u'\n' + block.text();
    return text.simplified();
}

struct Manual {
    QTextDocument document;
    QHash<QString, QTextBlock> anchors;  // anchor name -> block that carries it
    QStringList links;                   // internal link targets, without "#"
};

void Load(Manual& manual, const QString& path)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path + QStringLiteral(": ") + file.errorString()));
    manual.document.setHtml(QString::fromUtf8(file.readAll()));
    for (QTextBlock block = manual.document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            for (const QString& name : format.anchorNames()) manual.anchors.insert(name, block);
            if (format.anchorHref().startsWith(u'#')) manual.links << format.anchorHref().mid(1);
        }
    }
}

}  // namespace

class TestManual : public QObject {
    Q_OBJECT
private slots:
    void describesEveryMenuAndMessage();
};

void TestManual::describesEveryMenuAndMessage()
{
    const QString binDir = qEnvironmentVariable("KSW_BIN_DIR");
    QVERIFY2(!binDir.isEmpty(), "KSW_BIN_DIR is not set");
    Manual manual;
    Load(manual, binDir + QStringLiteral("/KSW-7100-16 vantrix.html"));
    if (QTest::currentTestFailed()) return;
    QVERIFY(manual.document.metaInformation(QTextDocument::DocumentTitle).contains(QStringLiteral("KSW-7100-16")));

    // Every internal link lands somewhere, as the viewer resolves it.
    for (const QString& target : std::as_const(manual.links))
        QVERIFY2(manual.anchors.contains(target), qPrintable(QStringLiteral("no anchor for #") + target));

    // A section per top menu, headed by the menu's caption.
    QStringList topMenus;
    for (const MenuItem& item : MainMenu())
        if (item.depth == 0) {
            const QTextBlock heading = manual.anchors.value(QStringLiteral("menu-") + Utf8(item.id));
            QVERIFY2(heading.isValid(), item.id);
            QCOMPARE(heading.blockFormat().headingLevel(), 2);
            QCOMPARE(heading.text(), Utf8(item.caption) + QStringLiteral(" menu"));
            topMenus << heading.text();
        }
    QCOMPARE(topMenus.size(), 10);
    const QTextBlock popup = manual.anchors.value(QStringLiteral("menu-port_popup"));
    QVERIFY(popup.isValid());
    QCOMPARE(popup.text(), QStringLiteral("Port popup menu"));

    // Every generic entry: its own heading ending in its caption, marked when hidden, with every
    // object's label and identifier in its section.
    int visibleGeneric = 0;
    for (const auto menu : {MainMenu(), PortPopupMenu()}) {
        std::vector<bool> hiddenAt;  // hiddenAt[d]: the item at depth d, or one above it, is hidden
        for (const MenuItem& item : menu) {
            hiddenAt.resize(static_cast<size_t>(item.depth));
            const bool hidden = item.hidden || (item.depth > 0 && hiddenAt.back());
            hiddenAt.push_back(hidden);
            if (item.opens != Opens::Generic) continue;

            const QTextBlock heading = manual.anchors.value(Utf8(item.id));
            QVERIFY2(heading.isValid() && heading.blockFormat().headingLevel() == 3, item.id);
            const QString title = heading.text().remove(QStringLiteral(" [hidden]")).simplified();
            QVERIFY2(title.endsWith(Utf8(item.caption).simplified()), qPrintable(heading.text()));
            QCOMPARE(heading.text().endsWith(QStringLiteral("[hidden]")), hidden);
            visibleGeneric += hidden ? 0 : 1;

            const QString section = SectionText(heading);
            for (int i = 0; i < CountVarDescs(item.page.table.data()); ++i) {
                const QxSNMPVarDesc& object = item.page.table[static_cast<size_t>(i)];
                QVERIFY2(section.contains(Utf8(object.Label).simplified()) && section.contains(Utf8(object.Oid)),
                         qPrintable(Utf8(item.id) + QStringLiteral(": ") + Utf8(object.Label)));
            }
        }
    }
    QVERIFY(visibleGeneric > 150);

    // The message catalogues: every file by name, every message by its text.
    const QString text = manual.document.toPlainText();
    for (const CatalogueFile& file : CatalogueFiles()) {
        QVERIFY2(text.contains(Utf8(file.relativeName)), file.relativeName);
        for (int entry = 0; entry < CatalogueSize(file.catalogue); ++entry) {
            const QString message = CatalogueText(file.catalogue, entry).section(u'\n', 0, 0).trimmed();
            QVERIFY2(text.contains(message), qPrintable(message));
        }
    }
    QVERIFY(text.contains(QStringLiteral("(SNMPClass) SNMP request timed out!")));
}

QTEST_MAIN(TestManual)
#include "test_manual.moc"
