// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velmorant {

// What a planning run writes: the paged report, or its rows as CSV or JSON (`plan --format`).
enum class PlanningForm { Report, Csv, Json };

}  // namespace velmorant
