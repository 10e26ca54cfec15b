// The one reader of bytes that come from outside the module: registry values, profile files,
// the private part of a DEVMODE. A reader is a view of bytes with an offset. It knows how many
// bytes remain, refuses a read that does not fit, and copies every record into a local struct
// instead of pointing a struct into the data. The first refused read is kept with the offset
// where it began and the reason; the reader then refuses everything after it.
//
//   ByteReader file(bytes, "the file");
//   JzpHead head;
//   ByteReader section;
//   if (!file.Read(&head, "the header") || !file.ReadView(size, &section, "Section 1"))
//     Report(file.Error().offset, file.Error().reason);
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// A record read from outside whose text fields must end inside their fields declares
//   void TerminateTextFields(Record &record);
// beside its definition; Read and ReadArray call it on every record they copy.
template <typename Record>
concept RecordWithTextFields = requires(Record &record) {
  TerminateTextFields(record);
};

struct ReadError {
  size_t offset = 0;   // where the refused read began, from the start of the outermost view
  std::string reason;  // e.g. "the entry of profile 2 of 2 needs 700 bytes, the file has 12 left"
};

class ByteReader {
 public:
  // An empty view.
  ByteReader() = default;
  // `name` says what the bytes are in a reason ("the file has 12 left"); it must outlive the
  // reader and its sub-views, as a string literal does.
  explicit ByteReader(std::span<const BYTE> bytes, const char *name = "the data")
      : m_Bytes(bytes), m_pszName(name) {}
  ByteReader(const BYTE *data, size_t size, const char *name = "the data")
      : ByteReader(data != nullptr ? std::span<const BYTE>(data, size) : std::span<const BYTE>(),
                   name) {}

  size_t Size() const { return m_Bytes.size(); }
  // The whole view, whatever has been read of it.
  std::span<const BYTE> Bytes() const { return m_Bytes; }
  // From the start of this view.
  size_t Offset() const { return m_nOffset; }
  // From the start of the outermost view this one was cut from.
  size_t AbsoluteOffset() const { return m_nBase + m_nOffset; }
  size_t Remaining() const { return m_Bytes.size() - m_nOffset; }
  bool AtEnd() const { return Remaining() == 0; }
  bool Failed() const { return m_Error.has_value(); }
  // The first refused read; an empty error while none was refused.
  const ReadError &Error() const;

  // Copies the next sizeof(Record) bytes into `record` and terminates its text fields. `what`
  // names the record in a reason: "<what> needs 700 bytes, the file has 12 left".
  template <typename Record>
  bool Read(Record *record, std::string_view what = "a record");
  // `count` records back to back; refused without reading any when they do not all fit. The
  // count is checked against what remains before anything is multiplied.
  template <typename Record>
  bool ReadArray(size_t count, std::vector<Record> *records, std::string_view what = "records");
  // The next `size` bytes, whose length the data declared: "<what> is 592 bytes long, ...".
  bool ReadBytes(size_t size, std::span<const BYTE> *bytes, std::string_view what = "a part");
  // The next `size` bytes as a reader of their own, named `name`.
  bool ReadView(size_t size, ByteReader *view, std::string_view what = "a part",
                const char *name = "the part");
  bool Skip(size_t size, std::string_view what = "a part");
  // The `size` bytes at `offset` of this view as a reader of their own; this reader neither
  // moves nor fails. False when they do not lie inside the view.
  bool ViewAt(size_t offset, size_t size, ByteReader *view, const char *name = "the part") const;

  // Refuses at the current offset for a reason the data gives (a wrong magic, a negative count).
  bool Fail(std::string reason);

 private:
  // A record needs its size; a part whose length the data declared is that long.
  enum class Length { Needed, Declared };

  bool Take(size_t size, std::span<const BYTE> *bytes, std::string_view what, Length length);
  bool Refuse(std::string_view what, std::string needed);

  std::span<const BYTE> m_Bytes;
  size_t m_nOffset = 0;
  size_t m_nBase = 0;
  const char *m_pszName = "the data";
  std::optional<ReadError> m_Error;
};

template <typename Record>
bool ByteReader::Read(Record *record, std::string_view what) {
  static_assert(std::is_trivially_copyable_v<Record>);
  std::span<const BYTE> bytes;
  if (!Take(sizeof(Record), &bytes, what, Length::Needed))
    return false;
  std::memcpy(record, bytes.data(), sizeof(Record));
  if constexpr (RecordWithTextFields<Record>)
    TerminateTextFields(*record);
  return true;
}

template <typename Record>
bool ByteReader::ReadArray(size_t count, std::vector<Record> *records, std::string_view what) {
  static_assert(std::is_trivially_copyable_v<Record>);
  if (Failed())
    return false;
  if (count > Remaining() / sizeof(Record))
    return Refuse(what, "needs " + std::to_string(count) + " records of " +
                            std::to_string(sizeof(Record)) + " bytes");
  records->resize(count);
  for (Record &record : *records)
    Read(&record, what);
  return true;
}

// A record's own bytes, for writing it to a registry value or a file.
template <typename Record>
std::span<const BYTE> BytesOf(const Record &record) {
  static_assert(std::is_trivially_copyable_v<Record>);
  return {reinterpret_cast<const BYTE *>(&record), sizeof record};
}
template <typename Record>
std::span<const BYTE> BytesOf(const std::vector<Record> &records) {
  static_assert(std::is_trivially_copyable_v<Record>);
  return {reinterpret_cast<const BYTE *>(records.data()), records.size() * sizeof(Record)};
}
