// The UIManager the host hands to the module: the current settings, feature lists, strings and
// printer data of one printer session.
#include <algorithm>
#include <cstring>

#include "abi/wide.h"
#include "abi/devmode_view.h"
#include "host/host_objects.h"
#include "host/printer_session.h"
#include "host/text_convert.h"

namespace host {
namespace {

// The host's own help file and folder; the folder path ends with a separator.
constexpr char kHelpFile[] = "JZUIHLP_EN.HLP";
constexpr char kHelpFileJapanese[] = "JZUIHLP_JP.HLP";
constexpr char kHelpDirectory[] = "C:\\WINDOWS\\system32\\spool\\DRIVERS\\W32X86\\3\\HELP\\";

class HostUIManager final : public UIManager {
 public:
  explicit HostUIManager(PrinterSession &session) : session_(session) {}
  void *DeletingDestructor(UINT flags) override { return DestroyBoundaryObject(this, flags); }

  bool CanChangeSettings() override { return session_.canChangeSettings(); }

  LPCSTR GetHelpFileName(int) override {
    return session_.options().language == UiLanguage::Japanese ? kHelpFileJapanese : kHelpFile;
  }
  LPCSTR GetHelpDirectory(int) override { return kHelpDirectory; }
  HANDLE GetPrinterHandle() override { return session_.printerHandle(); }
  LPCWSTR GetPrinterNameW() override { return session_.printerName().c_str(); }
  DEVMODEW *GetCurrentDevMode() override { return session_.devMode(); }

  void *GetPrivateData(WORD blockId, DWORD) override { return session_.privateBlock(blockId); }

  void *GetFeatureItem(int list, WORD index) override {
    return const_cast<void *>(session_.model().FeatureItem(list, index));
  }
  int GetFeatureCount(int list) override { return session_.model().FeatureCount(list); }

  void RemovePrivateData(WORD blockId, DWORD) override {
    ++session_.events().removePrivateData;
    session_.RemovePrivateData(blockId);
  }

  void NotifyChange(DWORD) override { ++session_.events().notifyChange; }

  // With a null buffer only the size is reported; a buffer smaller than the value is refused.
  bool ReadPrinterValue(LPCSTR name, void *buffer, DWORD *size) override {
    if (!name || !size)
      return false;
    WideString wideName = WideFromAnsi(name, CP_ACP);
    DWORD type = 0, needed = 0;
    DWORD capacity = buffer ? *size : 0;
    DWORD status = GetPrinterDataW(session_.printerHandle(), const_cast<LPWSTR>(wideName.c_str()),
                                   &type, static_cast<BYTE *>(buffer), capacity, &needed);
    if (status == ERROR_SUCCESS || (status == ERROR_MORE_DATA && !buffer)) {
      *size = needed;
      return true;
    }
    return false;
  }

  bool WritePrinterValue(LPCSTR name, DWORD type, const void *data, DWORD size) override {
    if (!name)
      return false;
    WideString wideName = WideFromAnsi(name, CP_ACP);
    return SetPrinterDataW(session_.printerHandle(), const_cast<LPWSTR>(wideName.c_str()), type,
                           static_cast<BYTE *>(const_cast<void *>(data)), size) == ERROR_SUCCESS;
  }

  bool IsClientMode() override { return session_.isClientSide(); }

  void ReloadDevMode(int) override {
    ++session_.events().reloadDevMode;
    session_.ReloadSettings();
  }

  void SetCurrentDevMode(const DEVMODEW *devMode) override {
    ++session_.events().setCurrentDevMode;
    const std::span<const BYTE> bytes = CompleteDevModeBytes(devMode);
    if (!bytes.empty())
      session_.SetDevMode(bytes.data(), bytes.size());
  }

  bool GetFeatureSetEntry(LPCSTR name, BYTE *entry) override {
    ModuleRegistryEntry read;
    if (!name || !entry || !session_.registrations().Read(name, &read))
      return false;
    std::memcpy(entry, &read, sizeof read);
    return true;
  }

  ModelInfoRecord *GetModelInfo() override { return &session_.model().info; }
  void FinishInfoDialog() override { ++session_.events().finishInfoDialog; }
  BYTE *GetDriverSettings() override { return session_.mainBlock(); }
  ModelCapabilitiesRecord *GetModelCapabilities() override {
    return &session_.model().capabilities;
  }
  WORD GetLanguage() override { return session_.languageId(); }

  // Copies the string, cut to the buffer; a missing string loads as empty text.
  int LoadResString(UINT id, LPWSTR buffer, int cchBuffer, DWORD, DWORD, DWORD) override {
    if (!buffer || cchBuffer <= 0)
      return 0;
    const WideString *text = session_.strings().Find(id);
    size_t length = text ? std::min(text->size(), static_cast<size_t>(cchBuffer - 1)) : 0;
    if (text)
      std::copy_n(text->data(), length, buffer);
    buffer[length] = u'\0';
    return static_cast<int>(length);
  }

  // A 260-byte buffer holding the text, zero-padded; the same buffer serves every call.
  BYTE *GetPrinterNameBuffer(LPCSTR text) override {
    BYTE *buffer = session_.printerNameBuffer();
    std::memset(buffer, 0, 260);
    if (text)
      std::memcpy(buffer, text, std::min<size_t>(std::strlen(text), 259));
    return buffer;
  }

  // The session's resource module JZRES32.dll; null when it could not be loaded.
  HINSTANCE GetResourceInstance() override { return session_.resourceInstance(); }

 private:
  PrinterSession &session_;
};

}  // namespace

BoundaryPtr<UIManager> MakeUIManager(PrinterSession &session) {
  return BoundaryPtr<UIManager>(new HostUIManager(session));
}

}  // namespace host
