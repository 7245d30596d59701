// LoadResident: reads one resident's data file into the resident record,
// arranges everything that exists once per meal into the meal slots of the
// meal order, classifies the diet and reads the diet file.
#pragma once

#include <string>

#include "data/diet_file.h"
#include "data/drive_map.h"
#include "data/facility.h"
#include "data/resident_record.h"

namespace mc {

// What the loader takes from the settings and from start-up. The caller
// fills it from the settings model, so this layer does not depend on it.
struct ResidentLoadOptions {
  // The meal order of this round: "", "BLS", "LSB", "SBL", "BBB", "LLL" or
  // "SSS" (a "BYM" run passes its three one-meal orders in turn).
  std::string MealOrder;
  // The privacy setting (Text35) 0..5; 1, 3 and 4 abbreviate the name.
  int Hipaa = 0;
  // Read the four clip-art numbers, which are the adaptive-equipment picture
  // numbers: the "ADE Pictures on Card" switch (Check11, as the renderer
  // reads it, i.e. held at 0 on assisted-living menus).
  bool ClipArt = false;
  // Copy the resident's files to the backup folder first (backupOptionOn).
  bool Backup = false;
  // The alternate facility code of the menu-set settings; it chooses the
  // diet file.
  std::string AltFacCode;
  // The standard like/dislike names read at start-up; null or not loaded
  // when the table file is missing, and then no likes or dislikes are listed.
  const NameTable* names = nullptr;
};

// Loads record.ResidentFile unless record.Loaded is already set (the print
// run clears it when the next resident is due). A missing data file leaves
// the reset record with NameLine and Diet 30 blanks and ResidentPath empty.
void LoadResident(ResidentRecord& record, DietFile& dietFile, const DriveMap& drives,
                  const Facility& facility, const ResidentLoadOptions& options);

// What is wrong with the shape of a resident data file, "" when nothing is:
// the facility's programs write whole 82-byte records of text, so a file
// that is empty, ends before the diet record or inside a record, holds NUL
// or other control bytes, or has line ends where no record ends has been
// damaged (cut short, converted, overwritten) and its fields cannot be
// trusted: a pureed diet could read as "Regular".
// The same for its fields alone: a file of whole records of text whose diet
// codes or like and dislike flags are not where the record keeps them, as
// when a byte was inserted or lost in front of them (and the file's length
// made good at its end). "" when they are in place.
std::string residentFieldDamage(const RecordFile& file);
std::string residentFileDamage(const RecordFile& file);

// The name as the HIPAA settings 1, 3 and 4 print it: "Smith, John" gives
// "Smi., Jo.".
std::string abbreviatedName(const std::string& name);

}  // namespace mc
