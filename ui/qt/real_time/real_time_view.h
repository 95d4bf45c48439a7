// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <QWidget>

#include "run/realtime/real_time_frame.h"
#include "ui/model/rotator/rotator_status.h"

namespace Ui {
class frmRT;
}

class QLabel;

namespace velmorant {

class WorldMapView;

// The real-time window frmRT: the labels of the form file, the degradation box and the world
// map. It has no behaviour of its own; the real-time pass sets everything it shows. It opens at
// the form's size; when resized, the header band keeps its layout, centred across the window,
// and the map scales below it.
class RealTimeView : public QWidget {
    Q_OBJECT

  public:
    // `mapPicture` is the map's background picture file, or the program's folder that holds it
    // as WORLDMAP.PNG; without a readable picture the map is a plain light cyan area. The
    // window is a top-level window of its own even with a parent, and starts hidden.
    explicit RealTimeView(const std::filesystem::path& mapPicture, QWidget* parent = nullptr);
    ~RealTimeView() override;

    // Shows the window without blocking the main window and puts the object's name in it.
    void Open(const std::string& celestialCaption);

    // Copies one pass into the labels and the degradation box: texts, colours, visibility.
    void ShowPass(const RealTimeFrame& frame);

    // Draws the map of a map update and sets the topocentric labels.
    void ShowMapUpdate(const MapUpdateFrame& frame);

    // The STOP command's part: hides the station rows and the polarization items, then the
    // window. The other labels keep their state for the next run.
    void StopHide();

    // Removes the map drawing; the background picture stays.
    void ClearMap();

    WorldMapView& Map();

    // The rotator's label in the header band: its position, or the reason in red; hidden when
    // the text is empty.
    void ShowRotator(const DeviceDisplay& display);

    // The radio's label in the header band: the frequencies it reports, or the reason in red;
    // hidden when the text is empty.
    void ShowRadio(const DeviceDisplay& display);
    // WSJT-X as the operator follows it (an empty text hides the label).
    void ShowWsjtx(const DeviceDisplay& display);

    // Called when the operator presses the header band's Rotator button.
    std::function<void()> RotatorPressed;
    // Called when the operator presses the header band's Radio button.
    std::function<void()> RadioPressed;
    // Called when the operator presses the header band's STOP button or Escape.
    std::function<void()> StopPressed;
    // Called when the operator presses F1.
    std::function<void()> HelpPressed;

  protected:
    // Escape stops the display, F1 opens the manual, as in the main window.
    void keyPressEvent(QKeyEvent* event) override;
    // Lays the map out below the header band at the window's size.
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Puts the header band's widgets at their design places, moved right by the band's offset.
    void PlaceHeader();
    // The rotator's and the radio's texts and the clock check share the third row's strip right
    // of STOP: the rotator's text at its right end, the radio's before it, the clock check
    // before both, clear of the object's name above and cut short (whole in its tooltip) where
    // the strip is too narrow.
    void LayOutNotes();
    // Shows a device's text in its label of the strip.
    void ShowDevice(QLabel* label, const DeviceDisplay& display);

    Ui::frmRT* form_;
    int headerHeight_ = 0;  // the header band above the map, logical pixels
    int headerOffset_ = 0;  // how far the band is moved right to centre it, logical pixels
    int designWidth_ = 0;   // the form's width, the band's with its margins, logical pixels
    // Where each header widget lies in the form; the clock check's whole text and the form's
    // tooltip of it.
    std::vector<std::pair<QWidget*, QRect>> designPlaces_;
    QString clockCheck_;
    QString clockTip_;
};

}  // namespace velmorant
