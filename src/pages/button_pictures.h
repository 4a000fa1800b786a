#pragma once
// Optional pictures for the page buttons: bitmap files next to the program ("Get.bmp",
// "Set.bmp", ...). A button whose file exists shows the picture instead of its caption.

#include <QString>

class QAbstractButton;

// The folder the pictures are looked up in: the program's own folder unless set.
QString ButtonPictureDirectory();
// Tests point this to a folder of their own; an empty text goes back to the program's folder.
void SetButtonPictureDirectory(const QString& directory);

// Loads `fileName` from the picture folder onto the button. True when the button now shows a
// picture; a missing file or one that does not load leaves the button as it was.
bool LoadButtonPicture(QAbstractButton* button, const QString& fileName);
