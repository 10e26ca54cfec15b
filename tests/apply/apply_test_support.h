// What the tests of converting and restoring settings share: the page's view of a printer
// session (the session's own UIManager, DriverContext and records) and host lists built to a
// test's needs.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <type_traits>
#include <vector>

#include "abi/devmode_view.h"
#include "store/store_test_support.h"

namespace apply_testing {

// The page over the session, with the model's own records.
class SessionSettings : public store_testing::FakePage {
 public:
  explicit SessionSettings(host::PrinterSession &session)
      : FakePage(session, session.uiManager()), session_(session) {}

  const ModelInfoRecord *GetModelInfo() const override { return &session_.model().info; }
  const ModelCapabilitiesRecord *GetModelCapabilities() const override {
    return &session_.model().capabilities;
  }

  store_testing::FakePage &page() { return *this; }

 private:
  host::PrinterSession &session_;
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
