// What the summary tests share: a summary context over a printer session of the demo machine,
// with the host's own UIManager and string tables, and profiles stored in the real store.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "abi/wide.h"
#include "abi/devmode_view.h"
#include "describe/profile_summary.h"
#include "host/printer_session.h"
#include "host/string_table.h"
#include "host/text_convert.h"
#include "store/store_test_support.h"

namespace summary_testing {

using Row = std::pair<std::string, std::string>;
using Rows = std::vector<Row>;

// The page as the summary sees it. Language, direction, records and the restoration can be
// changed by the test; everything else is the session's.
class TestSummaryContext : public store_testing::FakePage {
 public:
  TestSummaryContext(host::PrinterSession &session, host::UiLanguage language)
      : FakePage(session, session.uiManager()),
        language(host::LanguageId(language)),
        codePage(host::AnsiCodePage(language)),
        modelInfo(*session.uiManager()->GetModelInfo()) {}

  WORD language;
  bool rightToLeft = false;
  UINT codePage;
  bool ansiPlatform = false;
  ModelInfoRecord modelInfo;
  bool noDefaults = false;
  std::function<void(DEVMODEW *)> restore;  // what RestoreDevMode does to the buffer
  std::vector<std::pair<int, bool>> restoreCalls;
  mutable TextPolicy summaryText_ = TextPolicy::ForPage(false, CP_ACP);

  WORD GetLanguage() const override { return language; }
  bool IsRightToLeft() const override { return rightToLeft; }
  const TextPolicy &Text() const override {
    summaryText_ = TextPolicy::ForPage(ansiPlatform, codePage);
    return summaryText_;
  }
  const ModelInfoRecord *GetModelInfo() const override { return &modelInfo; }
  void RestoreDevMode(DEVMODEW *devMode, int regNum, bool restoreMedia) override {
    restoreCalls.emplace_back(regNum, restoreMedia);
    if (restore)
      restore(devMode);
  }
  std::vector<BYTE> ReadDefaultDevMode() const override {
    return noDefaults ? std::vector<BYTE>() : FakePage::ReadDefaultDevMode();
  }
};

// The main block of a complete DEVMODE held in a byte vector.
inline pdMain &MainOf(std::vector<BYTE> &devMode) {
  return *reinterpret_cast<pdMain *>(devMode.data() +
                                     reinterpret_cast<DEVMODEW *>(devMode.data())->dmSize);
}

inline DEVMODEW &PublicOf(std::vector<BYTE> &devMode) {
  return *reinterpret_cast<DEVMODEW *>(devMode.data());
}

// The demo machine with one session of the chosen printer and language.
class SummaryTest : public store_testing::StoreTest {
 protected:
  void Open(const WideString &printer = host::kColorPrinterName,
            host::UiLanguage language = host::UiLanguage::English) {
    ASSERT_TRUE(tested_windows::UseAnsiCodePage(host::AnsiCodePage(language)))
        << "the system's ANSI code page is not the language's";
    host::SessionOptions options;
    options.language = language;
    std::string error;
    session_ = host::PrinterSession::Open(printer, options, &error);
    ASSERT_TRUE(session_) << error;
    page_ = std::make_unique<TestSummaryContext>(*session_, language);
    page_->ansiPlatform = Ansi();
    store_ = Store(printer);
  }

  // The printer's current settings, to be changed and stored as a profile.
  std::vector<BYTE> Settings() const { return session_->devModeBytes(); }

  // Stores the DEVMODE as profile 1 and builds its summary.
  Rows Summarize(const std::vector<BYTE> &devMode, bool *complete = nullptr) {
    store_->SaveProfileRegValue("Office", 1, "Default DevMode", devMode.data(),
                                static_cast<DWORD>(devMode.size()), REG_BINARY);
    return Build(store_testing::Header("Office", 1, "Duplex and stapled"), complete);
  }

  Rows Build(const ProfileHeader &header, bool *complete = nullptr) {
    const bool built = BuildProfileSummary(*page_, header, rows_);
    if (complete != nullptr)
      *complete = built;
    Rows rows;
    for (int i = 0; i < rows_.GetCount(); ++i)
      rows.emplace_back(rows_.GetRow(i)->pszFirst, rows_.GetRow(i)->pszSecond);
    return rows;
  }

  // The rows of the changes group: those behind the last heading.
  static Rows Changes(const Rows &rows) {
    for (size_t i = rows.size(); i-- > 0;)
      if (rows[i].first.rfind("[ ", 0) == 0)
        return Rows(rows.begin() + static_cast<long>(i) + 1, rows.end());
    return {};
  }

  // Host string `id` of the session's language in its code page.
  std::string S(UINT id) const {
    const WideString *text = session_->strings().Find(id);
    return text != nullptr ? host::AnsiFromWide(*text, page_->codePage) : std::string();
  }

  std::unique_ptr<host::PrinterSession> session_;
  std::unique_ptr<TestSummaryContext> page_;
  std::unique_ptr<VTPROFJZP> store_;
  SummaryRowStore rows_;
};

// UTF-8 source text in a code page.
inline std::string InCodePage(const char *utf8, UINT codePage) {
  return host::AnsiFromWide(host::Utf16FromUtf8(utf8), codePage);
}

inline const char *PlatformName(
    const ::testing::TestParamInfo<tested_windows::WindowsVersion> &info) {
  return store_testing::PlatformName(info);
}

}  // namespace summary_testing
