#include "ui/model/real_time_session.h"

#include <variant>

#include "run/realtime/real_time_frame.h"
#include "run/realtime/real_time_map.h"
#include "run/realtime/real_time_pass.h"
#include "run/run_parameters.h"
#include "run/sky_temperature_file.h"

namespace velmorant {

void RealTimeSession::Pass() {
    MainWindowControls& w = window_.Controls;
    WindowWriter& writer = window_.Writer;
    // A real-time display never restricts by azimuth or time.
    writer.PutText(w.txtGMTMIN, "0000");
    writer.PutText(w.txtGMTMAX, "2400");
    writer.PutText(w.txtAZMIN, "0");
    writer.PutText(w.txtAZMAX, "360");
    if (state_.Fresh) {
        lastMapUpdateMinute_ = -1;
        if (display_.Open) {
            display_.Open(w.cboCelestial.text);
        }
    }
    writer.Show(w.cmdRUN, false);
    writer.Show(w.cmdStop, true);

    // A pass that cannot be made stops the display with its message (once, not every second).
    auto refuse = [this](const RunMessage& message) {
        window_.Stop();
        window_.Messages.ShowMessage(message.Text, message.Title);
    };
    auto gathered = GatherRunParameters(window_.Inputs());
    if (const auto* message = std::get_if<RunMessage>(&gathered)) {
        refuse(*message);
        return;
    }
    const RunParameters& params = std::get<RunParameters>(gathered);
    if (!params.Object) {
        refuse(RunMessage{"Input Required",
                          "Please select a Celestial Object for Tracking from the Object list."});
        return;
    }
    auto table = LoadSkyTemperatures(run_.Folder / kSkyTemperatureFileName);
    if (const auto* message = std::get_if<RunMessage>(&table)) {
        refuse(*message);
        return;
    }

    const RealTimePassResult pass =
        RealTimePass(params, std::get<SkyTemperatureTable>(table), clock_.Now());
    if (display_.ShowPass) {
        display_.ShowPass(pass.Frame);
    }

    // The map, the topocentric labels and QVAZEL.DAT: right after the display starts, then on
    // the first pass of every UTC minute.
    if (MinuteUpdateDue(pass, state_.Fresh, lastMapUpdateMinute_)) {
        const MapUpdateFrame update = MapUpdate(params, pass, state_.PreviousTopocentricDec);
        if (display_.ShowMapUpdate) {
            display_.ShowMapUpdate(update);
        }
        if (display_.WriteAzEl) {
            display_.WriteAzEl(update.AzElLine);
        }
        state_.Fresh = false;
    }
    // The rotator after QVAZEL.DAT, which it never touches.
    if (display_.Rotator != nullptr && display_.RotatorChoice != nullptr) {
        rotator_.Pass(*display_.RotatorChoice, pass, *display_.Rotator);
    }
    writer.Show(w.txtDateCalc, false);
}

void RealTimeSession::Stop() {
    if (display_.Rotator != nullptr) {
        rotator_.Stop(*display_.Rotator);
    }
}

}  // namespace velmorant
