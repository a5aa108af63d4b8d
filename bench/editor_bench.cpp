// Benchmarks of the worst cases on the largest release (1.07-EU, 676 files): run by hand
// with ./build/vorn2_bench. Every value is read afresh from the game file, as the editor
// does, so these measure the real cost of a key.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "builder/game_file_builder.h"
#include "editing/research.h"
#include "ini/profile.h"
#include "ini/profile_reader.h"
#include "ini/rules_dump.h"
#include "model/versions.h"
#include "platform/memory_console.h"
#include "screen/main_screen.h"
#include "shell/keys.h"
#include "shell/main_loop.h"
#include "shell/startup.h"
#include "values/value_text.h"

namespace {

using namespace vorn;

constexpr int kEuropean = 4;

// A named 1.07-EU file in a temporary directory, opened as the editor opens it.
struct BenchGame {
  BenchGame() {
    char pattern[] = "/tmp/vorn2-bench-XXXXXX";
    directory = ::mkdtemp(pattern);
    path = directory + "/VORN2.EXE";
    builder::GameImage image(kEuropean);
    image.nameAllItems();
    image.writeTo(path);
    game.file.open(path);
    game.versionIndex = kEuropean;
    game.file.setRequiredSize(requiredFileSize(game.version()));
  }
  ~BenchGame() {
    game.file.close();
    std::system(("rm -rf '" + directory + "'").c_str());
  }
  std::string directory;
  std::string path;
  Game game;
};

struct BenchEditor {
  BenchEditor() : ed{console, bench.game, {}} {
    ed.state.gameFileName = "VORN2.EXE";
    ed.state.gameFilePath = bench.path;
    initEditorState(ed);
  }
  void press(std::uint8_t scanCode) {
    console.pushExtended(scanCode);
    handleKey(ed);
  }
  BenchGame bench;
  MemoryConsole console;
  EditorContext ed;
};

void goToFiles(BenchEditor& b) {
  b.press(key::End);
}

void BM_ResearchMoveInFiles(benchmark::State& state) {
  BenchEditor b;
  goToFiles(b);
  toggleResearchMode(b.ed);
  b.press(key::Right);
  b.press(key::Right);
  bool down = true;
  for (auto _ : state) {
    b.press(down ? key::Down : key::Up);
    down = !down;
  }
}
BENCHMARK(BM_ResearchMoveInFiles)->Unit(benchmark::kMicrosecond);

void BM_SectionChangeToFiles(benchmark::State& state) {
  BenchEditor b;
  for (int i = 0; i < 6; ++i) b.press(key::Down);  // Music
  bool down = true;
  for (auto _ : state) {
    b.press(down ? key::Down : key::Up);  // Files and back
    down = !down;
  }
}
BENCHMARK(BM_SectionChangeToFiles)->Unit(benchmark::kMicrosecond);

// Enter on the "Parent file" field of a file opens its list of every PAK file among the
// 676, and Escape closes it again: two keys per iteration.
void BM_ParentFileListOpenAndClose(benchmark::State& state) {
  BenchEditor b;
  goToFiles(b);
  b.press(key::Right);
  b.press(key::Right);
  for (int i = 0; i < 4; ++i) b.press(key::Down);
  for (auto _ : state) {
    b.console.pushKey(key::Enter);
    handleKey(b.ed);
    if (b.ed.view().focus != kPopupPane) state.SkipWithError("the list did not open");
    b.console.pushKey(key::Escape);
    handleKey(b.ed);
  }
}
BENCHMARK(BM_ParentFileListOpenAndClose)->Unit(benchmark::kMicrosecond);

void BM_FullRedraw(benchmark::State& state) {
  BenchEditor b;
  for (auto _ : state) redrawScreen(b.ed);
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMicrosecond);

// Arguments: compact form or not; inside one read batch (as a dump or a pane reads them) or
// each value on its own (as after a single key).
void BM_ValueTextsOfFiles(benchmark::State& state) {
  BenchGame bench;
  const bool compact = state.range(0) != 0;
  const bool batched = state.range(1) != 0;
  for (auto _ : state) {
    std::optional<ReadBatch> batch;
    if (batched) batch.emplace(bench.game.file);
    for (int item = 0; item < bench.game.itemCount(kFiles); ++item) {
      for (int field = 0; field <= lastFieldIndex(kFiles); ++field) {
        benchmark::DoNotOptimize(valueText(bench.game, kFiles, item, field, compact));
      }
    }
  }
}
BENCHMARK(BM_ValueTextsOfFiles)
    ->Args({1, 1})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({0, 0})
    ->Unit(benchmark::kMillisecond);

void BM_RulesDumpText(benchmark::State& state) {
  BenchGame bench;
  for (auto _ : state) benchmark::DoNotOptimize(rulesDumpText(bench.game));
}
BENCHMARK(BM_RulesDumpText)->Unit(benchmark::kMillisecond);

void BM_RulesDumpWritten(benchmark::State& state) {
  BenchGame bench;
  const std::string path = bench.directory + "/rules-1.07-EU.ini";
  for (auto _ : state) writeRulesDump(bench.game, path);
}
BENCHMARK(BM_RulesDumpWritten)->Unit(benchmark::kMillisecond);

void BM_ProfileLoad(benchmark::State& state) {
  BenchGame bench;
  const std::string profile = profileText(bench.game);
  for (auto _ : state) benchmark::DoNotOptimize(readProfile(bench.game, profile));
}
BENCHMARK(BM_ProfileLoad)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
