// Comparing a profile file's profile with what the import stored of it.
#include "import_report.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "abi/byte_reader.h"
#include "cli.h"
#include "host/printer_model.h"
#include "host/text_convert.h"
#include "json_text.h"

namespace prfhost {
namespace {

// The first paper size a custom size takes: entry i of the table is 296 + i.
constexpr LONG kFirstCustomPaper = 296;

struct CustomSizeEntry {
  char szName[32];
  DWORD dwWidth;
  DWORD dwLength;
  BYTE reserved[8];
};
static_assert(sizeof(CustomSizeEntry) == 48);
static_assert(offsetof(CustomSizeEntry, dwWidth) == 32);
static_assert(offsetof(CustomSizeEntry, dwLength) == 36);

std::string Quoted(const std::string &text) {
  std::string quoted = "\"";
  for (unsigned char c : text) {
    if (c < 0x20) {
      static const char kHex[] = "0123456789ABCDEF";
      quoted += std::string("\\x") + kHex[c >> 4] + kHex[c & 0xF];
    } else {
      quoted += static_cast<char>(c);
    }
  }
  return quoted + "\"";
}

std::string Utf8(const std::string &ansi, UINT codePage) {
  return host::Utf8FromUtf16(host::WideFromAnsi(ansi, codePage));
}

bool SameName(const std::string &a, const std::string &b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

// The paper's name in the driver family's list of sizes, or its number alone.
std::string PaperText(LONG code) {
  for (const host::PrinterModel *model : host::AllModels())
    for (const PaperSizeEntry &paper : model->paperSizes)
      if (paper.wPaperCode == code)
        return std::to_string(code) + " (" + paper.szKeyword + ")";
  return std::to_string(code);
}

void ComparePaper(const ImportFileProfile &file, const DEVMODEW &stored,
                  std::vector<Adaptation> *report) {
  const LONG from = *file.paperSize, to = stored.dmPaperSize;
  if (from <= 0 || from >= kFirstCustomPaper || from == to)
    return;
  report->push_back({"paperSize",
                     "paper size " + PaperText(from) + " is not offered here: " + PaperText(to),
                     JsonObject().Number("from", from).Number("to", to).str()});
}

void CompareResolution(const char *what, std::optional<LONG> from, LONG to,
                       std::vector<Adaptation> *report) {
  if (!from || *from <= 0 || to <= 0 || to >= *from)
    return;
  report->push_back(
      {"resolution",
       std::string(what) + " " + std::to_string(*from) + " dpi capped to " + std::to_string(to) +
           " dpi",
       JsonObject().Text("setting", what).Number("from", *from).Number("to", to).str()});
}

const ImportFileValue *FileCustomSizes(const ImportFileProfile &file) {
  for (const ImportFileValue &value : file.values)
    if (value.name.find("VtCPSData") != std::string::npos)
      return &value;
  return nullptr;
}

const StoredValue *FindStored(const StoredImport &stored, const std::string &name) {
  const StoredValue *found = nullptr;
  for (const StoredValue &value : stored.values)
    if (SameName(value.name, name))
      found = &value;
  return found;
}

void CompareCustomSize(const ImportFileProfile &file, const StoredImport &stored,
                       const PrinterFacts &printer, std::vector<Adaptation> *report) {
  const LONG index = *file.paperSize - kFirstCustomPaper;
  const ImportFileValue *fileTable = FileCustomSizes(file);
  const std::vector<CustomSize> sizes =
      fileTable ? ReadCustomSizes(fileTable->data) : std::vector<CustomSize>();
  const std::string name =
      static_cast<size_t>(index) < sizes.size() ? Utf8(sizes[index].name, printer.codePage) : "";
  const LONG storedIndex = stored.settings->dmPaperSize - kFirstCustomPaper;
  const StoredValue *storedTable = FindStored(stored, "VtCPSData");
  const std::vector<CustomSize> merged =
      storedTable ? ReadCustomSizes(storedTable->data) : std::vector<CustomSize>();
  JsonObject json;
  json.Text("name", name).Number("fileIndex", index).Number("index", storedIndex);
  if (printer.customSizes.empty() && storedIndex == index) {
    report->push_back({"customSize",
                       "custom size " + Quoted(name) + " kept at index " + std::to_string(index) +
                           ": this printer holds no custom sizes",
                       json.Text("how", "kept").str()});
    return;
  }
  if (storedIndex < 0 || static_cast<size_t>(storedIndex) >= merged.size())
    return;
  const std::string storedName = Utf8(merged[storedIndex].name, printer.codePage);
  if (merged.size() == printer.customSizes.size()) {
    report->push_back(
        {"customSize",
         "custom size " + Quoted(name) + " reused at index " + std::to_string(storedIndex),
         json.Text("how", "reused").str()});
    return;
  }
  report->push_back({"customSize",
                     "custom size " + Quoted(name) + " added as " + Quoted(storedName) +
                         " at index " + std::to_string(storedIndex),
                     json.Text("how", "added").Text("storedName", storedName).str()});
}

// A value counts as stored when the profile holds it with the file's bytes; the custom-size
// table and its count are the merge's own and count whatever they hold.
void CompareValues(const ImportFileProfile &file, const StoredImport &stored, UINT codePage,
                   std::vector<Adaptation> *report) {
  for (size_t i = 0; i < file.values.size(); ++i) {
    const ImportFileValue &value = file.values[i];
    const bool laterOfSameName = std::any_of(
        file.values.begin() + static_cast<long>(i) + 1, file.values.end(),
        [&value](const ImportFileValue &later) { return SameName(later.name, value.name); });
    if (laterOfSameName)
      continue;
    const std::string name = Utf8(value.name, codePage);
    const StoredValue *kept = FindStored(stored, name);
    const bool merged = SameName(name, "VtCPSData") || SameName(name, "VtCPSCount");
    if (kept && (merged || kept->data == value.data))
      continue;
    report->push_back({"value",
                       "value " + Quoted(name) + " (" + std::to_string(value.data.size()) +
                           " bytes) was not stored",
                       JsonObject()
                           .Text("name", name)
                           .Number("size", static_cast<long long>(value.data.size()))
                           .str()});
  }
}

void CompareBlocks(const ImportFileProfile &file, const PrinterFacts &printer,
                   std::vector<Adaptation> *report) {
  std::vector<WORD> told;
  for (WORD id : file.blockIds) {
    if (std::find(printer.blockIds.begin(), printer.blockIds.end(), id) != printer.blockIds.end() ||
        std::find(told.begin(), told.end(), id) != told.end())
      continue;
    told.push_back(id);
    report->push_back({"block",
                       "plug-in block " + std::to_string(id) + " (" + BlockName(id) +
                           ") left out: this printer's driver has no such block",
                       JsonObject().Number("block", id).Text("name", BlockName(id)).str()});
  }
}

}  // namespace

std::vector<CustomSize> ReadCustomSizes(const std::vector<BYTE> &data) {
  ByteReader reader(data.data(), data.size(), "the custom sizes");
  std::vector<CustomSizeEntry> entries;
  reader.ReadArray(data.size() / sizeof(CustomSizeEntry), &entries, "the custom sizes");
  std::vector<CustomSize> sizes;
  for (const CustomSizeEntry &entry : entries)
    sizes.push_back({std::string(entry.szName, strnlen(entry.szName, sizeof entry.szName))});
  return sizes;
}

std::vector<Adaptation> CompareImport(const ImportFileProfile &file, const StoredImport &stored,
                                      const PrinterFacts &printer) {
  std::vector<Adaptation> report;
  if (stored.settings) {
    if (file.paperSize && *file.paperSize >= kFirstCustomPaper)
      CompareCustomSize(file, stored, printer, &report);
    else if (file.paperSize)
      ComparePaper(file, *stored.settings, &report);
    CompareResolution("print quality", file.printQuality, stored.settings->dmPrintQuality, &report);
    CompareResolution("vertical resolution", file.yResolution, stored.settings->dmYResolution,
                      &report);
  }
  CompareValues(file, stored, printer.codePage, &report);
  CompareBlocks(file, printer, &report);
  return report;
}

}  // namespace prfhost
