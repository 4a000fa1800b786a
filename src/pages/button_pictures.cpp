#include "pages/button_pictures.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>

namespace {

QString& DirectoryOverride()
{
    static QString directory;
    return directory;
}

}  // namespace

QString ButtonPictureDirectory()
{
    return DirectoryOverride().isEmpty() ? QCoreApplication::applicationDirPath() : DirectoryOverride();
}

void SetButtonPictureDirectory(const QString& directory)
{
    DirectoryOverride() = directory;
}

bool LoadButtonPicture(QAbstractButton* button, const QString& fileName)
{
    const QString path = QDir(ButtonPictureDirectory()).filePath(fileName);
    if (!QFileInfo::exists(path)) return false;
    QPixmap picture;
    if (!picture.load(path) || picture.isNull()) return false;  // a broken file is ignored
    button->setIcon(QIcon(picture));
    button->setIconSize(picture.size());
    button->setProperty("hasPicture", true);
    return true;
}
