// Reading and changing a DEVMODE held as bytes: its public part and its chain of private blocks.
#include "abi/devmode_view.h"

namespace {

constexpr size_t kSizeFieldsEnd = offsetof(DEVMODEW, dmDriverExtra) + sizeof(WORD);

}  // namespace

// The size fields are read together or not at all.
WORD DevModeView::SizeField(size_t offset) const {
  WORD value = 0;
  if (m_Bytes.size() >= kSizeFieldsEnd)
    std::memcpy(&value, m_Bytes.data() + offset, sizeof value);
  return value;
}

bool DevModeView::IsComplete() const {
  return m_Bytes.size() >= kSizeFieldsEnd && CompleteSize() <= m_Bytes.size();
}

std::span<const BYTE> DevModeView::Bytes() const {
  return IsComplete() ? m_Bytes.first(CompleteSize()) : std::span<const BYTE>();
}

DEVMODEW DevModeView::PublicFields() const {
  DEVMODEW fields{};
  const std::span<const BYTE> bytes = PublicPart().Bytes();
  if (!bytes.empty())
    std::memcpy(&fields, bytes.data(), std::min(bytes.size(), sizeof fields));
  fields.dmSize = PublicSize();
  fields.dmDriverExtra = DriverExtra();
  return fields;
}

ByteReader DevModeView::PublicPart() const {
  ByteReader part;
  ByteReader(m_Bytes).ViewAt(0, std::min<size_t>(PublicSize(), m_Bytes.size()), &part,
                             "the public part");
  return part;
}

// A dmSize short of the size fields' end leaves no private part: blocks there would overlap the
// fields that locate them, and a write into such a block would move the chain.
ByteReader DevModeView::PrivatePart() const {
  ByteReader part;
  const size_t start = PublicSize();
  if (m_Bytes.size() >= kSizeFieldsEnd && start >= kSizeFieldsEnd && start <= m_Bytes.size())
    ByteReader(m_Bytes).ViewAt(start, std::min<size_t>(DriverExtra(), m_Bytes.size() - start),
                               &part, "the private part");
  return part;
}

std::vector<PrivateBlock> DevModeView::Blocks() const {
  std::vector<PrivateBlock> blocks;
  Walk([&blocks](const PrivateBlock &block) {
    blocks.push_back(block);
    return false;
  });
  return blocks;
}

std::optional<PrivateBlock> DevModeView::FindBlock(WORD blockId) const {
  return Walk([blockId](const PrivateBlock &block) { return block.header.wBlockId == blockId; });
}

std::vector<PrivateBlock> DevModeView::BlocksBehind(const PrivateBlock &block) const {
  std::vector<PrivateBlock> behind;
  Walk([&behind, &block](const PrivateBlock &candidate) {
    if (candidate.offset > block.offset)
      behind.push_back(candidate);
    return false;
  });
  return behind;
}

ByteReader DevModeView::BlockPart(const PrivateBlock &block) const {
  ByteReader part;
  ByteReader(m_Bytes).ViewAt(block.offset, block.header.dwSize, &part, "the block");
  return part;
}

void DevModeEditor::WritePublicFields(const DEVMODEW &fields) {
  DEVMODEW written = fields;
  written.dmSize = PublicSize();
  written.dmDriverExtra = DriverExtra();
  ByteWriter part = PublicWriter();
  part.WriteAt(0, BytesOf(written).first(std::min(part.Size(), sizeof written)));
}

void DevModeEditor::CopyPublicPart(const DevModeView &source) {
  const WORD publicSize = PublicSize(), driverExtra = DriverExtra();
  const std::span<const BYTE> bytes = source.PublicPart().Bytes();
  PublicWriter().WriteAt(0, bytes.first(std::min(bytes.size(), PublicPart().Size())));
  SetSizeFields(publicSize, driverExtra);
}

void DevModeEditor::SetSizeFields(WORD publicSize, WORD driverExtra) {
  if (m_Writable.size() < kSizeFieldsEnd)
    return;
  ByteWriter whole(m_Writable);
  whole.WriteAt(offsetof(DEVMODEW, dmSize), publicSize);
  whole.WriteAt(offsetof(DEVMODEW, dmDriverExtra), driverExtra);
}

ByteWriter DevModeEditor::PublicWriter() const {
  ByteWriter part;
  ByteWriter(m_Writable).ViewAt(0, PublicPart().Size(), &part);
  return part;
}

void DevModeEditor::OverwriteBlock(const PrivateBlock &block, std::span<const BYTE> bytes) {
  ByteWriter target = BlockWriter(block);
  target.WriteAt(0, bytes.first(std::min(bytes.size(), target.Size())));
  target.WriteAt(offsetof(PrivateDataBlockHeader, dwSize), block.header.dwSize);
}

void DevModeEditor::CopyBlocks(const DevModeView &source) {
  for (const PrivateBlock &block : Blocks()) {
    const std::optional<PrivateBlock> from = source.FindBlock(block.header.wBlockId);
    if (from)
      OverwriteBlock(block, source.BlockPart(*from).Bytes());
  }
}

ByteWriter DevModeEditor::BlockWriter(const PrivateBlock &block) const {
  ByteWriter part;
  ByteWriter(m_Writable).ViewAt(block.offset, block.header.dwSize, &part);
  return part;
}

std::span<const BYTE> CompleteDevModeBytes(const DEVMODEW *devMode) {
  if (devMode == nullptr)
    return {};
  return {reinterpret_cast<const BYTE *>(devMode),
          size_t{devMode->dmSize} + devMode->dmDriverExtra};
}

std::span<BYTE> CompleteDevModeBytes(DEVMODEW *devMode) {
  if (devMode == nullptr)
    return {};
  return {reinterpret_cast<BYTE *>(devMode), size_t{devMode->dmSize} + devMode->dmDriverExtra};
}

std::span<const BYTE> HeldPrivateBlockBytes(const void *block) {
  if (block == nullptr)
    return {};
  const auto *bytes = static_cast<const BYTE *>(block);
  PrivateDataBlockHeader header{};
  ByteReader(bytes, sizeof header).Read(&header);
  if (header.dwSignature != PRIVATE_DATA_SIGNATURE || header.dwSize < sizeof header)
    return {};
  return {bytes, header.dwSize};
}

const pdMain *HeldMainBlock(const BYTE *driverSettings) {
  if (HeldPrivateBlockBytes(driverSettings).size() < sizeof(pdMain))
    return nullptr;
  return reinterpret_cast<const pdMain *>(driverSettings);
}

const DEVMODEW *DevModeOf(const std::vector<BYTE> &buffer) {
  return reinterpret_cast<const DEVMODEW *>(buffer.data());
}

DEVMODEW *DevModeOf(std::vector<BYTE> &buffer) {
  return reinterpret_cast<DEVMODEW *>(buffer.data());
}

const PrivateDataBlockHeader *GetPlugInAddr(const DEVMODEW *devMode, WORD blockId) {
  const std::span<const BYTE> bytes = CompleteDevModeBytes(devMode);
  const std::optional<PrivateBlock> block = DevModeView(bytes).FindBlock(blockId);
  if (!block)
    return nullptr;
  return reinterpret_cast<const PrivateDataBlockHeader *>(bytes.data() + block->offset);
}

PrivateDataBlockHeader *GetPlugInAddr(DEVMODEW *devMode, WORD blockId) {
  return const_cast<PrivateDataBlockHeader *>(
      GetPlugInAddr(static_cast<const DEVMODEW *>(devMode), blockId));
}
