// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/world_map_view.h"

#include <QFont>
#include <QPainter>

namespace velmorant {

namespace {

// The map's ocean colour stands in for a missing picture, so the dots and stations still read.
constexpr QRgb kLightCyan = qRgb(216, 255, 255);

// The centred map system has one unit per pixel with its origin in the middle of the drawing
// area and y pointing up.
QPointF PixelOf(double x, double y) {
    return {WorldMapView::kWidth / 2.0 + x, WorldMapView::kHeight / 2.0 - y};
}

// The sub-point: a disc of radius 4 in the object's colour, its name to the right of it in the
// same colour. Drawn before the dots, which stay black over it.
void DrawSubPoint(QPainter& painter, const MapSubPoint& point) {
    const QColor colour(point.Colour.Red, point.Colour.Green, point.Colour.Blue);
    const QPointF centre = PixelOf(point.X, point.Y);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(colour);
    painter.setBrush(colour);
    painter.drawEllipse(centre, 4.0, 4.0);
    // Near the right edge the name goes to the left of the disc, so it stays on the map.
    constexpr double kCaptionRoom = 150;
    const bool leftOfDisc = centre.x() > WorldMapView::kWidth - kCaptionRoom;
    const QRectF box = leftOfDisc
                           ? QRectF(centre.x() - 7 - kCaptionRoom, centre.y() - 8, kCaptionRoom, 16)
                           : QRectF(centre.x() + 7, centre.y() - 8, kCaptionRoom, 16);
    painter.drawText(
        box, (leftOfDisc ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter | Qt::TextSingleLine,
        QString::fromUtf8(point.Caption.c_str()));
    painter.restore();
}

}  // namespace

WorldMapView::WorldMapView(QWidget* parent)
    : QFrame(parent),
      background_(kWidth, kHeight, QImage::Format_RGB32),
      picture_(kWidth, kHeight, QImage::Format_RGB32) {
    background_.fill(kLightCyan);
    picture_ = background_;
}

bool WorldMapView::LoadBackground(const QString& file) {
    background_.fill(kLightCyan);
    const QImage image(file);
    if (!image.isNull()) {
        // Placed unscaled like a picture box shows its picture: a wrong-sized file still
        // keeps the pixel grid the dots are computed for.
        QPainter painter(&background_);
        painter.drawImage(0, 0, image);
    }
    picture_ = background_;
    update();
    return !image.isNull();
}

void WorldMapView::Show(const MapUpdateFrame& frame) {
    picture_ = background_;
    {
        QPainter painter(&picture_);
        const QColor foreground = palette().color(QPalette::ButtonText);
        painter.setPen(foreground);
        painter.setBrush(Qt::NoBrush);
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPointSizeF(8.25);
        font.setBold(true);
        painter.setFont(font);
        for (const MapStation& station : frame.Stations) {
            const QPointF centre = PixelOf(station.X, station.Y);
            painter.drawEllipse(centre, 2.0, 2.0);
            // The caption hangs from the station point down and to the right.
            const QRectF box(centre, QSizeF(kWidth, kHeight));
            painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                             QString::fromUtf8(station.Caption.c_str()));
        }
        if (frame.SubPoint) {
            DrawSubPoint(painter, *frame.SubPoint);
        }
    }
    const QRgb black = qRgb(0, 0, 0);
    for (const MapPixel& dot : frame.BelowHorizon) {
        if (picture_.valid(dot.Column, dot.Row)) {
            picture_.setPixel(dot.Column, dot.Row, black);
        }
    }
    update();
}

void WorldMapView::Clear() {
    picture_ = background_;
    update();
}

void WorldMapView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.setClipRect(area);
    painter.drawImage(area.topLeft(), picture_);
}

}  // namespace velmorant
