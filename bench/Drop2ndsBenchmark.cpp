// The framework's own cost: Drop 2nds through the built plug-in, against a
// baseline that makes the same host calls (the same loads, saves and frees of
// the same frames) but finds and changes the notes with a plain loop over the
// entry records.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <memory>

#include "host/api/ExportTable.h"
#include "host/api/HostApi.h"
#include "host/document/DocumentBuilder.h"
#include "host/document/Session.h"
#include "host/plugin/PluginModule.h"

namespace {

constexpr int kStaves = 50;
constexpr int kMeasures = 1000;
constexpr int kChordsPerFrame = 8;
constexpr std::int64_t kEntries = std::int64_t{kStaves} * kMeasures * kChordsPerFrame;
constexpr std::uint32_t kVersion = quavix::kInterfaceVersion;
// Each run lowers one more note by an octave; the document is built anew
// before the notes could sink out of range.
constexpr int kRunsPerDocument = 100;

host::Document BuildDocument() {
  host::DocumentBuilder builder;
  std::vector<int> staves;
  for (int s = 1; s <= kStaves; ++s) staves.push_back(s);
  builder.Staves(staves).Measures(kMeasures).MaxLayers(1);
  for (int s = 1; s <= kStaves; ++s) {
    for (int m = 1; m <= kMeasures; ++m) {
      for (int e = 0; e < kChordsPerFrame; ++e)
        builder.Chord(s, m, 0, e * 128, {{4, 0}, {2, 0}, {0, 0}, {-3, 0}}, 128);
    }
  }
  return builder.Build();
}

EREGION WholeDocument() { return host::MakeRegion(1, 1, kStaves, kMeasures); }

// Opens a fresh document every kRunsPerDocument runs, outside the timing.
class DocumentRuns {
 public:
  DocumentRuns() : document_(BuildDocument()) {
    host::ExportTable::Instance().Reset();
    host::ExportTable::Instance().SetCallLogging(false);
  }
  void Next(benchmark::State& state) {
    if (runs_++ % kRunsPerDocument != 0) return;
    state.PauseTiming();
    host::Session::Current().Reset();
    host::Session::Current().Open(document_);
    state.ResumeTiming();
  }

 private:
  host::Document document_;
  int runs_ = 0;
};

void Report(benchmark::State& state) {
  state.counters["entries/s"] =
      benchmark::Counter(static_cast<double>(kEntries), benchmark::Counter::kIsIterationInvariantRate);
  if (!host::Session::Current().EndRun()) state.SkipWithError("the host saw a contract violation");
}

void BM_Drop2ndsPlugin(benchmark::State& state) {
  host::PluginModule plugin(QX_PLUGIN_PATH);
  plugin.Version(quavix::kInterfaceVersion);
  DocumentRuns runs;
  EREGION region = WholeDocument();
  for (auto _ : state) {
    runs.Next(state);
    plugin.Invoke(&region);
  }
  Report(state);
}

// The baseline: the same host calls in the same order, through the host's
// export table, and a plain loop over the records.
template <host::HostFn Id>
auto Host() {
  return &host::Thunk<Id>::Call;
}

void DropSecondHighest(EXENTRY& entry) {
  if (entry.noteCount != 4) return;
  int top = -1;
  for (int i = 0; i < 4; ++i) {
    const EXNOTE& n = entry.notes[i];
    if (n.displacement <= -10000) continue;
    if (top < 0 || n.displacement > entry.notes[top].displacement ||
        (n.displacement == entry.notes[top].displacement && n.raiseLower > entry.notes[top].raiseLower)) {
      top = i;
    }
  }
  if (top < 0) return;
  const EXNOTE t = entry.notes[top];
  int second = -1;
  for (int i = 0; i < 4; ++i) {
    const EXNOTE& n = entry.notes[i];
    const bool below =
        n.displacement < t.displacement || (n.displacement == t.displacement && n.raiseLower < t.raiseLower);
    if (!below || n.displacement <= -10000) continue;
    if (second < 0 || n.displacement > entry.notes[second].displacement ||
        (n.displacement == entry.notes[second].displacement &&
         n.raiseLower > entry.notes[second].raiseLower)) {
      second = i;
    }
  }
  if (second < 0) return;
  entry.notes[second].displacement = static_cast<std::int16_t>(entry.notes[second].displacement - 7);
  entry.flags2 |= 0x0004;
}

// One run of the baseline over the region.
[[gnu::noinline]] void RunBaseline(const EREGION& region) {
  for (int m = region.startMeasure; m <= region.endMeasure; ++m) {
    const int first = Host<host::HostFn::SlotToInst>()(region.startSlot, region.startSlotQualifier, kVersion);
    for (int staff = first;
         staff <= Host<host::HostFn::SlotToInst>()(region.endSlot, region.endSlotQualifier, kVersion);
         ++staff) {
      const int slot = Host<host::HostFn::InstToSlot>()(staff, 0, kVersion);
      const int layers = Host<host::HostFn::GetMaxLayers>()(kVersion);
      for (int layer = 0; layer < layers; ++layer) {
        if (Host<host::HostFn::GetShowLayer>()(layer, kVersion) == 0) continue;
        EXTGF2005a* frame = Host<host::HostFn::LoadTGF>()(0, slot, m, layer, 1, kVersion);
        if (frame == nullptr) continue;
        for (int i = 0; i < frame->entryCount; ++i) {
          EXENTRY& entry = frame->entries[i];
          if (m == region.startMeasure && entry.position < region.startPosition) continue;
          if (m == region.endMeasure && entry.position > region.endPosition) continue;
          DropSecondHighest(entry);
        }
        Host<host::HostFn::SaveTGF>()(frame, kVersion);
        Host<host::HostFn::FreeTGF>()(frame, kVersion);
      }
    }
  }
}

void BM_PlainLoopBaseline(benchmark::State& state) {
  DocumentRuns runs;
  const EREGION region = WholeDocument();
  for (auto _ : state) {
    runs.Next(state);
    RunBaseline(region);
  }
  Report(state);
}

}  // namespace

BENCHMARK(BM_Drop2ndsPlugin)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_PlainLoopBaseline)->Unit(benchmark::kMillisecond)->MinTime(2.0);

BENCHMARK_MAIN();
