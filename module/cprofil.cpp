// The module's UI class.
#include "module/cprofil.h"

#include <new>

#include "store/profile_list.h"

namespace {

// The one kind of user interface this module supports.
constexpr DWORD kSupportedUiKind = 4;

}  // namespace

bool CUIModuleImpl::SupportsType(DWORD kind) {
  return kind == kSupportedUiKind;
}

CProfil::CProfil() : m_pProfileList(nullptr), m_pHost(nullptr), m_dwHostValue(0) {}

CProfil::~CProfil() {
  delete m_pProfileList;
}

// The list is bound to the host's UIManager but not loaded. A later host replaces the list
// built for an earlier one; a null host keeps it. Without a page its texts are in the system's
// code page.
void CProfil::SetHost(UIClassHost *host) {
  m_pHost = host;
  if (host == nullptr)
    return;
  UIManager *manager = host->GetUIManager();
  delete m_pProfileList;
  m_pProfileList =
      new (std::nothrow) ProfileList(nullptr, TextPolicy::ForSystemNames(false), manager,
                                     manager != nullptr ? manager->GetDriverSettings() : nullptr,
                                     manager != nullptr ? manager->GetCurrentDevMode() : nullptr);
}

void *CProfil::DeletingDestructor(UINT flags) {
  return DestroyBoundaryObject(this, flags);
}

void CProfil::Unnamed2() {}

void CProfil::SetHostValue(DWORD value) {
  m_dwHostValue = value;
}

DWORD CProfil::GetHostValue() {
  return m_dwHostValue;
}

int CProfil::Unnamed5() {
  return 0;
}
