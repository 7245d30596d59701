// LoadResident over a full resident file (793 records, own name table,
// special instructions, hydration): the print run loads one per resident and
// meal order, so a 500-resident run in "BYM" order makes 1,500 loads.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "data/data_file_names.h"
#include "data/record_file.h"
#include "data/resident_loader.h"

namespace {

namespace fs = std::filesystem;

fs::path makeDriveFolder() {
  const fs::path root = fs::temp_directory_path() / ("mealcards-bench-" + std::to_string(std::random_device{}()));
  fs::create_directories(root / "c");
  return root;
}

struct Facility {
  fs::path root = makeDriveFolder();
  mc::DriveMap drives{root};
  mc::Facility facility;
  mc::NameTable names;

  Facility() {
    facility.FacCode = "BN";
    facility.Folders.assign(45, "c:\\dnv");
    facility.Folders[1] = "c:\\dnv\\res";
    facility.Folders[38] = "c:\\dnv\\diets";
    std::string bytes;
    for (int n = 1; n <= 793; ++n) {
      mc::Rec r(82);
      if (n == 2) r.at(5, "101-A").at(15, "Anderson, Mary");
      if (n == 8) r.at(11, "  2").at(15, "MECH SOFT").at(29, "  4").at(33, "NAS").at(47, " 12").at(51, "ADA 1800 CAL");
      if (n == 57 || n == 64) r.at(4, "X.X.X.X.X.X.X.X.X.X.X.X.X.X.X.");
      if (n >= 50 && n <= 70) r.at(2, "(12) NECTAR THICK LIQUIDS");
      if (n >= 773 && n <= 776) r.at(2, "Water 240cc").at(28, "Milk 240cc").at(54, "Tea 180cc");
      if (n >= 779) r.at(4, "Own like").at(24, "Own like AT LCH").at(44, "Own dislike").at(64, "Dislike @B");
      if (n == 780) r.byte(21, 186);
      bytes += r.str();
    }
    write(mc::residentDataPath(facility, "RS00001"), bytes);
    write(facility.folder(39) + "\\dietBN", std::string(200 * 20, 'x'));
    fs::last_write_time(*drives.hostPath(facility.folder(39) + "\\dietBN"),
                        fs::file_time_type::clock::now() - std::chrono::hours(1));
    names.loaded = true;
  }
  ~Facility() { fs::remove_all(root); }

  void write(const std::string& windowsPath, const std::string& bytes) {
    const fs::path host = *drives.hostPath(windowsPath);
    fs::create_directories(host.parent_path());
    std::ofstream(host, std::ios::binary) << bytes;
  }
};

void BM_LoadResident(benchmark::State& state) {
  static Facility f;
  mc::DietFile diet;
  mc::ResidentLoadOptions options;
  options.MealOrder = "LSB";
  options.Hipaa = 1;
  options.names = &f.names;
  mc::ResidentRecord record;
  record.ResidentFile = "RS00001";
  for (auto _ : state) {
    record.Loaded = false;
    mc::LoadResident(record, diet, f.drives, f.facility, options);
    benchmark::DoNotOptimize(record.NameLine);
  }
}
BENCHMARK(BM_LoadResident)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
