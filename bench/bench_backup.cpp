// The PDF backup's cost over generated facilities of 250 and 1,000
// residents (10 units of 25 and of 100): the same print to a PDF with and
// without --backup, each in a process of its own on a fresh copy of the
// facility, so that its peak memory, CPU time and files are its own.
//
//   bench_backup [UNITS RESIDENTS]      (default: both sizes)
//
// "cpu/wall" is the CPU time of all the program's threads over its wall
// time: above 1, the store's encoders run beside the print on more than
// one core. "written" is what the run left on the disk: every file it made
// or changed, the --pdf document included. The load average is printed
// with the figures: on a shared machine the wall times stretch with it.
// Exit 1 when a run failed, the copy in the PDF folder is not the backup
// byte for byte, or the backup takes more than 12 times the print or
// writes more than 250 MB.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Measured {
  double wall = 0, cpu = 0;
  long peakKb = 0;
  int exitCode = -1;
  unsigned long long written = 0;
};

double loadAverage() {
  double load[1] = {0};
  return getloadavg(load, 1) == 1 ? load[0] : -1;
}

unsigned long long writtenSince(const fs::path& dir, fs::file_time_type start) {
  unsigned long long bytes = 0;
  std::error_code ec;
  for (fs::recursive_directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
    if (it->is_regular_file(ec) && it->last_write_time(ec) >= start) bytes += it->file_size(ec);
  return bytes;
}

Measured run(const std::vector<std::string>& args, const fs::path& dir) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  // File times have the file system's granularity: start a little before.
  const auto since = fs::file_time_type::clock::now() - std::chrono::milliseconds(50);
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!freopen("/dev/null", "w", stderr)) _exit(127);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  Measured m;
  m.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  m.cpu = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
  m.peakKb = usage.ru_maxrss;
  m.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  m.written = writtenSince(dir, since);
  return m;
}

std::string readFile(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

int countPages(const fs::path& cards) {
  int n = 0;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(cards, ec))
    if (e.path().extension() == ".jpg") ++n;
  return n;
}

void print(const char* name, int pages, const Measured& m) {
  std::printf("%-16s %6d %8.2f %8.2f %8.2f %10.1f %10.1f\n", name, pages, m.wall, m.cpu, m.cpu / m.wall,
              m.peakKb / 1024.0, m.written / 1048576.0);
}

// One facility size; false when a check failed.
bool bench(const std::string& units, const std::string& residents) {
  const fs::path dir = fs::temp_directory_path() / ("mealcards-bench-backup-" + std::to_string(getpid()));
  const fs::path generated = dir / "generated";
  const std::string generate = std::string(MEALCARDS_DEMO_GENERATOR) + " " + generated.string() + " --units " +
                               units + " --residents " + residents + " >/dev/null";
  if (std::system(generate.c_str()) != 0) {
    std::fprintf(stderr, "bench_backup: cannot generate the facility in %s\n", generated.c_str());
    return false;
  }
  const auto printRun = [&](const std::string& name, bool backup) {
    const fs::path tree = dir / name;
    fs::create_directories(tree);
    fs::copy(generated, tree / "drives", fs::copy_options::recursive);
    // The copy's files are older than the run's start by more than the
    // margin that run() allows for the file system's clock.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    std::vector<std::string> args = {MEALCARDS_BINARY, "--drives", (tree / "drives").string(), "--date", "07-04-27",
                                     "--pdf", (tree / "cards.pdf").string(), "print"};
    if (backup) args.push_back("--backup");
    return run(args, tree);
  };
  std::printf("\n%s units of %s residents, load average %.1f\n", units.c_str(), residents.c_str(), loadAverage());
  std::printf("%-16s %6s %8s %8s %8s %10s %10s\n", "run", "pages", "wall s", "cpu s", "cpu/wall", "peak MB",
              "written MB");
  const Measured plain = printRun("plain", false);
  print("print", 0, plain);
  const Measured backup = printRun("backup", true);
  const fs::path dnv = dir / "backup" / "drives" / "c" / "dnv";
  const int pages = countPages(dnv / "output" / "cards");
  print("print --backup", pages, backup);
  const double times = backup.wall / plain.wall;
  const bool copyExact = fs::exists(dnv / "PDF" / "TC.PDF") &&
                         readFile(dnv / "PDF" / "TC.PDF") == readFile(dnv / "output" / "cards" / "TC.pdf");
  std::printf("backup: %.1f times the print's wall time (%.1f its CPU time), %.1f ms CPU per page; "
              "copy in the PDF folder %s; load average now %.1f\n",
              times, backup.cpu / plain.cpu, pages > 0 ? 1000 * (backup.cpu - plain.cpu) / pages : 0.0,
              copyExact ? "identical" : "NOT identical", loadAverage());
  fs::remove_all(dir);
  const bool ok = plain.exitCode == 0 && backup.exitCode == 0 && copyExact && times <= 12 &&
                  backup.written <= 250ull << 20;
  if (!ok) std::printf("backup: over a limit (exit codes %d and %d)\n", plain.exitCode, backup.exitCode);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2) return bench(argv[1], argv[2]) ? 0 : 1;
  const bool small = bench("10", "25");
  const bool large = bench("10", "100");
  return small && large ? 0 : 1;
}
