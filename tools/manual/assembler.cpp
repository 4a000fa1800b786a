#include "assembler.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include "html.h"

namespace manual {
namespace {

constexpr char kContents[] = "contents";
constexpr int kMaxIncludeDepth = 8;

[[noreturn]] void Fail(const QString& message)
{
    throw AssemblyError(message.toStdString());
}

const QRegularExpression& DirectivePattern()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"re(^[ \t]*<!--\s*ksw-manual:\s*(\S+)\s+(\S+)\s*-->[ \t]*$)re"),
        QRegularExpression::MultilineOption);
    return pattern;
}

const QString& ContentsMarker()
{
    static const QString marker = QStringLiteral("\x01contents\x01");
    return marker;
}

class Assembler {
public:
    explicit Assembler(const AssemblyInput& input) : input_(input) {}

    QString Run()
    {
        QString html = Fragment(input_.mainFragment, 0);
        html = ReplaceValues(html);
        html.replace(ContentsMarker(), Contents(html));
        CheckLinks(html);
        return html;
    }

private:
    QString Fragment(const QString& name, int depth)
    {
        if (depth > kMaxIncludeDepth) Fail(QStringLiteral("%1: fragments include each other too deeply").arg(name));
        QFile file(QDir(input_.fragmentDirectory).filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            Fail(QStringLiteral("cannot read the fragment %1: %2").arg(file.fileName(), file.errorString()));
        const QString text = QString::fromUtf8(file.readAll());

        QString out;
        qsizetype from = 0;
        auto matches = DirectivePattern().globalMatch(text);
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            out += text.mid(from, match.capturedStart() - from);
            out += Directive(name, match.captured(1), match.captured(2), depth);
            from = match.capturedEnd();
        }
        out += text.mid(from);
        return out;
    }

    QString Directive(const QString& fragment, const QString& verb, const QString& argument, int depth)
    {
        if (verb == u"include") return Fragment(argument, depth + 1);
        if (verb == u"generate") {
            if (argument == QLatin1String(kContents)) return ContentsMarker();
            const auto generator = input_.generators.constFind(argument);
            if (generator == input_.generators.constEnd())
                Fail(QStringLiteral("%1: unknown generator \"%2\"").arg(fragment, argument));
            return (*generator)();
        }
        Fail(QStringLiteral("%1: unknown directive \"%2\"").arg(fragment, verb));
    }

    QString ReplaceValues(const QString& html) const
    {
        static const QRegularExpression placeholder(QStringLiteral(R"re(\{\{([A-Za-z_]+)\}\})re"));
        QString out;
        qsizetype from = 0;
        auto matches = placeholder.globalMatch(html);
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            const auto value = input_.values.constFind(match.captured(1));
            if (value == input_.values.constEnd()) Fail(QStringLiteral("no value given for {{%1}}").arg(match.captured(1)));
            out += html.mid(from, match.capturedStart() - from) + Escape(*value);
            from = match.capturedEnd();
        }
        return out + html.mid(from);
    }

    // A list of the h2 headings that carry an id, in document order.
    static QString Contents(const QString& html)
    {
        static const QRegularExpression heading(QStringLiteral(R"re(<h2\s+id="([^"]+)"[^>]*>(.*?)</h2>)re"),
                                                QRegularExpression::DotMatchesEverythingOption);
        static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
        QString list = QStringLiteral("<ul>\n");
        auto matches = heading.globalMatch(html);
        while (matches.hasNext()) {
            const QRegularExpressionMatch match = matches.next();
            QString title = match.captured(2);
            title.remove(tag);
            list += QStringLiteral("<li><a href=\"#%1\">%2</a></li>\n").arg(match.captured(1), title.trimmed());
        }
        return list + QStringLiteral("</ul>\n");
    }

    static void CheckLinks(const QString& html)
    {
        static const QRegularExpression anchor(QStringLiteral(R"re(\s(?:id|name)="([^"]+)")re"));
        static const QRegularExpression link(QStringLiteral(R"re(href="#([^"]*)")re"));
        QSet<QString> anchors;
        for (auto it = anchor.globalMatch(html); it.hasNext();) {
            const QString name = it.next().captured(1);
            if (anchors.contains(name)) Fail(QStringLiteral("the anchor \"%1\" is defined twice").arg(name));
            anchors.insert(name);
        }
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            if (!anchors.contains(target)) Fail(QStringLiteral("a link points to the missing anchor \"#%1\"").arg(target));
        }
    }

    const AssemblyInput& input_;
};

}  // namespace

QString Assemble(const AssemblyInput& input)
{
    return Assembler(input).Run();
}

}  // namespace manual
