// The host's resource module JZRES32.dll as the module reaches it through a session's UIManager:
// its pictures, its icon and its help exports.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "abi/wide.h"
#include "host/printer_session.h"
#include "host/resmodule/help_calls.h"
#include "support/demo_machine.h"

namespace host::testing {
namespace {

template <typename Proc>
Proc Export(HINSTANCE instance, const char *name) {
  return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(GetProcAddress(instance, name)));
}

class ResourceModuleTest : public DemoMachineTest {
 protected:
  void SetUp() override {
    DemoMachineTest::SetUp();
    std::string error;
    session_ = PrinterSession::Open(kColorPrinterName, {}, &error);
    ASSERT_TRUE(session_) << error;
    instance_ = session_->uiManager()->GetResourceInstance();
    ASSERT_NE(instance_, nullptr);
  }

  // The pixels of a bitmap, row by row from the top.
  static std::vector<COLORREF> Pixels(HBITMAP bitmap, int width, int height) {
    std::vector<COLORREF> pixels;
    HDC hdc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(hdc, bitmap);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        pixels.push_back(GetPixel(hdc, x, y));
    SelectObject(hdc, old);
    DeleteDC(hdc);
    return pixels;
  }

  std::unique_ptr<PrinterSession> session_;
  HINSTANCE instance_ = nullptr;
};

TEST_F(ResourceModuleTest, InstanceIsJzres32BesideTheProgram) {
  WCHAR path[MAX_PATH];
  DWORD length = GetModuleFileNameW(instance_, path, MAX_PATH);
  ASSERT_GT(length, 0u);
  WideString name(path, length);
  EXPECT_EQ(name.substr(name.find_last_of(WSTR("\\/")) + 1), WSTR("JZRES32.dll"));
}

TEST_F(ResourceModuleTest, FirstPictogramIsWhiteEdgedWithRecolourablePixels) {
  HBITMAP bitmap = LoadBitmapW(instance_, MAKEINTRESOURCEW(112));
  ASSERT_NE(bitmap, nullptr);
  BITMAP info{};
  ASSERT_EQ(GetObjectW(bitmap, sizeof info, &info), int(sizeof info));
  EXPECT_EQ(info.bmWidth, 32);
  EXPECT_EQ(info.bmHeight, 32);
  const std::vector<COLORREF> pixels = Pixels(bitmap, 32, 32);
  DeleteObject(bitmap);
  EXPECT_EQ(pixels.front(), RGB(255, 255, 255));
  int recolourable = 0;
  for (COLORREF pixel : pixels) {
    const int r = GetRValue(pixel), g = GetGValue(pixel), b = GetBValue(pixel);
    if (b >= 189 && b <= 207 && g >= 57 && g <= 75 && r >= 57 && r <= 75)
      ++recolourable;
  }
  EXPECT_GT(recolourable, 0);
}

TEST_F(ResourceModuleTest, EveryPictureLoadsAndNeighboursDoNot) {
  std::vector<int> present;
  for (int id = 112; id <= 156; ++id)
    present.push_back(id);
  present.push_back(1346);
  for (int id : present) {
    HBITMAP bitmap = LoadBitmapW(instance_, MAKEINTRESOURCEW(id));
    EXPECT_NE(bitmap, nullptr) << id;
    if (bitmap)
      DeleteObject(bitmap);
  }
  for (int id : {103, 111, 157, 1345, 1347})
    EXPECT_EQ(LoadBitmapW(instance_, MAKEINTRESOURCEW(id)), nullptr) << id;
}

TEST_F(ResourceModuleTest, PageIconLoads) {
  HICON icon = LoadIconW(instance_, MAKEINTRESOURCEW(103));
  ASSERT_NE(icon, nullptr);
  DestroyIcon(icon);
  EXPECT_EQ(LoadIconW(instance_, MAKEINTRESOURCEW(104)), nullptr);
}

TEST_F(ResourceModuleTest, HelpCallsAreRecordedInOrder) {
  auto smallHelp = Export<HelpProc>(instance_, "CallSmallHelp");
  auto bigHelp = Export<HelpProc>(instance_, "CallBigHelp");
  auto calls = Export<HostHelpCallsProc>(instance_, "HostHelpCalls");
  ASSERT_TRUE(smallHelp && bigHelp && calls);
  int before = 0;
  calls(&before);
  ASSERT_LE(before + 3, kHelpCallCapacity);

  HWND item = reinterpret_cast<HWND>(0x1234), window = reinterpret_cast<HWND>(0x5678);
  int owner = 0;
  EXPECT_TRUE(smallHelp(item, 4287, &owner));
  EXPECT_TRUE(bigHelp(window, 4300, &owner));
  EXPECT_TRUE(smallHelp(window, 0, nullptr));

  const struct {
    HelpKind kind;
    HWND window;
    int id;
  } expected[] = {
      {HelpKind::Small, item, 4287}, {HelpKind::Big, window, 4300}, {HelpKind::Small, window, 0}};
  int count = 0;
  const HelpCall *recorded = calls(&count);
  ASSERT_EQ(count, before + 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(recorded[before + i].kind, expected[i].kind) << i;
    EXPECT_EQ(recorded[before + i].window, expected[i].window) << i;
    EXPECT_EQ(recorded[before + i].dialogResourceId, expected[i].id) << i;
  }
}

}  // namespace
}  // namespace host::testing
