// Opening the run's PDF backup in a PDF reader, so that the kitchen can
// print from it when the printer failed during the run.
#pragma once

#include <optional>

#include "data/drive_map.h"
#include "data/facility.h"
#include "printrun/dialogs.h"
#include "printrun/program_launcher.h"

namespace mc {

// Where the reader is looked for, in this order.
extern const char* const kReaderPaths[5];

// CheckABR: the first reader of kReaderPaths that this machine can start,
// else the desktop's document viewer; nothing, after the message that the
// last path tried was not found, when there is neither. The call names no
// file yet.
std::optional<ProgramCall> CheckABR(ProgramLauncher& launcher, Dialogs& dialogs);

// "&Print Backup PDF Cards": opens TC.pdf of the cards folder in the reader
// and waits until the reader is closed; without TC.pdf, says so and opens
// each per-meal file that exists, saying which are missing.
void ViewBackupPdf(const DriveMap& drives, const Facility& facility, ProgramLauncher& launcher,
                   Dialogs& dialogs);

}  // namespace mc
