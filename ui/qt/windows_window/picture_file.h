// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QPainter>
#include <QSize>
#include <QString>

// A picture the program draws with QPainter, saved as PNG or SVG.

namespace velmorant {

// Draws through `paint` a picture of `size` pixels and saves it as PNG or SVG (by the file
// name's ending, .png or .svg, any case): encoded in memory, then written through WriteTextFile
// (beside the file and put in its place only when complete; a device or FIFO written in place).
// The problem, empty when saved: the system's reason when the bytes could not be written.
QString SavePicture(const QString& fileName, const QSize& size, const QString& title,
                    const std::function<void(QPainter&)>& paint);

}  // namespace velmorant
