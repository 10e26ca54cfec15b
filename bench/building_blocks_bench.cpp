// What the building blocks under the page's actions cost: the stored profile list, a profile's
// value index, the conversion and restoration of settings, the profile-file encoding and
// decoding, and the .reg load and save of a machine's state. An operation that moves bytes also
// reports `x_copy`: its CPU time over that of copying its output's bytes with memcpy, measured
// in the same run.
#include <benchmark/benchmark.h>

#include <time.h>

#include <cstring>
#include <vector>

#include "apply/convert_settings.h"
#include "apply/restore_settings.h"
#include "bench/bench_page.h"
#include "profilefile/jzp_decode.h"
#include "profilefile/jzp_encode.h"
#include "store/store_test_support.h"

namespace prfbench {
namespace {

double CpuSeconds() {
  timespec now;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// The CPU time of one memcpy of `bytes` bytes: the floor under any operation that writes them.
double CopySeconds(size_t bytes) {
  std::vector<BYTE> from(bytes, 0x5A), to(bytes);
  long copies = 0;
  const double start = CpuSeconds();
  double elapsed = 0;
  while (elapsed < 0.02) {
    for (int i = 0; i < 1000; ++i) {
      std::memcpy(to.data(), from.data(), bytes);
      benchmark::DoNotOptimize(to.data());
      benchmark::ClobberMemory();
    }
    copies += 1000;
    elapsed = CpuSeconds() - start;
  }
  return elapsed / double(copies);
}

// Runs `operation` as the benchmark's loop; `bytes` is the size of what one run writes.
template <typename Operation>
void RunMovingBytes(benchmark::State &state, size_t bytes, Operation operation) {
  const double start = CpuSeconds();
  for (auto _ : state)
    operation();
  const double each = (CpuSeconds() - start) / double(state.iterations());
  state.counters["bytes"] = double(bytes);
  state.counters["x_copy"] = each / CopySeconds(bytes);
}

// A page context over the colour printer's session of a fresh machine, with the stored profile
// list holding the built-in profile and `users` user profiles.
struct StoreBench {
  StoreBench(WindowsVersion version, int users) : machine(version) {
    std::string error;
    session = host::PrinterSession::Open(host::kColorPrinterName, {}, &error);
    if (!session)
      throw std::runtime_error(error);
    page = std::make_unique<store_testing::FakePage>(*session, session->uiManager());
    ProfileList &list = page->list();
    ProfileHeader header = store_testing::Header("Factory Default", 0);
    list.Insert(&header);
    for (int i = 1; i <= users; ++i) {
      char name[16];
      std::snprintf(name, sizeof name, "Profile %02d", i % 100);
      header = store_testing::Header(name, i, "A profile of the benchmarks");
      list.Insert(&header);
    }
    list.Save();
  }
  BenchMachine machine;
  std::unique_ptr<host::PrinterSession> session;
  std::unique_ptr<store_testing::FakePage> page;
};

// Loading the stored list, which puts each header in its place by name as it reads it, and
// saving it.
void ProfileListLoadSortSave(benchmark::State &state) {
  const int rows = static_cast<int>(state.range(0));
  StoreBench bench(WindowsVersion::WinXP, rows - 1);
  ProfileList &list = bench.page->list();
  RunMovingBytes(state, size_t(rows) * sizeof(ProfileHeader), [&list] {
    list.Clear();
    list.Load();
    list.Save();
  });
}

// A profile's value index of `entries` entries.
void ValueIndexRead(benchmark::State &state) {
  const size_t entries = size_t(state.range(0));
  std::vector<BYTE> index(entries * sizeof(ProfileValueEntry));
  for (size_t i = 0; i < entries; ++i) {
    ProfileValueEntry entry{};
    std::snprintf(entry.szValueName, sizeof entry.szValueName, "VtValue%02zu", i);
    entry.dwType = REG_BINARY;
    entry.dwSize = 96;
    std::memcpy(index.data() + i * sizeof entry, &entry, sizeof entry);
  }
  RunMovingBytes(state, index.size(),
                 [&index] { benchmark::DoNotOptimize(ReadProfileValueIndex(index)); });
}

// The current settings converted for storage, then restored onto the printer.
void ConversionAndRestoration(benchmark::State &state) {
  StoreBench bench(Platform(state.range(0)), 0);
  const std::vector<BYTE> current = bench.session->devModeBytes();
  std::vector<BYTE> devMode;
  for (auto _ : state) {
    devMode = current;
    ConvertDevMode(*bench.page, devMode.data(), devMode.size());
    RestoreDevMode(*bench.page, devMode, 1, true);
  }
}

// The colour printer's default settings with a few fields changed, against the default.
struct JzpBench {
  JzpBench() : machine(WindowsVersion::WinXP) {
    std::string error;
    session = host::PrinterSession::Open(host::kColorPrinterName, {}, &error);
    reference = session->devModeBytes();
    profile = reference;
    auto *dm = reinterpret_cast<DEVMODEW *>(profile.data());
    dm->dmCopies = 3;
    dm->dmOrientation = DMORIENT_LANDSCAPE;
    std::memcpy(dm->dmFormName, u"Legal", 12);
    profile[dm->dmSize + 40] ^= 0x11;
  }
  std::vector<BYTE> Encode(decltype(&EncodeJzpDwordItems) encoder) const {
    const DWORD size = DWORD(profile.size());
    std::vector<BYTE> section(encoder(profile.data(), size, reference.data(), size, nullptr, 0));
    encoder(profile.data(), size, reference.data(), size, section.data(), DWORD(section.size()));
    return section;
  }
  BenchMachine machine;
  std::unique_ptr<host::PrinterSession> session;
  std::vector<BYTE> reference, profile;
};

void JzpEncode(benchmark::State &state) {
  JzpBench bench;
  const size_t bytes =
      bench.Encode(&EncodeJzpDwordItems).size() + bench.Encode(&EncodeJzpBufferItems).size();
  RunMovingBytes(state, bytes, [&bench] {
    benchmark::DoNotOptimize(bench.Encode(&EncodeJzpDwordItems));
    benchmark::DoNotOptimize(bench.Encode(&EncodeJzpBufferItems));
  });
}

void JzpDecode(benchmark::State &state) {
  JzpBench bench;
  const std::vector<BYTE> items = bench.Encode(&EncodeJzpDwordItems);
  const std::vector<BYTE> buffers = bench.Encode(&EncodeJzpBufferItems);
  std::vector<BYTE> target(bench.reference.size());
  RunMovingBytes(state, target.size(), [&] {
    std::memcpy(target.data(), bench.reference.data(), target.size());
    ApplyJzpSections(target.data(), DWORD(target.size()), items.data(), DWORD(items.size()),
                     buffers.data(), DWORD(buffers.size()));
    benchmark::DoNotOptimize(target.data());
  });
}

// The demo machine's state (argument 0), or with 26 profiles of 10 stored values of 96 bytes on
// each printer (argument 26), saved to a .reg file and loaded from it.
struct RegBench {
  explicit RegBench(int profiles) : machine(WindowsVersion::WinXP) {
    for (const char16_t *printer : {host::kColorPrinterName, host::kMonoPrinterName}) {
      host::RegKey key =
          host::RegKey::Open(HKEY_LOCAL_MACHINE,
                             host::PrinterKeyPath(printer) + u"\\PrinterDriverData", KEY_SET_VALUE);
      for (int profile = 0; profile < profiles; ++profile)
        for (int value = 0; value < 10; ++value) {
          const std::string name =
              store_testing::DataName(profile, "VtValue" + std::to_string(value));
          const std::vector<BYTE> data = store_testing::Pattern(96, BYTE(profile + value));
          RegSetValueExW(key.get(), host::Utf16FromUtf8(name).c_str(), 0, REG_BINARY, data.data(),
                         DWORD(data.size()));
        }
    }
    file = machine.File("registry.reg").string();
    winplat::SaveRegistryFile(file);
  }
  size_t FileSize() const { return std::filesystem::file_size(file); }
  BenchMachine machine;
  std::string file;
};

void RegSave(benchmark::State &state) {
  RegBench bench(static_cast<int>(state.range(0)));
  RunMovingBytes(state, bench.FileSize(), [&bench] { winplat::SaveRegistryFile(bench.file); });
}

void RegLoad(benchmark::State &state) {
  RegBench bench(static_cast<int>(state.range(0)));
  RunMovingBytes(state, bench.FileSize(), [&bench] { winplat::LoadRegistryFile(bench.file); });
}

void CpuTime(benchmark::internal::Benchmark *benchmark) {
  benchmark->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);
}

BENCHMARK(ProfileListLoadSortSave)->Apply(CpuTime)->ArgName("rows")->Arg(1)->Arg(26);
BENCHMARK(ValueIndexRead)->Apply(CpuTime)->ArgName("entries")->Arg(10)->Arg(260);
BENCHMARK(ConversionAndRestoration)->Apply(CpuTime)->ArgName("os")->Arg(0)->Arg(98);
BENCHMARK(JzpEncode)->Apply(CpuTime);
BENCHMARK(JzpDecode)->Apply(CpuTime);
BENCHMARK(RegSave)->Apply(CpuTime)->ArgName("profiles")->Arg(0)->Arg(26);
BENCHMARK(RegLoad)->Apply(CpuTime)->ArgName("profiles")->Arg(0)->Arg(26);

}  // namespace
}  // namespace prfbench
