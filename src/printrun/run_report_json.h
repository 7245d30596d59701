// The run report for programs: one JSON object, the same keys for a print
// run (print --report FILE) and for the pre-flight check (check --json), so
// that a script reads either the same way. Texts are UTF-8.
#pragma once

#include "data/json_writer.h"
#include "printrun/run_report.h"

namespace mc {

// `printed`, `units`, `left_out`, `warnings`, `problems`, `failed_outputs`
// and `exit`; the caller may add members of its own.
JsonObject runReportJson(const RunReport& report, int exitStatus);

}  // namespace mc
