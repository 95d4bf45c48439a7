// SPDX-License-Identifier: GPL-3.0-or-later
// The window following WSJT-X over loopback UDP: a Status fills the DX row from CALL3.TXT or
// from its grid, the running real-time display follows at once, the header band tells whether
// WSJT-X is heard; the settings are kept from the rotator's dialog.

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QUdpSocket>

#include "tests/qt/real_time_device_test.h"
#include "tests/qt/wsjtx_datagram.h"

using namespace velmorant;
using velmorant::testing_support::StatusDatagram;

namespace {

// A UDP port nothing listens on now.
int FreeUdpPort() {
    QUdpSocket probe;
    if (!probe.bind(QHostAddress::LocalHost, 0)) {
        qFatal("no free UDP port");
    }
    return probe.localPort();
}

}  // namespace

class WsjtxWindowTest : public RealTimeDeviceTest {
    Q_OBJECT

  private:
    // The window over a fresh folder following WSJT-X on a free port, a real-time display
    // running on the test's clock.
    void StartFollowing() {
        CopyData();
        port_ = FreeUdpPort();
        WriteIni("WSJTX", "Enabled=true\nAddress=127.0.0.1\nPort=" + std::to_string(port_) + "\n");
        StartApp(true);
        clock_.now = LocalDateTime{2026, 3, 1, 16, 0, 10};
        StartRealTime();
    }
    void Send(const testing_support::StatusFields& fields) {
        QUdpSocket sender;
        QCOMPARE(sender.writeDatagram(StatusDatagram(fields), QHostAddress::LocalHost,
                                      static_cast<quint16>(port_)),
                 StatusDatagram(fields).size());
    }

    int port_ = 0;

  private slots:
    void aStatusFillsTheDxRowAndTheDisplayFollows() {
        StartFollowing();
        QCOMPARE(RealTimeLabel("lblWsjtx")->text(), QString("WSJT-X: no Status yet"));
        // A call in the list: the row as the lookup button fills it.
        Send({"9H1ZB", "JM75", "JN58td", false, 60});
        QTRY_COMPARE(Main<QLineEdit>("txtLocatorDX")->text(), QString("JM75fv"));
        QCOMPARE(Main<QLineEdit>("txtCallsignDX")->text(), QString("9H1ZB"));
        QCOMPARE(Main<QLineEdit>("txtNotesDX")->text(), QString("EME 2M 4x17el 1kW"));
        // The display took the new station at once, without waiting for the timer.
        QCOMPARE(RealTimeLabel("lblCallsignDX")->text(), QString("9H1ZB"));
        QCOMPARE(RealTimeLabel("lblWsjtx")->text(), QString("WSJT-X RX"));
        QVERIFY(!IsRed(RealTimeLabel("lblWsjtx")));
        // A call not in the list: the grid through the calculation button.
        Send({"VK4ABC", "QF56od", "JN58td", true, 60});
        QTRY_COMPARE(Main<QLineEdit>("txtLocatorDX")->text(), QString("QF56od"));
        QCOMPARE(Main<QLineEdit>("txtCallsignDX")->text(), QString("VK4ABC"));
        QCOMPARE(Main<QLineEdit>("txtLatDegDX")->text(), QString("33"));
        QCOMPARE(RealTimeLabel("lblCallsignDX")->text(), QString("VK4ABC"));
        QCOMPARE(RealTimeLabel("lblWsjtx")->text(), QString("WSJT-X TX"));
        auto* status = Main<QLineEdit>("txtDateCalc");
        QCOMPARE(status->text(), QString("DX from WSJT-X: VK4ABC QF56OD"));
        // The status line stays on show through the display's passes.
        clock_.now.Second = 11;
        Pass();
        QVERIFY(status->isVisible());
        QCOMPARE(app_->Wsjtx().Refused(), 0);
        Screenshot(app_->RealTime(), "frmRT-wsjtx");
        Screenshot(app_->View(), "frmInput-wsjtx");
        // 30 s without a Status: said in red.
        clock_.now.Second = 45;
        Pass();
        QCOMPARE(RealTimeLabel("lblWsjtx")->text(), QString("WSJT-X: no Status for 30 s"));
        QVERIFY(IsRed(RealTimeLabel("lblWsjtx")));
        Reset();
    }

    // The rotator's dialog holds the rule and the following; both are kept in VELMORANT.INI.
    // Turned off, the window stops listening and the header band forgets WSJT-X.
    void theSettingsAreKeptFromTheRotatorsDialog() {
        StartFollowing();
        QTest::mouseClick(Find<QPushButton>(app_->RealTime(), "cmdRotator"), Qt::LeftButton);
        RotatorDialogView& dialog = app_->RotatorDialog();
        QTRY_VERIFY(dialog.isVisible());
        auto* follow = Find<QCheckBox>(dialog, "chkWsjtxEnabled");
        QVERIFY(follow->isChecked());
        QCOMPARE(Find<QSpinBox>(dialog, "spnWsjtxPort")->value(), port_);
        Find<QRadioButton>(dialog, "optMoveWsjtx")->setChecked(true);
        QVERIFY(Find<QSpinBox>(dialog, "spnLastSeconds")->isEnabled());
        Screenshot(dialog, "frmRotator");
        follow->setChecked(false);
        QVERIFY(!Find<QLineEdit>(dialog, "txtWsjtxAddress")->isEnabled());
        QTest::mouseClick(Find<QPushButton>(dialog, "cmdRotatorOK"), Qt::LeftButton);
        QCOMPARE(app_->RotatorChoice().MoveRule, RotatorMoveRule::WithWsjtx);
        QVERIFY(!app_->WsjtxChoice().Enabled);
        const std::string ini = ReadFile(Folder() / "VELMORANT.INI");
        QVERIFY2(ini.find("Move=WithWsjtx") != std::string::npos, ini.c_str());
        QVERIFY2(ini.find("[WSJTX]") != std::string::npos, ini.c_str());
        QVERIFY(RealTimeLabel("lblWsjtx")->isHidden());
        // Not listening: a Status changes nothing.
        const QString dx = Main<QLineEdit>("txtLocatorDX")->text();
        Send({"VK4ABC", "QF56od", "JN58td", false, 60});
        QTest::qWait(300);
        QCOMPARE(Main<QLineEdit>("txtLocatorDX")->text(), dx);
        Reset();
    }

    // Another program already bound the port without sharing it: the window tells why it does
    // not hear WSJT-X.
    void aPortThatCannotBeSharedIsTold() {
        CopyData();
        QUdpSocket holder;
        QVERIFY(holder.bind(QHostAddress::LocalHost, 0, QUdpSocket::DontShareAddress));
        WriteIni("WSJTX", "Enabled=true\nAddress=127.0.0.1\nPort=" +
                              std::to_string(holder.localPort()) + "\n");
        StartApp(true);
        clock_.now = LocalDateTime{2026, 3, 1, 16, 0, 10};
        StartRealTime();
        QCOMPARE(RealTimeLabel("lblWsjtx")->text(), QString("WSJT-X: cannot listen"));
        QVERIFY(IsRed(RealTimeLabel("lblWsjtx")));
        QVERIFY(RealTimeLabel("lblWsjtx")->toolTip().contains("UDP 127.0.0.1:"));
        Reset();
    }
};

QTEST_MAIN(WsjtxWindowTest)
#include "wsjtx_window_test.moc"
