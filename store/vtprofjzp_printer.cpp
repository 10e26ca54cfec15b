// What the store reads about the printer as a whole: the driver's default DEVMODE, the driver
// name, and the stored list of profile headers.
#include <windows.h>
#include <string.h>
#include <winspool.h>

#include <algorithm>

#include "abi/byte_reader.h"
#include "abi/devmode_view.h"
#include "abi/mbcs_text.h"
#include "store/vtprofjzp.h"

namespace {

constexpr int kDevModeSizeAttempts = 5;
constexpr DWORD kDevModeRetryDelayMs = 1000;
// The size taken when the driver never tells its DEVMODE size.
constexpr DWORD kFallbackDevModeSize = 2268;

}  // namespace

// The default profile's values are those of registry number 0, which are always printer data;
// they are addressed by that number so that a user profile named like it (case ignored) is never
// taken for it. The stored value is read every time: the page removes or writes it while its
// stores come and go.
DWORD VTPROFJZP::GetDefaultDevModeSize() {
  const DWORD stored = GetRegValueSize(DEFAULT_PROFILE_DEVMODE_VALUE);
  return stored != 0 ? stored : DriverDevModeSize();
}

// The page's earlier answer when there is one; a size the driver tells is kept for the page.
DWORD VTPROFJZP::DriverDevModeSize() {
  if (m_pDriverSizeCache != nullptr && m_pDriverSizeCache->size)
    return *m_pDriverSizeCache->size;
  ScopedPrinter printer = UsePrinter(0);
  if (!printer)
    return 0;
  WideString printerName = m_pIdentity->PrinterName().wide;
  const LONG driverSize =
      DocumentPropertiesW(m_hOwner, printer.get(), printerName.data(), nullptr, nullptr, 0);
  if (driverSize <= 0)
    return 0;
  if (m_pDriverSizeCache != nullptr)
    m_pDriverSizeCache->size = static_cast<DWORD>(driverSize);
  return static_cast<DWORD>(driverSize);
}

// A retry that gives up leaves the fallback in the page's cache: the page's later stores take it
// at once instead of waiting for the driver again.
DWORD VTPROFJZP::RetryDefaultDevModeSize() {
  for (int attempt = 0; attempt < kDevModeSizeAttempts; ++attempt) {
    const DWORD size = GetDefaultDevModeSize();
    if (size != 0)
      return size;
    Sleep(kDevModeRetryDelayMs);
  }
  if (m_pDriverSizeCache != nullptr)
    m_pDriverSizeCache->size = kFallbackDevModeSize;
  return kFallbackDevModeSize;
}

// The stored default profile's DEVMODE (registry number 0), else the printer's own default DEVMODE
// from its level-2 information, cut to the buffer, which callers size with
// RetryDefaultDevModeSize.
DWORD VTPROFJZP::GetDefaultDevMode(BYTE *buffer, DWORD bufferSize) {
  if (buffer == nullptr)
    return 0;
  const std::optional<ProfileValue> stored =
      ReadProfileValue(FACTORY_DEFAULT_PROFILE, 0, PROFILE_DEVMODE_VALUE);
  if (stored && !stored->data.empty()) {
    const DWORD copied = static_cast<DWORD>(std::min<size_t>(stored->data.size(), bufferSize));
    memcpy(buffer, stored->data.data(), copied);
    return copied;
  }

  ScopedPrinter printer = UsePrinter(0);
  if (!printer)
    return 0;
  DWORD needed = 0;
  GetPrinterW(printer.get(), 2, nullptr, 0, &needed);
  std::vector<BYTE> info(needed);
  if (needed == 0 || !GetPrinterW(printer.get(), 2, info.data(), needed, &needed))
    return 0;
  const BYTE *devMode =
      reinterpret_cast<const BYTE *>(reinterpret_cast<PRINTER_INFO_2W *>(info.data())->pDevMode);
  const BYTE *end = info.data() + info.size();
  if (devMode == nullptr || devMode < info.data() || devMode >= end ||
      static_cast<size_t>(end - devMode) < sizeof(DEVMODEW))
    return 0;
  DEVMODEW header;
  ByteReader(devMode, static_cast<size_t>(end - devMode)).Read(&header);
  size_t copied = size_t{header.dmSize} + header.dmDriverExtra;
  if (copied > static_cast<size_t>(end - devMode))
    copied = static_cast<size_t>(end - devMode);
  if (copied > bufferSize)
    copied = bufferSize;
  memcpy(buffer, devMode, copied);
  return static_cast<DWORD>(copied);
}

std::vector<BYTE> VTPROFJZP::GetProfileDevModeFromReg(LPCSTR profileName) {
  const DWORD size = GetProfileRegValueSize(profileName, PROFILE_DEVMODE_VALUE);
  if (size == 0)
    return {};
  std::vector<BYTE> devMode(size);
  DWORD loaded = 0, type = 0;
  if (LoadProfileRegValue(profileName, PROFILE_DEVMODE_VALUE, devMode.data(), size, &loaded,
                          &type) == 0)
    return {};
  devMode.resize(loaded);
  return devMode;
}

void VTPROFJZP::GetDriverName() {
  m_pIdentity->KeepDriverName("");
  ScopedPrinter printer = UsePrinter(0);
  if (!printer)
    return;
  const std::optional<PrinterPortAndDriver> info = Text().ReadPrinterInfo(printer.get());
  if (info)
    m_pIdentity->KeepDriverName(info->driver.text.c_str());
}

int VTPROFJZP::GetProfRegNum(LPCSTR profileName) {
  if (profileName == nullptr)
    return 0;
  const DWORD size = GetRegValueSize(PROFILE_DATA_VALUE);
  if (size == 0)
    return 0;
  std::vector<BYTE> data(size);
  const DWORD read = GetRegValue(PROFILE_DATA_VALUE, data.data(), size);
  for (const ProfileHeader &header : ReadProfileHeaders({data.data(), read}, read))
    if (SameMbcsText(header.strProfileName, profileName))
      return header.nProfRegNum;
  return 0;
}

// The cache holds the headers that "JzProfileCount" counts, as far as "JzProfileData" holds
// whole headers: a count larger than the stored array yields the stored headers only.
bool VTPROFJZP::CacheHeaders() {
  if (m_bHeadersCached)
    return true;
  BYTE countBytes[sizeof(DWORD)] = {};
  DWORD count = 0;
  if (GetRegValue(PROFILE_COUNT_VALUE, countBytes, sizeof countBytes) == 0)
    return false;
  ByteReader(countBytes, sizeof countBytes).Read(&count);
  const DWORD size = GetRegValueSize(PROFILE_DATA_VALUE);
  if (size == 0)
    return false;
  std::vector<BYTE> data(size);
  const DWORD read = GetRegValue(PROFILE_DATA_VALUE, data.data(), size);
  if (read == 0)
    return false;
  m_Headers = ReadProfileHeaders({data.data(), read}, count);
  m_bHeadersCached = true;
  return true;
}

DWORD VTPROFJZP::GetProfileDataFromModel(char (*names)[32], char (*descriptions)[512],
                                         DWORD capacity) {
  if (!CacheHeaders())
    return 0;
  for (size_t i = 0; i < m_Headers.size() && i < capacity; ++i) {
    if (names != nullptr)
      memcpy(names[i], m_Headers[i].strProfileName, sizeof names[i]);
    if (descriptions != nullptr)
      memcpy(descriptions[i], m_Headers[i].strProfileInfo, sizeof descriptions[i]);
  }
  return static_cast<DWORD>(m_Headers.size());
}

const ProfileHeader *VTPROFJZP::GetProfileDataModel(LPCSTR profileName) {
  if (profileName == nullptr || !CacheHeaders())
    return nullptr;
  const ProfileHeader *found = nullptr;
  for (const ProfileHeader &header : m_Headers)
    if (SameMbcsText(header.strProfileName, profileName))
      found = &header;
  return found;
}

PrivateDataBlockHeader *VTPROFJZP::GetPlugInAddr(DEVMODEW *devMode, WORD blockId) {
  return ::GetPlugInAddr(devMode, blockId);
}
