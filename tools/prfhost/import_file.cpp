// Reading a profile file for the import report.
#include "abi/wide.h"
#include "import_file.h"

#include "abi/private_blocks.h"
#include "profilefile/jzp_items.h"
#include "profilefile/jzp_reader.h"
#include "profilefile/jzp_tags.h"

namespace prfhost {
namespace {

// Opens for reading and closes when it goes.
class ReadHandle {
 public:
  explicit ReadHandle(const WideString &path)
      : handle_(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~ReadHandle() {
    if (handle_ != INVALID_HANDLE_VALUE)
      CloseHandle(handle_);
  }
  ReadHandle(const ReadHandle &) = delete;
  ReadHandle &operator=(const ReadHandle &) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

void ReadSettings(const ByteReader &section, ImportFileProfile *profile) {
  for (const JzpDwordItem &item : ReadJzpDwordItems(section)) {
    const LONG value = static_cast<LONG>(item.dwValue);
    if (item.dwTag == PFDM_PAPERSIZE)
      profile->paperSize = value;
    else if (item.dwTag == PFDM_PRINTQUALITY)
      profile->printQuality = value;
    else if (item.dwTag == PFDM_YRESOLUTION)
      profile->yResolution = value;
  }
}

bool ReadBlocks(const ByteReader &section, ImportFileProfile *profile) {
  JzpBufferItems items(section);
  JzpBufferItem item;
  while (items.Next(&item)) {
    ByteReader data(item.data);
    PrivateDataBlockHeader header;
    if (item.head.dwTag == PFPD_PLUGIN && data.Read(&header) &&
        header.dwSignature == PRIVATE_DATA_SIGNATURE)
      profile->blockIds.push_back(header.wBlockId);
  }
  return !items.Damaged();
}

bool ReadValues(const ByteReader &section, ImportFileProfile *profile) {
  JzpRegItems items(section);
  JzpRegItem item;
  while (items.Next(&item))
    profile->values.push_back({item.head.szValueName, {item.data.begin(), item.data.end()}});
  return !items.Damaged();
}

}  // namespace

bool ReadImportFile(const WideString &path, ImportFile *file, std::string *error) {
  ReadHandle handle(path);
  if (handle.get() == INVALID_HANDLE_VALUE) {
    *error = "cannot open the file";
    return false;
  }
  const JzpFileSource source(handle.get());
  JzpFileReader reader(source);
  JzpHead head;
  if (!reader.ReadHead(&head)) {
    *error = "it is no profile file: " + reader.StopReason();
    return false;
  }
  JzpEntryInfo info;
  while (reader.NextEntry(&info)) {
    ImportFileProfile profile;
    profile.name = info.entry.szProfileName;
    ReadSettings(reader.Section(info, JZP_SECTION_ITEMS), &profile);
    if (!ReadBlocks(reader.Section(info, JZP_SECTION_BUFFERS), &profile) ||
        !ReadValues(reader.Section(info, JZP_SECTION_REGISTRY), &profile)) {
      file->damage = "a record of profile " + std::to_string(info.index + 1) +
                     " runs past the end of its section";
      return true;
    }
    file->profiles.push_back(std::move(profile));
  }
  if (reader.Damaged())
    file->damage = "reading stopped at byte " + std::to_string(reader.StopOffset()) + ": " +
                   reader.StopReason();
  return true;
}

}  // namespace prfhost
