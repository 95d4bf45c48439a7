// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QImage>
#include <QString>

#include "run/realtime/real_time_frame.h"

namespace velmorant {

// The world map of the real-time window (PicMap): a framed picture box whose drawing area shows
// the background map and, after a map update, the stations and the below-horizon dots over it.
// It only places what it is given; every position comes computed in the frame. A frame larger or
// smaller than the design shows the map scaled, with the stations' and the sub-point's marks and
// captions at their design size over it.
class WorldMapView : public QFrame {
    Q_OBJECT

  public:
    // The size of the drawing area inside the frame, in pixels.
    static constexpr int kWidth = 1273;
    static constexpr int kHeight = 636;

    explicit WorldMapView(QWidget* parent = nullptr);

    // Takes the background picture from an image file, placed at the top-left of the drawing
    // area over a light cyan area. False (and the plain light cyan area) when it cannot be read.
    bool LoadBackground(const QString& file);

    // Replaces the drawing with the one of a map update: the object's sub-point (a disc and its
    // name in the object's colour), a circle and the caption for each station, a black pixel
    // for each below-horizon point.
    void Show(const MapUpdateFrame& frame);

    // Removes the drawing; the background picture stays.
    void Clear();

    // The drawing area as it is shown (background and drawing), kWidth x kHeight.
    const QImage& Picture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage background_;
    QImage picture_;        // the design-size drawing: background, marks, dots
    QImage dotted_;         // the background and the dots, for a scaled map
    MapUpdateFrame marks_;  // the last update's stations and sub-point
};

}  // namespace velmorant
