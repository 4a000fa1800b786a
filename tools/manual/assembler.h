#pragma once
// Puts the manual together from its hand-written fragments. The main fragment names the others
// with directives that stand alone on a line:
//
//   <!-- ksw-manual: include starting.html -->   the fragment's text, its directives resolved
//   <!-- ksw-manual: generate menus -->          the text of a generator
//
// and anywhere "{{name}}" is replaced by a value given on the command line. The generator
// "contents" is special: it lists the document's h2 headings, so it runs last. Every mistake
// (a missing fragment, an unknown generator or value, a link to an anchor that does not exist)
// stops the build with a message rather than leaving a broken manual.

#include <QHash>
#include <QString>
#include <functional>
#include <stdexcept>

namespace manual {

class AssemblyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using Generator = std::function<QString()>;

struct AssemblyInput {
    QString fragmentDirectory;
    QString mainFragment;
    QHash<QString, Generator> generators;
    QHash<QString, QString> values;
};

QString Assemble(const AssemblyInput& input);

}  // namespace manual
