// Damaged and foreign profile files: cut at every structure boundary, sizes beyond the file,
// a wrong magic, a negative count. The store lists and finds only what lies inside the file;
// the reader says where it stopped.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "host/text_convert.h"
#include "profilefile/jzp_reader.h"
#include "profilefile/jzp_test_support.h"
#include "store/store_test_support.h"

namespace jzp_testing {
namespace {

using tested_windows::WindowsVersion;

// Two profiles "A" and "B" with every section filled.
std::vector<ProfileBytes> TwoProfiles() {
  std::vector<BYTE> buffers;
  const WORD colorMode = 1;
  AppendBuffer(buffers, PFPD_COLORMODE, &colorMode, 2);
  ProfileBytes a{"A",
                 {DwordItems({{PFDM_COPIES, 2}, {PFDM_DUPLEX, 2}}), buffers,
                  RegItem("VtCPSData", 3, std::vector<BYTE>(48, 1)), RegItem("_Setup", 3, {})}};
  ProfileBytes b{"B", {DwordItems({{PFDM_COPIES, 3}}), {}, {}, RegItem("_Setup", 3, {7, 7})}};
  return {a, b};
}

// Offsets at which each structure of the file ends: header, then per profile the entry and the
// four sections.
std::vector<DWORD> Boundaries(const std::vector<ProfileBytes> &profiles) {
  std::vector<DWORD> ends = {sizeof(JzpHead)};
  for (const ProfileBytes &profile : profiles) {
    ends.push_back(ends.back() + sizeof(JzpProfileEntry));
    for (const std::vector<BYTE> &section : profile.sections)
      ends.push_back(ends.back() + static_cast<DWORD>(section.size()));
  }
  return ends;
}

class JzpDamagedFileTest : public store_testing::StoreTest {
 protected:
  // GetProfileDataFromJZP on the bytes, and whether each profile can be found and read.
  int List(const std::vector<BYTE> &bytes, std::vector<bool> *readable = nullptr) {
    const std::string path = (folder_ / "damaged.jzp").string();
    WriteBytes(path, bytes);
    auto store = Store(host::kColorPrinterName);
    EXPECT_TRUE(store->OpenJzpFile(host::Utf16FromUtf8(path).c_str(), JZP_MODE_READ));
    const int count = store->GetProfileDataFromJZP(nullptr, nullptr, 0);
    if (readable != nullptr) {
      for (const char *name : {"A", "B"}) {
        std::vector<BYTE> s1(64), s2(64);
        readable->push_back(store->ReadProfileSections(name, s1.data(), 64, s2.data(), 64) &&
                            store->SeekProfileSection(name, JZP_SECTION_SETUP));
      }
    }
    return count;
  }
};

TEST_P(JzpDamagedFileTest, FileCutAtEveryBoundaryListsTheWholeProfilesBeforeTheCut) {
  const std::vector<ProfileBytes> profiles = TwoProfiles();
  const std::vector<BYTE> whole = FileBytes(profiles, 2);
  const std::vector<DWORD> ends = Boundaries(profiles);
  ASSERT_EQ(ends.back(), whole.size());

  std::vector<DWORD> cuts = {0, 3, 143};
  for (DWORD end : ends)
    cuts.push_back(end - 1);
  cuts.push_back(ends[1] - 350);  // inside the first entry
  for (DWORD cut : cuts) {
    if (cut >= whole.size())
      continue;
    SCOPED_TRACE("cut at " + std::to_string(cut));
    const std::vector<BYTE> bytes(whole.begin(), whole.begin() + cut);
    const int wholeProfiles = cut < ends[5] ? 0 : cut < ends[10] ? 1 : 2;
    std::vector<bool> readable;
    EXPECT_EQ(List(bytes, &readable), wholeProfiles);
    EXPECT_EQ(readable, (std::vector<bool>{wholeProfiles >= 1, wholeProfiles >= 2}));

    // The reader stops at the first structure the cut reaches into.
    JzpMemorySource source(bytes.data(), cut);
    JzpFileReader reader(source);
    JzpHead head;
    JzpEntryInfo info;
    if (reader.ReadHead(&head))
      while (reader.NextEntry(&info)) {
      }
    ASSERT_TRUE(reader.Damaged());
    size_t reached = 0;
    while (ends[reached] <= cut)
      ++reached;
    const DWORD expected = reached == 0 ? 0 : ends[reached - 1];
    EXPECT_EQ(reader.StopOffset(), expected) << reader.StopReason();
  }
  EXPECT_EQ(List(whole), 2);
}

struct Damage {
  const char *what;
  std::function<void(std::vector<BYTE> &file)> damage;
  int listed;
};

TEST_P(JzpDamagedFileTest, DamagedHeadersAndSizes) {
  const DWORD sectionSizes = sizeof(JzpHead) + offsetof(JzpProfileEntry, adwSectionSize);
  const Damage damages[] = {
      {"wrong magic", [](std::vector<BYTE> &f) { f[2] = 'Q'; }, 0},
      {"fourth magic byte is not looked at", [](std::vector<BYTE> &f) { f[3] = 'X'; }, 2},
      {"negative count",
       [](std::vector<BYTE> &f) {
         f[12] = 0x00;
         f[13] = 0x80;
       },
       0},
      {"count 0", [](std::vector<BYTE> &f) { f[12] = 0; }, 0},
      {"count above the entries", [](std::vector<BYTE> &f) { f[12] = 3; }, 2},
      {"Section 2 larger than the file",
       [&](std::vector<BYTE> &f) {
         const DWORD huge = 0xFFFFFFF0;
         std::memcpy(f.data() + sectionSizes + 4, &huge, 4);
       },
       0},
      {"sizes adding up past 4 GB",
       [&](std::vector<BYTE> &f) {
         const DWORD half = 0x80000000;
         std::memcpy(f.data() + sectionSizes + 8, &half, 4);
         std::memcpy(f.data() + sectionSizes + 12, &half, 4);
       },
       0},
      {"second entry's Section 4 one byte too long",
       [&](std::vector<BYTE> &f) {
         const std::vector<DWORD> ends = Boundaries(TwoProfiles());
         DWORD size;
         std::memcpy(&size, f.data() + ends[5] + offsetof(JzpProfileEntry, adwSectionSize) + 12, 4);
         ++size;
         std::memcpy(f.data() + ends[5] + offsetof(JzpProfileEntry, adwSectionSize) + 12, &size, 4);
       },
       1},
  };
  for (const Damage &d : damages) {
    SCOPED_TRACE(d.what);
    std::vector<BYTE> file = FileBytes(TwoProfiles(), 2);
    d.damage(file);
    EXPECT_EQ(List(file), d.listed);
  }
}

INSTANTIATE_TEST_SUITE_P(Platforms, JzpDamagedFileTest, ::testing::Values(WindowsVersion::WinXP),
                         store_testing::PlatformName);

}  // namespace
}  // namespace jzp_testing
