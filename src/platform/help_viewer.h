#pragma once
// The module's help viewer: one non-modal window (objectName "HelpViewer") that shows an HTML
// help file with back, forward and home. Opening another file reuses the window.

#include <QString>

class QWidget;

// Shows the file and brings the viewer to the front; a missing file is reported in the window.
// Returns the viewer window.
QWidget* ShowHelp(const QString& htmlPath);

// Closes the viewer if it is open (the main window does this when it closes).
void CloseHelp();
