// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/windows_window/picture_file.h"

#include <filesystem>
#include <string_view>

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSvgGenerator>

#include "stations/text_file.h"

namespace velmorant {

QString SavePicture(const QString& fileName, const QSize& size, const QString& title,
                    const std::function<void(QPainter&)>& paint) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix != "png" && suffix != "svg") {
        return "the file name " + fileName + " ends neither in .png nor in .svg";
    }
    // Encoded in memory first: the encoders do not report a failed write, and the bytes then go
    // through the one careful writer, whose every write is checked and which replaces only a
    // regular file (a device or FIFO is written in place).
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (suffix == "svg") {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(title);
        QPainter painter(&svg);
        paint(painter);
    } else {
        QImage image(size, QImage::Format_RGB32);
        {
            QPainter painter(&image);
            paint(painter);
        }
        if (!image.save(&buffer, "PNG")) {
            return "the picture could not be encoded";
        }
    }
    const WriteResult written =
        WriteTextFile(std::filesystem::path(QFile::encodeName(fileName).toStdString()),
                      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    return written.Written() ? QString() : QString::fromStdString(written.Reason);
}

}  // namespace velmorant
