#include "html.h"

namespace manual {

QString Escape(QStringView text)
{
    return text.toString().toHtmlEscaped();
}

QString Quoted(QStringView text)
{
    return QStringLiteral("&quot;%1&quot;").arg(Escape(text));
}

QString Code(QStringView text)
{
    return QStringLiteral("<code>%1</code>").arg(Escape(text));
}

Table::Table(QStringList headers) : headers_(std::move(headers)) {}

void Table::KeepOnOneLine(int column)
{
    oneLineColumns_.append(column);
}

void Table::AddRow(QStringList cells)
{
    rows_.append(std::move(cells));
}

QString Table::Html() const
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n<tr>");
    for (const QString& header : headers_) html += QStringLiteral("<th>%1</th>").arg(header);
    html += QStringLiteral("</tr>\n");
    for (const QStringList& row : rows_) {
        html += QStringLiteral("<tr>");
        for (qsizetype column = 0; column < row.size(); ++column)
            html += (oneLineColumns_.contains(column) ? QStringLiteral("<td class=\"nowrap\">%1</td>")
                                                      : QStringLiteral("<td>%1</td>"))
                        .arg(row[column]);
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

}  // namespace manual
