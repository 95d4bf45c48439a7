// SPDX-License-Identifier: GPL-3.0-or-later
// WSJT-X's datagrams built here from the published field order (QDataStream, Qt 5.4's encoding,
// big-endian) and read back: Status and Heartbeat of schemas 2 and 3, older messages without
// the later fields, and datagrams that are not WSJT-X's or lie about a length; then sent over
// loopback UDP to the listener, on a plain address and on a multicast group.

#include "ui/qt/wsjtx/wsjtx_messages.h"

#include <QNetworkDatagram>
#include <QUdpSocket>
#include <QtTest>

#include "tests/qt/wsjtx_datagram.h"
#include "ui/qt/wsjtx/wsjtx_listener.h"

using namespace velmorant;
using velmorant::testing_support::Datagram;

namespace {

// A Status up to the DX grid: the fields every version of the program sends.
void UpToGrid(Datagram& d) {
    d.Text("WSJT-X").Number(quint64{144120000}).Text("Q65").Text("DL7APU").Text("-21").Text("Q65");
    d.Flag(true).Flag(true).Flag(false).Number(quint32{1000}).Number(quint32{1200});
    d.Text("W1XYZ").Text("FN31pq").Text("JO62");
}

}  // namespace

class WsjtxMessagesTest : public QObject {
    Q_OBJECT

  private slots:
    void aFullStatusIsReadWithItsPeriod() {
        Datagram d(1);
        UpToGrid(d);
        d.Flag(false)
            .Text("A")
            .Flag(false)
            .Number(quint8{0})
            .Number(quint32{50})
            .Number(quint32{60});
        d.Text("Default").Text("DL7APU W1XYZ FN31").Text("a field of a later version");
        const auto message = ReadWsjtxDatagram(d.bytes);
        QVERIFY(message && std::holds_alternative<WsjtxStatus>(*message));
        const WsjtxStatus& s = std::get<WsjtxStatus>(*message);
        QCOMPARE(s.Id, std::string("WSJT-X"));
        QCOMPARE(s.DialFrequencyHz, quint64{144120000});
        QCOMPARE(s.DxCall, std::string("DL7APU"));
        QVERIFY(s.Transmitting && s.TxEnabled && !s.Decoding);
        QCOMPARE(s.TxDfHz, quint32{1200});
        QCOMPARE(s.DeGrid, std::string("FN31pq"));
        QCOMPARE(s.DxGrid, std::string("JO62"));
        QCOMPARE(s.TrPeriodSeconds, std::optional<std::uint32_t>(60));
    }

    void anOlderStatusEndsAfterTheGridAndAPeriodMayNotApply() {
        Datagram schema2(1, 2);
        UpToGrid(schema2);
        const auto older = ReadWsjtxDatagram(schema2.bytes);
        QVERIFY(older && std::holds_alternative<WsjtxStatus>(*older));
        QVERIFY(!std::get<WsjtxStatus>(*older).TrPeriodSeconds);
        Datagram d(1);
        UpToGrid(d);
        d.Flag(false)
            .NoText()
            .Flag(false)
            .Number(quint8{0})
            .Number(quint32{0xffffffff})
            .Number(quint32{0xffffffff});
        const auto notApplicable = ReadWsjtxDatagram(d.bytes);
        QVERIFY(notApplicable && !std::get<WsjtxStatus>(*notApplicable).TrPeriodSeconds);
    }

    // The whole Status the other tests send, read back field by field.
    void theTestsStatusReadsBack() {
        const auto message = ReadWsjtxDatagram(
            testing_support::StatusDatagram({"VK4ABC", "QF56od", "JO65", true, quint32{30}}));
        QVERIFY(message && std::holds_alternative<WsjtxStatus>(*message));
        const WsjtxStatus& s = std::get<WsjtxStatus>(*message);
        QCOMPARE(s.DxCall, std::string("VK4ABC"));
        QCOMPARE(s.DxGrid, std::string("QF56od"));
        QCOMPARE(s.DeGrid, std::string("JO65"));
        QVERIFY(s.Transmitting);
        QCOMPARE(s.TrPeriodSeconds, std::optional<quint32>(30));
    }

    void heartbeatsWithAndWithoutTheirSchema() {
        Datagram old(0, 2);
        old.Text("WSJT-X");
        const auto a = ReadWsjtxDatagram(old.bytes);
        QVERIFY(a && std::holds_alternative<WsjtxHeartbeat>(*a));
        QCOMPARE(std::get<WsjtxHeartbeat>(*a).MaximumSchema, quint32{2});
        Datagram now(0, 3);
        now.Text("WSJT-X").Number(quint32{3}).Text("2.7.0").Text("abc");
        QCOMPARE(std::get<WsjtxHeartbeat>(*ReadWsjtxDatagram(now.bytes)).MaximumSchema, quint32{3});
        // Other messages are known as such and passed over.
        Datagram decode(2, 3);
        decode.Text("WSJT-X");
        QCOMPARE(std::get<WsjtxOtherMessage>(*ReadWsjtxDatagram(decode.bytes)).Type, quint32{2});
    }

    void whatIsNotWsjtxsIsRefused() {
        Datagram lying(1, 3);
        lying.Number(quint32{2000000000}).Text("WSJT-X");  // an Id longer than the datagram
        Datagram full(1);
        UpToGrid(full);
        QByteArray cut = full.bytes;
        cut.chop(3);                                                   // the DX grid cut short
        const QByteArray cases[] = {Datagram(1, 3, 0xdeadbeef).bytes,  // another magic number
                                    Datagram(1, 1).bytes,              // schema 1's broken encoding
                                    Datagram(1, 4).bytes,              // a schema not known
                                    lying.bytes,
                                    cut,
                                    QByteArray("\xad\xbc", 2),
                                    QByteArray()};
        for (const QByteArray& bytes : cases) {
            QVERIFY2(!ReadWsjtxDatagram(bytes), bytes.toHex().constData());
        }
    }

    // On the loopback address: the Status arrives, a datagram that is not WSJT-X's is passed
    // over, and a second listener may share the port.
    void aStatusSentToTheListenersPortArrives() {
        const quint16 port = FreeUdpPort();
        WsjtxListener listener;
        QCOMPARE(listener.Open("127.0.0.1", port), std::string());
        WsjtxListener beside;
        QCOMPARE(beside.Open("127.0.0.1", port), std::string());
        std::string dx;
        listener.StatusReceived = [&dx](const WsjtxStatus& status) { dx = status.DxCall; };
        beside.StatusReceived = listener.StatusReceived;
        Datagram d(1);
        UpToGrid(d);
        QUdpSocket sender;
        sender.writeDatagram("not WSJT-X's", QHostAddress::LocalHost, port);
        sender.writeDatagram(d.bytes, QHostAddress::LocalHost, port);
        QTRY_COMPARE_WITH_TIMEOUT(dx, std::string("DL7APU"), 2000);
        QCOMPARE(listener.Refused() + beside.Refused(), 1);
        QVERIFY(listener.Open("not an address", port).find("not an IP address") !=
                std::string::npos);
    }

    // A multicast group: VELMORANT and another program (a plain socket here) both get every
    // Status, as WSJT-X serves several listeners at once.
    void everyListenerOfAGroupHearsWsjtx() {
        const quint16 port = FreeUdpPort();
        WsjtxListener listener;
        const std::string problem = listener.Open("224.0.0.1", port);
        if (!problem.empty()) {
            QSKIP(("this machine joins no multicast group: " + problem).c_str());
        }
        QUdpSocket other;
        QVERIFY(other.bind(QHostAddress::AnyIPv4, port,
                           QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint));
        QVERIFY(other.joinMulticastGroup(QHostAddress("224.0.0.1")));
        std::string dx;
        listener.StatusReceived = [&dx](const WsjtxStatus& status) { dx = status.DxCall; };
        const QByteArray status = testing_support::StatusDatagram({"VK4ABC", "QF56od"});
        QUdpSocket sender;
        sender.setSocketOption(QAbstractSocket::MulticastLoopbackOption, 1);
        sender.writeDatagram(status, QHostAddress("224.0.0.1"), port);
        QTRY_COMPARE_WITH_TIMEOUT(dx, std::string("VK4ABC"), 2000);
        QTRY_VERIFY_WITH_TIMEOUT(other.hasPendingDatagrams(), 2000);
        QCOMPARE(other.receiveDatagram().data(), status);
    }

    // 64 KiB of noise, with and without WSJT-X's header in front, read and sent to a listener:
    // passed over, nothing read beyond the datagram.
    void noiseIsPassedOver() {
        QByteArray noise(65000, Qt::Uninitialized);
        quint32 state = 12345;
        for (char& byte : noise) {
            state = state * 1103515245u + 12345u;  // any fixed sequence will do
            byte = static_cast<char>(state >> 24);
        }
        Datagram headed(1);
        headed.bytes += noise;
        QVERIFY(!ReadWsjtxDatagram(noise));
        QVERIFY(!ReadWsjtxDatagram(headed.bytes));
        const quint16 port = FreeUdpPort();
        WsjtxListener listener;
        QCOMPARE(listener.Open("127.0.0.1", port), std::string());
        QUdpSocket sender;
        for (const QByteArray& bytes : {noise, headed.bytes}) {
            QCOMPARE(sender.writeDatagram(bytes, QHostAddress::LocalHost, port), bytes.size());
        }
        QTRY_COMPARE_WITH_TIMEOUT(listener.Refused(), 2, 2000);
    }

  private:
    static quint16 FreeUdpPort() {
        QUdpSocket probe;
        probe.bind(QHostAddress::LocalHost, 0);
        return probe.localPort();
    }
};

QTEST_MAIN(WsjtxMessagesTest)
#include "wsjtx_messages_test.moc"
