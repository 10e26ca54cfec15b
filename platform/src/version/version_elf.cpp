// Finds the version section of a shared object by reading its ELF64 section headers from the file
// on disk. Every offset and size read from the file is checked against the file's length.
#include "version_elf.h"

#include <winbase.h>

#include <elf.h>

#include <bit>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string_view>
#include <vector>

#include "winplat/image_sections.h"

namespace fs = std::filesystem;

static_assert(std::endian::native == std::endian::little, "ELF headers are read in place");

namespace {

class FileReader {
 public:
  explicit FileReader(const fs::path &file) : stream_(file, std::ios::binary) {
    if (stream_.seekg(0, std::ios::end))
      size_ = static_cast<uint64_t>(stream_.tellg());
  }

  bool IsOpen() const { return stream_.is_open(); }

  bool Contains(uint64_t offset, uint64_t length) const {
    return offset <= size_ && length <= size_ - offset;
  }

  // Reads `length` bytes at `offset`; false when they are not all inside the file.
  bool Read(uint64_t offset, void *out, uint64_t length) {
    if (!Contains(offset, length))
      return false;
    stream_.seekg(static_cast<std::streamoff>(offset));
    stream_.read(static_cast<char *>(out), static_cast<std::streamsize>(length));
    return static_cast<bool>(stream_);
  }

 private:
  std::ifstream stream_;
  uint64_t size_ = 0;
};

bool IsLittleEndianElf64(const Elf64_Ehdr &header) {
  return std::memcmp(header.e_ident, ELFMAG, SELFMAG) == 0 &&
         header.e_ident[EI_CLASS] == ELFCLASS64 && header.e_ident[EI_DATA] == ELFDATA2LSB;
}

// The section header table. A file with no sections, or with more than fit in e_shnum (which
// then reads 0), gives an empty table.
bool ReadSectionHeaders(FileReader &reader, const Elf64_Ehdr &header,
                        std::vector<Elf64_Shdr> &sections) {
  if (header.e_shnum == 0)
    return true;
  if (header.e_shentsize < sizeof(Elf64_Shdr))
    return false;
  const uint64_t tableSize = uint64_t{header.e_shnum} * header.e_shentsize;
  if (!reader.Contains(header.e_shoff, tableSize))
    return false;
  sections.resize(header.e_shnum);
  for (size_t i = 0; i < sections.size(); ++i) {
    const uint64_t offset = header.e_shoff + i * header.e_shentsize;
    if (!reader.Read(offset, &sections[i], sizeof(Elf64_Shdr)))
      return false;
  }
  return true;
}

bool ReadSectionData(FileReader &reader, const Elf64_Shdr &section, std::vector<char> &data) {
  if (section.sh_type == SHT_NOBITS || !reader.Contains(section.sh_offset, section.sh_size)) {
    return false;
  }
  data.resize(section.sh_size);
  return reader.Read(section.sh_offset, data.data(), data.size());
}

// The NUL-terminated name at `offset` in the section name table; empty when it is not all there.
std::string_view SectionName(const std::vector<char> &names, uint64_t offset) {
  if (offset >= names.size())
    return {};
  const std::string_view rest(names.data() + offset, names.size() - offset);
  const size_t end = rest.find('\0');
  return end == std::string_view::npos ? std::string_view() : rest.substr(0, end);
}

}  // namespace

namespace winplat::version {

DWORD ReadElfSection(const fs::path &file, std::string_view name, std::vector<char> &data) {
  FileReader reader(file);
  if (!reader.IsOpen())
    return ERROR_FILE_NOT_FOUND;
  Elf64_Ehdr header;
  if (!reader.Read(0, &header, sizeof header) || !IsLittleEndianElf64(header)) {
    return ERROR_BAD_EXE_FORMAT;
  }
  std::vector<Elf64_Shdr> sections;
  if (!ReadSectionHeaders(reader, header, sections))
    return ERROR_BAD_EXE_FORMAT;
  if (sections.empty())
    return ERROR_RESOURCE_TYPE_NOT_FOUND;
  std::vector<char> names;
  if (header.e_shstrndx >= sections.size() ||
      !ReadSectionData(reader, sections[header.e_shstrndx], names)) {
    return ERROR_BAD_EXE_FORMAT;
  }
  for (const Elf64_Shdr &section : sections) {
    if (SectionName(names, section.sh_name) != name)
      continue;
    if (section.sh_type == SHT_NOBITS)
      return ERROR_INVALID_DATA;
    return ReadSectionData(reader, section, data) ? ERROR_SUCCESS : ERROR_BAD_EXE_FORMAT;
  }
  return ERROR_RESOURCE_TYPE_NOT_FOUND;
}

DWORD ReadFixedFileInfo(const fs::path &file, VS_FIXEDFILEINFO *info) {
  std::vector<char> data;
  const DWORD error = ReadElfSection(file, WINPLAT_VERSION_SECTION, data);
  if (error != ERROR_SUCCESS)
    return error;
  if (data.size() != sizeof(VS_FIXEDFILEINFO))
    return ERROR_INVALID_DATA;
  std::memcpy(info, data.data(), sizeof(VS_FIXEDFILEINFO));
  return info->dwSignature == VS_FFI_SIGNATURE ? ERROR_SUCCESS : ERROR_INVALID_DATA;
}

}  // namespace winplat::version
