// The control set: its page by kind, and the module's private block kept valid against the
// reference host and against blocks that only a damaged DEVMODE holds.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "support/demo_machine.h"
#include "host/devmode_chain.h"
#include "host/printer_session.h"
#include "module/control_set_profil.h"
#include "module/fake_ui_manager.h"
#include "page/profile_page.h"

namespace prfmod::testing {
namespace {

const HINSTANCE kInstance = reinterpret_cast<HINSTANCE>(0x4000);
constexpr ProfilePrivateData kValid = {
    PRIVATE_DATA_SIGNATURE, PRIVATE_DATA_ID_PROFIL, 0, 256, 0, 16};

// A 16-byte block on the heap, so that reading past it shows under the address sanitizer.
std::unique_ptr<BYTE[]> MakeBlock(const ProfilePrivateData &header) {
  auto block = std::make_unique<BYTE[]>(sizeof header);
  std::memcpy(block.get(), &header, sizeof header);
  return block;
}

TEST(ControlSetProfilTest, PagesAreOfferedByKindMask) {
  CControlSetProfil controlSet(kInstance);
  CPage *page = controlSet.GetProfilePage();
  struct Case {
    DWORD mask;
    int count;
    CPage *first;
  } cases[] = {{0, -1, nullptr}, {1, 0, page}, {2, 1, page}, {3, 1, page}, {4, -1, nullptr}};
  for (const Case &c : cases) {
    EXPECT_EQ(controlSet.GetPageCount(c.mask), c.count) << c.mask;
    EXPECT_EQ(controlSet.GetPage(0, c.mask), c.first) << c.mask;
    EXPECT_EQ(controlSet.GetPage(1, c.mask), nullptr) << c.mask;
  }
}

TEST(ControlSetProfilTest, ThePageBelongsToTheControlSetAgainWhenTheManagerChanges) {
  CControlSetProfil controlSet(kInstance);
  ProfilePage *page = controlSet.GetProfilePage();
  EXPECT_EQ(page->GetOwner(), &controlSet);
  EXPECT_EQ(page->GetResourceInstance(), kInstance);
  page->SetOwner(nullptr);
  FakeUIManager manager;
  controlSet.SetUIManager(&manager);
  EXPECT_EQ(page->GetOwner(), &controlSet);
}

using ControlSetSessionTest = host::testing::DemoMachineTest;

// Each case puts its own profile block, of its size, into the color printer's settings.
TEST_F(ControlSetSessionTest, OnlyAValidBlockStaysInTheHostSettings) {
  struct Case {
    std::string name;
    WORD version;
    DWORD size;
    bool removed;
  } cases[] = {{"valid", 256, 16, false},
               {"version 255", 255, 16, true},
               {"size 20", 256, 20, true},
               {"size 64", 256, 64, true}};
  for (const Case &c : cases) {
    std::string error;
    auto session = host::PrinterSession::Open(host::kColorPrinterName, {}, &error);
    ASSERT_TRUE(session) << error;
    std::vector<BYTE> bytes = session->devModeBytes();
    auto block = host::FindPrivateBlock(bytes, PRIVATE_DATA_ID_PROFIL);
    ASSERT_TRUE(block);
    std::vector<BYTE> replacement(c.size);
    ProfilePrivateData header = kValid;
    header.wVersion = c.version;
    header.dwSize = c.size;
    std::memcpy(replacement.data(), &header, sizeof header);
    auto at = bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(block->offset),
                          bytes.begin() + static_cast<std::ptrdiff_t>(block->offset + 16));
    bytes.insert(at, replacement.begin(), replacement.end());
    reinterpret_cast<DEVMODEW *>(bytes.data())->dmDriverExtra += static_cast<WORD>(c.size - 16);
    ASSERT_TRUE(session->SetDevMode(bytes.data(), bytes.size(), &error)) << error;
    CControlSetProfil controlSet(kInstance);
    controlSet.SetUIManager(session->uiManager());
    session->AttachControlSet(&controlSet);

    controlSet.CheckPrivateData(session->uiManager());

    BYTE *kept = session->privateBlock(PRIVATE_DATA_ID_PROFIL);
    EXPECT_EQ(session->events().removePrivateData, c.removed ? 1 : 0) << c.name;
    EXPECT_EQ(kept == nullptr, c.removed) << c.name;
    EXPECT_EQ(reinterpret_cast<const BYTE *>(controlSet.GetCurrentBlock()), kept) << c.name;
    EXPECT_EQ(host::PrivateBlocks(session->devModeBytes()).size(), c.removed ? 6u : 7u) << c.name;
    session->AttachControlSet(nullptr);
  }
}

// The host asks the control set to fetch its block again while it removes it; that fetch must
// not pick up the block on its way out, and later fetches must see blocks again.
TEST(ControlSetProfilTest, AFetchDuringTheRemovalLeavesNoCurrentBlock) {
  ProfilePrivateData damaged = kValid;
  damaged.dwSignature = 0x44434241;
  auto damagedBlock = MakeBlock(damaged);
  auto validBlock = MakeBlock(kValid);
  FakeUIManager manager;
  manager.privateData = damagedBlock.get();
  CControlSetProfil controlSet(kInstance);
  controlSet.InvalidateDevMode();  // no manager stored yet
  EXPECT_EQ(manager.calls, std::vector<std::string>{});
  controlSet.SetUIManager(&manager);
  const void *seenDuringRemoval = &manager;
  manager.onRemovePrivateData = [&] {
    controlSet.InvalidateDevMode();
    seenDuringRemoval = controlSet.GetCurrentBlock();
  };

  controlSet.CheckPrivateData(&manager);

  EXPECT_EQ(seenDuringRemoval, nullptr);
  EXPECT_EQ(controlSet.GetCurrentBlock(), nullptr);
  EXPECT_EQ(manager.calls,
            (std::vector<std::string>{"GetPrivateData 40000", "RemovePrivateData 40000"}));
  manager.privateData = validBlock.get();
  controlSet.InvalidateDevMode();
  EXPECT_EQ(static_cast<const void *>(controlSet.GetCurrentBlock()), validBlock.get());
}

// The own copy takes as many bytes as the block's size field says, at most 16, and always ends
// with a valid header; the field at offset 10 shows how much was taken.
TEST(ControlSetProfilTest, DevModeChangedCopiesOnlyTheBlocksOwnBytes) {
  struct Case {
    DWORD sizeField;
    WORD unused;
  } cases[] = {{0, 0},       {8, 0},       {10, 0},      {11, 0x00CD},
               {12, 0xABCD}, {16, 0xABCD}, {20, 0xABCD}, {0xFFFFFFFF, 0xABCD}};
  for (const Case &c : cases) {
    const ProfilePrivateData header = {0x11111111, 7, 0x2222, 3, 0xABCD, c.sizeField};
    auto block = MakeBlock(header);
    FakeUIManager manager;
    manager.privateData = block.get();
    CControlSetProfil controlSet(kInstance);

    controlSet.DevModeChanged(&manager);

    ProfilePrivateData expected = kValid;
    expected.wUnused = c.unused;
    EXPECT_EQ(std::memcmp(&controlSet.GetOwnCopy(), &expected, sizeof expected), 0) << c.sizeField;
    EXPECT_EQ(std::memcmp(block.get(), &header, sizeof header), 0) << "the block is not written";
    manager.privateData = nullptr;
    controlSet.DevModeChanged(&manager);
    EXPECT_EQ(controlSet.GetCurrentBlock(), nullptr);
    EXPECT_EQ(controlSet.GetOwnCopy().wUnused, c.unused) << "no block keeps the copy";
  }
}

}  // namespace
}  // namespace prfmod::testing
