// The one conversion of the program's 0x00BBGGRR colours into Qt colours.
#pragma once

#include <QColor>
#include <QRgb>

#include <cstdint>

// An opaque Qt pixel value (0xAARRGGBB) of the colour 0x00BBGGRR.
inline QRgb ToQRgb(uint32_t bgr)
{
    return qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

inline QColor ToQColor(uint32_t bgr)
{
    return QColor::fromRgb(ToQRgb(bgr));
}
