// What the tests of converting and restoring settings share: the page's view of a printer
// session (the session's own UIManager, DriverContext and records) and host lists built to a
// test's needs.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <type_traits>
#include <vector>

#include "abi/devmode_view.h"
#include "apply/settings_context.h"
#include "store/store_test_support.h"

namespace apply_testing {

class SessionSettings : public SettingsContext {
 public:
  explicit SessionSettings(host::PrinterSession &session)
      : session_(session), page_(session, session.uiManager()) {}

  UIManager *GetUIManager() const override { return session_.uiManager(); }
  DriverContext *GetDriverContext() const override { return session_.driverContext(); }
  const ModelInfoRecord *GetModelInfo() const override { return &session_.model().info; }
  const pdMain *GetDriverSettings() const override {
    return reinterpret_cast<const pdMain *>(session_.mainBlock());
  }
  const ModelCapabilitiesRecord *GetModelCapabilities() const override {
    return &session_.model().capabilities;
  }
  const ProfilePageContext &GetPageContext() const override { return page_; }

  store_testing::FakePage &page() { return page_; }

 private:
  host::PrinterSession &session_;
  store_testing::FakePage page_;
};

inline pdMain &MainOf(std::vector<BYTE> &devMode) {
  auto *dm = reinterpret_cast<DEVMODEW *>(devMode.data());
  return *reinterpret_cast<pdMain *>(GetPlugInAddr(dm, PRIVATE_DATA_ID_MAIN));
}

inline DEVMODEW &PublicOf(std::vector<BYTE> &devMode) {
  return *reinterpret_cast<DEVMODEW *>(devMode.data());
}

// List entries carrying the given identifiers: paper sizes, or paper sources and output bins.
template <typename Entry>
std::vector<Entry> Entries(std::initializer_list<WORD> ids) {
  std::vector<Entry> entries(ids.size());
  auto entry = entries.begin();
  for (WORD id : ids) {
    if constexpr (std::is_same_v<Entry, PaperSizeEntry>)
      (entry++)->wPaperCode = id;
    else
      (entry++)->wCode = id;
  }
  return entries;
}

// The colour demo printer opened through a session, on the platform of the test's parameter.
class ApplyTest : public store_testing::StoreTest {
 protected:
  void SetUp() override {
    StoreTest::SetUp();
    session_ = Open(host::kColorPrinterName);
    ASSERT_TRUE(session_);
    settings_ = std::make_unique<SessionSettings>(*session_);
  }

  host::PrinterModel &model() { return session_->model(); }
  std::vector<BYTE> Current() const { return session_->devModeBytes(); }

  std::unique_ptr<host::PrinterSession> session_;
  std::unique_ptr<SessionSettings> settings_;
};

}  // namespace apply_testing
