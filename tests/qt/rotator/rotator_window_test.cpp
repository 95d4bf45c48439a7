// SPDX-License-Identifier: GPL-3.0-or-later
// The rotator from the real-time window against a real rotctld (Hamlib's dummy rotator, started
// here on a free loopback port and stopped by its process id): the moves and their rules, the
// elevation floor and range, the settings dialog and VELMORANT.INI, and the faults (no daemon,
// a daemon killed and started again, an error answer, a host that never answers), none of which
// may hold up the window's seconds.

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "tests/qt/hamlib_process.h"
#include "tests/qt/real_time_device_test.h"
#include "ui/model/rotator/rotctld_protocol.h"
#include "ui/qt/main_window/window_application.h"

namespace fs = std::filesystem;
using namespace velmorant;

namespace {

// "rot_set_position called az=181.30 el=14.00" in the daemon's log: the last move it received.
std::optional<std::pair<QByteArray, QByteArray>> LastMoveLogged(const QByteArray& log) {
    const qsizetype at = log.lastIndexOf("rot_set_position called az=");
    if (at < 0) {
        return std::nullopt;
    }
    const QList<QByteArray> words = log.mid(at).split('\n').front().split(' ');
    if (words.size() < 4) {
        return std::nullopt;
    }
    return std::make_pair(words[2].mid(3), words[3].mid(3));
}

// A UTC instant (TimeDif 0) at which the Moon stands above Home JN58td at an elevation of 10 to
// 45 degrees and an azimuth of 20 to 110, so that the dummy, turning from 0/0 at some 6 degrees
// a second, arrives within about 20 s. Found once by stepping the real-time display hour by hour.
LocalDateTime gMoonUp;

}  // namespace

class RotatorWindowTest : public RealTimeDeviceTest {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void theParserReadsWhatTheRealDaemonSends();
    void aRealTimeDisplayMovesTheRotatorToTheMoon();
    void lastSecondsSendsNothingAtSecond30AndOneMoveAtSecond52();
    void theFloorHoldsTheRotatorAndTheRangeClampsTheElevation();
    void aBadSettingsFileFallsBackToTheDefaults();
    void noDaemonAtRunIsShownRetriedAndJoinedWhenItStarts();
    void aDaemonKilledAndStartedAgainIsJoinedAndMovesAgain();
    void anErrorAnswerIsShownInRed();
    void aHostThatNeverAnswersTimesOutWithoutHoldingTheWindow();
    void aDaemonTricklingBytesThatEndNoLineTimesOut();
    void stopStopsTheRotatorAndClosesTheConnection();

  private:
    QLabel* Rotator() { return RealTimeLabel("lblRotator"); }
    void WriteIni(const std::string& rotatorLines) {
        RealTimeDeviceTest::WriteIni("Rotator", rotatorLines);
    }
    void At(int second) {
        clock_.now = gMoonUp;
        clock_.now.Second = second;
    }
};

void RotatorWindowTest::initTestCase() {
    init();
    StartApp(true);
    clock_.now = LocalDateTime{2026, 3, 1, 0, 0, 30};
    StartRealTime();
    bool found = false;
    for (int day = 1; day <= 28 && !found; ++day) {
        for (int hour = 0; hour < 24 && !found; ++hour) {
            clock_.now = LocalDateTime{2026, 3, day, hour, 0, 30};
            Pass();
            const double az = RealTimeLabel("lblUAZ")->text().toDouble();
            const double el = RealTimeLabel("lblUEL")->text().toDouble();
            found = el >= 10 && el <= 45 && az >= 20 && az <= 110;
        }
    }
    QVERIFY2(found, "no hour of March 2026 with the Moon low in the north-east");
    gMoonUp = clock_.now;
    cleanup();
}

void RotatorWindowTest::init() {
    CopyData();
}

void RotatorWindowTest::cleanup() {
    Reset();
}

void RotatorWindowTest::theParserReadsWhatTheRealDaemonSends() {
    RotctldProcess rotctld;
    QVERIFY(rotctld.Start());
    RotctldConversation talk;
    QByteArray sent;
    sent += QByteArray::fromStdString(talk.Ask(RotctldCommand::SetPosition, {2.0, 1.0}));
    sent += QByteArray::fromStdString(talk.Ask(RotctldCommand::GetPosition));
    sent += QByteArray::fromStdString(talk.Ask(RotctldCommand::SetPosition, {10.0, 100.0}));
    sent += QByteArray::fromStdString(talk.Ask(RotctldCommand::Stop));
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, rotctld.Port());
    QVERIFY(socket.waitForConnected(2000));
    socket.write(sent);
    std::vector<RotctldAnswer> answers;
    while (answers.size() < 4 && socket.waitForReadyRead(3000)) {
        const QByteArray bytes = socket.readAll();
        for (auto& answer : talk.Take(std::string_view(bytes.constData(), bytes.size()))) {
            answers.push_back(answer);
        }
    }
    QCOMPARE(answers.size(), std::size_t{4});
    QCOMPARE(answers[0].Report, 0);
    QVERIFY(answers[1].Position.has_value());
    QVERIFY(answers[1].Position->AzimuthDeg >= 0 && answers[1].Position->AzimuthDeg <= 2.0);
    QCOMPARE(answers[2].Report, -1);  // elevation 100 is beyond the dummy's 90
    QCOMPARE(answers[3].Command, RotctldCommand::Stop);
    QCOMPARE(answers[3].Report, 0);
    for (const auto& answer : answers) {
        QVERIFY(!answer.Garbled);
    }
}

void RotatorWindowTest::aRealTimeDisplayMovesTheRotatorToTheMoon() {
    RotctldProcess rotctld;
    QVERIFY(rotctld.Start());
    WriteIni("Enabled=true\nPort=" + std::to_string(rotctld.Port()) + "\n");
    StartApp(true);
    At(10);
    StartRealTime();
    QTRY_COMPARE_WITH_TIMEOUT(app_->Rotator().Connections(), 1, 5000);
    Pass();
    QTRY_COMPARE_WITH_TIMEOUT(rotctld.MovesReceived(), 1, 3000);

    // The move carries Home's azimuth and elevation as the window shows them.
    const auto move = LastMoveLogged(rotctld.Log());
    QVERIFY(move.has_value());
    QVERIFY(qAbs(move->first.toDouble() - RealTimeLabel("lblUAZ")->text().toDouble()) <= 0.051);
    QVERIFY(qAbs(move->second.toDouble() - RealTimeLabel("lblUEL")->text().toDouble()) <= 0.051);

    // Once the dummy has arrived, `p` reads back the commanded position.
    const QByteArray commanded = move->first + "\n" + move->second + "\n";
    QTRY_COMPARE_WITH_TIMEOUT(rotctld.Ask("p", 2), commanded, 40000);
    const QString shown = QString("ROT %1 %2")
                              .arg(move->first.toDouble(), 0, 'f', 1)
                              .arg(move->second.toDouble(), 0, 'f', 1);
    QTRY_COMPARE_WITH_TIMEOUT(Rotator()->text(), shown, 5000);
    QVERIFY(!IsRed(Rotator()));
    QVERIFY(Rotator()->isVisible());
    // QVAZEL.DAT is written as before.
    QVERIFY(ReadFile(Folder() / "QVAZEL.DAT").ends_with("\r\n"));
    Screenshot(app_->RealTime(), "real_time_rotator");
}

void RotatorWindowTest::lastSecondsSendsNothingAtSecond30AndOneMoveAtSecond52() {
    RotctldProcess rotctld;
    QVERIFY(rotctld.Start());
    WriteIni("Enabled=true\nPort=" + std::to_string(rotctld.Port()) +
             "\nMove=LastSeconds\nLastSeconds=10\n");
    StartApp(true);
    At(30);
    StartRealTime();
    QTRY_COMPARE_WITH_TIMEOUT(app_->Rotator().Connections(), 1, 5000);
    Pass();
    QTest::qWait(500);
    QCOMPARE(rotctld.MovesReceived(), 0);

    At(52);
    Pass();
    QTRY_COMPARE_WITH_TIMEOUT(rotctld.MovesReceived(), 1, 3000);
    for (int second : {53, 59}) {
        At(second);
        Pass();
    }
    QTest::qWait(500);
    QCOMPARE(rotctld.MovesReceived(), 1);
    QCOMPARE(app_->Rotator().MovesSent(), 1);
}

void RotatorWindowTest::theFloorHoldsTheRotatorAndTheRangeClampsTheElevation() {
    RotctldProcess rotctld;
    QVERIFY(rotctld.Start());
    WriteIni("Enabled=true\nPort=" + std::to_string(rotctld.Port()) +
             "\nMove=Threshold\nThreshold=0.01\nElevationFloor=60\n");
    const std::string savedDefaults = ReadFile(Folder() / "VELMORANT.DAT");
    StartApp(true);
    At(10);
    StartRealTime();
    QTRY_COMPARE_WITH_TIMEOUT(app_->Rotator().Connections(), 1, 5000);
    Pass();
    Pass();
    QTest::qWait(500);
    QCOMPARE(rotctld.MovesReceived(), 0);  // the Moon is below the floor of 60 degrees

    // The floor down, the rotator's range topped at 5 degrees, through the dialog.
    Find<QPushButton>(app_->RealTime(), "cmdRotator")->click();
    RotatorDialogView& dialog = app_->RotatorDialog();
    QVERIFY(dialog.isVisible());
    Find<QDoubleSpinBox>(dialog, "spnElevationFloor")->setValue(-90);
    Find<QDoubleSpinBox>(dialog, "spnElevationMax")->setValue(5);
    Screenshot(dialog, "rotator_dialog");
    QTest::mouseClick(Find<QPushButton>(dialog, "cmdRotatorOK"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());

    Pass();
    QTRY_COMPARE_WITH_TIMEOUT(rotctld.MovesReceived(), 1, 3000);
    QCOMPARE(LastMoveLogged(rotctld.Log())->second, QByteArray("5.00"));
    const std::string ini = ReadFile(Folder() / "VELMORANT.INI");
    QVERIFY2(ini.find("ElevationMax=5.00") != std::string::npos, ini.c_str());
    QVERIFY2(ini.find("ElevationFloor=-90.00") != std::string::npos, ini.c_str());
    QCOMPARE(ReadFile(Folder() / "VELMORANT.DAT"), savedDefaults);
}

void RotatorWindowTest::aBadSettingsFileFallsBackToTheDefaults() {
    WriteIni(
        "Enabled=perhaps\nPort=abc\nHost=\nMove=Sometimes\nElevationMin=60\n"
        "ElevationMax=20\n\x01\x02 garbage [ without = sense\n");
    StartApp(false);
    const RotatorSettings& s = app_->RotatorChoice();
    QVERIFY(!s.Enabled);
    QCOMPARE(s.Port, 4533);
    QCOMPARE(s.Host, std::string("127.0.0.1"));
    QCOMPARE(s.MoveRule, RotatorMoveRule::EachMinute);
    QCOMPARE(s.ElevationRangeMaxDeg, 90.0);
    Find<QPushButton>(app_->RealTime(), "cmdRotator")->click();
    RotatorDialogView& dialog = app_->RotatorDialog();
    const QString notes = Find<QLabel>(dialog, "lblRotatorProblems")->text();
    QVERIFY2(notes.contains("Port=abc") && notes.contains("Enabled=perhaps"), qPrintable(notes));
    QCOMPARE(Find<QSpinBox>(dialog, "spnRotatorPort")->value(), 4533);
    QVERIFY(Find<QRadioButton>(dialog, "optMoveEachMinute")->isChecked());
    Screenshot(dialog, "rotator_dialog_bad_ini");
    // A blank host is refused in the dialog, which stays open.
    Find<QLineEdit>(dialog, "txtRotatorHost")->clear();
    QTest::mouseClick(Find<QPushButton>(dialog, "cmdRotatorOK"), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QVERIFY(Find<QLabel>(dialog, "lblRotatorProblems")->text().contains("host"));
}

void RotatorWindowTest::noDaemonAtRunIsShownRetriedAndJoinedWhenItStarts() {
    const quint16 port = FreeLoopbackPort();
    WriteIni("Enabled=true\nElevationFloor=-90\nPort=" + std::to_string(port) + "\n");
    StartApp(false);
    StartRealTime();
    QTRY_COMPARE_WITH_TIMEOUT(Rotator()->text(), QString("connection refused"), 3000);
    QVERIFY(IsRed(Rotator()));
    QVERIFY(Rotator()->toolTip().contains("127.0.0.1:" + QString::number(port)));
    // The window's seconds go on.
    const QString before = RealTimeLabel("lblTime")->text();
    QTRY_VERIFY_WITH_TIMEOUT(RealTimeLabel("lblTime")->text() != before, 2500);

    RotctldProcess rotctld(port);
    QVERIFY(rotctld.Start());
    QTRY_VERIFY_WITH_TIMEOUT(Rotator()->text().startsWith("ROT "), 15000);
    QVERIFY(!IsRed(Rotator()));
    QTRY_COMPARE_WITH_TIMEOUT(rotctld.MovesReceived(), 1, 3000);
}

void RotatorWindowTest::aDaemonKilledAndStartedAgainIsJoinedAndMovesAgain() {
    auto rotctld = std::make_unique<RotctldProcess>();
    QVERIFY(rotctld->Start());
    const quint16 port = rotctld->Port();
    WriteIni("Enabled=true\nElevationFloor=-90\nPort=" + std::to_string(port) + "\n");
    StartApp(false);
    StartRealTime();
    QTRY_COMPARE_WITH_TIMEOUT(rotctld->MovesReceived(), 1, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(Rotator()->text().startsWith("ROT "), 5000);

    rotctld->Stop();
    QTRY_COMPARE_WITH_TIMEOUT(Rotator()->text(), QString("connection lost"), 5000);
    QVERIFY(IsRed(Rotator()));

    rotctld = std::make_unique<RotctldProcess>(port);
    QVERIFY(rotctld->Start());
    QTRY_VERIFY_WITH_TIMEOUT(Rotator()->text().startsWith("ROT "), 15000);
    QCOMPARE(app_->Rotator().Connections(), 2);
    QTRY_COMPARE_WITH_TIMEOUT(rotctld->MovesReceived(), 1, 3000);
}

void RotatorWindowTest::anErrorAnswerIsShownInRed() {
    RotctldProcess rotctld;
    QVERIFY(rotctld.Start());
    // The range lets 95 degrees through; the dummy takes 0 to 90 and answers RPRT -1.
    WriteIni("Enabled=true\nElevationFloor=-90\nElevationMin=95\nElevationMax=100\nPort=" +
             std::to_string(rotctld.Port()) + "\n");
    StartApp(false);
    StartRealTime();
    QTRY_COMPARE_WITH_TIMEOUT(Rotator()->text(), QString("RPRT -1 invalid parameter"), 5000);
    QVERIFY(IsRed(Rotator()));
    // It stays on show while the position questions go on being answered.
    QTest::qWait(kRotctldPollMs + 500);
    QCOMPARE(Rotator()->text(), QString("RPRT -1 invalid parameter"));
    Screenshot(app_->RealTime(), "real_time_rotator_error");
}

void RotatorWindowTest::aHostThatNeverAnswersTimesOutWithoutHoldingTheWindow() {
    // A loopback socket that takes connections and never says a word.
    QTcpServer silent;
    QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
    WriteIni("Enabled=true\nElevationFloor=-90\nPort=" + std::to_string(silent.serverPort()) +
             "\n");
    StartApp(false);
    QElapsedTimer run;
    run.start();
    StartRealTime();
    QVERIFY(run.elapsed() < 1000);
    QCOMPARE(Rotator()->text(), QString("ROT --- ---"));
    const QString before = RealTimeLabel("lblTime")->text();
    QTRY_VERIFY_WITH_TIMEOUT(RealTimeLabel("lblTime")->text() != before, 2500);
    QElapsedTimer pass;
    pass.start();
    Pass();
    QVERIFY(pass.elapsed() < 500);
    QTRY_COMPARE_WITH_TIMEOUT(Rotator()->text(), QString("no answer in 5 s"), 8000);
    QVERIFY(IsRed(Rotator()));
}

void RotatorWindowTest::aDaemonTricklingBytesThatEndNoLineTimesOut() {
    // A loopback socket that sends a digit every 400 ms and never a line's end: the answer
    // clock runs from the question, not from the last byte.
    QTcpServer trickling;
    QVERIFY(trickling.listen(QHostAddress::LocalHost, 0));
    QTimer drip;
    drip.setInterval(400);
    QList<QTcpSocket*> peers;
    connect(&trickling, &QTcpServer::newConnection, this, [&] {
        while (QTcpSocket* peer = trickling.nextPendingConnection()) {
            peers << peer;
        }
        drip.start();
    });
    connect(&drip, &QTimer::timeout, this, [&] {
        for (QTcpSocket* peer : peers) {
            peer->write("1");
        }
    });
    WriteIni("Enabled=true\nElevationFloor=-90\nPort=" + std::to_string(trickling.serverPort()) +
             "\n");
    StartApp(false);
    StartRealTime();
    QTRY_COMPARE_WITH_TIMEOUT(Rotator()->text(), QString("no answer in 5 s"), 8000);
    drip.stop();
}

void RotatorWindowTest::stopStopsTheRotatorAndClosesTheConnection() {
    RotctldProcess rotctld;
    QVERIFY(rotctld.Start());
    WriteIni("Enabled=true\nElevationFloor=-90\nPort=" + std::to_string(rotctld.Port()) + "\n");
    StartApp(false);
    StartRealTime();
    QTRY_COMPARE_WITH_TIMEOUT(rotctld.MovesReceived(), 1, 5000);
    QTest::mouseClick(Main<QPushButton>("cmdStop"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(rotctld.StopsReceived(), 1, 3000);
    QCOMPARE(Rotator()->text(), QString());
    // No retry and no further move after STOP.
    QTest::qWait(1500);
    QCOMPARE(rotctld.MovesReceived(), 1);
    QCOMPARE(rotctld.StopsReceived(), 1);
    QCOMPARE(app_->Rotator().Connections(), 1);
}

QTEST_MAIN(RotatorWindowTest)
#include "rotator_window_test.moc"
