#pragma once

class QWidget;

// Centres a window on the main window: the outermost window above it in the parent chain
// (a progress window's parent is a page, whose parent is the main window).
void CentreOnMainWindow(QWidget* window);
