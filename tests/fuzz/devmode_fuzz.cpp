// libFuzzer target for the DEVMODE view: any bytes as a DEVMODE with its private part, in a
// buffer of their exact size. The chain handed out lies inside the private part block after
// block; reading the public part and every block by layout and writing them back changes no
// byte; and a block-wise copy in either direction with a sound DEVMODE keeps both chains'
// layouts.
#include <stddef.h>
#include <stdint.h>

#include <algorithm>
#include <cstdlib>
#include <tuple>
#include <vector>

#include "abi/devmode_view.h"
#include "fuzz_devmode.h"

namespace {

void Check(bool holds) {
  if (!holds)
    abort();
}

std::vector<std::tuple<size_t, WORD, DWORD>> Layout(const std::vector<BYTE> &devMode) {
  std::vector<std::tuple<size_t, WORD, DWORD>> layout;
  for (const PrivateBlock &block : DevModeView(devMode).Blocks())
    layout.emplace_back(block.offset, block.header.wBlockId, block.header.dwSize);
  return layout;
}

void CheckChain(const std::vector<BYTE> &devMode) {
  const DevModeView view(devMode);
  const size_t start = view.PublicSize();
  const size_t end = std::min(devMode.size(), start + view.DriverExtra());
  size_t next = start;
  for (const PrivateBlock &block : view.Blocks()) {
    Check(block.offset == next);
    Check(block.header.dwSignature == PRIVATE_DATA_SIGNATURE);
    Check(block.header.dwSize >= sizeof(PrivateDataBlockHeader));
    Check(block.header.dwSize <= end - block.offset);
    Check(view.FindBlock(block.header.wBlockId)->offset <= block.offset);
    next += block.header.dwSize;
  }
  if (view.IsComplete()) {
    const std::optional<PrivateBlock> main = view.FindBlock(PRIVATE_DATA_ID_MAIN);
    const PrivateDataBlockHeader *found = GetPlugInAddr(DevModeOf(devMode), PRIVATE_DATA_ID_MAIN);
    Check(main ? found ==
                     reinterpret_cast<const PrivateDataBlockHeader *>(devMode.data() + main->offset)
               : found == nullptr);
  }
}

// Every block read by the layout its identifier names, and written back.
void RewriteEveryField(std::vector<BYTE> &devMode) {
  DevModeEditor editor(devMode);
  editor.WritePublicFields(editor.PublicFields());
  for (const PrivateBlock &block : editor.Blocks()) {
    switch (block.header.wBlockId) {
      case PRIVATE_DATA_ID_MAIN:
        editor.WriteBlock(block, editor.ReadBlock<pdMain>(block));
        break;
      case PRIVATE_DATA_ID_WATERMARK:
        editor.WriteBlock(block, editor.ReadBlock<WatermarkBlock>(block));
        break;
      case PRIVATE_DATA_ID_POSTER:
        editor.WriteBlock(block, editor.ReadBlock<PosterBlock>(block));
        break;
      default:
        editor.WriteBlock(block, editor.ReadBlock<SecurityWatermarkBlock>(block));
        break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const std::vector<BYTE> original(data, data + size);
  std::vector<BYTE> devMode = original;
  CheckChain(devMode);

  RewriteEveryField(devMode);
  Check(devMode == original);

  std::vector<BYTE> reference = jzp_fuzz::ReferenceDevMode();
  const auto referenceLayout = Layout(reference);
  DevModeEditor(reference).CopyBlocks(DevModeView(devMode));
  Check(Layout(reference) == referenceLayout);
  const auto layout = Layout(devMode);
  DevModeEditor(devMode).CopyBlocks(DevModeView(jzp_fuzz::ReferenceDevMode()));
  Check(Layout(devMode) == layout);
  DevModeEditor(devMode).CopyBlocks(DevModeView(devMode));
  Check(Layout(devMode) == layout);
  return 0;
}
