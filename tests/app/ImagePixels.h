#pragma once
// Counting a colour in a band of rows of a window's picture (its Image1), to tell
// whether text of that colour was drawn there.
#include "platform/Color.h"

#include <QImage>

template <class Form>
int PixelsOf(const Form& f, platform::TColor color, int y1, int y2)
{
    const QImage& img = f.Image1->canvas().image();
    int n = 0;
    for (int y = y1; y < y2; ++y)
        for (int x = 0; x < img.width(); ++x)
            n += platform::fromQRgb(img.pixel(x, y)) == color;
    return n;
}
