// Writes pictures as uncompressed 24-bit BMP files, so every colour lands in the file exactly.
#pragma once

#include <QImage>
#include <QString>

// Bottom-up rows, a 40-byte information header, no colour table (biClrUsed 0).
// Returns false when the file cannot be written.
bool WriteBmp24(const QImage &image, const QString &fileName);
