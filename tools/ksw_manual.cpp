// ksw-manual: writes the module's user manual, one HTML file, from the hand-written fragments
// under docs/manual/ and from the catalogues (the menu reference and the message tables), so that
// the manual lists exactly the menus and messages the program has.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>

#include "manual/assembler.h"
#include "manual/menu_reference.h"
#include "manual/message_tables.h"

namespace {

int Fail(const QString& message)
{
    std::fprintf(stderr, "ksw-manual: %s\n", qPrintable(message));
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ksw-manual"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Writes the user manual from its fragments and the catalogues."));
    parser.addHelpOption();
    const QCommandLineOption fragments(QStringLiteral("fragments"), QStringLiteral("Folder of the HTML fragments."),
                                       QStringLiteral("dir"));
    const QCommandLineOption main(QStringLiteral("main"), QStringLiteral("Main fragment (default manual.html)."),
                                  QStringLiteral("file"), QStringLiteral("manual.html"));
    const QCommandLineOption output(QStringLiteral("output"), QStringLiteral("The manual to write."),
                                    QStringLiteral("file"));
    const QCommandLineOption value(QStringLiteral("set"), QStringLiteral("A value for {{name}} in the fragments."),
                                   QStringLiteral("name=value"));
    parser.addOptions({fragments, main, output, value});
    parser.process(app);

    if (!parser.isSet(fragments) || !parser.isSet(output))
        return Fail(QStringLiteral("--fragments and --output are required (see --help)"));

    manual::AssemblyInput input;
    input.fragmentDirectory = parser.value(fragments);
    input.mainFragment = parser.value(main);
    input.generators = {
        {QStringLiteral("menus"), manual::MenuReference},
        {QStringLiteral("sibling-entries"), manual::SiblingEntries},
        {QStringLiteral("message-tables"), manual::MessageTables},
    };
    for (const QString& setting : parser.values(value)) {
        const qsizetype equals = setting.indexOf(u'=');
        if (equals <= 0) return Fail(QStringLiteral("--set takes name=value, not \"%1\"").arg(setting));
        input.values.insert(setting.left(equals), setting.mid(equals + 1));
    }

    QString html;
    try {
        html = manual::Assemble(input);
    } catch (const manual::AssemblyError& error) {
        return Fail(QString::fromStdString(error.what()));
    }

    QSaveFile file(parser.value(output));
    if (!file.open(QIODevice::WriteOnly)) return Fail(QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString()));
    file.write(html.toUtf8());
    if (!file.commit()) return Fail(QStringLiteral("cannot write %1: %2").arg(file.fileName(), file.errorString()));
    return 0;
}
