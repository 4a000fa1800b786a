#pragma once
// The layout scale of every window: 1.0 on a 96 dpi screen, 1.25 on any other. The main window
// decides it once at start-up; windows multiply their design-time pixel geometry by it.

#include <QRect>

double DpiScale();
void SetDpiScale(double scale);

// The scale the main window picks for a screen of the given logical dots per inch.
double DpiScaleForDpi(double dotsPerInch);

int Scaled(int pixels);
QRect ScaledRect(int x, int y, int width, int height);
