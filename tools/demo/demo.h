// The demo facility: a complete, made-up facility tree that the README's
// main command, the tests and the benchmarks use. Each part of the tree is
// written by its own file here, registered with DemoPart; parts run in
// the order of their `order` numbers.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "data/drive_map.h"

namespace mc::demo {

struct DemoOptions {
  int residentsPerUnit = 0;  // 0: the demo's own hand-made residents
  int units = 0;             // 0: the demo's own three units
};

using DemoWriter = void (*)(const DriveMap& drives, const DemoOptions& options);

struct DemoPart {
  DemoPart(int order, const char* name, DemoWriter writer);
};

// Writes record n of a fixed-record file under the drive map, creating the
// folders it needs. Aborts the generator with a message when it cannot.
void putRecord(const DriveMap& drives, const std::string& windowsPath, int length, long n,
               const std::string& record);
// Writes a whole file (bytes as given).
void putFile(const DriveMap& drives, const std::string& windowsPath, const std::string& bytes);

}  // namespace mc::demo

namespace mc::demo {

// ---- The demo facility's identity and folder table ----
inline constexpr const char* kFacCode = "MGC";
inline constexpr const char* kFacilityName = "Maple Grove Care Center";
inline constexpr const char* kSetupFile = "c:\\dnv\\setup\\F.kvt";
inline constexpr int kFolderCount = 45;
// Folder n as the setup file names it. The folders the program uses are
// distinct, so that a wrong folder number cannot go unnoticed; on disk some
// of them are spelt in another case than here, as happens on Windows.
std::string folder(int n);

// ---- Nursing units, dining locations and residents ----
struct DemoUnit {
  int maxBeds;
  std::string name;
};

struct DemoDiningLocation {
  std::string abbreviation;  // 3 characters
  std::string description;   // up to 38; an "@" asks for the hydration box
};

struct DemoResident {
  int unit = 1;
  int bed = 1;               // record number in the unit's roster
  std::string file;          // 7-character resident file name
  std::string name;          // "Last, First"
  std::string room;          // up to 6
  std::array<std::string, 5> dietPart{};  // components 1..4
  std::array<int, 5> dietCode{};          // codes 1..4
  std::string breakfastLoc, lunchLoc, supperLoc;  // dining location abbreviations
  bool hospital = false;     // roster column 1 "H"
};

// The demo's units, dining locations and residents; with options.units and
// options.residentsPerUnit set, a generated facility of that size instead
// (the benchmarks use it).
std::vector<DemoUnit> units(const DemoOptions& options);
const std::vector<DemoDiningLocation>& diningLocations();
std::vector<DemoResident> residents(const DemoOptions& options);
// The diet text of a resident as the roster holds it (columns 41-70).
std::string rosterDiet(const DemoResident& r);

}  // namespace mc::demo
