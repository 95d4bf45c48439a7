// SPDX-License-Identifier: GPL-3.0-or-later
// The real-time display from the window: RUN with Real-Time shows frmRT, writes QVAZEL.DAT with
// the current minute's Home position, and STOP, the hour difference or another object end it.

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/qt/main_window/window_application.h"

namespace fs = std::filesystem;
using velmorant::LaunchActions;
using velmorant::WindowApplication;

namespace {

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

LaunchActions NoLaunch() {
    LaunchActions actions;
    actions.StartProcess = [](const QString&, const QStringList&, const QString&) { return true; };
    actions.OpenWithDesktop = [](const QUrl&) { return true; };
    return actions;
}

}  // namespace

class RealTimeDisplayTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void runInRealTimeShowsTheWindowAndWritesTheAzElFile();
    void stopTheHourDifferenceAndAnotherObjectEndTheDisplay();
    void aTypedClockOffsetUnlikeTheComputersIsToldInBothWindows();
    void stopAndEscapeInEitherWindowEndTheDisplay();

  private:
    template <typename Widget>
    Widget* Find(const char* name) {
        auto* widget = app_->View().findChild<Widget*>(name);
        if (widget == nullptr) {
            qFatal("no widget %s", name);
        }
        return widget;
    }
    void Choose(const char* list, const QString& item) {
        auto* combo = Find<QComboBox>(list);
        const int index = combo->findText(item, Qt::MatchExactly);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void StartRealTime() {
        Choose("cboOperation", "Real-Time");
        QTest::mouseClick(Find<QPushButton>("cmdRUN"), Qt::LeftButton);
    }
    // The display ended as STOP ends it: the mode off, the real-time window hidden, STOP gone.
    void ExpectStopped() {
        QVERIFY(!app_->Model().RealTimeMode);
        QVERIFY(!app_->RealTime().isVisible());
        QVERIFY(!Find<QPushButton>("cmdStop")->isVisible());
        QVERIFY(Find<QPushButton>("cmdRUN")->isVisible());
        QCOMPARE(Find<QPushButton>("cmdRUN")->text(), QString("RUN"));
    }

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<WindowApplication> app_;
};

void RealTimeDisplayTest::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    const fs::path folder = folder_->path().toStdString();
    for (const char* name : {"VELMORANT.DAT", "QVSKYTEMP.DAT", "CALL3.TXT", "WORLDMAP.PNG"}) {
        fs::copy_file(fs::path(VELMORANT_DATA) / name, folder / name);
    }
    app_ = std::make_unique<WindowApplication>(folder, NoLaunch());
    QVERIFY(app_->Start());
    app_->View().show();
}

void RealTimeDisplayTest::cleanup() {
    app_.reset();
    folder_.reset();
}

void RealTimeDisplayTest::runInRealTimeShowsTheWindowAndWritesTheAzElFile() {
    const fs::path folder = folder_->path().toStdString();
    StartRealTime();
    QVERIFY(app_->RealTime().isVisible());
    QVERIFY(Find<QPushButton>("cmdStop")->isVisible());
    QCOMPARE(Find<QPushButton>("cmdRUN")->text(), QString("RUNNING"));

    // The first pass of a display updates the map and the file, unless it falls on second 1 of
    // a minute: then the next pass a second later does.
    QTRY_VERIFY_WITH_TIMEOUT(fs::exists(folder / "QVAZEL.DAT"), 5000);
    const std::string line = ReadFile(folder / "QVAZEL.DAT");
    QVERIFY2(line.size() > 20 && line.ends_with("\r\n"), line.c_str());
    QCOMPARE(QString::fromStdString(line).count(','), 5);
    QVERIFY(line.find(",Moon,") != std::string::npos);

    // The Home position of that minute agrees with a planning report line of the same minute.
    const QString time = QString::fromStdString(line.substr(0, 5));  // "HH:MM"
    const QString azimuth = QString::fromStdString(line.substr(9, 5)).trimmed();
    const QString elevation = QString::fromStdString(line.substr(15, 5)).trimmed();
    const QDate utc = QDateTime::currentDateTimeUtc().date();
    QProcess plan;
    plan.start(VELMORANT_EXECUTABLE,
               {"plan", "--start", utc.toString("yyyy-MM-dd"), "--dir",
                QString::fromStdString(folder.string()), "--set", "txtIncrementMinutes=1", "--set",
                "txtAboveHome=-90", "--set", "txtAboveDX=-90", "--output", "-"});
    QVERIFY(plan.waitForFinished(60000));
    const QString hhmm = QString(time).remove(':');
    bool found = false;
    for (const QString& reportLine :
         QString::fromUtf8(plan.readAllStandardOutput()).split("\r\n")) {
        if (reportLine.startsWith(hhmm)) {
            QCOMPARE(reportLine.mid(19, 5).trimmed(), azimuth);
            QCOMPARE(reportLine.mid(27, 5).trimmed(), elevation);
            found = true;
        }
    }
    QVERIFY2(found, qPrintable("no report line for " + hhmm));

    // The timer presses RUN every second while the display runs.
    app_->Model().tmrWatch_Timer();
    QVERIFY(app_->RealTime().isVisible());
}

void RealTimeDisplayTest::stopTheHourDifferenceAndAnotherObjectEndTheDisplay() {
    StartRealTime();
    QTest::mouseClick(Find<QPushButton>("cmdStop"), Qt::LeftButton);
    QVERIFY(!app_->RealTime().isVisible());
    QVERIFY(Find<QPushButton>("cmdRUN")->isVisible());
    QCOMPARE(Find<QPushButton>("cmdRUN")->text(), QString("RUN"));

    StartRealTime();
    QVERIFY(app_->RealTime().isVisible());
    auto* timeDif = Find<QLineEdit>("txtTimeDif");
    timeDif->setFocus();
    timeDif->selectAll();
    QTest::keyClicks(timeDif, "1");
    QVERIFY(!app_->RealTime().isVisible());

    StartRealTime();
    Choose("cboCelestial", "Sun");
    QVERIFY(!app_->RealTime().isVisible());
    QVERIFY(!app_->Model().RealTimeMode);
}

// The computer's own offset from UTC, as Qt reads it from the system's time zone, and a typed
// one two hours away from it: both windows say so, and the display runs on the typed value.
void RealTimeDisplayTest::aTypedClockOffsetUnlikeTheComputersIsToldInBothWindows() {
    const int systemMinutes = QDateTime::currentDateTime().offsetFromUtc() / 60;
    const auto hours = [](int minutes) {
        return QString::number(minutes / 60.0, 'f', 2).remove(QRegularExpression("\\.?0+$"));
    };
    const QString typed = hours(systemMinutes + 120);
    auto* timeDif = Find<QLineEdit>("txtTimeDif");
    timeDif->setFocus();
    timeDif->selectAll();
    QTest::keyClicks(timeDif, typed);
    StartRealTime();
    const QString expected =
        "Clock offset " + typed + " h typed, this computer is " + hours(systemMinutes) + " h";
    auto* status = Find<QLineEdit>("txtDateCalc");
    QVERIFY(status->isVisible());
    QCOMPARE(status->text(), expected);
    auto* check = app_->RealTime().findChild<QLabel*>("lblClockCheck");
    QVERIFY(check != nullptr && check->isVisible());
    QCOMPARE(check->text(), expected);
    // The UTC shown is the local clock less the typed hours, not the system's.
    const QTime shown =
        QTime::fromString(app_->RealTime().findChild<QLabel*>("lblTime")->text(), "HH:mm:ss");
    const int apart = shown.secsTo(QDateTime::currentDateTimeUtc().time());
    QVERIFY2(std::abs(std::abs(apart) - 7200) < 5 || std::abs(std::abs(apart) - 79200) < 5,
             qPrintable(QString::number(apart)));

    // With the computer's own offset typed, both fall silent.
    QTest::mouseClick(Find<QPushButton>("cmdStop"), Qt::LeftButton);
    timeDif->setFocus();
    timeDif->selectAll();
    QTest::keyClicks(timeDif, hours(systemMinutes));
    StartRealTime();
    QVERIFY(!status->isVisible());
    QVERIFY(!check->isVisible());
}

// The real-time window opens over the main window's STOP on a small screen: its own STOP and
// Escape, in either window, end the display; with nothing running, Escape in a callsign box is
// the station list's lookup again.
void RealTimeDisplayTest::stopAndEscapeInEitherWindowEndTheDisplay() {
    StartRealTime();
    auto* stop = app_->RealTime().findChild<QPushButton*>("cmdStopRT");
    QVERIFY(stop != nullptr && stop->isVisible());
    QCOMPARE(stop->text(), QString("STOP"));
    QTest::mouseClick(stop, Qt::LeftButton);
    ExpectStopped();

    StartRealTime();
    QVERIFY(app_->RealTime().isVisible());
    QTest::keyClick(&app_->RealTime(), Qt::Key_Escape);
    ExpectStopped();

    // Escape in the main window, the keyboard in a station box with the ESC automation on.
    auto* callsign = Find<QLineEdit>("txtCallsignHome");
    callsign->setFocus();
    callsign->selectAll();
    QTest::keyClicks(callsign, "9A2WQ");
    Choose("cboEsc", "Y");
    StartRealTime();
    app_->View().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&app_->View()));
    callsign->setFocus();
    QTest::keyClick(callsign, Qt::Key_Escape);
    ExpectStopped();
    QVERIFY(!Find<QLineEdit>("txtDateCalc")->text().startsWith("Exact"));

    callsign->setFocus();
    QTest::keyClick(callsign, Qt::Key_Escape);
    QCOMPARE(Find<QLineEdit>("txtLocatorHome")->text(), QString("JN75ws"));
    QVERIFY(Find<QLineEdit>("txtDateCalc")->text().startsWith("Exact"));
    ExpectStopped();
}

QTEST_MAIN(RealTimeDisplayTest)
#include "real_time_display_test.moc"
