#pragma once
// Animated GIF output for the generators (assembled by ImageMagick's convert).
#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

namespace tools {

// GIF transparency is on or off: soft edges are blended with the colour the picture
// will stand on, every other pixel is kept or dropped.
QImage toGifFrame(const QImage& frame, const QColor& under);

// Writes resources/relPath.gif, looping forever, `delayCs` hundredths of a second per
// frame; `optimizeLayers` stores only what changes between frames.
void saveGif(const QList<QImage>& frames, int delayCs, const QString& relPath, bool optimizeLayers = false);

} // namespace tools
