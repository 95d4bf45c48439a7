// SPDX-License-Identifier: GPL-3.0-or-later
// Both windows on a desktop of a given size and scale (the offscreen platform's screen from a
// configuration file under tests/qt/screens/, QT_SCALE_FACTOR for the desktop's scale): they lie
// inside the available area, the real-time window first opens leaving STOP in view where the
// screen has room and scales its map when resized, and their places (and the WINDOWS window's)
// survive a restart. Each run saves a picture of the desktop with the windows under
// build/screenshots/.

#include <filesystem>
#include <fstream>
#include <memory>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/qt/main_window/window_application.h"
#include "ui/qt/real_time/real_time_view.h"
#include "ui/qt/real_time/world_map_view.h"

namespace fs = std::filesystem;
using velmorant::LaunchActions;
using velmorant::RealTimeView;
using velmorant::WindowApplication;
using velmorant::WorldMapView;

namespace {

LaunchActions NoLaunch() {
    LaunchActions actions;
    actions.StartProcess = [](const QString&, const QStringList&, const QString&) { return true; };
    actions.OpenWithDesktop = [](const QUrl&) { return true; };
    return actions;
}

QRect GlobalRect(const QWidget* widget) {
    return {widget->mapToGlobal(QPoint(0, 0)), widget->size()};
}

}  // namespace

class WindowFitTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void everyWidgetOfBothWindowsLiesInsideTheAvailableArea();
    void theRealTimeWindowLeavesStopInViewOrGoesWhereTheOperatorLeftIt();
    void resizingTheRealTimeWindowScalesTheMap();
    void placesSurviveARestartWhileTheyLieOnAScreen();
    void placesOverStopAndOfTheWindowsWindowSurviveARestart();

  private:
    void StartApplication();
    void StartRealTime();
    QRect Available() const { return QGuiApplication::primaryScreen()->availableGeometry(); }
    // Whether the real-time window's header band fits the screen's width (it does not on the
    // smallest desktops, 800 logical pixels wide).
    bool RealTimeFits() const { return Available().width() >= app_->RealTime().minimumWidth(); }
    // The desktop as the operator sees it: both windows' pictures where they lie.
    void SaveDesktop(const QString& what);
    // The screen's size in device pixels and the desktop's scale, naming the screenshots.
    QString DesktopName() const;

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<WindowApplication> app_;
};

void WindowFitTest::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    const fs::path folder = folder_->path().toStdString();
    for (const char* name : {"VELMORANT.DAT", "QVSKYTEMP.DAT", "CALL3.TXT", "WORLDMAP.PNG"}) {
        fs::copy_file(fs::path(VELMORANT_DATA) / name, folder / name);
    }
    StartApplication();
}

void WindowFitTest::cleanup() {
    app_.reset();
    folder_.reset();
}

void WindowFitTest::StartApplication() {
    app_ = std::make_unique<WindowApplication>(folder_->path().toStdString(), NoLaunch());
    QVERIFY(app_->Start());
    app_->View().show();
    QVERIFY(QTest::qWaitForWindowExposed(&app_->View()));
}

void WindowFitTest::StartRealTime() {
    auto* operation = app_->View().findChild<QComboBox*>("cboOperation");
    const int index = operation->findText("Real-Time", Qt::MatchExactly);
    operation->setCurrentIndex(index);
    emit operation->activated(index);
    QTest::mouseClick(app_->View().findChild<QPushButton*>("cmdRUN"), Qt::LeftButton);
    QVERIFY(app_->RealTime().isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(&app_->RealTime()));
}

QString WindowFitTest::DesktopName() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize device = screen->size() * screen->devicePixelRatio();
    return QString("%1x%2-at-%3pct")
        .arg(device.width())
        .arg(device.height())
        .arg(qRound(screen->devicePixelRatio() * 100));
}

void WindowFitTest::SaveDesktop(const QString& what) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QImage desktop(screen.size(), QImage::Format_RGB32);
    desktop.fill(QColor(90, 110, 130));
    QPainter painter(&desktop);
    for (QWidget* window :
         {static_cast<QWidget*>(&app_->View()), static_cast<QWidget*>(&app_->Windows()),
          static_cast<QWidget*>(&app_->RealTime())}) {
        if (window->isVisible()) {
            const QRect frame = window->frameGeometry().translated(-screen.topLeft());
            painter.fillRect(frame, QColor(40, 40, 60));
            painter.drawPixmap(window->geometry().topLeft() - screen.topLeft(), window->grab());
        }
    }
    painter.end();
    QDir().mkpath(VELMORANT_SCREENSHOTS);
    QVERIFY(desktop.save(QString(VELMORANT_SCREENSHOTS) + "/desktop-" + DesktopName() + "-" + what +
                         ".png"));
}

void WindowFitTest::everyWidgetOfBothWindowsLiesInsideTheAvailableArea() {
    const QRect available = Available();
    QVERIFY(available.contains(app_->View().frameGeometry()));
    // Every control of the main window is on the screen, scrolled to where the form is larger.
    auto* scroll = app_->View().findChild<QScrollArea*>("scrFormArea");
    QVERIFY(scroll != nullptr);
    const QRect viewport = GlobalRect(scroll->viewport());
    for (QWidget* widget : scroll->widget()->findChildren<QWidget*>()) {
        if (widget->objectName().isEmpty() || widget->objectName().startsWith("qt_") ||
            !widget->isVisible()) {
            continue;
        }
        // The separator lines run across the form: wider than a small screen, scrolled along.
        if (widget->width() > viewport.width() || widget->height() > viewport.height()) {
            continue;
        }
        // Scrolled as far as the whole control shows (ensureWidgetVisible would show only an
        // editable box's cursor).
        const QPoint at = widget->mapTo(scroll->widget(), QPoint(0, 0));
        scroll->ensureVisible(at.x() + widget->width() / 2, at.y() + widget->height() / 2,
                              widget->width() / 2 + 1, widget->height() / 2 + 1);
        const QRect rect = GlobalRect(widget);
        QVERIFY2(viewport.contains(rect) && available.contains(rect),
                 qPrintable(widget->objectName() + QString(" at %1,%2 %3x%4 in %5,%6 %7x%8")
                                                       .arg(rect.x())
                                                       .arg(rect.y())
                                                       .arg(rect.width())
                                                       .arg(rect.height())
                                                       .arg(viewport.x())
                                                       .arg(viewport.y())
                                                       .arg(viewport.width())
                                                       .arg(viewport.height())));
    }
    scroll->ensureWidgetVisible(app_->View().findChild<QWidget*>("cmdEXIT"), 0, 0);
    SaveDesktop("main");
    if (!RealTimeFits()) {
        QSKIP("the real-time window's header band is wider than this screen");
    }
    StartRealTime();
    QVERIFY(available.contains(app_->RealTime().frameGeometry()));
    // Opened the first time, it leaves STOP and the status line in view where the screen has
    // room for that.
    if (qEnvironmentVariableIntValue("VELMORANT_SCREEN_HAS_ROOM") == 1) {
        const QRect frame = app_->RealTime().frameGeometry();
        QVERIFY(!frame.intersects(GlobalRect(app_->View().findChild<QWidget*>("cmdStop"))));
        QVERIFY(!frame.intersects(GlobalRect(app_->View().findChild<QWidget*>("txtDateCalc"))));
    }
    for (QWidget* widget : app_->RealTime().findChildren<QWidget*>()) {
        if (widget->isVisible()) {
            QVERIFY2(available.contains(GlobalRect(widget)), qPrintable(widget->objectName()));
        }
    }
    scroll->ensureWidgetVisible(app_->View().findChild<QWidget*>("cmdStop"), 0, 0);
    SaveDesktop("opened");
}

void WindowFitTest::theRealTimeWindowLeavesStopInViewOrGoesWhereTheOperatorLeftIt() {
    if (!RealTimeFits()) {
        QSKIP("the real-time window's header band is wider than this screen");
    }
    // The operator once left the window over STOP; at the next opening it goes there again (it
    // has its own STOP).
    // Nearly the screen's height: wherever it lies, it covers STOP on most screens.
    const QPoint saved(Available().x(), Available().y() + 20);
    const QSize savedSize(app_->RealTime().minimumWidth(), Available().height() - 120);
    {
        std::ofstream ini(fs::path(folder_->path().toStdString()) / "VELMORANT.INI");
        ini << "[Windows]\nRealTimeX=" << saved.x() << "\nRealTimeY=" << saved.y()
            << "\nRealTimeWidth=" << savedSize.width() << "\nRealTimeHeight=" << savedSize.height()
            << "\n";
    }
    StartApplication();
    StartRealTime();
    const QRect frame = app_->RealTime().frameGeometry();
    QVERIFY(Available().contains(frame));
    QCOMPARE(app_->RealTime().pos(), saved);
    QCOMPARE(app_->RealTime().size(), savedSize);
    SaveDesktop("beside-stop");
}

void WindowFitTest::resizingTheRealTimeWindowScalesTheMap() {
    if (!RealTimeFits()) {
        QSKIP("the real-time window's header band is wider than this screen");
    }
    StartRealTime();
    auto& map = app_->RealTime().Map();
    const QSize before = map.contentsRect().size();
    const QRect clock = app_->RealTime().findChild<QWidget*>("lblTime")->geometry();
    const QSize twice = app_->RealTime().size() * 2;
    app_->RealTime().resize(twice);
    QTRY_COMPARE(app_->RealTime().size(), twice);
    const QSize after = map.contentsRect().size();
    // At least twice the width (the side that limited it before has doubled), the design's
    // proportions.
    QVERIFY2(after.width() >= 2 * before.width() - 8,
             qPrintable(QString("%1 -> %2").arg(before.width()).arg(after.width())));
    QVERIFY(std::abs(after.width() * WorldMapView::kHeight -
                     after.height() * WorldMapView::kWidth) <= WorldMapView::kWidth);
    // The header band keeps its layout, centred across the window (the form is 1277 wide).
    const auto expectCentred = [this, clock] {
        const int offset = (app_->RealTime().width() - 1277) / 2;
        QCOMPARE(app_->RealTime().findChild<QWidget*>("lblTime")->geometry(),
                 clock.translated(offset, 0));
        const QRect stop = app_->RealTime().findChild<QWidget*>("cmdStopRT")->geometry();
        QCOMPARE(stop.topLeft(), QPoint(278 + offset, 57));
    };
    expectCentred();
    QDir().mkpath(VELMORANT_SCREENSHOTS);
    QVERIFY(app_->RealTime().grab().save(QString(VELMORANT_SCREENSHOTS) + "/frmRT-twice-" +
                                         DesktopName() + ".png"));
    // Maximised, it fills the available area, the header band in its middle.
    app_->RealTime().showMaximized();
    QTRY_VERIFY(Available().contains(app_->RealTime().frameGeometry()));
    QTRY_VERIFY(app_->RealTime().width() >= Available().width() - 16);
    expectCentred();
    QVERIFY(app_->RealTime().grab().save(QString(VELMORANT_SCREENSHOTS) + "/frmRT-maximised-" +
                                         DesktopName() + ".png"));
}

void WindowFitTest::placesSurviveARestartWhileTheyLieOnAScreen() {
    if (!RealTimeFits()) {
        QSKIP("the real-time window's header band is wider than this screen");
    }
    StartRealTime();
    QTest::mouseClick(app_->View().findChild<QPushButton*>("cmdStop"), Qt::LeftButton);
    const QRect available = Available();
    const QSize room = available.size() - app_->View().frameGeometry().size();
    const QPoint mainAt =
        available.topLeft() + QPoint(std::min(17, room.width()), std::min(11, room.height()));
    app_->View().move(mainAt);
    StartRealTime();
    const QSize realTimeSize = app_->RealTime().minimumSize() + QSize(3, 50);
    app_->RealTime().resize(realTimeSize);
    // At the screen's right edge, just above STOP: clear of it, so it is the place kept.
    const QRect stop = GlobalRect(app_->View().findChild<QWidget*>("cmdStop"));
    const QPoint realTimeAt(available.right() + 1 - app_->RealTime().frameGeometry().width(),
                            stop.top() - 5 - app_->RealTime().frameGeometry().height());
    app_->RealTime().move(realTimeAt);
    QTest::mouseClick(app_->View().findChild<QPushButton*>("cmdStop"), Qt::LeftButton);
    QTest::mouseClick(app_->View().findChild<QPushButton*>("cmdEXIT"), Qt::LeftButton);

    StartApplication();
    QCOMPARE(app_->View().pos(), mainAt);
    StartRealTime();
    QCOMPARE(app_->RealTime().size(), realTimeSize);
    QCOMPARE(app_->RealTime().pos(), realTimeAt);
    SaveDesktop("restarted");

    // A place on a screen that is gone is not used.
    app_.reset();
    {
        std::ofstream ini(fs::path(folder_->path().toStdString()) / "VELMORANT.INI");
        ini << "[Windows]\nMainX=-4000\nMainY=-3000\nRealTimeX=9000\nRealTimeY=20\n"
               "RealTimeWidth=1300\nRealTimeHeight=700\n";
    }
    StartApplication();
    QVERIFY(available.contains(app_->View().frameGeometry()));
    StartRealTime();
    QVERIFY(available.contains(app_->RealTime().frameGeometry()));
}

// The operator leaves a smaller real-time window over STOP (it has its own) and the WINDOWS
// window somewhere on the screen: both come back there.
void WindowFitTest::placesOverStopAndOfTheWindowsWindowSurviveARestart() {
    if (!RealTimeFits()) {
        QSKIP("the real-time window's header band is wider than this screen");
    }
    const QRect available = Available();
    StartRealTime();
    RealTimeView& realTime = app_->RealTime();
    const QSize realTimeSize = realTime.minimumSize() + QSize(5, 52);
    realTime.resize(realTimeSize);
    const QRect stop = GlobalRect(app_->View().findChild<QWidget*>("cmdStop"));
    // Over STOP, and clear of the screen's bottom on a short screen.
    const int frameHeight = realTime.frameGeometry().height() - realTime.height();
    const QPoint realTimeAt(
        available.x() + 3,
        std::min(stop.top() - 40, available.bottom() + 1 - frameHeight - realTimeSize.height()));
    realTime.move(realTimeAt);
    QVERIFY(realTime.frameGeometry().intersects(stop));
    QVERIFY(available.contains(realTime.frameGeometry()));

    QTest::mouseClick(app_->View().findChild<QPushButton*>("cmdWINDOWS"), Qt::LeftButton);
    QWidget& windows = app_->Windows();
    QVERIFY(QTest::qWaitForWindowExposed(&windows));
    const QSize windowsSize(std::min(700, available.width() - 40),
                            std::min(450, available.height() - 60));
    windows.resize(windowsSize);
    const QPoint windowsAt(available.x() + 13, available.y() + 9);
    windows.move(windowsAt);
    SaveDesktop("left-over-stop");
    QTest::mouseClick(app_->View().findChild<QPushButton*>("cmdStop"), Qt::LeftButton);
    QTest::mouseClick(app_->View().findChild<QPushButton*>("cmdEXIT"), Qt::LeftButton);

    StartApplication();
    StartRealTime();
    QCOMPARE(app_->RealTime().size(), realTimeSize);
    QCOMPARE(app_->RealTime().pos(), realTimeAt);
    QTest::mouseClick(app_->View().findChild<QPushButton*>("cmdWINDOWS"), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowExposed(&app_->Windows()));
    QCOMPARE(app_->Windows().pos(), windowsAt);
    QCOMPARE(app_->Windows().size(), windowsSize);
    SaveDesktop("restarted-over-stop");
}

QTEST_MAIN(WindowFitTest)
#include "window_fit_test.moc"
