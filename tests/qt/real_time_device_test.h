// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window program over a folder of its own, for the tests of the devices a real-time display
// drives (the rotator, the radio): the folder with the program's data, the window on a clock the
// test sets or on the computer's, the real-time display started as an operator starts it, and
// the widgets found by their object names.

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/qt/main_window/window_application.h"

inline std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Nothing is started: the report and the manual stay unopened.
inline velmorant::LaunchActions NoLaunch() {
    velmorant::LaunchActions actions;
    actions.StartProcess = [](const QString&, const QStringList&, const QString&) { return true; };
    actions.OpenWithDesktop = [](const QUrl&) { return true; };
    return actions;
}

class SettableClock : public velmorant::Clock {
  public:
    velmorant::LocalDateTime Now() const override { return now; }
    velmorant::LocalDateTime now;
};

class RealTimeDeviceTest : public QObject {
  protected:
    template <typename Widget>
    Widget* Find(QWidget& parent, const char* name) {
        auto* widget = parent.findChild<Widget*>(name);
        if (widget == nullptr) {
            qFatal("no widget %s", name);
        }
        return widget;
    }
    template <typename Widget>
    Widget* Main(const char* name) {
        return Find<Widget>(app_->View(), name);
    }
    QLabel* RealTimeLabel(const char* name) { return Find<QLabel>(app_->RealTime(), name); }
    static bool IsRed(const QLabel* label) {
        return label->styleSheet().contains("color: rgb(255, 0, 0);");
    }

    std::filesystem::path Folder() const { return folder_->path().toStdString(); }
    // A fresh folder with the program's data.
    void CopyData() {
        folder_ = std::make_unique<QTemporaryDir>();
        for (const char* name : {"VELMORANT.DAT", "QVSKYTEMP.DAT", "CALL3.TXT", "WORLDMAP.PNG"}) {
            std::filesystem::copy_file(std::filesystem::path(VELMORANT_DATA) / name,
                                       Folder() / name);
        }
    }
    void Reset() {
        app_.reset();
        folder_.reset();
    }
    // VELMORANT.INI with one group.
    void WriteIni(const std::string& group, const std::string& lines) {
        std::ofstream(Folder() / "VELMORANT.INI") << "[" << group << "]\n" << lines;
    }
    // The window over the folder, on the test's clock or on the computer's; TimeDif 0.
    void StartApp(bool testClock) {
        app_ = std::make_unique<velmorant::WindowApplication>(Folder(), NoLaunch(),
                                                              testClock ? &clock_ : nullptr);
        QVERIFY(app_->Start());
        app_->View().show();
        auto* timeDif = Main<QLineEdit>("txtTimeDif");
        timeDif->setFocus();
        timeDif->selectAll();
        QTest::keyClicks(timeDif, "0");
    }
    void StartRealTime() {
        auto* operation = Main<QComboBox>("cboOperation");
        const int index = operation->findText("Real-Time");
        operation->setCurrentIndex(index);
        emit operation->activated(index);
        QTest::mouseClick(Main<QPushButton>("cmdRUN"), Qt::LeftButton);
        QVERIFY(app_->RealTime().isVisible());
    }
    void Pass() { app_->Model().tmrWatch_Timer(); }
    void Screenshot(QWidget& window, const QString& name) {
        QDir().mkpath(VELMORANT_SCREENSHOTS);
        QVERIFY(window.grab().save(QString(VELMORANT_SCREENSHOTS) + "/" + name + ".png"));
    }

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<velmorant::WindowApplication> app_;
    SettableClock clock_;
};
