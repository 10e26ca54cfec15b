// Walking and editing the private-block chain of a DEVMODE held as bytes.
#include "host/devmode_chain.h"

namespace host {

bool IsCompleteDevMode(const std::vector<BYTE> &devMode, std::string *why) {
  auto fail = [why](const char *reason) {
    if (why)
      *why = reason;
    return false;
  };
  if (devMode.size() < sizeof(DEVMODEW))
    return fail("shorter than the public DEVMODEW part");
  const DevModeView view(devMode);
  if (view.PublicSize() != sizeof(DEVMODEW))
    return fail("dmSize is not that of DEVMODEW");
  if (view.CompleteSize() != devMode.size())
    return fail("dmSize + dmDriverExtra differ from the stored size");
  return true;
}

std::vector<BlockInfo> PrivateBlocks(const std::vector<BYTE> &devMode) {
  if (devMode.size() < sizeof(DEVMODEW))
    return {};
  return DevModeView(devMode).Blocks();
}

std::optional<BlockInfo> FindPrivateBlock(const std::vector<BYTE> &devMode, WORD blockId) {
  if (devMode.size() < sizeof(DEVMODEW))
    return std::nullopt;
  return DevModeView(devMode).FindBlock(blockId);
}

bool RemovePrivateBlock(std::vector<BYTE> &devMode, WORD blockId) {
  std::optional<BlockInfo> block = FindPrivateBlock(devMode, blockId);
  if (!block)
    return false;
  auto first = devMode.begin() + static_cast<std::ptrdiff_t>(block->offset);
  devMode.erase(first, first + block->header.dwSize);
  DevModeEditor edited(devMode);
  edited.SetSizeFields(edited.PublicSize(),
                       static_cast<WORD>(edited.DriverExtra() - block->header.dwSize));
  return true;
}

}  // namespace host
