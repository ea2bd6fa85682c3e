// End-to-end runs of generated models, each in a process of its own: regular frames of 25 × 10,
// 100 × 20 and 200 × 20 (nodes in natural and in shuffled order) with all four outputs, and a
// continuous beam of 200,000 nodes with the text report and the drawing. For each it prints the
// CPU time (least of the runs) and wall time, the peak memory (wait4), the time of each phase
// of the run, and the ratio to a floor: the same count of numbers formatted by std::to_chars
// and the same bytes written, in a process of its own too. Then it checks the targets.
//
//   bench_end_to_end                      the whole suite
//   bench_end_to_end --generate frame S B natural|shuffled FILE
//   bench_end_to_end --generate beam N FILE
//   bench_end_to_end --child PHASES ARGS  one run of the program, phase times to PHASES
//   bench_end_to_end --floor NUMBERS BYTES DIR
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ModelGenerator.h"
#include "app/Driver.h"
#include "clock/PhaseClock.h"

namespace {

namespace fs = std::filesystem;
using znClock::Phase;

constexpr int kRuns = 5;
constexpr int kPhaseCount = static_cast<int>(Phase::Count);

struct stRun {
  double cpu = 1e300;  // seconds, user + system
  double wall = 1e300;
  double peakMegabytes = 0.0;
  std::vector<double> phases = std::vector<double>(kPhaseCount, 0.0);
  bool ok = true;
};

double Seconds(const timeval& t) {
  return static_cast<double>(t.tv_sec) + 1e-6 * static_cast<double>(t.tv_usec);
}

// Runs this program again with the arguments and waits for it; CPU time and peak memory of
// that process alone.
stRun RunChild(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    std::freopen("/dev/null", "w", stdout);
    execv("/proc/self/exe", argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  stRun run;
  run.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.cpu = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
  run.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
  run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return run;
}

// The least CPU time of the runs, with the phases of that run and the largest peak memory.
stRun Measure(const std::vector<std::string>& args, const std::string& phasesPath, int runs) {
  stRun best;
  double peak = 0.0;
  for (int r = 0; r < runs; ++r) {
    stRun run = RunChild(args);
    if (!run.ok) return run;
    peak = std::max(peak, run.peakMegabytes);
    if (run.cpu < best.cpu) {
      std::ifstream in(phasesPath);
      for (double& seconds : run.phases) in >> seconds;
      best = run;
    }
  }
  best.peakMegabytes = peak;
  return best;
}

// The numbers of the outputs: the words that begin like a number and hold a digit.
std::size_t CountNumbers(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string word;
  std::size_t count = 0;
  char c = 0;
  const auto finish = [&] {
    if (!word.empty() && std::strchr("+-.0123456789", word[0]) != nullptr &&
        word.find_first_of("0123456789") != std::string::npos) {
      ++count;
    }
    word.clear();
  };
  while (in.get(c)) {
    if (c == ' ' || c == '\n' || c == ',' || c == '"') {
      finish();
    } else {
      word += c;
    }
  }
  finish();
  return count;
}

// Formats numbers with std::to_chars, half in scientific notation with four decimals and half
// at twelve significant digits, and writes bytes in 64 KB pieces through four files.
int Floor(std::size_t numbers, std::size_t bytes, const std::string& dir) {
  std::vector<char> piece(1 << 16, 'x');
  std::size_t filled = 0;
  std::FILE* files[4];
  for (int f = 0; f < 4; ++f) {
    files[f] = std::fopen((dir + "/floor" + std::to_string(f)).c_str(), "w");
    if (files[f] == nullptr) return 1;
  }
  std::size_t written = 0;
  int file = 0;
  double value = 1.2345678e-3;
  for (std::size_t k = 0; k < numbers; ++k) {
    value = value * 1.00037 + 0.25;
    if (value > 1e9) value = -1.1e-4;
    char* out = piece.data() + filled;
    const auto fmt = k % 2 == 0 ? std::chars_format::scientific : std::chars_format::general;
    out = std::to_chars(out, piece.data() + piece.size(), value, fmt, k % 2 == 0 ? 4 : 12).ptr;
    *out++ = '\n';
    filled = static_cast<std::size_t>(out - piece.data());
    if (filled + 64 > piece.size()) {
      std::fwrite(piece.data(), 1, filled, files[file]);
      written += filled;
      filled = 0;
      file = (file + 1) % 4;
    }
  }
  while (written < bytes) {
    const std::size_t n = std::min(bytes - written, piece.size());
    std::fwrite(piece.data(), 1, n, files[file]);
    written += n;
    file = (file + 1) % 4;
  }
  for (std::FILE* f : files) std::fclose(f);
  return 0;
}

int Child(int argc, char** argv) {
  const std::string phasesPath = argv[2];
  std::vector<char*> args{argv[0]};
  for (int a = 3; a < argc; ++a) args.push_back(argv[a]);
  const int code = frame2d::RunDriver(static_cast<int>(args.size()), args.data());
  std::ofstream out(phasesPath);
  for (int p = 0; p < kPhaseCount; ++p) out << znClock::PhaseSeconds(static_cast<Phase>(p)) << "\n";
  return code;
}

struct stModel {
  std::string name;
  std::string input;
  bool allOutputs;
  int runs;
};

struct stResult {
  stRun run;
  stRun floor;
};

stResult RunModel(const std::string& self, const stModel& model, const std::string& dir) {
  const std::string out = dir + "/" + model.name;
  std::vector<std::string> args{self, "--child", out + ".phases", "-i", model.input};
  if (model.allOutputs) {
    for (const char* option : {"-o", "-c", "-p"}) {
      args.push_back(option);
      args.push_back(out + (option[1] == 'o' ? ".txt" : option[1] == 'c' ? ".csv" : ".pipe"));
    }
  } else {
    args.insert(args.end(), {"-o", out + ".txt"});
  }
  args.insert(args.end(), {"-d", out + ".dxf"});
  stResult result;
  result.run = Measure(args, out + ".phases", model.runs);
  std::size_t numbers = 0, bytes = 0;
  for (const char* ext : {".txt", ".csv", ".pipe", ".dxf"}) {
    if (!fs::exists(out + ext)) continue;
    numbers += CountNumbers(out + ext);
    bytes += fs::file_size(out + ext);
  }
  result.floor = Measure({self, "--floor", std::to_string(numbers), std::to_string(bytes), dir},
                         out + ".none", model.runs);
  for (const char* ext : {".txt", ".csv", ".pipe", ".dxf"}) fs::remove(out + ext);
  std::printf("%-18s cpu %7.3f s  wall %7.3f s  peak %7.1f MB  floor %6.3f s  ratio %5.2f\n",
              model.name.c_str(), result.run.cpu, result.run.wall, result.run.peakMegabytes,
              result.floor.cpu, result.run.cpu / result.floor.cpu);
  std::printf("%-18s", "  phases (s)");
  for (int p = 0; p < kPhaseCount; ++p) {
    const double seconds = result.run.phases[p];
    if (seconds >= 0.0005)
      std::printf(" %s %.3f", znClock::PhaseName(static_cast<Phase>(p)), seconds);
  }
  std::printf("\n");
  std::fflush(stdout);
  return result;
}

bool Check(const char* what, bool holds) {
  std::printf("  [%s] %s\n", holds ? " ok " : "FAIL", what);
  return holds;
}

int Suite(const std::string& self) {
  char pattern[] = "/tmp/frame2d-bench-XXXXXX";
  const char* made = mkdtemp(pattern);
  if (made == nullptr) return 1;
  const std::string dir = made;
  const struct {
    const char* name;
    int storeys, bays;
    bool shuffled;
  } frames[] = {{"frame 25x10", 25, 10, false},   {"frame 25x10 shuf", 25, 10, true},
                {"frame 100x20", 100, 20, false}, {"frame 100x20 shuf", 100, 20, true},
                {"frame 200x20", 200, 20, false}, {"frame 200x20 shuf", 200, 20, true}};
  std::vector<stResult> results;
  for (const auto& f : frames) {
    const std::string input = dir + "/in" + std::to_string(results.size()) + ".txt";
    frame2d::bench::WriteFrame(input, f.storeys, f.bays, f.shuffled);
    results.push_back(RunModel(self, {f.name, input, true, kRuns}, dir));
    if (!results.back().run.ok) std::printf("  the run failed\n");
  }
  const std::string beamInput = dir + "/beam.txt";
  frame2d::bench::WriteBeam(beamInput, 200000);
  // The beam takes most of the time of the suite, and its writing of 1.8 GB the most varied.
  const stResult beam = RunModel(self, {"beam 200000", beamInput, false, kRuns}, dir);
  fs::remove_all(dir);

  std::printf("targets\n");
  const auto& f25 = results[0].run;
  const auto& f100 = results[2];
  const auto& f100s = results[3].run;
  const auto& f200 = results[4].run;
  bool all = true;
  all &= Check("100x20 within 2.5x the floor", f100.run.cpu <= 2.5 * f100.floor.cpu);
  all &= Check("100x20 peak memory <= 100 MB", f100.run.peakMegabytes <= 100.0);
  all &= Check("25x10 <= 0.1 s CPU", f25.cpu <= 0.1);
  all &= Check("beam 200000 <= 10 s CPU", beam.run.ok && beam.run.cpu <= 10.0);
  all &= Check("beam 200000 <= 500 MB", beam.run.peakMegabytes <= 500.0);
  all &= Check("200x20 <= 2.2x the time of 100x20", f200.cpu <= 2.2 * f100.run.cpu);
  all &= Check("shuffled 100x20 <= 1.2x the time", f100s.cpu <= 1.2 * f100.run.cpu);
  all &= Check("shuffled 100x20 <= 1.3x the memory",
               f100s.peakMegabytes <= 1.3 * f100.run.peakMegabytes);
  std::printf(all ? "every target holds\n" : "some targets do not hold\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "--child" && argc > 2) return Child(argc, argv);
  if (mode == "--floor" && argc > 4) {
    return Floor(std::strtoull(argv[2], nullptr, 10), std::strtoull(argv[3], nullptr, 10), argv[4]);
  }
  if (mode == "--generate" && argc > 4 && std::string(argv[2]) == "beam") {
    return frame2d::bench::WriteBeam(argv[4], std::atoi(argv[3])) ? 0 : 1;
  }
  if (mode == "--generate" && argc > 6) {
    return frame2d::bench::WriteFrame(argv[6], std::atoi(argv[3]), std::atoi(argv[4]),
                                      std::string(argv[5]) == "shuffled")
               ? 0
               : 1;
  }
  return Suite(argv[0]);
}
