// The Qt side of the pictures: core pictures and outlines as QImage and QRegion, and files read
// through QFile so that compiled-in pictures (":/...") open like any other.
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QString>

#include "core/pictures/BitmapFile.h"
#include "core/pictures/Dib.h"
#include "core/pictures/Shape.h"

namespace gfx {

QImage ToImage(const core::Picture &picture);
// Any QImage as a core picture (null for a null image).
core::Picture FromImage(const QImage &image);
QRegion ToRegion(const std::vector<core::PixelRect> &rects);

// A path of the core as a QString, and the other way.
QString QtPath(const std::filesystem::path &path);

// A CDib of the file; a file that is no bitmap shows the core's message to the user.
core::CDib OpenDib(const QString &fileName);

} // namespace gfx

// Reads the file (resource paths ":/..." too) into an RGB32 image. Returns false, with `image` left
// null and no message, for a missing, short, damaged or non-BMP file.
bool LoadBitmapFile(const QString &fileName, QImage &image);
// The outline and the digit box of the core, for a QImage.
QRegion OutlineRegion(const QImage &picture);
std::optional<QPoint> FindDigitBox(const QImage &picture);
