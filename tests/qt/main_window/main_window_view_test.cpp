// SPDX-License-Identifier: GPL-3.0-or-later
// The window as an operator uses it: the real widgets of frmInput and frmUpdate, found by their
// object names, driven with clicks and keys on the offscreen platform. Screenshots of the windows
// are saved under build/screenshots/.

#include <filesystem>
#include <fstream>
#include <memory>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include "core/common/calendar.h"
#include "ui/qt/main_window/window_application.h"
#include "ui/qt/station_dialog/station_dialog_view.h"

namespace fs = std::filesystem;
using velmorant::LaunchActions;
using velmorant::WindowApplication;

namespace {

void WriteFile(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A short station list of our own: stations on lines 18 to 20.
std::string StationList() {
    std::string list;
    for (int i = 1; i <= 17; ++i) {
        list += "// comment " + std::to_string(i) + "\r\n";
    }
    return list +
           "DL1ABC,JN58td,EME 2M 4x17el\r\nG4XYZ,IO91wm,70cm\r\nW1XYZ,FN31pq,1kW\r\nZZZZZZ\r\n";
}

void SaveScreenshot(QWidget* window, const QString& name) {
    QDir().mkpath(VELMORANT_SCREENSHOTS);
    window->grab().save(QString(VELMORANT_SCREENSHOTS) + "/" + name + ".png");
}

}  // namespace

class MainWindowViewTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void startsAtItsSizeWithItsTitle();
    void typingOver360ClampsAzimuthMax();
    void uncheckingHomeHidesTheRangeRowAndCheckingBringsTheAzimuthPairBack();
    void choosingEachKindOfObjectShowsItsBoxes();
    void dateListsFollowTheMonthAndTheStartDate();
    void aTypedDateNamesTheItemItShows_data();
    void aTypedDateNamesTheItemItShows();
    void runTakesATypedEndDay();
    void setDefaultsThenRestartBringsTheSavedWindowBack();
    void escAutomationFollowsTheEscList();
    void escAndBracketsLookUpAndBrowseTheStationList();
    void addReplaceAndDeleteThroughTheDialog();
    void runInPlanningWritesThePlanReportAndOpensTheEditor();
    void helpOpensTheManualWithTheReader();
    void f1OpensTheManualFromEitherWindow();
    void stopEndsALongPlanningRunWithoutTheEditor_data();
    void stopEndsALongPlanningRunWithoutTheEditor();
    void runWithoutAnEditorShowsTheReportInTheOwnViewer();
    void helpWithoutAReaderShowsTheManualInTheOwnViewer();
    void aRefusedRunShowsItsMessageOnceTheWindowIsIdle();

    void aSettingsFileOverOneMegabyteIsLeftAloneWithAMessage();

  private:
    template <typename Widget>
    Widget* Find(const char* name) {
        auto* widget = app_->View().findChild<Widget*>(name);
        if (widget == nullptr) {
            qFatal("no widget %s", name);
        }
        return widget;
    }
    void Type(const char* box, const QString& text);
    // Types into a date list's box and leaves it with Tab, as an operator does.
    void TypeIntoList(const char* list, const QString& text);
    void Choose(const char* list, const QString& item);
    void Click(const char* button);
    // Answers every message box with OK and the dialog with `button`, until the dialog has been
    // answered (or, with no button, until the next modal window).
    void AnswerModals(const char* button);
    // A new window over the same folder with the real launcher: a program path that names no
    // program starts nothing, and on Linux the desktop is not asked.
    void RestartWithTheRealLauncher();
    // Sets up a one-day planning run of 2016-03-05 at 60-minute steps.
    void PrepareShortPlanningRun();

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<WindowApplication> app_;
    QStringList launched_;  // program and arguments of every launch
    QStringList messages_;
};

void MainWindowViewTest::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    const fs::path folder = folder_->path().toStdString();
    for (const char* name : {"VELMORANT.DAT", "QVSKYTEMP.DAT"}) {
        fs::copy_file(fs::path(VELMORANT_DATA) / name, folder / name);
    }
    WriteFile(folder / "CALL3.TXT", StationList());
    LaunchActions record;
    record.StartProcess = [this](const QString& program, const QStringList& arguments,
                                 const QString&) {
        launched_ << QFileInfo(program).fileName() << arguments;
        return true;
    };
    record.OpenWithDesktop = [this](const QUrl& url) {
        launched_ << url.toString();
        return true;
    };
    launched_.clear();
    messages_.clear();
    app_ = std::make_unique<WindowApplication>(folder, record);
    QVERIFY(app_->Start());
    app_->View().show();
    QVERIFY(QTest::qWaitForWindowExposed(&app_->View()));
}

void MainWindowViewTest::cleanup() {
    // A test's answering timers end with it.
    qDeleteAll(findChildren<QTimer*>(Qt::FindDirectChildrenOnly));
    app_.reset();
    folder_.reset();
}

void MainWindowViewTest::Type(const char* box, const QString& text) {
    auto* line = Find<QLineEdit>(box);
    line->setFocus();
    line->selectAll();
    QTest::keyClicks(line, text);
}

void MainWindowViewTest::TypeIntoList(const char* list, const QString& text) {
    app_->View().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&app_->View()));
    QLineEdit* box = Find<QComboBox>(list)->lineEdit();
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
    QVERIFY(!box->hasFocus());
}

void MainWindowViewTest::Choose(const char* list, const QString& item) {
    auto* combo = Find<QComboBox>(list);
    const int index = combo->findText(item, Qt::MatchExactly);
    QVERIFY2(index >= 0, qPrintable(item));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void MainWindowViewTest::Click(const char* button) {
    QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
}

void MainWindowViewTest::AnswerModals(const char* button) {
    auto* timer = new QTimer(this);
    timer->setInterval(5);
    connect(timer, &QTimer::timeout, this, [this, timer, button] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages_ << box->text();
            box->button(QMessageBox::Ok)->click();
        } else if (auto* dialog = qobject_cast<velmorant::StationDialogView*>(modal)) {
            SaveScreenshot(dialog, "frmUpdate");
            dialog->findChild<QPushButton*>(button)->click();
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

void MainWindowViewTest::RestartWithTheRealLauncher() {
    app_.reset();
    app_ = std::make_unique<WindowApplication>(folder_->path().toStdString());
    QVERIFY(app_->Start());
    app_->View().show();
    QVERIFY(QTest::qWaitForWindowExposed(&app_->View()));
}

void MainWindowViewTest::PrepareShortPlanningRun() {
    Type("txtYearStart", "2016");
    Choose("cboMonthStart", "Mar");
    Choose("cboDayStart", " 5");
    QTest::mouseClick(Find<QLineEdit>("txtYearStart"), Qt::LeftButton);
    Type("txtIncrementMinutes", "60");
    Choose("cboOperation", "Planning");
}

void MainWindowViewTest::startsAtItsSizeWithItsTitle() {
    QCOMPARE(app_->View().size(), QSize(991, 501));
    QCOMPARE(app_->View().windowTitle(), QString("VELMORANT Version 3.0"));
    QVERIFY(Find<QPushButton>("cmdRUN")->isVisible());
    QVERIFY(!Find<QPushButton>("cmdStop")->isVisible());
    QVERIFY(!Find<QLineEdit>("txtNotesHome")->isVisible());
    // Both dates show today.
    const QDate today = QDate::currentDate();
    QCOMPARE(Find<QComboBox>("cboMonthStart")->currentIndex(), today.month() - 1);
    QCOMPARE(Find<QLineEdit>("txtYearEnd")->text(), QString::number(today.year()));
    SaveScreenshot(&app_->View(), "frmInput");
}

void MainWindowViewTest::typingOver360ClampsAzimuthMax() {
    Type("txtAZMAX", "400");
    QCOMPARE(Find<QLineEdit>("txtAZMAX")->text(), QString("360"));
    Type("txtAZMIN", "-5");
    QCOMPARE(Find<QLineEdit>("txtAZMIN")->text(), QString("0"));
}

void MainWindowViewTest::uncheckingHomeHidesTheRangeRowAndCheckingBringsTheAzimuthPairBack() {
    auto* home = Find<QCheckBox>("chkDisplayHome");
    QTest::mouseClick(Find<QLabel>("lblAzRange"), Qt::LeftButton);
    QVERIFY(Find<QLineEdit>("txtGMTMIN")->isVisible());
    home->click();
    QVERIFY(!Find<QLabel>("lblAzRange")->isVisible());
    QVERIFY(!Find<QLineEdit>("txtGMTMIN")->isVisible());
    home->click();
    QVERIFY(Find<QLineEdit>("txtAZMAX")->isVisible());
    QVERIFY(!Find<QLineEdit>("txtGMTMIN")->isVisible());
}

void MainWindowViewTest::choosingEachKindOfObjectShowsItsBoxes() {
    Choose("cboCelestial", "Cassiopeia A");
    QVERIFY(Find<QLineEdit>("txtCelestialRAhours")->isVisible());
    QCOMPARE(Find<QLineEdit>("txtCelestialRAhours")->text(), QString("23"));
    QCOMPARE(Find<QLineEdit>("txtCelestialDec")->text(), QString("+58.6"));
    SaveScreenshot(&app_->View(), "frmInput-fixed-object");
    Choose("cboCelestial", "Sun");
    QVERIFY(!Find<QLineEdit>("txtCelestialRAhours")->isVisible());
    QCOMPARE(Find<QLineEdit>("txtCelestialRAhours")->text(), QString("23"));
    Choose("cboCelestial", "(Other)");
    QVERIFY(Find<QLineEdit>("txtEnterObject")->isVisible());
    QCOMPARE(Find<QLineEdit>("txtCelestialRAhours")->text(), QString(""));
    Choose("cboCelestial", "Moon");
    QVERIFY(!Find<QLineEdit>("txtEnterObject")->isVisible());
}

void MainWindowViewTest::dateListsFollowTheMonthAndTheStartDate() {
    Type("txtYearStart", "2030");
    Choose("cboMonthStart", "Feb");
    Choose("cboDayStart", "31");
    QCOMPARE(Find<QComboBox>("cboDayStart")->currentText(), QString("28"));
    // A start after the end (today) carries the end along.
    QCOMPARE(Find<QComboBox>("cboMonthEnd")->currentText(), QString("Feb"));
    QCOMPARE(Find<QComboBox>("cboDayEnd")->currentText(), QString("28"));
    QCOMPARE(Find<QLineEdit>("txtYearEnd")->text(), QString("2030"));
    // Clicking into the start year makes the end date the start date.
    Choose("cboMonthEnd", "Dec");
    QTest::mouseClick(Find<QLineEdit>("txtYearStart"), Qt::LeftButton);
    QCOMPARE(Find<QComboBox>("cboMonthEnd")->currentText(), QString("Feb"));
    QCOMPARE(Find<QLineEdit>("txtYearEnd")->text(), QString("2030"));
    // An end before the start moves the end year on.
    Choose("cboMonthEnd", "Jan");
    QCOMPARE(Find<QLineEdit>("txtYearEnd")->text(), QString("2031"));
}

void MainWindowViewTest::aTypedDateNamesTheItemItShows_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    // Both dates start on 1 April 2016, a month of 30 days.
    for (const char* day : {"cboDayStart", "cboDayEnd"}) {
        const auto row = [day](const char* typed, const char* shown) {
            QTest::addRow("%s %s", day, typed) << day << typed << shown;
        };
        row("5", " 5");
        row(" 8", " 8");
        row("09", " 9");
        row("1", " 1");  // not completed to 10
        row("15", "15");
        row("31", "30");  // cut back to April
        row("xx", " 1");  // names no day: the chosen one again
        row("32", " 1");
    }
    for (const char* month : {"cboMonthStart", "cboMonthEnd"}) {
        const auto row = [month](const char* typed, const char* shown) {
            QTest::addRow("%s %s", month, typed) << month << typed << shown;
        };
        row("may", "May");
        row("JUN", "Jun");
        row("7", "Jul");
        row("12", "Dec");
        row("13", "Apr");
        row("Ma", "Apr");
    }
}

void MainWindowViewTest::aTypedDateNamesTheItemItShows() {
    QFETCH(QString, list);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Type("txtYearStart", "2016");
    Choose("cboMonthStart", "Apr");
    Choose("cboDayStart", " 1");
    QTest::mouseClick(Find<QLineEdit>("txtYearStart"), Qt::LeftButton);

    TypeIntoList(qPrintable(list), typed);
    auto* box = Find<QComboBox>(qPrintable(list));
    QCOMPARE(box->currentText(), shown);
    QCOMPARE(box->itemText(box->currentIndex()), shown);
    // The model holds what the box shows, and the dates are the ones shown.
    const auto* control =
        std::get<const velmorant::ComboBox*>(app_->Model().FindControl(list.toStdString()));
    QCOMPARE(control->SelectedIndex, box->currentIndex());
    QCOMPARE(QString::fromStdString(control->Text), shown);
    const auto& model = app_->Model();
    QCOMPARE(model.StartDate,
             velmorant::DaysSince1970(model.StartYear, model.StartMonth, model.StartDay));
    QCOMPARE(int{model.StartMonth}, Find<QComboBox>("cboMonthStart")->currentIndex() + 1);
    QCOMPARE(int{model.StartDay}, Find<QComboBox>("cboDayStart")->currentIndex() + 1);
    QCOMPARE(int{model.EndMonth}, Find<QComboBox>("cboMonthEnd")->currentIndex() + 1);
    QCOMPARE(int{model.EndDay}, Find<QComboBox>("cboDayEnd")->currentIndex() + 1);
    QVERIFY(model.StartDate <= model.EndDate);
    QCOMPARE(Find<QLineEdit>("txtYearStart")->text(), QString("2016"));
}

void MainWindowViewTest::runTakesATypedEndDay() {
    const fs::path folder = folder_->path().toStdString();
    WriteFile(folder / "editor.sh", "#!/bin/sh\n");
    fs::permissions(folder / "editor.sh", fs::perms::owner_all);
    PrepareShortPlanningRun();
    Type("txtTextEditor", QString::fromStdString((folder / "editor.sh").string()));
    // Typed, and RUN pressed straight away.
    QLineEdit* day = Find<QComboBox>("cboDayEnd")->lineEdit();
    day->setFocus();
    day->selectAll();
    QTest::keyClicks(day, "7");
    AnswerModals(nullptr);
    Click("cmdRUN");

    QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join('\n')));
    QCOMPARE(launched_, QStringList({"editor.sh", "VELMORANT.TXT"}));
    QCOMPARE(Find<QComboBox>("cboDayEnd")->currentText(), QString(" 7"));
    QProcess plan;
    plan.start(VELMORANT_EXECUTABLE, {"plan", "--start", "2016-03-05", "--end", "2016-03-07",
                                      "--dir", QString::fromStdString(folder.string()), "--set",
                                      "txtIncrementMinutes=60", "--output", "-"});
    QVERIFY(plan.waitForFinished(60000));
    QCOMPARE(plan.exitCode(), 0);
    QCOMPARE(QByteArray::fromStdString(ReadFile(folder / "VELMORANT.TXT")),
             plan.readAllStandardOutput());
}

void MainWindowViewTest::setDefaultsThenRestartBringsTheSavedWindowBack() {
    Type("txtCallsignHome", "DL9XYZ");
    Type("txtNoise", "75");
    Click("cmdSET");
    Type("txtCallsignHome", "OTHER");
    Type("txtNoise", "1");
    Click("cmdRESTART");
    QCOMPARE(Find<QLineEdit>("txtCallsignHome")->text(), QString("DL9XYZ"));
    QCOMPARE(Find<QLineEdit>("txtNoise")->text(), QString("75"));

    // Each microwave band chosen in the list comes back chosen.
    for (const char* band : {"2304", "3400", "5760", "10368"}) {
        Choose("cboBand", band);
        Click("cmdSET");
        Choose("cboBand", "50");
        Click("cmdRESTART");
        QCOMPARE(Find<QComboBox>("cboBand")->currentText(), QString(band));
    }
    SaveScreenshot(&app_->View(), "frmInput-10368");
}

void MainWindowViewTest::escAutomationFollowsTheEscList() {
    Choose("cboEsc", "Y");
    Type("txtLocatorHome", "");
    QTest::keyClicks(Find<QLineEdit>("txtLocatorHome"), "jn58td");
    QCOMPARE(Find<QLineEdit>("txtLocatorHome")->text(), QString("JN58td"));
    QTest::keyClick(Find<QLineEdit>("txtLocatorHome"), Qt::Key_Backspace);
    QCOMPARE(Find<QLineEdit>("txtLocatorHome")->text(), QString(""));

    Choose("cboEsc", "N");
    QTest::keyClicks(Find<QLineEdit>("txtLocatorHome"), "jn58td");
    QCOMPARE(Find<QLineEdit>("txtLocatorHome")->text(), QString("jn58td"));
    QTest::keyClick(Find<QLineEdit>("txtLocatorHome"), Qt::Key_Backspace);
    QCOMPARE(Find<QLineEdit>("txtLocatorHome")->text(), QString("jn58t"));
}

void MainWindowViewTest::escAndBracketsLookUpAndBrowseTheStationList() {
    Choose("cboEsc", "Y");
    auto* callsign = Find<QLineEdit>("txtCallsignHome");
    Type("txtCallsignHome", "");
    QTest::keyClicks(callsign, "dl1abc");
    QCOMPARE(callsign->text(), QString("DL1ABC"));
    QTest::keyClick(callsign, Qt::Key_Escape);
    QCOMPARE(Find<QLineEdit>("txtLocatorHome")->text(), QString("JN58td"));
    QCOMPARE(Find<QLineEdit>("txtLatDegHome")->text(), QString("48"));
    QVERIFY(Find<QLineEdit>("txtNotesHome")->isVisible());
    QCOMPARE(Find<QLineEdit>("txtDateCalc")->text(), QString("Exact Match Found - Record # 18"));
    QTest::keyClicks(callsign, "]");
    QCOMPARE(callsign->text(), QString("G4XYZ"));
    QCOMPARE(Find<QLineEdit>("txtDateCalc")->text(),
             QString("Exact Browsed Callsign is at Record # 19"));
    QTest::keyClicks(callsign, "[");
    QCOMPARE(callsign->text(), QString("DL1ABC"));
}

void MainWindowViewTest::addReplaceAndDeleteThroughTheDialog() {
    const fs::path list = fs::path(folder_->path().toStdString()) / "CALL3.TXT";
    // The boxes take the typed text as it is (the ESC automation would keep a full locator box).
    Choose("cboEsc", "N");
    // A new station: the not-found message, then the dialog offering ADD NEW.
    Type("txtCallsignHome", "F5ABC");
    Type("txtLocatorHome", "JN18eu");
    AnswerModals("cmdREPLACE");
    Click("cmdAddHome");
    QCOMPARE(messages_.size(), 1);
    QVERIFY(ReadFile(list).find("DL1ABC,JN58td,EME 2M 4x17el\r\nF5ABC,JN18eu,,EME,,,,\r\nG4XYZ") !=
            std::string::npos);
    QCOMPARE(Find<QLineEdit>("txtDateCalc")->text(), QString("Exact Match Found - Record # 19"));

    // Replace with a locator edited in the dialog.
    Type("txtLocatorHome", "JN18ev");
    AnswerModals("cmdREPLACE");
    Click("cmdAddHome");
    QVERIFY(ReadFile(list).find("F5ABC,JN18ev,,EME,,,,\r\n") != std::string::npos);

    // Delete clears the row.
    AnswerModals("cmdDelete");
    Click("cmdAddHome");
    QVERIFY(ReadFile(list).find("F5ABC") == std::string::npos);
    QCOMPARE(ReadFile(list), StationList());
    QCOMPARE(Find<QLineEdit>("txtCallsignHome")->text(), QString(""));
}

void MainWindowViewTest::runInPlanningWritesThePlanReportAndOpensTheEditor() {
    const fs::path folder = folder_->path().toStdString();
    WriteFile(folder / "editor.sh", "#!/bin/sh\n");
    fs::permissions(folder / "editor.sh", fs::perms::owner_all);
    PrepareShortPlanningRun();
    Type("txtTextEditor", QString::fromStdString((folder / "editor.sh").string()));
    Click("cmdRUN");

    QCOMPARE(launched_, QStringList({"editor.sh", "VELMORANT.TXT"}));
    QVERIFY(Find<QPushButton>("cmdRUN")->isVisible());
    QVERIFY(!Find<QLineEdit>("txtDateCalc")->isVisible());

    QProcess plan;
    plan.start(VELMORANT_EXECUTABLE,
               {"plan", "--start", "2016-03-05", "--dir", QString::fromStdString(folder.string()),
                "--set", "txtIncrementMinutes=60", "--output", "-"});
    QVERIFY(plan.waitForFinished(60000));
    QCOMPARE(plan.exitCode(), 0);
    const QByteArray expected = plan.readAllStandardOutput();
    QVERIFY(!expected.isEmpty());
    QCOMPARE(QByteArray::fromStdString(ReadFile(folder / "VELMORANT.TXT")), expected);
}

void MainWindowViewTest::helpOpensTheManualWithTheReader() {
    const fs::path folder = folder_->path().toStdString();
    WriteFile(folder / "QVHELP.PDF", "%PDF-1.4\n");
    WriteFile(folder / "reader.sh", "#!/bin/sh\n");
    fs::permissions(folder / "reader.sh", fs::perms::owner_all);
    QTest::mouseClick(Find<QLabel>("lblTextEditor"), Qt::LeftButton);
    QVERIFY(Find<QLineEdit>("txtAdobeReader")->isVisible());
    Type("txtAdobeReader", QString::fromStdString((folder / "reader.sh").string()));
    Click("cmdHELP");
    QCOMPARE(launched_, QStringList({"reader.sh", "QVHELP.PDF"}));
    QVERIFY(!app_->EndRequested());
}

void MainWindowViewTest::f1OpensTheManualFromEitherWindow() {
    const fs::path folder = folder_->path().toStdString();
    WriteFile(folder / "QVHELP.PDF", "%PDF-1.4\n");
    WriteFile(folder / "reader.sh", "#!/bin/sh\n");
    fs::permissions(folder / "reader.sh", fs::perms::owner_all);
    QTest::mouseClick(Find<QLabel>("lblTextEditor"), Qt::LeftButton);
    Type("txtAdobeReader", QString::fromStdString((folder / "reader.sh").string()));
    app_->View().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&app_->View()));
    QTest::keyClick(Find<QLineEdit>("txtNoise"), Qt::Key_F1);
    QCOMPARE(launched_, QStringList({"reader.sh", "QVHELP.PDF"}));

    launched_.clear();
    Choose("cboOperation", "Real-Time");
    Click("cmdRUN");
    QVERIFY(app_->RealTime().isVisible());
    QTest::keyClick(&app_->RealTime(), Qt::Key_F1);
    QCOMPARE(launched_, QStringList({"reader.sh", "QVHELP.PDF"}));
    QVERIFY(app_->RealTime().isVisible());
}

void MainWindowViewTest::stopEndsALongPlanningRunWithoutTheEditor_data() {
    QTest::addColumn<bool>("escape");
    QTest::addRow("STOP") << false;
    QTest::addRow("Escape") << true;
}

void MainWindowViewTest::stopEndsALongPlanningRunWithoutTheEditor() {
    QFETCH(bool, escape);
    const fs::path folder = folder_->path().toStdString();
    app_->View().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&app_->View()));
    Type("txtYearStart", "2016");
    Choose("cboMonthStart", "Jan");
    Choose("cboDayStart", " 1");
    QTest::mouseClick(Find<QLineEdit>("txtYearStart"), Qt::LeftButton);
    Type("txtYearEnd", "2017");
    QTest::mouseClick(Find<QLineEdit>("txtYearEnd"), Qt::LeftButton);
    Type("txtIncrementMinutes", "1");
    Choose("cboOperation", "Planning");
    // STOP (or Escape in a box) is pressed as soon as the run lets the window take events, at its
    // first date.
    QTimer::singleShot(0, this, [this, escape] {
        QVERIFY(Find<QPushButton>("cmdStop")->isVisible());
        QVERIFY(Find<QLineEdit>("txtDateCalc")->isVisible());
        QCOMPARE(Find<QLineEdit>("txtDateCalc")->text(), QString("Computing JAN 1, 2016"));
        if (escape) {
            QTest::keyClick(Find<QLineEdit>("txtNoise"), Qt::Key_Escape);
        } else {
            Click("cmdStop");
        }
    });
    Click("cmdRUN");
    QVERIFY(launched_.isEmpty());
    QVERIFY(Find<QPushButton>("cmdRUN")->isVisible());
    QVERIFY(!Find<QPushButton>("cmdStop")->isVisible());
    QVERIFY(fs::file_size(folder / "VELMORANT.TXT") < 100000);
    // STOP hid itself: the keyboard focus is on RUN, not on the next box of the Tab order.
    QCOMPARE(app_->View().focusWidget(), Find<QPushButton>("cmdRUN"));
}

void MainWindowViewTest::runWithoutAnEditorShowsTheReportInTheOwnViewer() {
    const fs::path folder = folder_->path().toStdString();
    RestartWithTheRealLauncher();
    PrepareShortPlanningRun();
    Type("txtTextEditor", QString::fromStdString((folder / "no-such-editor").string()));
    AnswerModals(nullptr);
    Click("cmdRUN");

    QVERIFY(messages_.isEmpty());
    velmorant::ReportViewer* viewer = app_->Viewers().Report();
    QVERIFY(viewer != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    // The report's first lines as the file holds them, the degree signs as one character each.
    const QString report = QString::fromUtf8(ReadFile(folder / "VELMORANT.TXT"));
    const QString shown = viewer->findChild<QPlainTextEdit*>("txtReport")->toPlainText();
    QVERIFY(report.contains(QChar(0xB0)));
    QCOMPARE(shown.section('\n', 0, 5), QString(report).remove('\r').section('\n', 0, 5));
    QVERIFY(viewer->findChild<QPlainTextEdit*>("txtReport")->isReadOnly());
    const QString note = viewer->findChild<QLabel*>("lblNote")->text();
    const QString fullPath = QDir(folder_->path()).absoluteFilePath("VELMORANT.TXT");
    QVERIFY2(note.contains(fullPath) && note.contains("\"Text Editor\""), qPrintable(note));
    SaveScreenshot(viewer, "frmReport");
}

void MainWindowViewTest::helpWithoutAReaderShowsTheManualInTheOwnViewer() {
    const fs::path folder = folder_->path().toStdString();
    WriteFile(folder / "QVHELP.PDF", "%PDF-1.4\n");
    fs::copy_file(fs::path(VELMORANT_DOCS) / "manual.md", folder / "QVHELP.MD");
    fs::copy(fs::path(VELMORANT_DOCS) / "screenshots", folder / "screenshots");
    RestartWithTheRealLauncher();
    AnswerModals(nullptr);
    Click("cmdHELP");  // the reader is still the window's default Windows path

    QVERIFY(messages_.isEmpty());
    QVERIFY(!app_->EndRequested());
    velmorant::HelpViewer* viewer = app_->Viewers().Help();
    QVERIFY(viewer != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    auto* manual = viewer->findChild<QTextBrowser*>("txtManual");
    QVERIFY(manual->toPlainText().contains("What VELMORANT is for"));
    // The pictures come from beside the manual.
    QVERIFY(!manual->loadResource(QTextDocument::ImageResource, QUrl("screenshots/frmInput.png"))
                 .isNull());
    // The contents follow the headings; a click brings the chapter to the top.
    auto* contents = viewer->findChild<QTreeWidget*>("treContents");
    QCOMPARE(contents->topLevelItemCount(), 1);
    QTreeWidgetItem* title = contents->topLevelItem(0);
    QCOMPARE(title->text(0), QString("VELMORANT User Manual"));
    QCOMPARE(title->child(4)->text(0), QString("5. The real-time window"));
    auto clickItem = [contents](QTreeWidgetItem* item) {
        contents->scrollToItem(item);
        QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                          contents->visualItemRect(item).center());
    };
    clickItem(title->child(4));
    QVERIFY(manual->verticalScrollBar()->value() > 0);
    QVERIFY(manual->cursorForPosition(QPoint(4, 4)).block().text().startsWith("5. The real"));
    const QString note = viewer->findChild<QLabel*>("lblNote")->text();
    const QString fullPath = QDir(folder_->path()).absoluteFilePath("QVHELP.PDF");
    QVERIFY2(note.contains(fullPath) && note.contains("\"Adobe Rdr\""), qPrintable(note));
    // The first session, with its picture, for the manual's own picture of this window.
    clickItem(title->child(2));
    SaveScreenshot(viewer, "frmHelp");
}

void MainWindowViewTest::aRefusedRunShowsItsMessageOnceTheWindowIsIdle() {
    // Both stations with a radio source: the run starts, shows its date, then gives up.
    PrepareShortPlanningRun();
    Choose("cboCelestial", "Cassiopeia A");
    QStringList seenWithTheMessage;
    auto* timer = new QTimer(this);
    timer->setInterval(5);
    connect(timer, &QTimer::timeout, this, [this, timer, &seenWithTheMessage] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seenWithTheMessage << Find<QPushButton>("cmdRUN")->text()
                               << (Find<QPushButton>("cmdRUN")->isVisible() ? "RUN shown" : "")
                               << (Find<QPushButton>("cmdStop")->isVisible() ? "STOP shown" : "")
                               << (Find<QLineEdit>("txtDateCalc")->isVisible() ? "status" : "");
            box->button(QMessageBox::Ok)->click();
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
    Click("cmdRUN");
    QCOMPARE(seenWithTheMessage, QStringList({"RUN", "RUN shown", "", ""}));
    QCOMPARE(app_->View().focusWidget(), Find<QPushButton>("cmdRUN"));
}

void MainWindowViewTest::aSettingsFileOverOneMegabyteIsLeftAloneWithAMessage() {
    const fs::path ini = fs::path(folder_->path().toStdString()) / "VELMORANT.INI";
    const std::string big = "[Windows]\nMain=10 10\n" + std::string(2 << 20, ';') + "\n";
    WriteFile(ini, big);
    AnswerModals(nullptr);
    RestartWithTheRealLauncher();
    QCOMPARE(messages_.size(), 1);
    QVERIFY2(messages_[0].contains("is larger than 1 MB and is not used"),
             qPrintable(messages_[0]));
    // EXIT saves the places of the windows, but not into this file.
    Click("cmdEXIT");
    QVERIFY(ReadFile(ini) == big);
}

QTEST_MAIN(MainWindowViewTest)
#include "main_window_view_test.moc"
