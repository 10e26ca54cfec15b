// The current chain of private blocks, filled from the profile or from the plug-ins' defaults.
#include "apply/restore_plugins.h"

#include <string.h>

#include <algorithm>
#include <memory>

#include "abi/plugin_walk.h"
#include "apply/settings_view.h"
#include "store/page_store.h"

namespace {

constexpr size_t kSizeFieldsEnd = offsetof(DEVMODEW, dmDriverExtra) + sizeof(WORD);

// A copy of the current DEVMODE whose public part is the stored one. The copy keeps the current
// dmSize and dmDriverExtra, and a stored public part of another length gives only as many bytes
// as both hold, so the current chain of blocks stays where it is.
std::vector<BYTE> WorkingCopy(const DEVMODEW *current, const std::vector<BYTE> &stored) {
  const BYTE *currentBytes = reinterpret_cast<const BYTE *>(current);
  std::vector<BYTE> working(currentBytes, currentBytes + current->dmSize + current->dmDriverExtra);
  const auto *storedHeader = reinterpret_cast<const DEVMODEW *>(stored.data());
  memcpy(working.data(), stored.data(), std::min(current->dmSize, storedHeader->dmSize));
  auto *workingHeader = reinterpret_cast<DEVMODEW *>(working.data());
  workingHeader->dmSize = current->dmSize;
  workingHeader->dmDriverExtra = current->dmDriverExtra;
  return working;
}

// The plug-in's default block as the driver gives it; empty when the driver has none or gives
// something that is not a block of that identifier.
std::vector<BYTE> PlugInDefaults(DriverContext *driver, WORD blockId) {
  if (driver == nullptr)
    return {};
  const int size = driver->QueryDriver(blockId, nullptr, QUERY_PLUGIN_DEFAULTS);
  if (size < static_cast<int>(sizeof(PrivateDataBlockHeader)))
    return {};
  std::vector<BYTE> block(static_cast<size_t>(size));
  if (driver->QueryDriver(blockId, block.data(), QUERY_PLUGIN_DEFAULTS) <= 0)
    return {};
  PrivateDataBlockHeader header;
  memcpy(&header, block.data(), sizeof header);
  if (header.dwSignature != PRIVATE_DATA_SIGNATURE || header.wBlockId != blockId)
    return {};
  return block;
}

// Fills every block of the working copy that the stored DEVMODE lacks from the plug-in's
// defaults, as many bytes as the block holds, keeping the block's size field; true when any
// block was filled.
bool FillMissingBlocks(DriverContext *driver, DEVMODEW *working, const DEVMODEW *stored) {
  bool filled = false;
  for (PrivateDataBlockHeader *block = NextPlugInBlock(working, nullptr); block != nullptr;
       block = NextPlugInBlock(working, block)) {
    if (GetPlugInAddr(stored, block->wBlockId) != nullptr)
      continue;
    const std::vector<BYTE> defaults = PlugInDefaults(driver, block->wBlockId);
    if (defaults.empty())
      continue;
    const DWORD blockSize = block->dwSize;
    memcpy(block, defaults.data(), std::min<size_t>(blockSize, defaults.size()));
    block->dwSize = blockSize;
    filled = true;
  }
  return filled;
}

void StoreDefaultProfileDevMode(const ProfilePageContext &page, const std::vector<BYTE> &devMode) {
  std::unique_ptr<VTPROFJZP> store = MakePageStore(page);
  if (store)
    store->SetRegValue(DEFAULT_PROFILE_DEVMODE_VALUE, devMode.data(),
                       static_cast<DWORD>(devMode.size()), REG_BINARY);
}

}  // namespace

bool RestorePlugIns(const ProfilePageContext &page, std::vector<BYTE> &devMode, int regNum) {
  const DEVMODEW *current = page.GetCurrentDevMode();
  if (current == nullptr || current->dmSize < kSizeFieldsEnd ||
      CompleteDevModeSize(devMode.data(), devMode.size()) == 0)
    return false;

  std::vector<BYTE> working = WorkingCopy(current, devMode);
  auto *workingHeader = reinterpret_cast<DEVMODEW *>(working.data());
  const auto *stored = reinterpret_cast<const DEVMODEW *>(devMode.data());
  CopyPlugInBlocks(workingHeader, stored);
  const bool defaultsUsed = FillMissingBlocks(page.GetDriverContext(), workingHeader, stored);

  devMode = std::move(working);
  if (defaultsUsed && regNum == 0)
    StoreDefaultProfileDevMode(page, devMode);
  return true;
}
