#pragma once

#include <QByteArray>
#include <QImage>

// Qt reads GIF pictures but cannot write them, and the About logo has to be one. The encoder
// emits literal LZW codes only: the file is a little larger than a compressed one, but every
// decoder reads it and the writer stays small enough to check by eye.
namespace gif {

// Encodes an 8-bit indexed image with at most 256 palette entries as a GIF89a file.
// Throws std::invalid_argument for any other image.
QByteArray encode(const QImage& indexed);

// Reduces a picture drawn in a few inks on a background to an indexed image whose palette holds
// the background, the inks, and the blends between them that anti-aliased edges produce.
QImage quantise(const QImage& picture, const QList<QRgb>& inks);

} // namespace gif
