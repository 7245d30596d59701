// A setup file "F.kvt" for tests, field by field, with the layout start-up
// reads: record 1, the name in record 4, the units, the folders, the date
// and value records and record 200.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/facility.h"
#include "support/test_drives.h"

namespace mc::test {

struct TestSetup {
  TestSetup();

  std::string facCode = "TST";
  std::vector<NursingUnit> units = {{10, "North Wing"}, {8, "South Wing"}};
  std::vector<std::string> folders;  // 45: 2 residents, 35 pictures, 40 rosters, the rest c:\dnv
  std::string defaultUnit = "1";
  std::string defaultResident = "2";
  std::string residentFile = "RS00102";
  std::string name = "Test Home";
  std::string date = "03-15-07";
  std::string site = "AB1";

  long dateRecord() const { return 35L + static_cast<long>(units.size() + folders.size()); }
  // Writes the file at the path (any drive), creating its folders.
  void write(const TempDrives& drives, std::string_view path = "c:\\dnv\\setup\\F.kvt") const;
};

// Creates the folder of a drive letter (drive c exists already).
void addDrive(const TempDrives& drives, char letter);

}  // namespace mc::test
