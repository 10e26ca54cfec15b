// The table of supported code pages and the current ANSI code page.
#include "codepage_table.h"

#include <winnls.h>

#include <atomic>
#include <stdexcept>
#include <string>

#include "winplat/config.h"

namespace winplat::codepage {
namespace {

constexpr UINT kOemCodePage = 437;

const CodePage kCodePages[] = {
    {437, {"CP437", ""}, 1, {}},
    {874, {"CP874", "WINDOWS-874"}, 1, {}},
    {932, {"CP932", "WINDOWS-31J"}, 2, {0x81, 0x9F, 0xE0, 0xFC}},
    {936, {"CP936", "GBK"}, 2, {0x81, 0xFE}},
    {949, {"CP949", "UHC"}, 2, {0x81, 0xFE}},
    {950, {"CP950", "BIG5"}, 2, {0x81, 0xFE}},
    {1250, {"CP1250", ""}, 1, {}},
    {1251, {"CP1251", ""}, 1, {}},
    {1252, {"CP1252", ""}, 1, {}},
    {1253, {"CP1253", ""}, 1, {}},
    {1254, {"CP1254", ""}, 1, {}},
    {1255, {"CP1255", ""}, 1, {}},
    {1256, {"CP1256", ""}, 1, {}},
    {1257, {"CP1257", ""}, 1, {}},
    {CP_UTF8, {"UTF-8", ""}, 4, {}},
};

std::atomic<UINT> ansiCodePage{1252};

const CodePage *FindNumber(UINT number) {
  for (const CodePage &page : kCodePages) {
    if (page.number == number)
      return &page;
  }
  return nullptr;
}

}  // namespace

bool CodePage::IsLeadByte(BYTE byte) const {
  for (size_t i = 0; i + 1 < sizeof(leadByteRanges) && leadByteRanges[i] != 0; i += 2) {
    if (byte >= leadByteRanges[i] && byte <= leadByteRanges[i + 1])
      return true;
  }
  return false;
}

size_t CodePage::CharLength(std::string_view text) const {
  if (text.size() >= 2 && IsLeadByte(static_cast<BYTE>(text[0])) && text[1] != '\0')
    return 2;
  return 1;
}

const CodePage *Find(UINT codePage) {
  switch (codePage) {
    case CP_ACP:
    case CP_THREAD_ACP:
      return &Ansi();
    case CP_OEMCP:
      return FindNumber(kOemCodePage);
    default:
      return FindNumber(codePage);
  }
}

const CodePage &Ansi() {
  return *FindNumber(ansiCodePage.load());
}

}  // namespace winplat::codepage

namespace winplat {

void SetAnsiCodePage(UINT codePage) {
  // CP_ACP and the other symbolic values name no code page of their own, hence the number check.
  const codepage::CodePage *page = codepage::Find(codePage);
  const bool isAnsi = page != nullptr && page->number == codePage && !page->IsUtf8() &&
                      codePage != codepage::kOemCodePage;
  if (!isAnsi) {
    throw std::invalid_argument("not an ANSI code page: " + std::to_string(codePage));
  }
  codepage::ansiCodePage = page->number;
}

}  // namespace winplat
