// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/station_dialog/station_choice.h"

#include "stations/callsign_search.h"
#include "stations/locator.h"
#include "stations/station_list.h"
#include "stations/station_listing.h"
#include "ui/model/defaults/text_storage.h"

namespace velmorant {

ActionResult ChooseStation(MainWindowModel& form, const StationRow& row, const std::string& value) {
    if (IsLocatorText(value)) {
        form.PutText(form.*row.Callsign, "");
        form.PutText(form.*row.Notes, "");
        form.PutText(form.*row.Locator, value);
        if (row.Home) {
            form.cmdLocatorHomeCalc_Click();
        } else {
            form.cmdLocatorDXCalc_Click();
        }
        return ActionResult::Done();
    }
    if (value.find('*') != std::string::npos) {
        return ActionResult::Refused("the pattern " + value + " names no single station");
    }
    // A fresh search: no browse pending, and no status of an earlier find standing, so that
    // only an exact find of this callsign shows one afterwards.
    form.PutText(form.txtSearch, "");
    form.PutText(form.txtDateCalc, "");
    form.PutText(form.*row.Callsign, value);
    if (row.Home) {
        form.cmdHomeLookup_Click();
    } else {
        form.cmdDXLookup_Click();
    }
    if (form.EndRequested()) {
        return ActionResult::Refused("the station list " + std::string(kStationListFileName) +
                                     " cannot be read");
    }
    if (!form.StatusShowsFind() || !form.txtDateCalc.Text.starts_with(kExactMatchStatus)) {
        return ActionResult::Refused("no exact match for " + value + " in " +
                                     std::string(kStationListFileName));
    }
    return ActionResult::Done();
}

std::variant<std::vector<StationSite>, std::string> DxStationsNamed(MainWindowModel& form,
                                                                    const std::string& value) {
    std::vector<StationSite> sites;
    if (!value.empty() && value.find('*') == std::string::npos) {
        const ActionResult chosen = ChooseStation(form, kDXRow, value);
        if (!chosen.Ok) {
            return chosen.Error;
        }
        sites.push_back(GatherDxSite(InputsOf(form, kDXRow)));
        return sites;
    }
    const auto text = form.Stations.List != nullptr ? form.Stations.List->ReadAll() : std::nullopt;
    if (!text) {
        return "the station list " + std::string(kStationListFileName) + " cannot be read";
    }
    return DxSitesOf(form, ListStations(*text, value));
}

std::vector<StationSite> DxSitesOf(MainWindowModel& form, std::span<const StationRecord> records) {
    std::vector<StationSite> sites;
    sites.reserve(records.size());
    for (const StationRecord& record : records) {
        form.ShowFoundStation(kDXRow, record);
        sites.push_back(GatherDxSite(InputsOf(form, kDXRow)));
    }
    return sites;
}

}  // namespace velmorant
