// RUN in Real-Time: one pass a second while the display runs (the timer presses RUN again).

#include <variant>

#include "run/realtime/real_time_frame.h"
#include "run/realtime/real_time_map.h"
#include "run/realtime/real_time_pass.h"
#include "run/run_parameters.h"
#include "run/sky_temperature_file.h"
#include "ui/model/main_window_model.h"

namespace velmorant {

void MainWindowModel::RealTimeRun() {
    // A real-time display never restricts by azimuth or time.
    PutText(txtGMTMIN, "0000");
    PutText(txtGMTMAX, "2400");
    PutText(txtAZMIN, "0");
    PutText(txtAZMAX, "360");
    if (RealTimeFresh == 1) {
        lastMapUpdateMinute_ = -1;
        if (RealTime.Open) {
            RealTime.Open(cboCelestial.text);
        }
    }
    Show(cmdRUN, false);
    Show(cmdStop, true);

    // A pass that cannot be made stops the display with its message (once, not every second).
    auto refuse = [this](const RunMessage& message) {
        cmdStop_Click();
        messages_.ShowMessage(message.Text, message.Title);
    };
    auto gathered = GatherRunParameters(Inputs());
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
    auto table = LoadSkyTemperatures(Run.Folder / kSkyTemperatureFileName);
    if (const auto* message = std::get_if<RunMessage>(&table)) {
        refuse(*message);
        return;
    }

    const RealTimePassResult pass =
        RealTimePass(params, std::get<SkyTemperatureTable>(table), clock_.Now());
    if (RealTime.ShowPass) {
        RealTime.ShowPass(pass.Frame);
    }

    // The map, the topocentric labels and QVAZEL.DAT: right after the display starts, then on
    // the first pass of every UTC minute.
    if (MinuteUpdateDue(pass, RealTimeFresh == 1, lastMapUpdateMinute_)) {
        const MapUpdateFrame update = MapUpdate(params, pass, PreviousTopocentricDec);
        if (RealTime.ShowMapUpdate) {
            RealTime.ShowMapUpdate(update);
        }
        if (RealTime.WriteAzEl) {
            RealTime.WriteAzEl(update.AzElLine);
        }
        RealTimeFresh = 0;
    }
    Show(txtDateCalc, false);
}

}  // namespace velmorant
