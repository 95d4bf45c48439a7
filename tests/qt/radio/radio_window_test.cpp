// SPDX-License-Identifier: GPL-3.0-or-later
// The radio from the real-time window against a real rigctld (Hamlib's dummy radio, started here
// on a free loopback port and stopped by its process id): the frequencies of the Doppler mode,
// the operator's own turn of the dial, STOP, the settings dialog and VELMORANT.INI, and the
// faults (no daemon, a daemon killed and started again, an error answer, a radio that never
// answers), none of which may hold up the window's seconds.

#include <cmath>
#include <memory>
#include <string>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QList>
#include <QPushButton>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include "tests/qt/hamlib_process.h"
#include "tests/qt/real_time_device_test.h"

using namespace velmorant;

namespace {

// 10368.100 MHz on a 144 MHz radio behind a 10224 MHz transverter.
constexpr double kSkyHz = 10368.1e6;
constexpr double kOffsetHz = 10224e6;

// The [Radio] lines for a radio at this port.
std::string RadioLines(quint16 port, const std::string& more = {}) {
    return "Enabled=true\nPort=" + std::to_string(port) +
           "\nSkyFrequency=10368100000\nTransverterOffset=10224000000\n" + more;
}

}  // namespace

class RadioWindowTest : public RealTimeDeviceTest {
    Q_OBJECT

  private slots:
    void init() { CopyData(); }
    void cleanup() { Reset(); }

    void aRealTimeDisplayTunesTheRadioForTheMoon();
    void theOperatorsTurnOfTheDialBecomesTheSkyFrequency();
    void stopLeavesTheRadioOnTheSkyFrequency();
    void theDialogKeepsTheSettingsInVelmorantIni();
    void noDaemonAtRunIsShownRetriedAndJoinedWhenItStarts();
    void aDaemonKilledAndStartedAgainIsJoinedAndTunesAgain();
    void anErrorAnswerIsShownInRed();
    void aRadioThatNeverAnswersTimesOutWithoutHoldingTheWindow();

  private:
    QLabel* Radio() { return RealTimeLabel("lblRadio"); }
    // The window at 2026-03-01 16:00:10 UTC on the 10368 MHz band, so that the Doppler row
    // shows the shifts at the sky frequency (to a fraction of a hertz).
    void StartOnTheTestClock() {
        StartApp(true);
        clock_.now = LocalDateTime{2026, 3, 1, 16, 0, 10};
        QVERIFY(app_->Model().ApplySetting("cboBand", "10368").Ok);
        StartRealTime();
    }
    // The own echo's shift the window shows, hertz.
    double EchoHz() {
        return RealTimeLabel("lblEchoDoppler")->text().split(' ').front().toDouble();
    }
};

void RadioWindowTest::aRealTimeDisplayTunesTheRadioForTheMoon() {
    RigctldProcess rigctld;
    QVERIFY(rigctld.Start());
    WriteIni("Radio", RadioLines(rigctld.Port(), "Mode=OwnEcho\nSplit=radio\n"));
    StartOnTheTestClock();
    QTRY_COMPARE_WITH_TIMEOUT(app_->Radio().Connections(), 1, 5000);
    Pass();
    QTRY_VERIFY_WITH_TIMEOUT(rigctld.FrequenciesReceived() >= 2, 5000);
    const double echoHz = EchoHz();
    QVERIFY(std::abs(echoHz) > 1000);
    // Own echo: receive F + E, transmit F, both 10224 MHz down; the window's E is rounded to
    // the hertz, the band's 10368 MHz is 0.3 Hz short of F's shift.
    const double receiveHz = kSkyHz - kOffsetHz + echoHz;
    QVERIFY2(std::abs(rigctld.Frequency("f") - receiveHz) <= 1.5,
             qPrintable(QString::number(rigctld.Frequency("f"), 'f', 0)));
    QCOMPARE(rigctld.Frequency("i"), kSkyHz - kOffsetHz);
    // The window shows what the radio reports.
    Pass();
    QTRY_VERIFY2_WITH_TIMEOUT(Radio()->text().startsWith("RX 144."), qPrintable(Radio()->text()),
                              3000);
    QVERIFY(Radio()->text().endsWith("TX 144.100000"));
    QVERIFY(!IsRed(Radio()));
    Screenshot(app_->RealTime(), "frmRT-radio");
    // The same second again sends nothing more.
    const int sent = rigctld.FrequenciesReceived();
    Pass();
    QTest::qWait(300);
    QCOMPARE(rigctld.FrequenciesReceived(), sent);
}

void RadioWindowTest::theOperatorsTurnOfTheDialBecomesTheSkyFrequency() {
    RigctldProcess rigctld;
    QVERIFY(rigctld.Start());
    WriteIni("Radio", RadioLines(rigctld.Port(), "Mode=OwnEcho\n"));
    StartOnTheTestClock();
    QTRY_COMPARE_WITH_TIMEOUT(app_->Radio().Connections(), 1, 5000);
    Pass();
    QTRY_VERIFY_WITH_TIMEOUT(rigctld.FrequenciesReceived() >= 2, 5000);
    // The operator tunes 3 kHz up on the radio itself (here: a second client of rigctld).
    const double dialHz = rigctld.Frequency("f") + 3000;
    const QByteArray answer = rigctld.Ask("F " + QByteArray::number(dialHz, 'f', 0), 1);
    QVERIFY2(answer == "RPRT 0\n", rigctld.Log().right(3000).constData());
    clock_.now.Second = 11;
    Pass();
    // Tracking goes on from the new sky frequency: the receive frequency stays where the
    // operator put it, the transmit frequency moves up 3 kHz with it.
    QTRY_COMPARE_WITH_TIMEOUT(rigctld.Frequency("i"), kSkyHz - kOffsetHz + 3000, 5000);
    QVERIFY(std::abs(rigctld.Frequency("f") - dialHz) <= 1);
}

void RadioWindowTest::stopLeavesTheRadioOnTheSkyFrequency() {
    RigctldProcess rigctld;
    QVERIFY(rigctld.Start());
    WriteIni("Radio", RadioLines(rigctld.Port(), "Mode=ConstantOnMoon\n"));
    StartOnTheTestClock();
    Pass();
    QTRY_VERIFY_WITH_TIMEOUT(rigctld.FrequenciesReceived() >= 2, 5000);
    QVERIFY(rigctld.Frequency("f") != kSkyHz - kOffsetHz);
    QTest::mouseClick(Main<QPushButton>("cmdStop"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(rigctld.Frequency("f"), kSkyHz - kOffsetHz, 3000);
    QCOMPARE(rigctld.Frequency("i"), kSkyHz - kOffsetHz);
    QCOMPARE(Radio()->text(), QString());
    // No retry and no further tuning after STOP (the daemon's log may lag a little).
    QTest::qWait(500);
    const int sent = rigctld.FrequenciesReceived();
    QTest::qWait(1500);
    QCOMPARE(rigctld.FrequenciesReceived(), sent);
    QCOMPARE(app_->Radio().Connections(), 1);
}

void RadioWindowTest::theDialogKeepsTheSettingsInVelmorantIni() {
    WriteIni("Radio", "Enabled=perhaps\nPort=abc\nMode=Echo\nSkyFrequency=1296100000\n");
    StartApp(false);
    QVERIFY(!app_->RadioChoice().Enabled);
    Find<QPushButton>(app_->RealTime(), "cmdRadio")->click();
    RadioDialogView& dialog = app_->RadioDialog();
    const QString notes = Find<QLabel>(dialog, "lblRadioProblems")->text();
    QVERIFY2(notes.contains("Port=abc") && notes.contains("Mode=Echo"), qPrintable(notes));
    QCOMPARE(Find<QSpinBox>(dialog, "spnRadioPort")->value(), 4532);
    QCOMPARE(Find<QDoubleSpinBox>(dialog, "spnSkyFrequency")->value(), 1296.1);
    Find<QCheckBox>(dialog, "chkRadioEnabled")->setChecked(true);
    Find<QDoubleSpinBox>(dialog, "spnSkyFrequency")->setValue(10368.1);
    Find<QDoubleSpinBox>(dialog, "spnTransverterOffset")->setValue(10224);
    Find<QComboBox>(dialog, "cboDopplerMode")->setCurrentIndex(2);  // Full Doppler to DX
    Find<QComboBox>(dialog, "cboRadioSplit")->setCurrentIndex(1);   // one VFO
    Screenshot(dialog, "frmRadio");
    QTest::mouseClick(Find<QPushButton>(dialog, "cmdRadioOK"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    const std::string ini = ReadFile(Folder() / "VELMORANT.INI");
    for (const char* line :
         {"[Radio]", "Enabled=true", "SkyFrequency=10368100000", "TransverterOffset=10224000000",
          "Mode=FullDx", "Split=none", "Port=4532"}) {
        QVERIFY2(ini.find(line) != std::string::npos, ini.c_str());
    }
    QCOMPARE(app_->RadioChoice().Mode, DopplerTuningMode::FullDx);
    // A radio frequency below 0 is refused in the dialog, which stays open.
    Find<QPushButton>(app_->RealTime(), "cmdRadio")->click();
    Find<QDoubleSpinBox>(dialog, "spnTransverterOffset")->setValue(20000);
    QTest::mouseClick(Find<QPushButton>(dialog, "cmdRadioOK"), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QVERIFY(Find<QLabel>(dialog, "lblRadioProblems")->text().contains("Transverter offset"));
}

void RadioWindowTest::noDaemonAtRunIsShownRetriedAndJoinedWhenItStarts() {
    const quint16 port = FreeLoopbackPort();
    WriteIni("Radio", RadioLines(port));
    StartApp(false);
    StartRealTime();
    QTRY_COMPARE_WITH_TIMEOUT(Radio()->text(), QString("connection refused"), 3000);
    QVERIFY(IsRed(Radio()));
    QVERIFY(Radio()->toolTip().contains("rigctld at 127.0.0.1:" + QString::number(port)));
    // The window's seconds go on.
    const QString before = RealTimeLabel("lblTime")->text();
    QTRY_VERIFY_WITH_TIMEOUT(RealTimeLabel("lblTime")->text() != before, 2500);

    RigctldProcess rigctld(port);
    QVERIFY(rigctld.Start());
    QTRY_VERIFY_WITH_TIMEOUT(Radio()->text().startsWith("RX "), 15000);
    QVERIFY(!IsRed(Radio()));
    QTRY_VERIFY_WITH_TIMEOUT(rigctld.FrequenciesReceived() >= 2, 3000);
}

void RadioWindowTest::aDaemonKilledAndStartedAgainIsJoinedAndTunesAgain() {
    auto rigctld = std::make_unique<RigctldProcess>();
    QVERIFY(rigctld->Start());
    const quint16 port = rigctld->Port();
    WriteIni("Radio", RadioLines(port));
    StartApp(false);
    StartRealTime();
    QTRY_VERIFY_WITH_TIMEOUT(rigctld->FrequenciesReceived() >= 2, 5000);

    rigctld->Stop();
    QTRY_COMPARE_WITH_TIMEOUT(Radio()->text(), QString("connection lost"), 5000);
    QVERIFY(IsRed(Radio()));

    // The new daemon's radio starts on its own frequency: it is tuned again, and that is not
    // taken for the operator's dial.
    rigctld = std::make_unique<RigctldProcess>(port);
    QVERIFY(rigctld->Start());
    QTRY_VERIFY_WITH_TIMEOUT(Radio()->text().startsWith("RX 144."), 15000);
    QCOMPARE(app_->Radio().Connections(), 2);
    QVERIFY(std::abs(rigctld->Frequency("i") - (kSkyHz - kOffsetHz)) < 1);
}

void RadioWindowTest::anErrorAnswerIsShownInRed() {
    // Hamlib's dummy takes any frequency; a daemon of the test's own answers the questions as a
    // radio on 144.1 MHz and refuses every frequency, as a radio refuses one out of its range.
    QTcpServer refusing;
    QVERIFY(refusing.listen(QHostAddress::LocalHost, 0));
    QList<QTcpSocket*> peers;
    connect(&refusing, &QTcpServer::newConnection, this, [&] {
        while (QTcpSocket* peer = refusing.nextPendingConnection()) {
            peers << peer;
            connect(peer, &QTcpSocket::readyRead, this, [peer] {
                while (peer->canReadLine()) {
                    const QByteArray line = peer->readLine().trimmed();
                    peer->write(line == "f" || line == "i" ? "144100000\n" : "RPRT -1\n");
                }
            });
        }
    });
    WriteIni("Radio", RadioLines(refusing.serverPort()));
    StartApp(false);
    StartRealTime();
    QTRY_COMPARE_WITH_TIMEOUT(Radio()->text(), QString("RPRT -1 invalid parameter"), 5000);
    QVERIFY(IsRed(Radio()));
    // It stays on show while the radio's frequencies go on being read, and the refused tuning
    // is tried again each second, never taken for the operator's dial.
    QTest::qWait(2500);
    QCOMPARE(Radio()->text(), QString("RPRT -1 invalid parameter"));
    QCOMPARE(app_->Radio().Connections(), 1);
}

void RadioWindowTest::aRadioThatNeverAnswersTimesOutWithoutHoldingTheWindow() {
    // The dummy radio switched off answers no question about its frequency.
    RigctldProcess rigctld;
    QVERIFY(rigctld.Start());
    QCOMPARE(rigctld.Ask("\\set_powerstat 0", 1), QByteArray("RPRT 0\n"));
    WriteIni("Radio", RadioLines(rigctld.Port()));
    StartApp(false);
    QElapsedTimer run;
    run.start();
    StartRealTime();
    QVERIFY(run.elapsed() < 1000);
    QCOMPARE(Radio()->text(), QString("RIG ---"));
    const QString before = RealTimeLabel("lblTime")->text();
    QTRY_VERIFY_WITH_TIMEOUT(RealTimeLabel("lblTime")->text() != before, 2500);
    QElapsedTimer pass;
    pass.start();
    Pass();
    QVERIFY(pass.elapsed() < 500);
    QTRY_COMPARE_WITH_TIMEOUT(Radio()->text(), QString("no answer in 5 s"), 8000);
    QVERIFY(IsRed(Radio()));
    QVERIFY(Radio()->toolTip().contains("trying again every 10 s"));
}

QTEST_MAIN(RadioWindowTest)
#include "radio_window_test.moc"
