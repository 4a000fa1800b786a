#pragma once
// Files the targets hand to readers that take a path: one private temporary directory per
// process, removed when the process ends normally.

#include <QByteArray>
#include <QString>

QString ScratchDir();
// Writes (replaces) a file under the scratch directory and returns its path.
QString WriteScratchFile(const QString& relativePath, const QByteArray& bytes);
