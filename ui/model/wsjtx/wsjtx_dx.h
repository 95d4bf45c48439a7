// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <utility>

// The DX station WSJT-X works, put into the main window's DX row as the operator would put it:
// a callsign found exactly in CALL3.TXT as the lookup button fills it, otherwise WSJT-X's grid
// through the calculation button. No message box: WSJT-X speaks every few seconds, and the
// operator is busy with the contact. What happened goes to the status line.

namespace velmorant {

class MainWindowModel;

// What a Status says of the two stations of a contact.
struct WsjtxStations {
    std::string DxCall;
    std::string DxGrid;
    std::string DeGrid;  // WSJT-X's own grid, the operator's station
};

// The status line's words for a DX station taken from WSJT-X.
inline constexpr const char* kWsjtxDxStatus = "DX from WSJT-X:";

class WsjtxDxFollower {
  public:
    // A Status arrived. When its DX call or DX grid differs from the last Status's, the DX row
    // is filled (a call and a grid both empty leave it as it is; a call that is not a callsign,
    // a grid that is not a locator, count as empty) and the status line says
    // "DX from WSJT-X: CALL GRID"; when WSJT-X's own grid lies outside the Home locator's
    // square, the status line says so too, once for each pair of squares. True when the DX row
    // was filled again.
    bool TakeStatus(MainWindowModel& form, const WsjtxStations& stations);

    // Whether the status line's text is one this follower wrote (a real-time display keeps it
    // on show).
    static bool IsFollowerText(const std::string& text);

  private:
    // Fills the DX row and writes the status line's text; false when neither the list nor the
    // grid places the station.
    bool FillDx(MainWindowModel& form, const std::string& call, const std::string& grid,
                std::string& status);
    // The warning when WSJT-X's grid lies outside Home's square, once for each pair.
    std::optional<std::string> DeGridWarning(const MainWindowModel& form,
                                             const std::string& deGrid);

    std::optional<std::pair<std::string, std::string>> lastDx_;
    std::string warnedPair_;
};

}  // namespace velmorant
