#include "support/test_setup_file.h"

#include <filesystem>

namespace mc::test {

TestSetup::TestSetup() {
  for (int f = 1; f <= 45; ++f)
    folders.push_back(f == 2 ? "c:\\dnv\\res" : f == 35 ? "c:\\dnv\\pics" : f == 40 ? "c:\\dnv\\rost" : "c:\\dnv");
}

void TestSetup::write(const TempDrives& drives, std::string_view path) const {
  const int L = 32;
  drives.put(path, L, 1,
             Rec(L).field(1, 3, facCode)
                 .field(4, 5, std::to_string(units.size()))
                 .field(6, 7, std::to_string(folders.size()))
                 .field(8, 9, defaultUnit)
                 .field(10, 11, defaultResident)
                 .field(16, 22, residentFile).str());
  drives.put(path, L, 4, Rec(L).field(1, 32, name).str());
  long n = 5;
  for (const NursingUnit& u : units)
    drives.put(path, L, n++, Rec(L).field(1, 3, std::to_string(u.maxBeds)).field(4, 23, u.name).str());
  for (const std::string& f : folders) drives.put(path, L, n++, Rec(L).field(1, 32, f).str());
  const long d = dateRecord();
  drives.put(path, L, d, Rec(L).field(7, 14, date).field(15, 22, "VALUE2").field(23, 30, "VALUE3").str());
  drives.put(path, L, d + 1, Rec(L).field(1, 8, "VALUE4").field(9, 16, "VALUE5").field(17, 19, "V9").str());
  drives.put(path, L, d + 2, Rec(L).field(1, 14, "VALUE7").str());
  drives.put(path, L, 200, Rec(L).field(9, 9, "1").field(17, 19, site).str());
}

void addDrive(const TempDrives& drives, char letter) {
  std::filesystem::create_directories(drives.root() / std::string(1, letter));
}

}  // namespace mc::test
