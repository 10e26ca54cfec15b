// What each user action on the profile page costs, on Windows XP and on Windows 98, with the
// page holding few profiles and the most it takes. The first argument is the platform (0:
// Windows XP, 98: Windows 98), the second the page's rows when the action starts (for export
// and import: the profiles in the file). Work that only puts the page back for the next
// iteration runs with the clock paused. CPU time of the process is measured.
#include <benchmark/benchmark.h>

#include "bench/bench_page.h"

namespace prfbench {
namespace {

constexpr int kMostRows = 26;

void PageInitialisation(benchmark::State &state) {
  BenchPage page(Platform(state.range(0)), static_cast<int>(state.range(1)) - 1);
  for (auto _ : state) {
    state.PauseTiming();
    page.Close();
    state.ResumeTiming();
    page.Open();
  }
}

void SelectionChange(benchmark::State &state) {
  BenchPage page(Platform(state.range(0)), static_cast<int>(state.range(1)) - 1);
  int row = 0;
  for (auto _ : state) {
    row = row == 0 ? page.Rows() - 1 : 0;
    page.Select({row});
  }
}

void Add(benchmark::State &state) {
  BenchPage page(Platform(state.range(0)), static_cast<int>(state.range(1)) - 1);
  for (auto _ : state) {
    page.Add(u"Added");
    state.PauseTiming();
    page.Delete({page.Rows() - 1});
    state.ResumeTiming();
  }
}

void Edit(benchmark::State &state) {
  BenchPage page(Platform(state.range(0)), static_cast<int>(state.range(1)) - 1);
  bool odd = false;
  for (auto _ : state)
    page.Edit(page.Rows() - 1, (odd = !odd) ? u"Edited" : u"Edited again");
}

void Delete(benchmark::State &state) {
  BenchPage page(Platform(state.range(0)), static_cast<int>(state.range(1)) - 1);
  for (auto _ : state) {
    page.Delete({page.Rows() - 1});
    state.PauseTiming();
    page.Add(u"Deleted");
    state.ResumeTiming();
  }
}

void Apply(benchmark::State &state) {
  BenchPage page(Platform(state.range(0)), static_cast<int>(state.range(1)) - 1);
  for (auto _ : state)
    page.Apply(page.Rows() - 1);
}

std::vector<int> UserRows(int count) {
  std::vector<int> rows;
  for (int row = 1; row <= count; ++row)
    rows.push_back(row);
  return rows;
}

std::u16string WideName(const std::filesystem::path &path) {
  const std::string text = path.string();
  return std::u16string(text.begin(), text.end());
}

void Export(benchmark::State &state) {
  const int profiles = static_cast<int>(state.range(1));
  BenchPage page(Platform(state.range(0)), profiles);
  const std::filesystem::path file = page.machine().File("export.jzp");
  for (auto _ : state) {
    page.Export(UserRows(profiles), WideName(file));
    state.PauseTiming();
    std::filesystem::remove(file);
    state.ResumeTiming();
  }
}

void Import(benchmark::State &state) {
  const int profiles = static_cast<int>(state.range(1));
  BenchPage page(Platform(state.range(0)), profiles);
  const std::filesystem::path file = page.machine().File("import.jzp");
  page.Export(UserRows(profiles), WideName(file));
  page.Delete(UserRows(profiles));
  for (auto _ : state) {
    page.Import(WideName(file));
    state.PauseTiming();
    page.Delete(UserRows(profiles));
    state.ResumeTiming();
  }
}

void SettingsTree(benchmark::State &state) {
  BenchPage page(Platform(state.range(0)), static_cast<int>(state.range(1)) - 1);
  for (auto _ : state)
    page.ShowSettingsTree();
}

// Both platforms, each with the counts given.
void Counts(benchmark::internal::Benchmark *benchmark, const char *name,
            std::initializer_list<int64_t> counts) {
  benchmark->ArgNames({"os", name})->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);
  for (int64_t os : {0, 98})
    for (int64_t count : counts)
      benchmark->Args({os, count});
}
void Rows(benchmark::internal::Benchmark *benchmark, std::initializer_list<int64_t> rows) {
  Counts(benchmark, "rows", rows);
}

BENCHMARK(PageInitialisation)->Apply([](auto *b) { Rows(b, {1, kMostRows}); });
BENCHMARK(SelectionChange)->Apply([](auto *b) { Rows(b, {1, kMostRows}); });
BENCHMARK(Add)->Apply([](auto *b) { Rows(b, {1, kMostRows - 1}); });
BENCHMARK(Edit)->Apply([](auto *b) { Rows(b, {2, kMostRows}); });
BENCHMARK(Delete)->Apply([](auto *b) { Rows(b, {2, kMostRows}); });
BENCHMARK(Apply)->Apply([](auto *b) { Rows(b, {2, kMostRows}); });
BENCHMARK(Export)->Apply([](auto *b) { Counts(b, "profiles", {1, kMostRows - 1}); });
BENCHMARK(Import)->Apply([](auto *b) { Counts(b, "profiles", {1, kMostRows - 1}); });
BENCHMARK(SettingsTree)->Apply([](auto *b) { Rows(b, {1, kMostRows}); });

}  // namespace
}  // namespace prfbench
