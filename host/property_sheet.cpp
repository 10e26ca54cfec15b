// Hosting a control set's pages.
#include "host/property_sheet.h"

namespace host {

PropertySheet::PropertySheet(PrinterSession &session, CControlSet *controlSet)
    : session_(session), controlSet_(controlSet) {
  controlSet_->SetDriverContext(session_.driverContext());
  controlSet_->SetUIManager(session_.uiManager());
  session_.AttachControlSet(controlSet_);
  controlSet_->CheckPrivateData(session_.uiManager());
  const DWORD kinds = PAGE_KIND_DOCUMENT | PAGE_KIND_PRINTER;
  int count = controlSet_->GetPageCount(kinds);
  for (int i = 0; i < count; ++i)
    if (CPage *page = controlSet_->GetPage(i, kinds))
      pages_.push_back(page);
}

PropertySheet::~PropertySheet() {
  session_.AttachControlSet(nullptr);
  controlSet_->DeletingDestructor(BOUNDARY_DELETE_MEMORY);
}

CControlSet *CreateControlSet(GetClassProc getClass, LPCSTR className) {
  if (!getClass)
    return nullptr;
  return static_cast<CControlSet *>(getClass(className, HOST_INTERFACE_VERSION));
}

}  // namespace host
