// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/real_time/world_map_view.h"

#include <vector>

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include "run/realtime/map_captions.h"

namespace velmorant {

namespace {

// The map's ocean colour stands in for a missing picture, so the dots and stations still read.
constexpr QRgb kLightCyan = qRgb(216, 255, 255);

// Where the map's drawing lands in the widget: the drawing area's design pixels scaled by
// `Scale` from `Origin`. The centred map system has one design pixel per unit with its origin in
// the middle of the drawing area and y pointing up.
struct MapPlacement {
    QPointF Origin;
    double Scale = 1;

    QPointF PixelOf(double x, double y) const {
        return Origin +
               QPointF(WorldMapView::kWidth / 2.0 + x, WorldMapView::kHeight / 2.0 - y) * Scale;
    }
    double Right() const { return Origin.x() + WorldMapView::kWidth * Scale; }
};

// The sub-point: a disc of radius 4 in the object's colour, its name to the right of it in the
// same colour. Drawn before the dots, which stay black over it.
void DrawSubPoint(QPainter& painter, const MapSubPoint& point, const MapPlacement& place) {
    const QColor colour(point.Colour.Red, point.Colour.Green, point.Colour.Blue);
    const QPointF centre = place.PixelOf(point.X, point.Y);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(colour);
    painter.setBrush(colour);
    painter.drawEllipse(centre, 4.0, 4.0);
    // Near the right edge the name goes to the left of the disc, so it stays on the map.
    constexpr double kCaptionRoom = 150;
    const bool leftOfDisc = centre.x() > place.Right() - kCaptionRoom;
    const QRectF box = leftOfDisc
                           ? QRectF(centre.x() - 7 - kCaptionRoom, centre.y() - 8, kCaptionRoom, 16)
                           : QRectF(centre.x() + 7, centre.y() - 8, kCaptionRoom, 16);
    painter.drawText(
        box, (leftOfDisc ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter | Qt::TextSingleLine,
        QString::fromUtf8(point.Caption.c_str()));
    painter.restore();
}

// The stations (a circle, the caption hanging down and to the right) and the sub-point, at the
// design's sizes wherever the placement puts them: a scaled map keeps its captions readable.
void DrawMarks(QPainter& painter, const MapUpdateFrame& frame, const MapPlacement& place,
               const QColor& foreground) {
    painter.setPen(foreground);
    painter.setBrush(Qt::NoBrush);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setBold(true);
    painter.setFont(font);
    // Each name hangs down and to the right of its circle unless an earlier name is there.
    const QFontMetricsF metrics(font);
    std::vector<CaptionMark> marks;
    for (const MapStation& station : frame.Stations) {
        const QPointF centre = place.PixelOf(station.X, station.Y);
        painter.drawEllipse(centre, 2.0, 2.0);
        const QSizeF size = metrics.size(Qt::TextSingleLine, QString::fromUtf8(station.Caption));
        marks.push_back(CaptionMark{centre.x(), centre.y(), size.width(), size.height()});
    }
    const std::vector<CaptionBox> boxes = PlaceCaptions(marks);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const CaptionBox& box = boxes[i];
        painter.drawText(QRectF(box.X, box.Y, box.Width, box.Height),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                         QString::fromUtf8(frame.Stations[i].Caption));
    }
    if (frame.SubPoint) {
        DrawSubPoint(painter, *frame.SubPoint, place);
    }
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
    dotted_ = background_;
    marks_ = MapUpdateFrame{};
    update();
    return !image.isNull();
}

void WorldMapView::Show(const MapUpdateFrame& frame) {
    marks_ = frame;
    marks_.BelowHorizon.clear();
    dotted_ = background_;
    const QRgb black = qRgb(0, 0, 0);
    for (const MapPixel& dot : frame.BelowHorizon) {
        if (dotted_.valid(dot.Column, dot.Row)) {
            dotted_.setPixel(dot.Column, dot.Row, black);
        }
    }
    picture_ = background_;
    {
        QPainter painter(&picture_);
        DrawMarks(painter, marks_, MapPlacement{}, palette().color(QPalette::ButtonText));
    }
    // The dots stay black over the sub-point's disc.
    for (const MapPixel& dot : frame.BelowHorizon) {
        if (picture_.valid(dot.Column, dot.Row)) {
            picture_.setPixel(dot.Column, dot.Row, black);
        }
    }
    update();
}

void WorldMapView::Clear() {
    picture_ = background_;
    dotted_ = background_;
    marks_ = MapUpdateFrame{};
    update();
}

void WorldMapView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.setClipRect(area);
    if (area.size() == picture_.size()) {
        painter.drawImage(area.topLeft(), picture_);
        return;
    }
    // Scaled: the background and the dots as one smoothed picture, the stations and the
    // sub-point drawn over it at their own size.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(area, dotted_);
    const double scale = static_cast<double>(area.width()) / kWidth;
    DrawMarks(painter, marks_, MapPlacement{area.topLeft(), scale},
              palette().color(QPalette::ButtonText));
}

}  // namespace velmorant
