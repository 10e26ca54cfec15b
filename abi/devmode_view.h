// A wide DEVMODE held as bytes: its public part, the two size fields that locate its private
// part, and the chain of private-data blocks in that part (the driver's main block first, then
// the plug-ins' blocks). Every access is bounded by the bytes and by dmDriverExtra, and every
// header and record is copied out before it is used.
//
// The private part begins at dmSize and is dmDriverExtra bytes long; a dmSize that does not
// reach past the size fields themselves leaves no private part. A block is taken only when
// its whole header and its whole declared size lie inside the private part, its signature is
// "VtPd" and its size is at least a header; the first block that fails any of these ends the
// chain, so no block reaches past dmDriverExtra.
#pragma once

#include <windows.h>

#include <stddef.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <span>
#include <vector>

#include "abi/byte_reader.h"
#include "abi/byte_writer.h"
#include "abi/private_blocks.h"

// One block of the chain: where it lies and a copy of its header.
struct PrivateBlock {
  size_t offset;  // of the header, from the start of the DEVMODE
  PrivateDataBlockHeader header;
};

class DevModeView {
 public:
  explicit DevModeView(std::span<const BYTE> bytes) : m_Bytes(bytes) {}

  // The bytes hold the size fields and the dmSize + dmDriverExtra bytes they declare.
  bool IsComplete() const;
  // dmSize and dmDriverExtra; 0 when the bytes do not reach them.
  WORD PublicSize() const { return SizeField(offsetof(DEVMODEW, dmSize)); }
  WORD DriverExtra() const { return SizeField(offsetof(DEVMODEW, dmDriverExtra)); }
  size_t CompleteSize() const { return size_t{PublicSize()} + DriverExtra(); }
  // The dmSize + dmDriverExtra bytes of a complete DEVMODE; empty otherwise.
  std::span<const BYTE> Bytes() const;

  // The public fields as far as dmSize and the bytes reach; the rest of the record is zero.
  DEVMODEW PublicFields() const;
  // The public part's bytes: dmSize of them, as far as the bytes reach.
  ByteReader PublicPart() const;

  // The blocks in chain order, up to the first one that is not sound.
  std::vector<PrivateBlock> Blocks() const;
  // The first block with the identifier.
  std::optional<PrivateBlock> FindBlock(WORD blockId) const;
  // The blocks that follow `block` in the chain.
  std::vector<PrivateBlock> BlocksBehind(const PrivateBlock &block) const;
  // A block's own bytes, header included.
  ByteReader BlockPart(const PrivateBlock &block) const;
  // A block copied into its record by layout: bytes the block does not hold read as zero, and
  // bytes it holds beyond the record are not read. header.dwSize tells how far the block
  // reaches.
  template <typename Block>
  Block ReadBlock(const PrivateBlock &block) const;
  template <typename Block>
  std::optional<Block> ReadBlock(WORD blockId) const;

 private:
  WORD SizeField(size_t offset) const;
  ByteReader PrivatePart() const;
  // Visits the sound blocks in chain order until `stop` returns true for one; returns that one.
  template <typename Stop>
  std::optional<PrivateBlock> Walk(Stop stop) const;

  std::span<const BYTE> m_Bytes;
};

// A DEVMODE whose fields and blocks are changed in place. The chain keeps its layout: size
// fields and the blocks' own size fields are never overwritten by what is copied in.
class DevModeEditor : public DevModeView {
 public:
  explicit DevModeEditor(std::span<BYTE> bytes) : DevModeView(bytes), m_Writable(bytes) {}

  // The public fields as far as dmSize reaches; dmSize and dmDriverExtra keep their values.
  void WritePublicFields(const DEVMODEW &fields);
  // As many bytes of the source's public part as both public parts hold; the size fields stay.
  void CopyPublicPart(const DevModeView &source);
  void SetSizeFields(WORD publicSize, WORD driverExtra);
  ByteWriter PublicWriter() const;

  // Copies the bytes over the block, as many as the block holds; the block keeps its size field
  // and, when the bytes are shorter, the rest of its bytes.
  void OverwriteBlock(const PrivateBlock &block, std::span<const BYTE> bytes);
  template <typename Block>
  void WriteBlock(const PrivateBlock &block, const Block &record) {
    OverwriteBlock(block, BytesOf(record));
  }
  // Each block takes the source's first block of the same identifier (OverwriteBlock); blocks
  // the source does not hold keep their bytes. The source may be this DEVMODE.
  void CopyBlocks(const DevModeView &source);
  ByteWriter BlockWriter(const PrivateBlock &block) const;

 private:
  std::span<BYTE> m_Writable;
};

template <typename Stop>
std::optional<PrivateBlock> DevModeView::Walk(Stop stop) const {
  ByteReader chain = PrivatePart();
  while (chain.Remaining() >= sizeof(PrivateDataBlockHeader)) {
    PrivateBlock block{chain.AbsoluteOffset(), {}};
    ByteReader(chain).Read(&block.header);
    if (block.header.dwSignature != PRIVATE_DATA_SIGNATURE ||
        block.header.dwSize < sizeof block.header || !chain.Skip(block.header.dwSize))
      break;
    if (stop(block))
      return block;
  }
  return std::nullopt;
}

template <typename Block>
Block DevModeView::ReadBlock(const PrivateBlock &block) const {
  static_assert(std::is_trivially_copyable_v<Block>);
  Block record{};
  const std::span<const BYTE> bytes = BlockPart(block).Bytes();
  if (!bytes.empty())
    std::memcpy(&record, bytes.data(), std::min(bytes.size(), sizeof record));
  return record;
}

template <typename Block>
std::optional<Block> DevModeView::ReadBlock(WORD blockId) const {
  const std::optional<PrivateBlock> block = FindBlock(blockId);
  if (!block)
    return std::nullopt;
  return ReadBlock<Block>(*block);
}

// The complete DEVMODE behind a pointer whose holder vouches for its dmSize + dmDriverExtra
// bytes (the host's current DEVMODE, a caller's buffer); empty for null.
std::span<const BYTE> CompleteDevModeBytes(const DEVMODEW *devMode);
std::span<BYTE> CompleteDevModeBytes(DEVMODEW *devMode);
// The private block behind a pointer whose holder vouches for its declared size (a block the
// host hands out on its own): its header read through the reader, then its dwSize bytes. Empty
// for null, a wrong signature or a size smaller than a header.
std::span<const BYTE> HeldPrivateBlockBytes(const void *block);
// The host's driver settings record as the main block it is; null unless it carries a block
// header and is at least a main block long.
const pdMain *HeldMainBlock(const BYTE *driverSettings);
// The DEVMODEW at the start of a buffer that holds a complete DEVMODE, for the interfaces that
// take one.
const DEVMODEW *DevModeOf(const std::vector<BYTE> &buffer);
DEVMODEW *DevModeOf(std::vector<BYTE> &buffer);

// The first block of the chain with the given identifier inside the DEVMODE, or null. The
// caller's buffer holds the DEVMODE's dmSize + dmDriverExtra bytes.
PrivateDataBlockHeader *GetPlugInAddr(DEVMODEW *devMode, WORD blockId);
const PrivateDataBlockHeader *GetPlugInAddr(const DEVMODEW *devMode, WORD blockId);
