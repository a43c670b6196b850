// quavix-host invoke (read, Drop 2nds, write) on generated scores, against
// the floor of parsing and saving the same file with pugixml alone. Both run
// as whole processes, interleaved, several times; the report gives medians,
// their ratio and each process's peak memory, at two score sizes to show
// the cost stays linear.
//
//   invoke_benchmark HOST PLUGIN FLOOR [--reps N] [--measures A,B,...] [--keep DIR]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kParts = 20;
constexpr int kChordsPerMeasure = 4;

// A close-position chord per beat, two staves per part (voices 1 and 5),
// in 4/4. Every fifth chord has three notes, so most but not all chords
// are the four-note chords the command changes.
void WriteNote(std::ostream& out, char step, int octave, bool chord, int staff, int voice) {
  out << "      <note>\n";
  if (chord) out << "        <chord/>\n";
  out << "        <pitch>\n          <step>" << step << "</step>\n          <octave>" << octave
      << "</octave>\n        </pitch>\n        <duration>1</duration>\n        <voice>" << voice
      << "</voice>\n        <type>quarter</type>\n        <stem>up</stem>\n        <staff>" << staff
      << "</staff>\n      </note>\n";
}

std::string GenerateScore(int measures) {
  std::ostringstream out;
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
         "<!DOCTYPE score-partwise PUBLIC \"-//Recordare//DTD MusicXML 4.0 Partwise//EN\" "
         "\"http://www.musicxml.org/dtds/partwise.dtd\">\n<score-partwise version=\"4.0\">\n  <part-list>\n";
  for (int p = 1; p <= kParts; ++p) {
    out << "    <score-part id=\"P" << p << "\">\n      <part-name>Part " << p
        << "</part-name>\n    </score-part>\n";
  }
  out << "  </part-list>\n";
  const char chords[][4] = {
      {'C', 'E', 'G', 'C'}, {'D', 'F', 'A', 'D'}, {'E', 'G', 'B', 'E'}, {'F', 'A', 'C', 'F'}};
  for (int p = 1; p <= kParts; ++p) {
    out << "  <part id=\"P" << p << "\">\n";
    for (int m = 1; m <= measures; ++m) {
      out << "    <measure number=\"" << m << "\">\n";
      if (m == 1) {
        out << "      <attributes>\n        <divisions>1</divisions>\n        <key>\n          "
               "<fifths>0</fifths>\n"
               "        </key>\n        <time>\n          <beats>4</beats>\n          "
               "<beat-type>4</beat-type>\n"
               "        </time>\n        <staves>2</staves>\n        <clef number=\"1\">\n          "
               "<sign>G</sign>\n"
               "          <line>2</line>\n        </clef>\n        <clef number=\"2\">\n          "
               "<sign>F</sign>\n"
               "          <line>4</line>\n        </clef>\n      </attributes>\n";
      }
      for (int staff = 1; staff <= 2; ++staff) {
        if (staff == 2) out << "      <backup>\n        <duration>4</duration>\n      </backup>\n";
        const int octave = staff == 1 ? 4 : 3;
        for (int c = 0; c < kChordsPerMeasure; ++c) {
          const char* chord = chords[(m + c) % 4];
          const int notes = (m * kChordsPerMeasure + c) % 5 == 0 ? 3 : 4;
          for (int n = 0; n < notes; ++n) {
            // The chord's letters rise; the octave turns over past B.
            const int rise = (chord[n] - 'C' + 7) % 7 < (chord[0] - 'C' + 7) % 7 || n == 3 ? 1 : 0;
            WriteNote(out, chord[n], octave + rise, n > 0, staff, staff == 1 ? 1 : 5);
          }
        }
      }
      out << "    </measure>\n";
    }
    out << "  </part>\n";
  }
  out << "</score-partwise>\n";
  return out.str();
}

struct Run {
  double seconds;
  long peakKilobytes;
};

// Runs a command as a child process: its wall time and peak resident memory.
Run RunProcess(const std::vector<std::string>& command) {
  std::vector<char*> argv;
  for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    std::cerr << "invoke_benchmark: the command failed: " << command[0] << '\n';
    std::exit(1);
  }
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  return {elapsed.count(), usage.ru_maxrss};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Size {
  int measures;
  std::string input;
  std::uintmax_t bytes = 0;
  std::vector<double> floor, invoke, ratio;
  long floorPeak = 0, invokePeak = 0;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::cerr << "usage: invoke_benchmark HOST PLUGIN FLOOR [--reps N] [--measures A,B,...] [--keep DIR]\n";
    return 2;
  }
  const std::string host = argv[1], plugin = argv[2], floorProgram = argv[3];
  int reps = 9;
  std::vector<int> measures = {100, 500};
  std::string keep;
  for (int i = 4; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--reps") {
      reps = std::max(1, std::atoi(argv[i + 1]));
    } else if (option == "--measures") {
      measures.clear();
      std::stringstream list(argv[i + 1]);
      for (std::string item; std::getline(list, item, ',');) measures.push_back(std::atoi(item.c_str()));
    } else if (option == "--keep") {
      keep = argv[i + 1];
    } else {
      std::cerr << "invoke_benchmark: unknown option " << option << '\n';
      return 2;
    }
  }
  namespace fs = std::filesystem;
  const fs::path dir = keep.empty()
                           ? fs::temp_directory_path() / ("qx-invoke-bench-" + std::to_string(getpid()))
                           : fs::path(keep);
  fs::create_directories(dir);
  std::vector<Size> sizes;
  for (const int count : measures) {
    Size size;
    size.measures = count;
    size.input = (dir / ("score-" + std::to_string(count) + ".musicxml")).string();
    std::ofstream(size.input, std::ios::binary) << GenerateScore(count);
    size.bytes = fs::file_size(size.input);
    sizes.push_back(size);
  }
  const std::string output = (dir / "out.musicxml").string();
  // One untimed run of each warms the page cache.
  for (Size& size : sizes) {
    RunProcess({floorProgram, size.input, output});
    RunProcess({host, "invoke", "--plugin", plugin, "--quiet", size.input, "-o", output});
  }
  for (int rep = 0; rep < reps; ++rep) {
    for (Size& size : sizes) {
      // Alternate which goes first, so neither always meets a busier machine.
      Run floorRun{}, invokeRun{};
      if (rep % 2 == 0) floorRun = RunProcess({floorProgram, size.input, output});
      invokeRun = RunProcess({host, "invoke", "--plugin", plugin, "--quiet", size.input, "-o", output});
      if (rep % 2 == 1) floorRun = RunProcess({floorProgram, size.input, output});
      size.floor.push_back(floorRun.seconds);
      size.invoke.push_back(invokeRun.seconds);
      size.ratio.push_back(invokeRun.seconds / floorRun.seconds);
      size.floorPeak = std::max(size.floorPeak, floorRun.peakKilobytes);
      size.invokePeak = std::max(size.invokePeak, invokeRun.peakKilobytes);
    }
  }
  std::printf("%d parts x 2 staves, %d chords a measure; %d interleaved runs each; medians\n", kParts,
              kChordsPerMeasure, reps);
  std::printf("%9s %9s %11s %11s %8s %12s %12s %12s\n", "measures", "MB", "floor s", "invoke s", "ratio",
              "floor MB", "invoke MB", "invoke us/m");
  for (const Size& size : sizes) {
    std::printf("%9d %9.1f %11.3f %11.3f %7.2fx %12.1f %12.1f %12.1f\n", size.measures,
                static_cast<double>(size.bytes) / 1e6, Median(size.floor), Median(size.invoke),
                Median(size.ratio), static_cast<double>(size.floorPeak) / 1024,
                static_cast<double>(size.invokePeak) / 1024, Median(size.invoke) * 1e6 / size.measures);
  }
  if (keep.empty()) fs::remove_all(dir);
  return 0;
}
