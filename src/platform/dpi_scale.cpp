#include "platform/dpi_scale.h"

#include <cmath>

namespace {
double g_scale = 1.0;
}

double DpiScale()
{
    return g_scale;
}

void SetDpiScale(double scale)
{
    g_scale = scale > 0 ? scale : 1.0;
}

double DpiScaleForDpi(double dotsPerInch)
{
    return std::lround(dotsPerInch) == 96 ? 1.0 : 1.25;
}

int Scaled(int pixels)
{
    return int(std::lround(pixels * g_scale));
}

QRect ScaledRect(int x, int y, int width, int height)
{
    return QRect(Scaled(x), Scaled(y), Scaled(width), Scaled(height));
}
