// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>

#include "ui/qt/wsjtx/wsjtx_messages.h"

// WSJT-X's datagrams built for the tests from the published field order (QDataStream, Qt 5.4's
// encoding, big-endian).

namespace velmorant::testing_support {

// A datagram as WSJT-X writes it: header, type, then whatever the test writes.
class Datagram {
  public:
    Datagram(quint32 type, quint32 schema = 3, quint32 magic = kWsjtxMagic)
        : stream_(&bytes, QIODevice::WriteOnly) {
        stream_.setByteOrder(QDataStream::BigEndian);
        stream_.setVersion(QDataStream::Qt_5_4);
        stream_ << magic << schema << type;
    }
    Datagram& Text(const QByteArray& text) {
        stream_ << static_cast<quint32>(text.size());
        stream_.writeRawData(text.constData(), static_cast<int>(text.size()));
        return *this;
    }
    Datagram& NoText() {
        stream_ << quint32{0xffffffff};
        return *this;
    }
    template <typename T>
    Datagram& Number(T value) {
        stream_ << value;
        return *this;
    }
    Datagram& Flag(bool value) {
        stream_ << static_cast<quint8>(value ? 1 : 0);
        return *this;
    }

    QByteArray bytes;

  private:
    QDataStream stream_;
};

// A whole Status of schema 3 as WSJT-X sends it during a contact: the DX station, WSJT-X's own
// grid, whether it transmits and its T/R period (seconds; none: 0xffffffff, "not sent").
struct StatusFields {
    std::string DxCall;
    std::string DxGrid;
    std::string DeGrid = "JO62";
    bool Transmitting = false;
    std::optional<quint32> PeriodSeconds = 60;
};

inline QByteArray StatusDatagram(const StatusFields& f) {
    Datagram d(1);
    d.Text("WSJT-X")
        .Number(quint64{144120000})
        .Text("Q65")
        .Text(QByteArray::fromStdString(f.DxCall));
    d.Text("-21").Text("Q65").Flag(true).Flag(f.Transmitting).Flag(false);
    d.Number(quint32{1000})
        .Number(quint32{1000})
        .Text("DL7APU")
        .Text(QByteArray::fromStdString(f.DeGrid));
    d.Text(QByteArray::fromStdString(f.DxGrid));
    d.Flag(false).Text("A").Flag(false).Number(quint8{0}).Number(quint32{50});
    d.Number(f.PeriodSeconds.value_or(0xffffffff)).Text("Default").Text("");
    return d.bytes;
}

}  // namespace velmorant::testing_support
