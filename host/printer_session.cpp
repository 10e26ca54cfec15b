// Opening a printer for the user interface and keeping its current settings.
#include "host/printer_session.h"

#include <algorithm>
#include <cstring>

#include "abi/wide.h"
#include "abi/storage_names.h"
#include "host/devmode_chain.h"
#include "host/host_objects.h"
#include "host/text_convert.h"

namespace host {
namespace {

// Per-user settings live where Windows keeps them: one value per printer.
constexpr WCHAR kPerUserKey[] = WSTR("Printers\\DevModePerUser");
constexpr WCHAR kSetupValue[] = WSTR("Setup");

std::vector<BYTE> ReadPrinterInfo(HANDLE printer) {
  DWORD needed = 0;
  GetPrinterW(printer, 2, nullptr, 0, &needed);
  std::vector<BYTE> info(needed);
  if (needed == 0 || !GetPrinterW(printer, 2, info.data(), needed, &needed))
    return {};
  return info;
}

}  // namespace

WideString PrinterRegistryName(const WideString &printerName) {
  WideString name = printerName;
  std::replace(name.begin(), name.end(), u'\\', u',');
  return name;
}

WideString PrinterKeyPath(const WideString &printerName) {
  return WSTR("SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\") +
         PrinterRegistryName(printerName);
}

std::unique_ptr<PrinterSession> PrinterSession::Open(const WideString &printerName,
                                                     const SessionOptions &options,
                                                     std::string *error) {
  bool canChange = true;
  PrinterHandle printer = PrinterHandle::Open(printerName, PRINTER_ALL_ACCESS);
  if (!printer && GetLastError() == ERROR_ACCESS_DENIED) {
    canChange = false;
    printer = PrinterHandle::Open(printerName, PRINTER_ACCESS_USE);
  }
  if (!printer) {
    *error = "unknown printer \"" + Utf8FromUtf16(printerName) + "\"";
    return nullptr;
  }
  std::vector<BYTE> info = ReadPrinterInfo(printer.get());
  if (info.empty()) {
    *error = "cannot read the printer information of \"" + Utf8FromUtf16(printerName) + "\"";
    return nullptr;
  }
  const auto *printerInfo = reinterpret_cast<const PRINTER_INFO_2W *>(info.data());
  WideString driverName = printerInfo->pDriverName ? printerInfo->pDriverName : WSTR("");
  const PrinterModel *model = FindModel(driverName);
  if (!model) {
    *error = "the driver \"" + Utf8FromUtf16(driverName) + "\" of \"" + Utf8FromUtf16(printerName) +
             "\" is not one of this host's models";
    return nullptr;
  }
  std::unique_ptr<PrinterSession> session(
      new PrinterSession(printerInfo->pPrinterName, PrinterRegistryName(printerInfo->pPrinterName),
                         std::move(printer), canChange, *model, options));
  if (std::optional<DWORD> restriction = session->PrinterKeyDword(WSTR("Restriction")))
    session->model_.info.bRestriction = static_cast<BYTE>(*restriction);
  session->ReloadSettings();
  return session;
}

PrinterSession::PrinterSession(WideString printerName, WideString registryName,
                               PrinterHandle printer, bool canChangeSettings,
                               const PrinterModel &model, const SessionOptions &options)
    : printerName_(std::move(printerName)),
      registryName_(std::move(registryName)),
      printer_(std::move(printer)),
      canChangeSettings_(canChangeSettings),
      model_(model),
      options_(options),
      registrations_(model.driverName) {
  uiManager_ = MakeUIManager(*this);
  driverContext_ = MakeDriverContext(*this);
  uiClassHost_ = MakeUIClassHost(uiManager_.get());
}

PrinterSession::~PrinterSession() = default;

std::optional<DWORD> PrinterSession::PrinterKeyDword(const WCHAR *name) const {
  RegKey key = RegKey::Open(HKEY_LOCAL_MACHINE, PrinterKeyPath(printerName_), KEY_QUERY_VALUE);
  DWORD value = 0, size = sizeof value, type = 0;
  if (!key ||
      RegQueryValueExW(key.get(), name, nullptr, &type, reinterpret_cast<BYTE *>(&value), &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD)
    return std::nullopt;
  return value;
}

bool PrinterSession::isClientSide() const {
  return PrinterKeyDword(WSTR("ClientSide")).value_or(0) != 0;
}

BYTE *PrinterSession::mainBlock() {
  std::vector<BlockInfo> blocks = PrivateBlocks(devMode_);
  if (blocks.empty() || blocks.front().header.wBlockId != PRIVATE_DATA_ID_MAIN)
    return nullptr;
  return devMode_.data() + blocks.front().offset;
}

BYTE *PrinterSession::privateBlock(WORD blockId) {
  std::optional<BlockInfo> block = FindPrivateBlock(devMode_, blockId);
  return block ? devMode_.data() + block->offset : nullptr;
}

bool PrinterSession::SetDevMode(const BYTE *data, size_t size, std::string *why) {
  std::vector<BYTE> candidate(data, data + size);
  if (!IsCompleteDevMode(candidate, why))
    return false;
  TakeDevMode(std::move(candidate));
  return true;
}

// The module may keep the pointer GetCurrentDevMode gave it: settings of the same size are
// copied into the buffer it points at.
void PrinterSession::TakeDevMode(std::vector<BYTE> devMode) {
  if (devMode.size() == devMode_.size())
    std::copy(devMode.begin(), devMode.end(), devMode_.begin());
  else
    devMode_ = std::move(devMode);
}

bool PrinterSession::RemovePrivateData(WORD blockId) {
  if (!RemovePrivateBlock(devMode_, blockId))
    return false;
  if (controlSet_)
    controlSet_->InvalidateDevMode();
  return true;
}

std::vector<BYTE> PrinterSession::PrinterDefaultDevMode() const {
  LPWSTR name = const_cast<LPWSTR>(printerName_.c_str());
  LONG size = DocumentPropertiesW(nullptr, printer_.get(), name, nullptr, nullptr, 0);
  if (size <= 0)
    return model_.DefaultDevMode();
  std::vector<BYTE> devMode(static_cast<size_t>(size));
  if (DocumentPropertiesW(nullptr, printer_.get(), name,
                          reinterpret_cast<DEVMODEW *>(devMode.data()), nullptr,
                          DM_OUT_BUFFER) != IDOK ||
      !IsCompleteDevMode(devMode))
    return model_.DefaultDevMode();
  return devMode;
}

void PrinterSession::ReloadSettings() {
  RegKey key = RegKey::Open(HKEY_CURRENT_USER, kPerUserKey, KEY_QUERY_VALUE);
  DWORD type = 0, size = 0;
  if (key &&
      RegQueryValueExW(key.get(), printerName_.c_str(), nullptr, &type, nullptr, &size) ==
          ERROR_SUCCESS &&
      type == REG_BINARY) {
    std::vector<BYTE> stored(size);
    if (RegQueryValueExW(key.get(), printerName_.c_str(), nullptr, &type, stored.data(), &size) ==
            ERROR_SUCCESS &&
        IsCompleteDevMode(stored)) {
      TakeDevMode(std::move(stored));
      return;
    }
  }
  TakeDevMode(PrinterDefaultDevMode());
}

bool PrinterSession::SaveSettings() {
  // The module writes into the current DEVMODE directly; a damaged one is not kept.
  if (!IsCompleteDevMode(devMode_))
    return false;
  RegKey key = RegKey::Create(HKEY_CURRENT_USER, kPerUserKey, KEY_SET_VALUE);
  return key && RegSetValueExW(key.get(), printerName_.c_str(), 0, REG_BINARY, devMode_.data(),
                               static_cast<DWORD>(devMode_.size())) == ERROR_SUCCESS;
}

void PrinterSession::AdoptRestoredDataSets() {
  RegKey key =
      RegKey::Open(HKEY_LOCAL_MACHINE, PrinterKeyPath(printerName_) + WSTR("\\PrinterDriverData"),
                   KEY_QUERY_VALUE | KEY_SET_VALUE);
  const WideString restored = Utf16FromUtf8(PROFILE_SETUP_VALUE);
  DWORD type = 0, size = 0;
  if (!key || RegQueryValueExW(key.get(), restored.c_str(), nullptr, &type, nullptr, &size) !=
                  ERROR_SUCCESS)
    return;
  std::vector<BYTE> setup(size);
  if (RegQueryValueExW(key.get(), restored.c_str(), nullptr, &type, setup.data(), &size) !=
          ERROR_SUCCESS ||
      RegSetValueExW(key.get(), kSetupValue, 0, type, setup.data(), size) != ERROR_SUCCESS)
    return;
  RegDeleteValueW(key.get(), restored.c_str());
}

}  // namespace host
