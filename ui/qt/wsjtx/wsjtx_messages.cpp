// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/wsjtx/wsjtx_messages.h"

#include <QDataStream>
#include <QIODevice>

namespace velmorant {

namespace {

constexpr std::uint32_t kNoText = 0xffffffff;
constexpr std::uint32_t kNotApplicable = 0xffffffff;

// Reads fields one by one; after the first that does not fit, every read fails.
class FieldReader {
  public:
    explicit FieldReader(const QByteArray& datagram) : datagram_(datagram), stream_(datagram_) {
        stream_.setByteOrder(QDataStream::BigEndian);
        stream_.setVersion(QDataStream::Qt_5_4);
    }

    bool AtEnd() const { return stream_.atEnd(); }
    bool Ok() const { return ok_ && stream_.status() == QDataStream::Ok; }

    template <typename T>
    T Number() {
        T value{};
        if (Ok()) {
            stream_ >> value;
        }
        return value;
    }

    bool Flag() { return Number<quint8>() != 0; }

    std::string Text() {
        const auto length = Number<quint32>();
        if (!Ok() || length == kNoText) {
            return {};
        }
        // Never trust a length: it must fit in what is left of the datagram.
        const qint64 left = datagram_.size() - stream_.device()->pos();
        if (static_cast<qint64>(length) > left) {
            ok_ = false;
            return {};
        }
        std::string text(length, '\0');
        if (length > 0 && stream_.readRawData(text.data(), static_cast<int>(length)) !=
                              static_cast<int>(length)) {
            ok_ = false;
            return {};
        }
        return text;
    }

  private:
    QByteArray datagram_;
    QDataStream stream_;
    bool ok_ = true;
};

}  // namespace

std::optional<WsjtxMessage> ReadWsjtxDatagram(const QByteArray& datagram) {
    FieldReader fields(datagram);
    const auto magic = fields.Number<quint32>();
    const auto schema = fields.Number<quint32>();
    const auto type = fields.Number<quint32>();
    if (!fields.Ok() || magic != kWsjtxMagic || (schema != 2 && schema != 3)) {
        return std::nullopt;
    }
    if (type == 0) {
        WsjtxHeartbeat heartbeat;
        heartbeat.Id = fields.Text();
        if (!fields.Ok()) {
            return std::nullopt;
        }
        if (!fields.AtEnd()) {
            heartbeat.MaximumSchema = fields.Number<quint32>();
        }
        return fields.Ok() ? std::optional<WsjtxMessage>(heartbeat) : std::nullopt;
    }
    if (type != 1) {
        return WsjtxOtherMessage{type};
    }
    WsjtxStatus s;
    s.Id = fields.Text();
    s.DialFrequencyHz = fields.Number<quint64>();
    s.Mode = fields.Text();
    s.DxCall = fields.Text();
    s.Report = fields.Text();
    s.TxMode = fields.Text();
    s.TxEnabled = fields.Flag();
    s.Transmitting = fields.Flag();
    s.Decoding = fields.Flag();
    s.RxDfHz = fields.Number<quint32>();
    s.TxDfHz = fields.Number<quint32>();
    s.DeCall = fields.Text();
    s.DeGrid = fields.Text();
    s.DxGrid = fields.Text();
    if (!fields.Ok()) {
        return std::nullopt;
    }
    // Later fields came with later versions of the program: the T/R period is the last one read.
    if (!fields.AtEnd()) {
        fields.Flag();             // Tx watchdog
        fields.Text();             // sub-mode
        fields.Flag();             // fast mode
        fields.Number<quint8>();   // special operating activity
        fields.Number<quint32>();  // frequency tolerance
        const auto period = fields.Number<quint32>();
        if (fields.Ok() && period != kNotApplicable) {
            s.TrPeriodSeconds = period;
        }
    }
    return s;
}

}  // namespace velmorant
