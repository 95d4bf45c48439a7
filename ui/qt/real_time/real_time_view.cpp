// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/real_time/real_time_view.h"

#include <algorithm>
#include <cmath>
#include <system_error>

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QVariant>

#include "ui/qt/real_time/world_map_view.h"
#include "ui_frmRT.h"

namespace velmorant {

namespace {

constexpr const char* kMapFileName = "WORLDMAP.PNG";

// The smallest map shown under the header band, in logical pixels: a quarter of the design's.
constexpr int kSmallestMapHeightPx = 160;
// Room right of the header band's last label, in logical pixels, as the form leaves at least.
constexpr int kHeaderMarginPx = 4;

QString Q(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The colour as a style sheet value; system text follows the palette of the label.
QString SheetColour(TextColour colour) {
    switch (colour) {
        case TextColour::Red:
            return QStringLiteral("rgb(255, 0, 0)");
        case TextColour::Orange:
            return QStringLiteral("rgb(255, 128, 0)");
        case TextColour::Yellow:
            return QStringLiteral("rgb(255, 255, 0)");
        case TextColour::Green:
            return QStringLiteral("rgb(0, 255, 0)");
        case TextColour::SystemText:
            break;
    }
    return QStringLiteral("palette(button-text)");
}

// The labels' fonts live in their style sheets, so their text colour does too: a palette set
// beside a style sheet would not be used.
void SetColour(QLabel* label, TextColour colour) {
    static const QRegularExpression colourLine(QStringLiteral("(^|\\n)color:[^;]*;"));
    QString sheet = label->styleSheet();
    sheet.remove(colourLine);
    sheet += QStringLiteral("\ncolor: ") + SheetColour(colour) + QLatin1Char(';');
    if (sheet != label->styleSheet()) {
        label->setStyleSheet(sheet);
    }
}

void SetText(QLabel* label, const std::string& text) {
    const QString shown = Q(text);
    if (label->text() != shown) {
        label->setText(shown);
    }
}

}  // namespace

RealTimeView::RealTimeView(const std::filesystem::path& mapPicture, QWidget* parent)
    : QWidget(parent), form_(new Ui::frmRT) {
    form_->setupUi(this);
    // A window of its own beside the main window; closing it only hides it, the run goes on.
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_QuitOnClose, false);
    // Resizable and maximisable: the header band keeps the form's layout and the map below it
    // scales. Never narrower than the header band, nor shorter than it and a strip of map.
    headerHeight_ = form_->PicMap->geometry().top();
    designWidth_ = width();
    clockTip_ = form_->lblClockCheck->toolTip();
    int headerWidth = 0;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != form_->PicMap) {
            headerWidth = std::max(headerWidth, child->geometry().right() + 1);
            designPlaces_.emplace_back(child, child->geometry());
        }
    }
    // The form's fixed size is the design size it opens at; the window's limits are these.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setMinimumSize(headerWidth + kHeaderMarginPx, headerHeight_ + kSmallestMapHeightPx);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    for (QWidget* child : findChildren<QWidget*>()) {
        if (child->property("startsHidden").toBool()) {
            child->hide();
        }
    }
    std::error_code error;
    const std::filesystem::path file =
        std::filesystem::is_directory(mapPicture, error) ? mapPicture / kMapFileName : mapPicture;
    form_->PicMap->LoadBackground(QString::fromStdString(file.string()));
    connect(form_->cmdRotator, &QPushButton::clicked, this, [this] {
        if (RotatorPressed) {
            RotatorPressed();
        }
    });
    connect(form_->cmdRadio, &QPushButton::clicked, this, [this] {
        if (RadioPressed) {
            RadioPressed();
        }
    });
    connect(form_->cmdStopRT, &QPushButton::clicked, this, [this] {
        if (StopPressed) {
            StopPressed();
        }
    });
}

RealTimeView::~RealTimeView() {
    delete form_;
}

void RealTimeView::Open(const std::string& celestialCaption) {
    SetText(form_->lblCelestial, celestialCaption);
    // The clock check keeps clear of the name, whose width has just changed.
    LayOutNotes();
    // Shown after a STOP or at the first run, so it comes up in front of the main window.
    show();
}

void RealTimeView::ShowPass(const RealTimeFrame& frame) {
    // The caption is set when the window opens; a frame without one leaves it.
    if (!frame.CelestialCaption.empty()) {
        SetText(form_->lblCelestial, frame.CelestialCaption);
    }

    form_->lblDegredation->setVisible(frame.ShowDegradation);
    form_->picdB->setVisible(frame.ShowDegradation);
    form_->lblCallsignHome->setVisible(frame.ShowHome);
    form_->lblUAZ->setVisible(frame.ShowHome);
    form_->lblUEL->setVisible(frame.ShowHome);
    SetText(form_->lblCallsignHome, frame.CallsignHome);
    form_->lblCallsignDX->setVisible(frame.ShowDX);
    form_->lblYAZ->setVisible(frame.ShowDX);
    form_->lblYEL->setVisible(frame.ShowDX);
    SetText(form_->lblCallsignDX, frame.CallsignDX);
    form_->lblPol->setVisible(frame.ShowPolarization);
    form_->lblPolDeg->setVisible(frame.ShowPolarization);
    form_->lblStation->setVisible(frame.ShowHeadings);
    form_->lblAz->setVisible(frame.ShowHeadings);
    form_->lblEl->setVisible(frame.ShowHeadings);

    SetText(form_->lblTime, frame.UtcTime);
    SetText(form_->lblDate, frame.UtcDate);
    SetText(form_->lblPolDeg, frame.PolarizationText);
    // A station that is not displayed keeps its last values under its hidden labels.
    if (frame.ShowHome) {
        SetColour(form_->lblUEL, frame.HomeElevationColour);
        SetText(form_->lblUAZ, frame.HomeAzimuth);
        SetText(form_->lblUEL, frame.HomeElevation);
    }
    if (frame.ShowDX) {
        SetColour(form_->lblYEL, frame.DXElevationColour);
        SetText(form_->lblYAZ, frame.DXAzimuth);
        SetText(form_->lblYEL, frame.DXElevation);
    }
    SetText(form_->lbComputerTime, frame.LocalClockCaption);
    SetText(form_->lblLocalTime, frame.LocalTime);
    SetText(form_->lblLocalDate, frame.LocalDate);
    if (frame.ShowDegradation) {
        SetColour(form_->picdB, frame.DegradationColour);
        SetText(form_->picdB, frame.DegradationText);
    }
    for (QLabel* label : {form_->lblDoppler, form_->lblEcho, form_->lblEchoDoppler,
                          form_->lblDopplerDX, form_->lblDXDoppler}) {
        label->setVisible(frame.ShowDoppler);
    }
    SetText(form_->lblEchoDoppler, frame.EchoDopplerText);
    SetText(form_->lblDXDoppler, frame.DXDopplerText);
    // The fourth row: the echo's figures are the Moon's, like the Doppler's; the Sun-Moon angle
    // stands whatever the object.
    for (QLabel* label : {form_->lblSpread, form_->lblSpreadEcho, form_->lblEchoSpread,
                          form_->lblSpreadDX, form_->lblDXSpread, form_->lblRate,
                          form_->lblDopplerRate, form_->lblDelay, form_->lblEchoDelay}) {
        label->setVisible(frame.ShowDoppler);
    }
    SetText(form_->lblEchoSpread, frame.EchoSpreadText);
    SetText(form_->lblDXSpread, frame.DXSpreadText);
    SetText(form_->lblDopplerRate, frame.DopplerRateText);
    SetText(form_->lblEchoDelay, frame.EchoDelayText);
    form_->lblSunMoon->setVisible(!frame.SunMoonAngleText.empty());
    form_->lblSunMoonAngle->setVisible(!frame.SunMoonAngleText.empty());
    SetText(form_->lblSunMoonAngle, frame.SunMoonAngleText);
    form_->lblClockCheck->setVisible(!frame.ClockCheck.empty());
    if (clockCheck_ != Q(frame.ClockCheck)) {
        clockCheck_ = Q(frame.ClockCheck);
        LayOutNotes();
    }
}

void RealTimeView::ShowMapUpdate(const MapUpdateFrame& frame) {
    form_->PicMap->Show(frame);
    for (QLabel* label :
         {form_->lblTopocentric, form_->lblGHA, form_->lblGHAT, form_->lblDEC, form_->lblDECT}) {
        label->setVisible(frame.ShowTopocentric);
    }
    if (frame.ShowTopocentric) {
        SetColour(form_->lblDECT, frame.TopocentricDecColour);
        SetText(form_->lblGHAT, frame.TopocentricGHA);
        SetText(form_->lblDECT, frame.TopocentricDec);
    }
}

void RealTimeView::StopHide() {
    for (QLabel* label :
         {form_->lblPolDeg, form_->lblPol, form_->lblCallsignHome, form_->lblCallsignDX,
          form_->lblUAZ, form_->lblYAZ, form_->lblYEL, form_->lblUEL}) {
        label->hide();
    }
    hide();
}

void RealTimeView::ClearMap() {
    form_->PicMap->Clear();
}

void RealTimeView::ShowRotator(const DeviceDisplay& display) {
    ShowDevice(form_->lblRotator, display);
}

void RealTimeView::ShowRadio(const DeviceDisplay& display) {
    ShowDevice(form_->lblRadio, display);
}

void RealTimeView::ShowWsjtx(const DeviceDisplay& display) {
    ShowDevice(form_->lblWsjtx, display);
}

void RealTimeView::ShowDevice(QLabel* label, const DeviceDisplay& display) {
    SetColour(label, display.Problem ? TextColour::Red : TextColour::SystemText);
    label->setVisible(!display.Text.empty());
    SetText(label, display.Text);
    label->setToolTip(Q(display.Detail));
    LayOutNotes();
}

void RealTimeView::PlaceHeader() {
    for (const auto& [widget, place] : designPlaces_) {
        widget->move(place.topLeft() + QPoint(headerOffset_, 0));
    }
    LayOutNotes();
}

void RealTimeView::LayOutNotes() {
    QLabel* rotator = form_->lblRotator;
    QLabel* clock = form_->lblClockCheck;
    const QLabel* name = form_->lblCelestial;
    // The widths below are those of the labels' own fonts, set by their style sheets.
    for (const QLabel* label : std::initializer_list<const QLabel*>{
             form_->lblRotator, form_->lblRadio, form_->lblWsjtx, clock, name}) {
        label->ensurePolished();
    }
    // The strip as the form lays it out (the labels share it), in the window.
    const auto strip =
        std::find_if(designPlaces_.begin(), designPlaces_.end(),
                     [rotator](const auto& place) { return place.first == rotator; });
    if (strip == designPlaces_.end()) {
        return;
    }
    const QRect area = strip->second.translated(headerOffset_, 0);
    // The object's name is one line at the top of its taller box, centred; the strip runs on
    // below its box's right part only.
    const int nameRight = name->geometry().center().x() +
                          (name->fontMetrics().horizontalAdvance(name->text()) + 1) / 2 +
                          kHeaderMarginPx * 2;
    int right = area.right() + 1;
    const int left = std::max(area.left(), nameRight);
    rotator->setGeometry(area);
    // From the right: the rotator, the radio, WSJT-X, each ending where the one before begins;
    // the clock check has what is left.
    for (QLabel* device : {form_->lblRotator, form_->lblRadio, form_->lblWsjtx}) {
        if (device != rotator) {
            device->setGeometry(left, area.top(), std::max(right - left, 0), area.height());
        }
        if (device->isVisibleTo(this) && !device->text().isEmpty()) {
            right -= device->fontMetrics().horizontalAdvance(device->text()) + kHeaderMarginPx * 3;
        }
    }
    clock->setGeometry(left, area.top(), std::max(right - left, 0), area.height());
    const QString shown =
        clock->fontMetrics().elidedText(clockCheck_, Qt::ElideRight, clock->width());
    if (clock->text() != shown) {
        clock->setText(shown);
        clock->setToolTip(shown == clockCheck_ ? clockTip_ : clockCheck_);
    }
}

void RealTimeView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The header band keeps its layout, centred across a window wider than the form.
    const int offset = std::max((width() - designWidth_) / 2, 0);
    if (offset != headerOffset_) {
        headerOffset_ = offset;
        PlaceHeader();
    }
    // The map's frame keeps its width; its drawing area keeps the design's proportions, as large
    // as the window below the header band allows, centred across the window.
    const int frame = form_->PicMap->frameWidth();
    const double scale =
        std::min(static_cast<double>(width() - 2 * frame) / WorldMapView::kWidth,
                 static_cast<double>(height() - headerHeight_ - 2 * frame) / WorldMapView::kHeight);
    const QSize drawing(static_cast<int>(std::lround(WorldMapView::kWidth * scale)),
                        static_cast<int>(std::lround(WorldMapView::kHeight * scale)));
    const QSize outer = drawing + QSize(2 * frame, 2 * frame);
    form_->PicMap->setGeometry((width() - outer.width()) / 2, headerHeight_, outer.width(),
                               outer.height());
}

void RealTimeView::keyPressEvent(QKeyEvent* event) {
    const std::function<void()>* action = nullptr;
    if (event->key() == Qt::Key_Escape) {
        action = &StopPressed;
    } else if (event->key() == Qt::Key_F1) {
        action = &HelpPressed;
    }
    if (action != nullptr && *action) {
        (*action)();
        return;
    }
    QWidget::keyPressEvent(event);
}

WorldMapView& RealTimeView::Map() {
    return *form_->PicMap;
}

}  // namespace velmorant
