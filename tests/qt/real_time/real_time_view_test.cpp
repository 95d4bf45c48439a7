// SPDX-License-Identifier: GPL-3.0-or-later
// The real-time window frmRT through its real widgets on the offscreen platform: the labels a
// pass sets, the degradation box, the world map with its stations and dots, STOP. Screenshots
// of the window are saved under build/screenshots/.

#include "ui/qt/real_time/real_time_view.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest>

#include "run/realtime/real_time_map.h"
#include "run/realtime/real_time_pass.h"
#include "run/realtime/real_time_setup.h"
#include "ui/model/defaults/defaults_storage.h"
#include "ui/model/main_window/main_window_model.h"
#include "ui/qt/main_window/window_application.h"
#include "ui/qt/real_time/world_map_view.h"

using velmorant::MapPixel;
using velmorant::MapStation;
using velmorant::MapUpdateFrame;
using velmorant::RealTimeFrame;
using velmorant::RealTimeView;
using velmorant::TextColour;
using velmorant::WorldMapView;

namespace {

const QColor kRed(255, 0, 0);
const QColor kOrange(255, 128, 0);
const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 255, 0);
// A background of our own for the pixel tests: no pixel of it is black.
const QColor kTestBackground(200, 230, 210);

// Pixels of the area darker than mid-grey: the drawing's lines and letters on the background.
int DarkPixelsIn(const QImage& image, const QRect& area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            dark += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
        }
    }
    return dark;
}

void SaveScreenshot(QWidget* window, const QString& name) {
    QDir().mkpath(VELMORANT_SCREENSHOTS);
    QVERIFY(window->grab().save(QString(VELMORANT_SCREENSHOTS) + "/" + name + ".png"));
}

// The Moon from both stations, the Home elevation below the horizon, the local clock shown.
RealTimeFrame MoonWithBothStations() {
    RealTimeFrame frame;
    frame.CelestialCaption = "Moon";
    frame.ShowDegradation = true;
    frame.ShowHome = true;
    frame.ShowDX = true;
    frame.ShowPolarization = true;
    frame.ShowHeadings = true;
    frame.CallsignHome = "DL1ABC";
    frame.CallsignDX = "W1XYZ";
    frame.UtcTime = "12:34:56";
    frame.UtcDate = "MAR 2, 2016";
    frame.PolarizationText = " 23\u00b0";
    frame.HomeAzimuth = "281.7";
    frame.HomeElevation = " -3.0";
    frame.HomeElevationColour = TextColour::Red;
    frame.DXAzimuth = "123.4";
    frame.DXElevation = " 34.6";
    frame.DXElevationColour = TextColour::SystemText;
    frame.LocalClockCaption = "Local Clock:";
    frame.LocalTime = "13:34:56";
    frame.LocalDate = "MAR 2, 2016";
    frame.DegradationText = "  -3.2";
    frame.DegradationColour = TextColour::Yellow;
    return frame;
}

// The Sun from the Home station only; the hour difference is 0.
RealTimeFrame SunWithHomeOnly() {
    RealTimeFrame frame;
    frame.CelestialCaption = "Sun";
    frame.ShowHome = true;
    frame.ShowHeadings = true;
    frame.CallsignHome = "DL1ABC";
    frame.UtcTime = "07:05:00";
    frame.UtcDate = "JUN 21, 2016";
    frame.PolarizationText = "  4\u00b0";
    frame.HomeAzimuth = " 98.2";
    frame.HomeElevation = " 21.5";
    return frame;
}

// A plausible screen of below-horizon dots for a screenshot: one dot a degree where an object
// at Greenwich hour angle `gha` and declination `dec` (degrees) is below the horizon.
std::vector<MapPixel> DotScreen(double gha, double dec) {
    const double rad = 3.141592656 / 180.0;
    std::vector<MapPixel> dots;
    for (int lat = -90; lat < 90; ++lat) {
        for (int westLon = -180; westLon <= 180; ++westLon) {
            const double s =
                std::cos(lat * rad) * std::cos(dec * rad) * std::cos((westLon - gha) * rad) +
                std::sin(dec * rad) * std::sin(lat * rad);
            if (s < 0) {
                const int column = static_cast<int>(636.5 - westLon * 1273.0 / 360.0);
                const int row = static_cast<int>(318.0 - lat * 636.0 / 180.0);
                dots.push_back({std::min(column, 1272), std::min(row, 635)});
            }
        }
    }
    return dots;
}

// A station in the centred map system from its latitude and east longitude in degrees.
MapStation Station(double lat, double eastLon, const std::string& caption) {
    return {eastLon * 1273.0 / 360.0, lat * 636.0 / 180.0, caption};
}

MapUpdateFrame MoonMapUpdate() {
    MapUpdateFrame frame;
    frame.Stations = {Station(48.8, 11.6, "DL1ABC"), Station(41.6, -72.7, "W1XYZ")};
    frame.BelowHorizon = DotScreen(-170.0, -12.0);
    frame.ShowTopocentric = true;
    frame.TopocentricGHA = "183.9";
    frame.TopocentricDec = "-12.4";
    frame.TopocentricDecColour = TextColour::Red;
    return frame;
}

// The computer's clock at a fixed local time.
class FixedClock : public velmorant::Clock {
  public:
    velmorant::LocalDateTime Now() const override { return {2016, 3, 16, 13, 37, 25}; }
};

// Messages of the window model that no one should see here.
class FailingMessages : public velmorant::MessagePresenter {
  public:
    void ShowMessage(std::string_view text, std::string_view title) override {
        QFAIL(qPrintable(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())) +
                         ": " +
                         QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))));
    }
};

// The "name: value" lines of `velmorant track`.
QMap<QString, QString> TrackLines(const QStringList& arguments) {
    QProcess track;
    track.start(VELMORANT_EXECUTABLE, QStringList{"track"} + arguments);
    QMap<QString, QString> lines;
    if (!track.waitForFinished(30000) || track.exitCode() != 0) {
        return lines;
    }
    for (const QString& line : QString::fromUtf8(track.readAllStandardOutput()).split('\n')) {
        const qsizetype colon = line.indexOf(": ");
        if (colon > 0) {
            lines[line.left(colon)] = line.mid(colon + 2);
        }
    }
    return lines;
}

}  // namespace

class RealTimeViewTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsHiddenAtItsSizeWithItsPlaceholders();
    void moonPassWithBothStationsShowsEveryValue();
    void sunWithOneStationHidesDegradationAndPolarization();
    void noStationHidesTheHeadings();
    void degradationColoursPaintTheBox();
    void mapUpdateDrawsStationsAndDotsOverTheBackground();
    void twoStationsCloseTogetherShowBothNamesApart();
    void clearRemovesTheDrawingAndKeepsTheBackground();
    void missingMapPictureLeavesLightCyan();
    void mapPictureIsTakenFromItsFileOrItsFolder();
    void otherObjectsHideTheTopocentricLabels();
    void stopHidesTheWindowAndTheStationLabels();
    void closingTheWindowOnlyHidesIt();
    void dopplerLabelsAgreeWithTrackForTheSameInstant();
    void headerTextsTakeTheHeaderFontAndLeaveEachOtherRoom();

  private:
    QLabel* Label(const char* name) {
        auto* label = view_->findChild<QLabel*>(name);
        if (label == nullptr) {
            qFatal("no label %s", name);
        }
        return label;
    }
    QColor Colour(const char* name) {
        QLabel* label = Label(name);
        label->ensurePolished();
        return label->palette().color(QPalette::WindowText);
    }
    QFont Font(const char* name) {
        QLabel* label = Label(name);
        label->ensurePolished();
        return label->font();
    }
    bool Shown(const char* name) { return Label(name)->isVisibleTo(view_.get()); }
    QColor SystemText() const { return view_->palette().color(QPalette::ButtonText); }
    // The drawing area of the map as it is on screen (inside its 2-pixel frame).
    QImage GrabbedMap() {
        WorldMapView& map = view_->Map();
        return map.grab(map.contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The view over the plain background of folder_, for exact pixel comparisons.
    void UseTestBackground();

    QTemporaryDir folder_;
    std::unique_ptr<RealTimeView> view_;
};

void RealTimeViewTest::initTestCase() {
    velmorant::RegisterFontSubstitutes();
    QVERIFY(folder_.isValid());
    QImage background(WorldMapView::kWidth, WorldMapView::kHeight, QImage::Format_RGB32);
    background.fill(kTestBackground);
    QVERIFY(background.save(folder_.filePath("WORLDMAP.PNG")));
}

void RealTimeViewTest::init() {
    // The program's own map picture, as the screenshots show it.
    view_ = std::make_unique<RealTimeView>(std::filesystem::path(VELMORANT_DATA));
}

void RealTimeViewTest::UseTestBackground() {
    view_ = std::make_unique<RealTimeView>(folder_.path().toStdString());
}

void RealTimeViewTest::cleanup() {
    view_.reset();
}

void RealTimeViewTest::startsHiddenAtItsSizeWithItsPlaceholders() {
    QVERIFY(view_->isHidden());
    QVERIFY(view_->isWindow());
    QCOMPARE(view_->windowTitle(), QString("VELMORANT Real Time Data "));
    QCOMPARE(view_->size(), QSize(1277, 744));
    QCOMPARE(view_->palette().color(QPalette::Window), QColor(0, 255, 255));
    for (const char* name : {"lblDegredation", "lblPol", "lblCallsignHome", "lblUAZ", "lblUEL",
                             "picdB", "lblPolDeg", "lblTopocentric", "lblGHA", "lblGHAT", "lblDEC",
                             "lblDECT", "lblCallsignDX", "lblYAZ", "lblYEL"}) {
        QVERIFY2(!Shown(name), name);
    }
    for (const char* name : {"lblStation", "lblAz", "lblEl", "Label2", "lblTime", "lblDate",
                             "lbComputerTime", "lblLocalTime", "lblLocalDate", "lblCelestial"}) {
        QVERIFY2(Shown(name), name);
    }
    QCOMPARE(Label("lblCelestial")->text(), QString("Celestial"));
    QCOMPARE(Label("lbComputerTime")->text(), QString("Local. Time:"));
    QCOMPARE(Colour("lblTime"), QColor(192, 0, 192));
    QCOMPARE(Colour("lblLocalTime"), QColor(0, 0, 192));
    QCOMPARE(Colour("lblStation"), SystemText());
    QVERIFY(Font("lblStation").underline());
    QVERIFY(Font("lblStation").bold());
    QVERIFY(!Font("lblTime").underline());
    QCOMPARE(Font("lblTime").pointSize(), 12);
    QCOMPARE(Font("lblTime").family(), QString("MS Sans Serif"));
    QCOMPARE(Font("lblCelestial").pointSize(), 18);
    QVERIFY(Font("lblCelestial").bold());

    WorldMapView& map = view_->Map();
    QCOMPARE(map.geometry(), QRect(0, 104, 1277, 640));
    QCOMPARE(map.contentsRect(), QRect(2, 2, 1273, 636));
    QCOMPARE(map.frameShadow(), QFrame::Sunken);
}

void RealTimeViewTest::moonPassWithBothStationsShowsEveryValue() {
    view_->Open("Moon");
    QVERIFY(view_->isVisible());
    QVERIFY(!view_->isModal());
    QCOMPARE(Label("lblCelestial")->text(), QString("Moon"));

    view_->ShowPass(MoonWithBothStations());
    const std::pair<const char*, const char*> texts[] = {{"lblCallsignHome", "DL1ABC"},
                                                         {"lblUAZ", "281.7"},
                                                         {"lblUEL", " -3.0"},
                                                         {"lblCallsignDX", "W1XYZ"},
                                                         {"lblYAZ", "123.4"},
                                                         {"lblYEL", " 34.6"},
                                                         {"lblTime", "12:34:56"},
                                                         {"lblDate", "MAR 2, 2016"},
                                                         {"lblPolDeg", " 23\u00b0"},
                                                         {"lbComputerTime", "Local Clock:"},
                                                         {"lblLocalTime", "13:34:56"},
                                                         {"lblLocalDate", "MAR 2, 2016"},
                                                         {"picdB", "  -3.2"}};
    for (const auto& [name, text] : texts) {
        QVERIFY2(Shown(name), name);
        QCOMPARE(Label(name)->text(), QString::fromUtf8(text));
    }
    for (const char* name : {"lblStation", "lblAz", "lblEl", "lblDegredation", "lblPol"}) {
        QVERIFY2(Shown(name), name);
    }
    QCOMPARE(Colour("lblUEL"), kRed);
    QCOMPARE(Colour("lblYEL"), SystemText());
    QCOMPARE(Colour("picdB"), kYellow);

    // The Home elevation back above the horizon takes the system text colour again.
    RealTimeFrame risen = MoonWithBothStations();
    risen.HomeElevation = "  0.0";
    risen.HomeElevationColour = TextColour::SystemText;
    risen.DXElevationColour = TextColour::Red;
    view_->ShowPass(risen);
    QCOMPARE(Label("lblUEL")->text(), QString("  0.0"));
    QCOMPARE(Colour("lblUEL"), SystemText());
    QCOMPARE(Colour("lblYEL"), kRed);

    view_->ShowPass(MoonWithBothStations());
    view_->ShowMapUpdate(MoonMapUpdate());
    SaveScreenshot(view_.get(), "frmRT-moon");
}

void RealTimeViewTest::sunWithOneStationHidesDegradationAndPolarization() {
    view_->Open("Moon");
    view_->ShowPass(MoonWithBothStations());
    view_->StopHide();

    view_->Open("Sun");
    view_->ShowPass(SunWithHomeOnly());
    QCOMPARE(Label("lblCelestial")->text(), QString("Sun"));
    for (const char* name :
         {"lblDegredation", "picdB", "lblPol", "lblPolDeg", "lblCallsignDX", "lblYAZ", "lblYEL"}) {
        QVERIFY2(!Shown(name), name);
    }
    for (const char* name :
         {"lblStation", "lblAz", "lblEl", "lblCallsignHome", "lblUAZ", "lblUEL"}) {
        QVERIFY2(Shown(name), name);
    }
    QCOMPARE(Label("lblCallsignDX")->text(), QString());
    QCOMPARE(Label("lblUAZ")->text(), QString(" 98.2"));
    QCOMPARE(Label("lblUEL")->text(), QString(" 21.5"));
    QCOMPARE(Colour("lblUEL"), SystemText());
    // The hour difference is 0: the local clock labels are empty.
    for (const char* name : {"lbComputerTime", "lblLocalTime", "lblLocalDate"}) {
        QCOMPARE(Label(name)->text(), QString());
    }

    MapUpdateFrame map;
    map.Stations = {Station(48.8, 11.6, "DL1ABC")};
    map.BelowHorizon = DotScreen(-75.0, 23.4);
    view_->ShowMapUpdate(map);
    SaveScreenshot(view_.get(), "frmRT-sun");
}

void RealTimeViewTest::noStationHidesTheHeadings() {
    view_->Open("Moon");
    view_->ShowPass(MoonWithBothStations());
    RealTimeFrame frame = MoonWithBothStations();
    frame.ShowHome = frame.ShowDX = frame.ShowPolarization = frame.ShowHeadings = false;
    frame.CallsignHome = frame.CallsignDX = "";
    view_->ShowPass(frame);
    for (const char* name : {"lblStation", "lblAz", "lblEl", "lblCallsignHome", "lblUAZ", "lblUEL",
                             "lblCallsignDX", "lblYAZ", "lblYEL", "lblPol", "lblPolDeg"}) {
        QVERIFY2(!Shown(name), name);
    }
    QCOMPARE(Label("lblCallsignHome")->text(), QString());
    QVERIFY(Shown("picdB"));
    QVERIFY(Shown("lblTime"));
}

void RealTimeViewTest::degradationColoursPaintTheBox() {
    view_->Open("Moon");
    const std::tuple<TextColour, QColor, const char*> cases[] = {
        {TextColour::Red, kRed, "  -6.1"},
        {TextColour::Orange, kOrange, "  -6.0"},
        {TextColour::Yellow, kYellow, "  -4.0"},
        {TextColour::Green, kGreen, "   0.0"}};
    for (const auto& [colour, rgb, text] : cases) {
        RealTimeFrame frame = MoonWithBothStations();
        frame.DegradationColour = colour;
        frame.DegradationText = text;
        view_->ShowPass(frame);
        QLabel* box = Label("picdB");
        QCOMPARE(box->text(), QString(text));
        QCOMPARE(box->size(), QSize(60, 24));
        const QImage image = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
        // Black around the text, and the text itself in the frame's colour.
        QCOMPARE(QColor(image.pixel(0, 0)), QColor(0, 0, 0));
        QCOMPARE(QColor(image.pixel(image.width() - 1, image.height() - 1)), QColor(0, 0, 0));
        // Every other pixel is a shade between black and the colour (the glyphs' edges).
        int inColour = 0;
        int other = 0;
        const int strongest = std::max({rgb.red(), rgb.green(), rgb.blue()});
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel(image.pixel(x, y));
                inColour += pixel == rgb ? 1 : 0;
                const double share =
                    std::max({pixel.red(), pixel.green(), pixel.blue()}) / double(strongest);
                other += (std::abs(pixel.red() - share * rgb.red()) > 3 ||
                          std::abs(pixel.green() - share * rgb.green()) > 3 ||
                          std::abs(pixel.blue() - share * rgb.blue()) > 3)
                             ? 1
                             : 0;
            }
        }
        QVERIFY2(inColour > 10, text);
        QCOMPARE(other, 0);
    }
}

void RealTimeViewTest::mapUpdateDrawsStationsAndDotsOverTheBackground() {
    UseTestBackground();
    view_->show();
    MapUpdateFrame frame;
    frame.Stations = {{0.0, 0.0, "K1ABC"}, {-400.0, 200.0, "G4XYZ"}};
    frame.BelowHorizon = {{100, 500}, {0, 0}, {1272, 635}, {1000, 50}};
    view_->ShowMapUpdate(frame);
    const QImage map = GrabbedMap();
    QCOMPARE(map.size(), QSize(1273, 636));
    const QColor black(0, 0, 0);
    for (const MapPixel& dot : frame.BelowHorizon) {
        QCOMPARE(QColor(map.pixel(dot.Column, dot.Row)), black);
    }
    // Around a dot and far from the drawing: the background.
    for (const QPoint& point : {QPoint(101, 500), QPoint(100, 501), QPoint(99, 499), QPoint(1, 0),
                                QPoint(1271, 635), QPoint(300, 400), QPoint(636, 200)}) {
        QCOMPARE(QColor(map.pixel(point)), kTestBackground);
    }
    // A station at the centre (column 636.5, row 318): its circle passes 2 pixels from the
    // point, the inside stays clear, the caption lies below and to the right.
    const auto darkIn = [&map](const QRect& area) { return DarkPixelsIn(map, area); };
    QVERIFY(darkIn(QRect(634, 315, 6, 6)) >= 8);
    QCOMPARE(darkIn(QRect(629, 310, 4, 4)), 0);
    QVERIFY(darkIn(QRect(640, 319, 45, 14)) > 20);  // "K1ABC"
    QCOMPARE(darkIn(QRect(640, 300, 45, 13)), 0);   // nothing above the caption
    // The second station at column 236.5, row 118.
    QVERIFY(darkIn(QRect(234, 115, 6, 6)) >= 8);
    QVERIFY(darkIn(QRect(240, 119, 45, 14)) > 20);  // "G4XYZ"
}

void RealTimeViewTest::twoStationsCloseTogetherShowBothNamesApart() {
    UseTestBackground();
    view_->show();
    MapUpdateFrame frame;
    // The second station 10 pixels right of and 5 below the first: its name would print over
    // the first's.
    frame.Stations = {{0.0, 0.0, "K1ABC"}, {10.0, -5.0, "K1XYZ"}};
    view_->ShowMapUpdate(frame);
    const QImage map = GrabbedMap();
    map.save(QStringLiteral(VELMORANT_SCREENSHOTS "/frmRT-map-close-stations.png"));
    const auto darkIn = [&map](const QRect& area) { return DarkPixelsIn(map, area); };
    // "K1ABC" below and to the right of its circle at column 636.5, row 318, as always; "K1XYZ"
    // moved down under it, clear of its rows.
    QVERIFY(darkIn(QRect(640, 319, 40, 12)) > 20);
    QVERIFY(darkIn(QRect(648, 334, 40, 12)) > 20);
}

void RealTimeViewTest::clearRemovesTheDrawingAndKeepsTheBackground() {
    UseTestBackground();
    view_->show();
    MapUpdateFrame frame;
    frame.Stations = {{0.0, 0.0, "K1ABC"}};
    frame.BelowHorizon = {{100, 500}, {1000, 50}};
    view_->ShowMapUpdate(frame);
    QCOMPARE(QColor(GrabbedMap().pixel(100, 500)), QColor(0, 0, 0));

    view_->ClearMap();
    const QImage map = GrabbedMap();
    for (int y = 0; y < map.height(); y += 1) {
        for (int x = 0; x < map.width(); x += 1) {
            if (map.pixel(x, y) != kTestBackground.rgb()) {
                QFAIL(qPrintable(QString("pixel %1,%2 is not background").arg(x).arg(y)));
            }
        }
    }
    // The next update draws again.
    view_->ShowMapUpdate(frame);
    QCOMPARE(QColor(GrabbedMap().pixel(1000, 50)), QColor(0, 0, 0));
}

void RealTimeViewTest::missingMapPictureLeavesLightCyan() {
    QTemporaryDir empty;
    RealTimeView view(empty.path().toStdString());
    view.show();
    MapUpdateFrame frame;
    frame.BelowHorizon = {{10, 10}};
    view.ShowMapUpdate(frame);
    WorldMapView& map = view.Map();
    const QImage image =
        map.grab(map.contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(QColor(image.pixel(10, 10)), QColor(0, 0, 0));
    QCOMPARE(QColor(image.pixel(11, 10)), QColor(216, 255, 255));
    QCOMPARE(QColor(image.pixel(1272, 635)), QColor(216, 255, 255));
}

void RealTimeViewTest::mapPictureIsTakenFromItsFileOrItsFolder() {
    RealTimeView byFile(folder_.filePath("WORLDMAP.PNG").toStdString());
    RealTimeView byFolder(folder_.path().toStdString());
    for (RealTimeView* view : {&byFile, &byFolder}) {
        view->show();
        QCOMPARE(QColor(view->Map().Picture().pixel(600, 300)), kTestBackground);
        QCOMPARE(QColor(view->Map().grab().toImage().pixel(700, 400)), kTestBackground);
    }
}

void RealTimeViewTest::otherObjectsHideTheTopocentricLabels() {
    view_->Open("Moon");
    view_->ShowMapUpdate(MoonMapUpdate());
    for (const char* name : {"lblTopocentric", "lblGHA", "lblGHAT", "lblDEC", "lblDECT"}) {
        QVERIFY2(Shown(name), name);
    }
    QCOMPARE(Label("lblGHAT")->text(), QString("183.9"));
    QCOMPARE(Label("lblDECT")->text(), QString("-12.4"));
    QCOMPARE(Colour("lblDECT"), kRed);
    QCOMPARE(Colour("lblTopocentric"), QColor(0, 0, 192));

    MapUpdateFrame rising = MoonMapUpdate();
    rising.TopocentricDec = "-12.1";
    rising.TopocentricDecColour = TextColour::SystemText;
    view_->ShowMapUpdate(rising);
    QCOMPARE(Label("lblDECT")->text(), QString("-12.1"));
    QCOMPARE(Colour("lblDECT"), SystemText());

    view_->ShowMapUpdate(MapUpdateFrame{});
    for (const char* name : {"lblTopocentric", "lblGHA", "lblGHAT", "lblDEC", "lblDECT"}) {
        QVERIFY2(!Shown(name), name);
    }
}

void RealTimeViewTest::stopHidesTheWindowAndTheStationLabels() {
    view_->Open("Moon");
    view_->ShowPass(MoonWithBothStations());
    view_->ShowMapUpdate(MoonMapUpdate());
    view_->StopHide();
    QVERIFY(view_->isHidden());
    for (const char* name : {"lblPolDeg", "lblPol", "lblCallsignHome", "lblCallsignDX", "lblUAZ",
                             "lblYAZ", "lblYEL", "lblUEL"}) {
        QVERIFY2(!Shown(name), name);
    }
    // The rest keep their state until the next run sets them.
    for (const char* name : {"lblStation", "lblDegredation", "picdB", "lblTopocentric"}) {
        QVERIFY2(Shown(name), name);
    }
    // The next run shows the window again.
    view_->Open("Moon");
    QVERIFY(view_->isVisible());
}

void RealTimeViewTest::closingTheWindowOnlyHidesIt() {
    QVERIFY(!view_->testAttribute(Qt::WA_QuitOnClose));
    view_->Open("Moon");
    view_->close();
    QVERIFY(view_->isHidden());
    // The run goes on updating it invisibly.
    view_->ShowPass(MoonWithBothStations());
    QCOMPARE(Label("lblTime")->text(), QString("12:34:56"));
    QVERIFY(Shown("lblPolDeg"));
}

// The window at 2016-03-16 18:37:25 UTC for the shipped defaults at 1296 MHz, typed five hours
// behind UTC on a computer that says it is an hour ahead: its Doppler labels are the ones
// `velmorant track` prints for that instant, the clock check is red in the header band and the
// Moon's sub-point is on the map in the Moon's colour.
void RealTimeViewTest::dopplerLabelsAgreeWithTrackForTheSameInstant() {
    QTemporaryDir work;
    const std::filesystem::path folder = work.path().toStdString();
    for (const char* name : {"VELMORANT.DAT", "QVSKYTEMP.DAT"}) {
        std::filesystem::copy_file(std::filesystem::path(VELMORANT_DATA) / name, folder / name);
    }
    FixedClock clock;
    velmorant::FileDefaultsStorage storage(folder);
    FailingMessages messages;
    velmorant::MainWindowModel form(clock, storage, messages);
    form.Form_Load();
    for (const auto& [name, text] :
         {std::pair{"cboBand", "1296"}, std::pair{"txtTimeDif", "-5"},
          std::pair{"txtCallsignHome", "DL1ABC"}, std::pair{"txtCallsignDX", "W1XYZ"}}) {
        QVERIFY(form.ApplySetting(name, text).Ok);
    }
    const auto prepared = velmorant::PrepareRealTime(form.Inputs(), folder);
    QVERIFY(std::holds_alternative<velmorant::RealTimeSetUp>(prepared));
    const auto& [params, table] = std::get<velmorant::RealTimeSetUp>(prepared);
    const velmorant::RealTimePassResult pass =
        velmorant::RealTimePass(params, table, clock.Now(), 60);
    double previousDec = 0;
    const MapUpdateFrame update = velmorant::MapUpdate(params, pass, previousDec);
    view_->Open("Moon");
    view_->ShowPass(pass.Frame);
    view_->ShowMapUpdate(update);

    const QMap<QString, QString> track =
        TrackLines({"--at", "2016-03-16T18:37:25Z", "--dir", work.path(), "--set", "cboBand=1296",
                    "--set", "txtTimeDif=-5"});
    QVERIFY(!track.isEmpty());
    QCOMPARE(Label("lblTime")->text(), QString("18:37:25"));
    QCOMPARE(Label("lblEchoDoppler")->text(), track["echo_doppler"]);
    QCOMPARE(Label("lblDXDoppler")->text(), track["dx_doppler"]);
    // The fourth row: the same figures as track's.
    for (const auto& [label, key] :
         {std::pair{"lblEchoSpread", "echo_spread"}, std::pair{"lblDXSpread", "dx_spread"},
          std::pair{"lblDopplerRate", "echo_doppler_rate"}, std::pair{"lblEchoDelay", "echo_delay"},
          std::pair{"lblSunMoonAngle", "sun_moon_angle"}}) {
        QVERIFY2(Shown(label), label);
        QCOMPARE(Label(label)->text(), track[key]);
    }
    QCOMPARE(Colour("lblSpread"), QColor(0, 0, 192));
    QCOMPARE(Label("lblUAZ")->text().trimmed(), track["home_azimuth"]);
    for (const char* name : {"lblDoppler", "lblEcho", "lblEchoDoppler", "lblDopplerDX",
                             "lblDXDoppler", "lblClockCheck"}) {
        QVERIFY2(Shown(name), name);
    }
    QCOMPARE(Label("lblDoppler")->text(), QString("Doppler"));
    QCOMPARE(Label("lblEcho")->text(), QString("Echo"));
    QCOMPARE(Label("lblDopplerDX")->text(), QString("DX"));
    QCOMPARE(Colour("lblEcho"), QColor(0, 0, 192));
    QCOMPARE(Label("lblClockCheck")->text(),
             QString("Clock offset -5 h typed, this computer is 1 h"));
    QCOMPARE(Colour("lblClockCheck"), kRed);

    // The sub-point's disc in the Moon's colour at the declination and hour angle.
    QVERIFY(update.SubPoint.has_value());
    const QImage map = GrabbedMap();
    const int column = static_cast<int>(std::floor(636.5 + update.SubPoint->X));
    const int row = static_cast<int>(std::floor(318.0 - update.SubPoint->Y));
    QCOMPARE(QColor(map.pixel(column, row)), QColor(96, 96, 96));
    SaveScreenshot(view_.get(), "frmRT-doppler");

    // Another object: the Doppler row and the echo's figures go; the Sun-Moon angle stays.
    RealTimeFrame sun = SunWithHomeOnly();
    sun.SunMoonAngleText = "103.1°";
    view_->ShowPass(sun);
    for (const char* name : {"lblDoppler", "lblEchoDoppler", "lblDXDoppler", "lblClockCheck",
                             "lblSpread", "lblEchoSpread", "lblDopplerRate", "lblEchoDelay"}) {
        QVERIFY2(!Shown(name), name);
    }
    QVERIFY(Shown("lblSunMoonAngle"));
}

// Every header label's text as drawn: its glyphs' box in the window, and whether the text fits
// its label's width.
struct DrawnText {
    QRect Ink;
    bool Fits = false;
};

DrawnText Drawn(QLabel* label) {
    label->ensurePolished();
    const QFontMetrics metrics(label->font());
    const QRect contents = label->contentsRect();
    const QSize line(metrics.horizontalAdvance(label->text()), metrics.height());
    const QRect lineBox = QStyle::alignedRect(Qt::LeftToRight, label->alignment(), line, contents);
    const QRect ink = metrics.tightBoundingRect(label->text())
                          .translated(lineBox.left(), lineBox.top() + metrics.ascent());
    return {ink.translated(label->pos()), line.width() <= contents.width()};
}

// The clock check and the rotator's text in the header band's font, with the Doppler row, both
// stations, the topocentric values and the longest texts they take: no text is cut, none runs
// into another.
void RealTimeViewTest::headerTextsTakeTheHeaderFontAndLeaveEachOtherRoom() {
    view_->Open("Cold Sky North");
    RealTimeFrame frame = MoonWithBothStations();
    frame.CelestialCaption = "Cold Sky North";
    frame.ShowDoppler = true;
    frame.EchoDopplerText = "-21721 Hz";
    frame.DXDopplerText = "-20754 Hz";
    frame.EchoSpreadText = "1234.5 Hz";
    frame.DXSpreadText = "1234.5 Hz";
    frame.DopplerRateText = "-1234.5 Hz/min";
    frame.EchoDelayText = "2.7123 s";
    frame.SunMoonAngleText = "179.9°";
    frame.ClockCheck = "Clock offset -10.75 h typed, this computer is 5.75 h";
    view_->ShowPass(frame);
    view_->ShowMapUpdate(MoonMapUpdate());
    const QFont header = Font("lblTime");
    for (const velmorant::DeviceDisplay& rotator :
         {velmorant::DeviceDisplay{"ROT 359.9 -12.3", "position", false},
          velmorant::DeviceDisplay{"RPRT -1 invalid parameter", "reason", true}}) {
        view_->ShowRotator(rotator);
        for (const char* name : {"lblClockCheck", "lblRotator"}) {
            QVERIFY2(Shown(name), name);
            QCOMPARE(Font(name).pointSize(), header.pointSize());
            QCOMPARE(Font(name).family(), header.family());
            QCOMPARE(Font(name).bold(), header.bold());
        }
        QList<QLabel*> shown;
        for (QLabel* label : view_->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            if (label->isVisibleTo(view_.get()) && !label->text().isEmpty()) {
                shown << label;
            }
        }
        for (QLabel* label : shown) {
            const DrawnText drawn = Drawn(label);
            QVERIFY2(drawn.Fits, qPrintable(label->objectName() + ": " + label->text()));
            QVERIFY2(drawn.Ink.bottom() < view_->Map().y(), qPrintable(label->objectName()));
            for (QLabel* other : shown) {
                QVERIFY2(other == label || !drawn.Ink.intersects(Drawn(other).Ink),
                         qPrintable(label->objectName() + " runs into " + other->objectName()));
            }
        }
    }
    view_->ShowRotator(velmorant::DeviceDisplay{"ROT 359.9 -12.3", "position", false});
    SaveScreenshot(view_.get(), "frmRT-header");
}

QTEST_MAIN(RealTimeViewTest)
#include "real_time_view_test.moc"
