#pragma once
// Small helpers for writing the manual's HTML: escaping, quoting system texts and plain tables.
// The viewer is a rich-text browser with an HTML 4 subset, so tables carry their borders as
// attributes rather than CSS.

#include <QString>
#include <QStringList>

namespace manual {

QString Escape(QStringView text);

// A text of the program itself (caption, label, message), quoted as the manual quotes them.
QString Quoted(QStringView text);

// A literal the user types or reads verbatim (switch, file name, object identifier).
QString Code(QStringView text);

// A table with a header row; the cells are HTML already.
class Table {
public:
    explicit Table(QStringList headers);
    // Cells of this column keep their text on one line (object identifiers).
    void KeepOnOneLine(int column);
    void AddRow(QStringList cells);
    bool IsEmpty() const { return rows_.isEmpty(); }
    QString Html() const;

private:
    QStringList headers_;
    QList<int> oneLineColumns_;
    QList<QStringList> rows_;
};

}  // namespace manual
