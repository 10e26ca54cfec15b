// The current chain of private blocks, filled from the profile or from the plug-ins' defaults.
#include "apply/restore_plugins.h"

#include <stddef.h>

#include <memory>

#include "abi/devmode_view.h"
#include "store/page_store.h"

namespace {

constexpr size_t kSizeFieldsEnd = offsetof(DEVMODEW, dmDriverExtra) + sizeof(WORD);

// A copy of the current DEVMODE whose public part is the stored one. The copy keeps the current
// dmSize and dmDriverExtra, and a stored public part of another length gives only as many bytes
// as both hold, so the current chain of blocks stays where it is.
std::vector<BYTE> WorkingCopy(const DevModeView &current, const DevModeView &stored) {
  const std::span<const BYTE> currentBytes = current.Bytes();
  std::vector<BYTE> working(currentBytes.begin(), currentBytes.end());
  DevModeEditor(working).CopyPublicPart(stored);
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
  if (!ByteReader(block).Read(&header) || header.dwSignature != PRIVATE_DATA_SIGNATURE ||
      header.wBlockId != blockId)
    return {};
  return block;
}

// Fills every block of the working copy that the stored DEVMODE lacks from the plug-in's
// defaults, as many bytes as the block holds, keeping the block's size field; true when any
// block was filled.
bool FillMissingBlocks(DriverContext *driver, DevModeEditor &working, const DevModeView &stored) {
  bool filled = false;
  for (const PrivateBlock &block : working.Blocks()) {
    if (stored.FindBlock(block.header.wBlockId))
      continue;
    const std::vector<BYTE> defaults = PlugInDefaults(driver, block.header.wBlockId);
    if (defaults.empty())
      continue;
    working.OverwriteBlock(block, defaults);
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
  const DevModeView current(CompleteDevModeBytes(page.GetCurrentDevMode()));
  const DevModeView stored(devMode);
  if (!current.IsComplete() || current.PublicSize() < kSizeFieldsEnd || !stored.IsComplete())
    return false;

  std::vector<BYTE> working = WorkingCopy(current, stored);
  DevModeEditor workingView(working);
  workingView.CopyBlocks(stored);
  const bool defaultsUsed = FillMissingBlocks(page.GetDriverContext(), workingView, stored);

  devMode = std::move(working);
  if (defaultsUsed && regNum == 0)
    StoreDefaultProfileDevMode(page, devMode);
  return true;
}
