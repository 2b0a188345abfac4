// The lowest layer of the PPD compiler: a byte source over the mapped file
// that keeps a CRC of every byte it delivers, and the statement cutter.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/mapped_file.h"
#include "ppd/ppd_image.h"

namespace psui {

// Capacities of the statement's text fields (terminator not counted).
constexpr uint32_t kPpdKeywordCapacity = 40;
constexpr uint32_t kPpdTranslationCapacity = 128;
constexpr uint32_t kPpdInitialValueCapacity = 1024;

// PpdStatement::valueKind.
constexpr int kPpdValueNone = 0;
constexpr int kPpdValueQuoted = 2;
constexpr int kPpdValueSymbol = 3;
constexpr int kPpdValueString = 4;

// CRC-16/XMODEM (polynomial 0x1021, initial value 0, no reflection, no final
// XOR) continued from crc over size bytes.
uint16_t PpdCrc16(uint16_t crc, const uint8_t* bytes, size_t size);
// The same, one byte at a time (the reference the fast method must match).
uint16_t PpdCrc16Bytewise(uint16_t crc, const uint8_t* bytes, size_t size);

struct PpdStatement;

// Maps the whole file at path read-only: the view and its size, or a null
// view when the file cannot be opened, is empty, is not a regular file, is
// larger than 32 bits can count or cannot be mapped.
platform::MappedView PpdMapFile(const char* path);

// Lets the statement loop say, once the main keyword is known, whether it
// will use the statement at all. The value of an unwanted statement is
// stepped over without being copied; the statement is cut exactly the same.
struct PpdStatementFilter {
  bool (*wanted)(void* context, PpdStatement& statement);
  void* context;
};

class PpdReader {
 public:
  // Maps path; base() is null when that failed. *crc accumulates the CRC of
  // the bytes delivered.
  PpdReader(const char* path, uint16_t* crc);
  // Reads bytes the caller keeps alive (not owned).
  PpdReader(const uint8_t* data, size_t size, uint16_t* crc);
  ~PpdReader();
  PpdReader(const PpdReader&) = delete;
  PpdReader& operator=(const PpdReader&) = delete;

  const uint8_t* base() const { return base_; }
  uint32_t remaining() const { return static_cast<uint32_t>(end_ - cursor_); }

  // kPpdEndOfFile when no bytes remain; otherwise delivers the next byte.
  int NextByte(uint8_t* byte);

  // Brings *crc up to date with every byte delivered so far. The CRC is
  // computed in bulk over the delivered range rather than byte by byte;
  // the value is the same.
  void SyncCrc();
  // Syncs the CRC and releases the mapped view; nothing is read afterwards.
  void Release();

 private:
  friend int PpdReadStatement(PpdReader& reader, PpdStatement& statement, const PpdStatementFilter* filter);

  platform::MappedView view_;
  const uint8_t* base_ = nullptr;
  const uint8_t* cursor_ = nullptr;
  const uint8_t* end_ = nullptr;
  const uint8_t* crcThrough_ = nullptr;  // the CRC covers [base_, crcThrough_)
  uint16_t* crc_;
};

// One parsed statement; one object serves every statement of a compile.
struct PpdStatement {
  PpdStatement();
  ~PpdStatement();
  PpdStatement(const PpdStatement&) = delete;
  PpdStatement& operator=(const PpdStatement&) = delete;

  void Clear();
  // Makes room for at least capacity value bytes plus the terminator; false
  // when memory is exhausted (the old value stays).
  bool ReserveValue(size_t capacity);

  char mainKeyword[kPpdKeywordCapacity + 1];
  uint32_t mainKeywordLength;
  uint32_t mainKeywordHash;  // PpdHashName(mainKeyword)
  char optionKeyword[kPpdKeywordCapacity + 1];
  uint32_t optionKeywordLength;
  char translation[kPpdTranslationCapacity + 1];
  uint32_t translationLength;
  char* value;  // always terminated; may hold NUL bytes of a quoted value
  uint32_t valueLength;
  uint32_t valueCapacity;
  int valueKind;
  bool skipped;    // the filter did not want it: value not stored
  int keywordRow;  // set by the filter for the dispatcher; -2 when not looked up
};

// Cuts the next statement: kPpdOk, kPpdEndOfFile (a statement still being
// read is dropped), kPpdSyntax (the reader stays after the offending byte)
// or kPpdNoMemory (keyword or translation too long, or no memory).
// With a filter, a statement it does not want comes back as kPpdOk with
// skipped set and an empty value.
int PpdReadStatement(PpdReader& reader, PpdStatement& statement, const PpdStatementFilter* filter = nullptr);

}  // namespace psui
