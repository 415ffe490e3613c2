// Hands a picture drawn with Qt (the board) to the Qt-free report and PDF code.
#pragma once

#include "platform/RgbBitmap.h"

#include <QImage>

// The image's pixels as 24-bit RGB; transparency is dropped (as if over nothing). A null image
// gives an empty bitmap.
platform::RgbBitmap ToRgbBitmap(const QImage& image);
