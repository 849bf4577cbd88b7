// LoadBitmapFile: reads a BMP file into a drawable image.
#pragma once

#include <QImage>
#include <QString>

// Reads the file (resource paths ":/..." too). Returns false, with `image` left null and no message,
// for a missing, short, damaged or non-BMP file.
bool LoadBitmapFile(const QString &fileName, QImage &image);
