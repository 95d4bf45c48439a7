// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include <QByteArray>

// The datagrams WSJT-X sends its listeners ("network messages"): a big-endian header (the magic
// number 0xadbccbda, a schema number), a message type, then the message's fields in QDataStream's
// encoding (schema 2: Qt 5.2's, schema 3: Qt 5.4's; the same for every field read here). Texts
// are "utf8": a 32-bit length and that many bytes, 0xffffffff for none. Only Heartbeat (type 0)
// and Status (type 1) are read; fields added after the ones known here are passed over, as the
// protocol asks. Nothing in a datagram is trusted: a length beyond the datagram's end makes the
// datagram not WSJT-X's.

namespace velmorant {

inline constexpr std::uint32_t kWsjtxMagic = 0xadbccbda;

struct WsjtxHeartbeat {
    std::string Id;                   // the sending program's unique key ("WSJT-X")
    std::uint32_t MaximumSchema = 2;  // 2 when the field is absent (older programs)
};

struct WsjtxStatus {
    std::string Id;
    std::uint64_t DialFrequencyHz = 0;
    std::string Mode;
    std::string DxCall;
    std::string Report;
    std::string TxMode;
    bool TxEnabled = false;
    bool Transmitting = false;
    bool Decoding = false;
    std::uint32_t RxDfHz = 0;
    std::uint32_t TxDfHz = 0;
    std::string DeCall;
    std::string DeGrid;
    std::string DxGrid;
    // The transmit/receive period, seconds; none when the program did not send it or it does not
    // apply (0xffffffff).
    std::optional<std::uint32_t> TrPeriodSeconds;
};

// Another message type: a listener passes it over.
struct WsjtxOtherMessage {
    std::uint32_t Type = 0;
};

using WsjtxMessage = std::variant<WsjtxHeartbeat, WsjtxStatus, WsjtxOtherMessage>;

// The message of a datagram; none when it is not WSJT-X's (another magic number, a schema other
// than 2 or 3, fields cut short, a text longer than what is left).
std::optional<WsjtxMessage> ReadWsjtxDatagram(const QByteArray& datagram);

}  // namespace velmorant
