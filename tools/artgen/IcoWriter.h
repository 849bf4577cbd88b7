// Writes Windows icon (.ico) and cursor (.cur) files, and the pictures the Windows program embeds.
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <vector>

// An icon file holding each picture as a 32-bit image with its transparency mask.
bool WriteIco(const std::vector<QImage> &images, const QString &fileName);
// A cursor file of one 32-bit picture whose hot spot is `hotSpot`.
bool WriteCur(const QImage &image, QPoint hotSpot, const QString &fileName);

// Draws into `directory` what the Windows program compiles in: program.ico, day01.ico to
// day31.ico, arrow.cur and the built-in skin fallback.BK, fallback.NUM, fallback.MSG. Returns the
// exit code.
int WriteWindowsResources(const QString &directory);
