// The settings record as JSON: one member per field, in record order, under
// the field's name. Texts are converted from Windows-1252 to UTF-8; reserved
// bytes are hex strings; floats carry 9 significant digits, which is enough
// for a float32 to come back bit for bit.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/common/json_value.h"

namespace psui {

// The JSON text of a 1434-byte record.
std::string RecordToJson(const uint8_t* record);
// The JSON text of a file's bytes: a record, a 1446-byte start or OK frame
// ({"frame": {...}, "record": {...}}) or an 8-byte cancel frame. False for
// any other size.
bool BytesToJson(const std::string& bytes, std::string* json);

// Writes into out (a copy of base) the fields named in json. A member equal
// to the base's decoded value leaves the field's bytes untouched, so
// encoding a record's own decoding gives the record back byte for byte.
// Refuses unknown names, values out of range, texts too long for their field
// or not representable in Windows-1252, with a message naming the field.
bool JsonToRecord(const JsonValue& json, const uint8_t* base, uint8_t* out, std::string* error);

// "name: old -> new" for every field (or row member) whose value differs.
std::vector<std::string> DiffRecords(const uint8_t* older, const uint8_t* newer);

}  // namespace psui
