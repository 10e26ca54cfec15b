// Comparing settings: what differs beyond the named fields (bytes no field names, blocks one
// side lacks, data sets), and the current settings in the form a profile stores them.
#include <gtest/gtest.h>

#include "host/devmode_chain.h"
#include "host/settings_diff.h"
#include "support/demo_machine.h"

namespace host {

void PrintTo(const SettingDifference &d, std::ostream *out) {
  *out << d.setting << ": " << d.first.value_or("(none)") << " / " << d.second.value_or("(none)");
}

namespace testing {
namespace {

using Differences = std::vector<SettingDifference>;

BYTE *MainBytes(std::vector<BYTE> &devMode) {
  return devMode.data() + FindPrivateBlock(devMode, PRIVATE_DATA_ID_MAIN)->offset;
}

// The colour model's defaults select mailboxes 0 and 2 (byte 444 of the main block is 0x05),
// which no named field covers. Its private part is 1456 bytes: main 1024, prologue/epilogue 64,
// watermark 120, profiles 16, poster 48, security watermark 104 and overlay 80.
TEST(SettingsDiff, BytesWithoutNamesBlocksAndDataSets) {
  const PrinterModel &model = ColorLaserModel();
  SettingsSnapshot first{model.DefaultDevMode(), {{"VtCPSData", {1, 2}}, {"_Setup", {7}}}};
  SettingsSnapshot second = first;
  MainBytes(second.devMode)[444] = 0x07;
  MainBytes(second.devMode)[445] = 0x01;
  ASSERT_TRUE(RemovePrivateBlock(second.devMode, PRIVATE_DATA_ID_OVERLAY));
  second.dataSets.erase("VtCPSData");
  second.dataSets["VtWMarkData"] = {9};
  second.dataSets["_Setup"] = {8};
  EXPECT_EQ(DiffSettings(model, first, second),
            (Differences{{"dmDriverExtra", "1456", "1376"},
                         {"pdMain bytes 444-445", "05 00", "07 01"},
                         {"overlay block", "present", std::nullopt},
                         {"data set VtCPSData", "2 bytes", std::nullopt},
                         {"data set VtWMarkData", std::nullopt, "1 byte"},
                         {"data set _Setup from byte 0", "07", "08"}}));
  EXPECT_TRUE(DiffSettings(model, first, first).empty());
}

// Positions become identifiers + 1000 (Letter's paper code 1, the rear bin's code 2); a print
// size beyond the 23 papers becomes its distance from the end + 2000. "Setup" is stored as
// "_Setup"; values that are no data sets are not.
class CurrentSnapshotTest : public DemoMachineTest {};

TEST_F(CurrentSnapshotTest, PositionsTakeTheirStoredForm) {
  std::string error;
  std::unique_ptr<PrinterSession> session = PrinterSession::Open(kColorPrinterName, {}, &error);
  ASSERT_TRUE(session) << error;
  auto *main = reinterpret_cast<pdMain *>(session->mainBlock());
  struct Case {
    WORD printSize, outputBin, storedSize, storedBin;
  } cases[] = {{0, 1, 1001, 1002}, {6, 0, 1009, 1001}, {25, 9, 2002, 9}, {1005, 1002, 1005, 1002}};
  for (const Case &c : cases) {
    main->wScaleSizeIdx = c.printSize;
    main->wOutBinIdx = c.outputBin;
    SettingsSnapshot snapshot = CurrentSnapshot(*session);
    const auto *stored = reinterpret_cast<const pdMain *>(MainBytes(snapshot.devMode));
    EXPECT_EQ(stored->wScaleSizeIdx, c.storedSize) << c.printSize;
    EXPECT_EQ(stored->wOutBinIdx, c.storedBin) << c.outputBin;
    EXPECT_EQ(snapshot.dataSets.count("_Setup"), 1u);
    EXPECT_EQ(snapshot.dataSets.count("Setup"), 0u);
    EXPECT_EQ(snapshot.dataSets.count("VtVMBData2"), 1u);
  }
}

}  // namespace
}  // namespace testing
}  // namespace host
