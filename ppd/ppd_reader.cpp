#include "ppd/ppd_reader.h"

#include <cstdlib>
#include <cstring>

namespace psui {

namespace {

// Character classes of the statement grammar, one bit each.
constexpr uint8_t kMainKeywordChar = 1;
constexpr uint8_t kOptionKeywordChar = 2;
constexpr uint8_t kTranslationChar = 4;
constexpr uint8_t kLineEnd = 8;
constexpr uint8_t kStringValueEnd = 16;  // CR, LF and '/' end a string value

struct CharClasses {
  uint8_t bits[256];
  constexpr CharClasses() : bits() {
    for (int c = 0x21; c <= 0x7E; ++c) {
      if (c != ':') bits[c] |= kMainKeywordChar | kTranslationChar;
      if (c != ':' && c != '/') bits[c] |= kOptionKeywordChar;
    }
    bits[0x20] |= kTranslationChar;  // space
    bits[0x09] |= kTranslationChar;  // tab
    bits[0x0D] |= kLineEnd;
    bits[0x0A] |= kLineEnd;
    bits[0x0D] |= kStringValueEnd;
    bits[0x0A] |= kStringValueEnd;
    bits[0x2F] |= kStringValueEnd;  // '/'
  }
};
constexpr CharClasses kClasses;

inline bool Is(uint8_t c, uint8_t set) { return (kClasses.bits[c] & set) != 0; }
inline bool IsBlank(uint8_t c) { return c == ' ' || c == '\t'; }
inline bool IsLineEnd(uint8_t c) { return c == '\r' || c == '\n'; }

// The first CR or LF in [p, end), or null.
const uint8_t* FindLineEnd(const uint8_t* p, const uint8_t* end) {
  size_t n = static_cast<size_t>(end - p);
  auto* lf = static_cast<const uint8_t*>(std::memchr(p, '\n', n));
  size_t before_lf = lf != nullptr ? static_cast<size_t>(lf - p) : n;
  auto* cr = static_cast<const uint8_t*>(std::memchr(p, '\r', before_lf));
  return cr != nullptr ? cr : lf;
}

// Eight bytes at a time: nonzero when some byte of word equals b (a match
// may also mark bytes after it; the caller rescans byte by byte).
inline uint64_t HasByte(uint64_t word, uint8_t b) {
  uint64_t v = word ^ (0x0101010101010101ull * b);
  return (v - 0x0101010101010101ull) & ~v & 0x8080808080808080ull;
}

// The first CR, LF or '/' in [p, end), or end.
const uint8_t* FindStringValueEnd(const uint8_t* p, const uint8_t* end) {
  while (end - p >= 8) {
    uint64_t word;
    std::memcpy(&word, p, sizeof word);
    if (HasByte(word, '\n') | HasByte(word, '\r') | HasByte(word, '/')) break;
    p += 8;
  }
  while (p != end && !Is(*p, kStringValueEnd)) ++p;
  return p;
}

struct CrcTables {
  uint16_t t[16][256];
  constexpr CrcTables() : t() {
    for (int i = 0; i < 256; ++i) {
      uint16_t crc = static_cast<uint16_t>(i << 8);
      for (int bit = 0; bit < 8; ++bit)
        crc = static_cast<uint16_t>((crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1);
      t[0][i] = crc;
    }
    // t[k][x]: the CRC of byte x followed by k zero bytes.
    for (int k = 1; k < 16; ++k)
      for (int i = 0; i < 256; ++i) {
        uint16_t prev = t[k - 1][i];
        t[k][i] = static_cast<uint16_t>((prev << 8) ^ t[0][prev >> 8]);
      }
  }
};
constexpr CrcTables kCrc;

}  // namespace

uint16_t PpdCrc16Bytewise(uint16_t crc, const uint8_t* bytes, size_t size) {
  for (size_t i = 0; i < size; ++i)
    crc = static_cast<uint16_t>(kCrc.t[0][(crc >> 8) ^ bytes[i]] ^ (crc << 8));
  return crc;
}

uint16_t PpdCrc16(uint16_t crc, const uint8_t* bytes, size_t size) {
  // Sixteen bytes per step: the register is folded into the first two
  // bytes and each byte contributes its CRC shifted past the bytes after it.
  while (size >= 16) {
    crc = static_cast<uint16_t>(
        kCrc.t[15][bytes[0] ^ (crc >> 8)] ^ kCrc.t[14][bytes[1] ^ (crc & 0xFF)] ^
        kCrc.t[13][bytes[2]] ^ kCrc.t[12][bytes[3]] ^ kCrc.t[11][bytes[4]] ^ kCrc.t[10][bytes[5]] ^
        kCrc.t[9][bytes[6]] ^ kCrc.t[8][bytes[7]] ^ kCrc.t[7][bytes[8]] ^ kCrc.t[6][bytes[9]] ^
        kCrc.t[5][bytes[10]] ^ kCrc.t[4][bytes[11]] ^ kCrc.t[3][bytes[12]] ^ kCrc.t[2][bytes[13]] ^
        kCrc.t[1][bytes[14]] ^ kCrc.t[0][bytes[15]]);
    bytes += 16;
    size -= 16;
  }
  while (size >= 8) {
    crc = static_cast<uint16_t>(
        kCrc.t[7][bytes[0] ^ (crc >> 8)] ^ kCrc.t[6][bytes[1] ^ (crc & 0xFF)] ^
        kCrc.t[5][bytes[2]] ^ kCrc.t[4][bytes[3]] ^ kCrc.t[3][bytes[4]] ^ kCrc.t[2][bytes[5]] ^
        kCrc.t[1][bytes[6]] ^ kCrc.t[0][bytes[7]]);
    bytes += 8;
    size -= 8;
  }
  return PpdCrc16Bytewise(crc, bytes, size);
}

platform::MappedView PpdMapFile(const char* path) { return platform::MapFileReadOnly(path); }

PpdReader::PpdReader(const char* path, uint16_t* crc) : crc_(crc) {
  view_ = PpdMapFile(path);
  base_ = view_.data;
  cursor_ = crcThrough_ = base_;
  end_ = base_ != nullptr ? base_ + view_.size : nullptr;
}

PpdReader::PpdReader(const uint8_t* data, size_t size, uint16_t* crc) : crc_(crc) {
  base_ = cursor_ = crcThrough_ = data;
  end_ = data != nullptr ? data + size : nullptr;
}

PpdReader::~PpdReader() { Release(); }

int PpdReader::NextByte(uint8_t* byte) {
  if (cursor_ == end_) return kPpdEndOfFile;
  *byte = *cursor_++;
  return kPpdOk;
}

void PpdReader::SyncCrc() {
  if (crc_ != nullptr && cursor_ != crcThrough_)
    *crc_ = PpdCrc16(*crc_, crcThrough_, static_cast<size_t>(cursor_ - crcThrough_));
  crcThrough_ = cursor_;
}

void PpdReader::Release() {
  SyncCrc();
  platform::UnmapView(view_);
  base_ = cursor_ = end_ = crcThrough_ = nullptr;
}

PpdStatement::PpdStatement() : value(nullptr), valueCapacity(0) {
  Clear();
  ReserveValue(kPpdInitialValueCapacity);
}

PpdStatement::~PpdStatement() { std::free(value); }

void PpdStatement::Clear() {
  mainKeywordLength = optionKeywordLength = translationLength = valueLength = 0;
  mainKeyword[0] = optionKeyword[0] = translation[0] = '\0';
  if (value != nullptr) value[0] = '\0';
  valueKind = kPpdValueNone;
  skipped = false;
  keywordRow = -2;
}

bool PpdStatement::ReserveValue(size_t capacity) {
  if (capacity <= valueCapacity && value != nullptr) return true;
  if (capacity > UINT32_MAX - 1) return false;
  // Geometric growth: a long value costs a few copies, not one per kilobyte.
  size_t grown = static_cast<size_t>(valueCapacity) * 2;
  if (grown < capacity) grown = capacity;
  if (grown > UINT32_MAX - 1) grown = UINT32_MAX - 1;
  auto* bigger = static_cast<char*>(std::realloc(value, grown + 1));
  if (bigger == nullptr) return false;
  value = bigger;
  if (valueCapacity == 0) value[0] = '\0';
  valueCapacity = static_cast<uint32_t>(grown);
  return true;
}

namespace {

// The statement cutter works on a local cursor; every return stores it
// back, so the bytes consumed are exactly the bytes delivered.
class Cutter {
 public:
  Cutter(const uint8_t*& cursor, const uint8_t* end, PpdStatement& s, const PpdStatementFilter* filter)
      : p_(cursor), end_(end), s_(s), filter_(filter) {}

  int Run() {
    uint8_t c;
    if (!FindStart(&c)) return kPpdEndOfFile;
    int result = ReadRun(&c, kMainKeywordChar, s_.mainKeyword, kPpdKeywordCapacity, &s_.mainKeywordLength,
                         &s_.mainKeywordHash);
    if (result != kPpdOk) return result;
    if (s_.mainKeywordLength == 0) return kPpdSyntax;
    if (filter_ != nullptr) s_.skipped = !filter_->wanted(filter_->context, s_);
    if (!SkipBlanks(&c)) return kPpdEndOfFile;
    if (IsLineEnd(c)) return kPpdOk;  // keyword only, e.g. *End

    if (c != ':') {
      result = ReadRun(&c, kOptionKeywordChar, s_.optionKeyword, kPpdKeywordCapacity, &s_.optionKeywordLength);
      if (result != kPpdOk) return result;
      if (s_.optionKeywordLength == 0) return kPpdSyntax;
      if (!SkipBlanks(&c)) return kPpdEndOfFile;
      if (c == '/') {
        if (!Next(&c)) return kPpdEndOfFile;
        result = ReadRun(&c, kTranslationChar, s_.translation, kPpdTranslationCapacity, &s_.translationLength);
        if (result != kPpdOk) return result;
        if (s_.translationLength == 0) return kPpdSyntax;
      }
      if (c != ':') return kPpdSyntax;
    }

    // Value.
    if (!Next(&c) || !SkipBlanks(&c)) return kPpdEndOfFile;
    if (c == '"') {
      s_.valueKind = kPpdValueQuoted;
      auto* quote = static_cast<const uint8_t*>(std::memchr(p_, '"', Left()));
      if (quote == nullptr) return AtEnd();
      result = s_.skipped ? kPpdOk : SetValue(p_, quote);
      if (result != kPpdOk) return result;
      p_ = quote + 1;
      return DiscardLine();
    }
    const uint8_t* start = p_ - 1;
    const uint8_t* stop = FindStringValueEnd(start, end_);
    if (stop == end_) return AtEnd();
    s_.valueKind = c == '^' ? kPpdValueSymbol : kPpdValueString;
    result = s_.skipped ? kPpdOk : SetValue(start, stop);
    if (result != kPpdOk) return result;
    p_ = stop + 1;
    return IsLineEnd(*stop) ? kPpdOk : DiscardLine();
  }

 private:
  size_t Left() const { return static_cast<size_t>(end_ - p_); }
  int AtEnd() {
    p_ = end_;
    return kPpdEndOfFile;
  }
  bool Next(uint8_t* c) {
    if (p_ == end_) return false;
    *c = *p_++;
    return true;
  }
  bool SkipBlanks(uint8_t* c) {
    while (IsBlank(*c))
      if (!Next(c)) return false;
    return true;
  }
  // Reads through the next line end; false at the end of the file.
  bool SkipPastLineEnd() {
    const uint8_t* line_end = FindLineEnd(p_, end_);
    if (line_end == nullptr) {
      p_ = end_;
      return false;
    }
    p_ = line_end + 1;
    return true;
  }
  int DiscardLine() { return SkipPastLineEnd() ? kPpdOk : kPpdEndOfFile; }

  // Reads the run of characters of set that begins with the current byte
  // *c (already consumed) into field. On success *c is the byte after the
  // run. A run longer than capacity is kPpdNoMemory, a run the file ends in
  // kPpdEndOfFile.
  // With hash, also gives PpdHashName of the run.
  int ReadRun(uint8_t* c, uint8_t set, char* field, uint32_t capacity, uint32_t* length,
              uint32_t* hash = nullptr) {
    const uint8_t* start = p_ - 1;
    size_t available = static_cast<size_t>(end_ - start);
    const uint8_t* limit = available > capacity + 1 ? start + capacity + 1 : end_;
    const uint8_t* q = start;
    uint32_t h = 0;
    while (q != limit && Is(*q, set)) h = (h << 1) ^ *q++;
    if (hash != nullptr) *hash = h;
    size_t n = static_cast<size_t>(q - start);
    if (n > capacity) return kPpdNoMemory;
    if (q == end_) return AtEnd();
    std::memcpy(field, start, n);
    field[n] = '\0';
    *length = static_cast<uint32_t>(n);
    *c = *q;
    p_ = q + 1;
    return kPpdOk;
  }

  // Only a '*' at a line start that is not followed by '%' starts a
  // statement; everything else is skipped line by line.
  bool FindStart(uint8_t* first) {
    uint8_t c;
    for (;;) {
      if (!Next(&c)) return false;
      if (c == '*') {
        if (!Next(&c)) return false;
        if (c != '%') {
          *first = c;
          return true;
        }
      }
      if (!IsLineEnd(c) && !SkipPastLineEnd()) return false;
    }
  }

  int SetValue(const uint8_t* from, const uint8_t* to) {
    size_t length = static_cast<size_t>(to - from);
    if (!s_.ReserveValue(length)) return kPpdNoMemory;
    std::memcpy(s_.value, from, length);
    s_.value[length] = '\0';
    s_.valueLength = static_cast<uint32_t>(length);
    return kPpdOk;
  }

  const uint8_t*& p_;
  const uint8_t* end_;
  PpdStatement& s_;
  const PpdStatementFilter* filter_;
};

}  // namespace

int PpdReadStatement(PpdReader& reader, PpdStatement& statement, const PpdStatementFilter* filter) {
  statement.Clear();
  if (reader.cursor_ == nullptr) return kPpdEndOfFile;
  return Cutter(reader.cursor_, reader.end_, statement, filter).Run();
}

}  // namespace psui
