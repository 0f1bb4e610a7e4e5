// The title-bar pictures the main window keeps in its form description, written as form text:
// the four buttons' own 19 x 19 pictures at 16 bits per pixel (cut from the BlueGlass title-button
// strip) and the three sections' pictures at 8 bits per pixel (the BlueGlass title bitmaps,
// pixel for pixel).
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace art {

// A bitmap file of the image at 16 bits per pixel (5 bits a channel, the low bits dropped).
QByteArray EncodeBmp16(const QImage& image);
// A bitmap file of the image at 8 bits per pixel with its own palette; empty when the image has
// more than 256 colours.
QByteArray EncodeBmp8(const QImage& image);

// The TitleBarButtons and TitleBarSections properties of the main window's frame, indented for
// their place in the description, from the bitmaps in `skinFolder`. Empty when a bitmap is missing
// or holds too many colours.
QString MainWindowTitleBarText(const QString& skinFolder);

} // namespace art
