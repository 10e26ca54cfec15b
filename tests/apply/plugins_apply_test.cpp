// Applying a stored profile: the restored DEVMODE takes the current printer's chain of blocks,
// filled from the profile, else from the plug-ins' defaults (which only the built-in profile
// keeps), else from the current settings, and goes to the host as its current settings.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "apply/apply_profile.h"
#include "apply/convert_settings.h"
#include "apply/restore_plugins.h"
#include "apply/restore_settings.h"
#include "apply_test_support.h"
#include "host/devmode_chain.h"

namespace apply_testing {
namespace {

std::vector<BYTE> BlockOf(const std::vector<BYTE> &devMode, WORD id) {
  std::optional<host::BlockInfo> block = host::FindPrivateBlock(devMode, id);
  if (!block)
    return {};
  return {devMode.begin() + block->offset, devMode.begin() + block->offset + block->header.dwSize};
}

// `block` copied over `into` as far as both reach, with the size field of `into`'s length.
std::vector<BYTE> CopiedOver(const std::vector<BYTE> &block, std::vector<BYTE> into) {
  std::copy_n(block.begin(), std::min(block.size(), into.size()), into.begin());
  const DWORD size = static_cast<DWORD>(into.size());
  std::memcpy(into.data() + offsetof(PrivateDataBlockHeader, dwSize), &size, sizeof size);
  return into;
}

std::vector<std::pair<WORD, DWORD>> Chain(const std::vector<BYTE> &devMode) {
  std::vector<std::pair<WORD, DWORD>> chain;
  for (const host::BlockInfo &block : host::PrivateBlocks(devMode))
    chain.emplace_back(block.header.wBlockId, block.header.dwSize);
  return chain;
}

class PlugInsApplyTest : public ApplyTest {
 protected:
  void StoreProfile(const char *name, int regNum, const std::vector<BYTE> &devMode,
                    const char *valueName = "Default DevMode") {
    ProfileHeader header = store_testing::Header(name, regNum);
    ASSERT_NE(settings_->page().list().Insert(&header), nullptr);
    Store(host::kColorPrinterName)
        ->SaveProfileRegValue(name, regNum, valueName, devMode.data(),
                              static_cast<DWORD>(devMode.size()), REG_BINARY);
  }
  std::optional<std::vector<BYTE>> StoredDefaultProfile() {
    return PrinterValue(host::kColorPrinterName, DEFAULT_PROFILE_DEVMODE_VALUE);
  }
};

// A profile saved with other lists is applied onto the current ones. Both profiles lack the
// poster block: each is completed from the plug-in's defaults, only the built-in one is stored so.
TEST_P(PlugInsApplyTest, ProfilesAreAppliedAndOnlyTheBuiltInOneStoresTheDefaults) {
  model().paperSizes = Entries<PaperSizeEntry>({1, 9, 5, 260, 11});
  std::vector<BYTE> saved = Current();
  MainOf(saved).wScaleSizeIdx = 3;  // identifier 260
  MainOf(saved).wOutBinIdx = 2;     // identifier 3
  PublicOf(saved).dmCopies = 7;
  ASSERT_TRUE(ConvertDevMode(*settings_, saved.data(), saved.size()));
  ASSERT_TRUE(host::RemovePrivateBlock(saved, PRIVATE_DATA_ID_POSTER));
  StoreProfile("Default", 0, saved);
  StoreProfile("Travel", 4, saved, "DEFAULT DEVMODE");  // the name is matched without case
  model().paperSizes = Entries<PaperSizeEntry>({9, 1, 260});
  model().outputBins = Entries<FeatureEntry>({2, 3});

  ASSERT_TRUE(ApplyProfileDevMode(*settings_, "Travel"));
  std::vector<BYTE> current = Current();
  EXPECT_EQ(session_->events().setCurrentDevMode, 1);
  EXPECT_EQ(MainOf(current).wScaleSizeIdx, 2);
  EXPECT_EQ(MainOf(current).wOutBinIdx, 1);
  EXPECT_EQ(PublicOf(current).dmCopies, 7);
  EXPECT_EQ(BlockOf(current, PRIVATE_DATA_ID_POSTER),
            *model().PluginDefault(PRIVATE_DATA_ID_POSTER));
  EXPECT_EQ(StoredDefaultProfile(), saved) << "a user profile stores nothing";

  ASSERT_TRUE(ApplyProfileDevMode(*settings_, "Default"));
  EXPECT_EQ(StoredDefaultProfile(), Current());
}

// A DEVMODE of another driver: a shorter public part, a longer and a shorter block, a block the
// current chain lacks, blocks missing; defaults longer and shorter than the current blocks.
TEST_P(PlugInsApplyTest, StoredDevModeOfAnotherDriverTakesTheCurrentLayout) {
  const std::vector<BYTE> current = Current();
  const WORD currentPublic = session_->devMode()->dmSize, storedPublic = currentPublic - 8;
  // A block with the current block's header, `size` bytes long, its data all `fill`.
  auto block = [&](WORD id, size_t size, BYTE fill) {
    std::vector<BYTE> header = BlockOf(current, id);
    header.resize(sizeof(PrivateDataBlockHeader));
    return CopiedOver(header, std::vector<BYTE>(size, fill));
  };
  const std::vector<BYTE> main = BlockOf(current, PRIVATE_DATA_ID_MAIN);
  const std::vector<BYTE> watermark = block(
      PRIVATE_DATA_ID_WATERMARK, BlockOf(current, PRIVATE_DATA_ID_WATERMARK).size() + 32, 0x11);
  const std::vector<BYTE> poster = block(PRIVATE_DATA_ID_POSTER, 20, 0x77);
  std::vector<BYTE> unknown = block(PRIVATE_DATA_ID_PROFIL, 48, 0x99);
  unknown[offsetof(PrivateDataBlockHeader, wBlockId)] ^= 0x01;  // an identifier it lacks
  std::vector<BYTE> devMode(current.begin(), current.begin() + storedPublic);
  std::fill(devMode.begin() + offsetof(DEVMODEW, dmFields), devMode.end(), 0x3C);
  for (const std::vector<BYTE> &bytes : {main, watermark, unknown, poster})
    devMode.insert(devMode.end(), bytes.begin(), bytes.end());
  PublicOf(devMode).dmSize = storedPublic;
  PublicOf(devMode).dmDriverExtra = static_cast<WORD>(devMode.size() - storedPublic);
  const std::vector<BYTE> stored = devMode;
  for (std::vector<BYTE> &defaults : model().pluginDefaults) {
    if (defaults == *model().PluginDefault(PRIVATE_DATA_ID_SECURITYWMARK))
      defaults = CopiedOver(defaults, std::vector<BYTE>(defaults.size() + 16, 0xAB));
    else if (defaults == *model().PluginDefault(PRIVATE_DATA_ID_OVERLAY))
      defaults = CopiedOver(defaults, std::vector<BYTE>(sizeof(PrivateDataBlockHeader) + 2));
  }

  ASSERT_TRUE(RestorePlugIns(*settings_, devMode, 5));
  ASSERT_EQ(devMode.size(), current.size());
  EXPECT_EQ(Chain(devMode), Chain(current));
  EXPECT_EQ(PublicOf(devMode).dmSize, currentPublic);
  EXPECT_TRUE(std::equal(devMode.begin() + offsetof(DEVMODEW, dmFields),
                         devMode.begin() + storedPublic,
                         stored.begin() + offsetof(DEVMODEW, dmFields)));
  EXPECT_TRUE(std::equal(devMode.begin() + storedPublic, devMode.begin() + currentPublic,
                         current.begin() + storedPublic));
  EXPECT_EQ(BlockOf(devMode, PRIVATE_DATA_ID_MAIN), main);
  for (WORD id : {PRIVATE_DATA_ID_WATERMARK, PRIVATE_DATA_ID_POSTER})
    EXPECT_EQ(BlockOf(devMode, id), CopiedOver(BlockOf(stored, id), BlockOf(current, id))) << id;
  for (WORD id : {PRIVATE_DATA_ID_PROFIL, PRIVATE_DATA_ID_SECURITYWMARK, PRIVATE_DATA_ID_OVERLAY})
    EXPECT_EQ(BlockOf(devMode, id), CopiedOver(*model().PluginDefault(id), BlockOf(current, id)))
        << id;
}

TEST_P(PlugInsApplyTest, NothingChangesWithoutAProfileItsDevModeOrDefaults) {
  std::vector<BYTE> saved = Current();
  PublicOf(saved).dmCopies = 9;
  StoreProfile("Watermarks only", 2, saved, "VtWatermark");
  PublicOf(saved).dmDriverExtra += 4;  // declares more bytes than it holds
  StoreProfile("Broken", 5, saved);
  const std::vector<BYTE> before = Current();
  for (const char *name : {"Watermarks only", "Broken", "Nobody"})
    EXPECT_FALSE(ApplyProfileDevMode(*settings_, name)) << name;
  EXPECT_EQ(Current(), before);

  // A block neither the profile nor the defaults fill keeps the current data.
  model().pluginDefaults.clear();
  saved = before;
  ASSERT_TRUE(host::RemovePrivateBlock(saved, PRIVATE_DATA_ID_WATERMARK));
  ASSERT_TRUE(RestorePlugIns(*settings_, saved, 0));
  EXPECT_EQ(saved, before);
  EXPECT_FALSE(StoredDefaultProfile());
}

INSTANTIATE_TEST_SUITE_P(Platforms, PlugInsApplyTest, tested_windows::NtAnd98(),
                         store_testing::PlatformName);

}  // namespace
}  // namespace apply_testing
