// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes arriving on WSJT-X's UDP port, as one datagram: reading it never crashes, takes only
// datagrams with WSJT-X's magic number and schema 2 or 3, never makes up text the datagram does
// not hold, and never reports the "not applicable" T/R period.

#include <QByteArray>

#include "tests/fuzz/fuzz_input.h"
#include "ui/qt/wsjtx/wsjtx_messages.h"

namespace {

// The datagram's big-endian 32-bit word at `offset`.
std::uint32_t Word(const QByteArray& datagram, int offset) {
    std::uint32_t word = 0;
    for (int i = 0; i < 4; ++i) {
        word = word << 8 | static_cast<std::uint8_t>(datagram[offset + i]);
    }
    return word;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmorant;
    const QByteArray datagram(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto message = ReadWsjtxDatagram(datagram);
    if (!message) {
        return 0;
    }
    FUZZ_REQUIRE(size >= 12);
    FUZZ_REQUIRE(Word(datagram, 0) == kWsjtxMagic);
    const std::uint32_t schema = Word(datagram, 4);
    FUZZ_REQUIRE(schema == 2 || schema == 3);
    const std::uint32_t type = Word(datagram, 8);
    // Each text came with its 32-bit length out of the bytes after the header.
    std::size_t textBytes = 0;
    if (const auto* heartbeat = std::get_if<WsjtxHeartbeat>(&*message)) {
        FUZZ_REQUIRE(type == 0);
        textBytes = 4 + heartbeat->Id.size();
    } else if (const auto* status = std::get_if<WsjtxStatus>(&*message)) {
        FUZZ_REQUIRE(type == 1);
        for (const std::string* text :
             {&status->Id, &status->Mode, &status->DxCall, &status->Report, &status->TxMode,
              &status->DeCall, &status->DeGrid, &status->DxGrid}) {
            textBytes += 4 + text->size();
        }
        FUZZ_REQUIRE(!status->TrPeriodSeconds || *status->TrPeriodSeconds != 0xffffffff);
    } else {
        FUZZ_REQUIRE(std::get<WsjtxOtherMessage>(*message).Type == type);
        FUZZ_REQUIRE(type > 1);
    }
    FUZZ_REQUIRE(12 + textBytes <= size);
    return 0;
}
