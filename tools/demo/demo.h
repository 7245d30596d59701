// The demo facility: a complete, made-up facility tree that the README's
// main command, the tests and the benchmarks use. Each part of the tree is
// written by its own file here, registered with DemoPart; parts run in
// the order of their `order` numbers.
#pragma once

#include <string>

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
