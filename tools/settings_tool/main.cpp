// settings_tool: the settings record as JSON.
//   settings_tool decode FILE                  a record or a frame as JSON
//   settings_tool encode JSON_FILE BASE OUT    named fields from JSON, the rest from BASE
//   settings_tool diff OLD NEW                 the fields that differ (records or frames)
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "exchange/frames.h"
#include "exchange/settings_block.h"
#include "tools/settings_tool/record_json.h"

namespace {

bool ReadAll(const char* path, std::string* bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

int Usage() {
  std::fprintf(stderr,
               "usage: settings_tool decode FILE\n"
               "       settings_tool encode JSON_FILE BASE_RECORD OUT\n"
               "       settings_tool diff OLD NEW\n");
  return 1;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "settings_tool: %s\n", message.c_str());
  return 1;
}

// The record part of a record file or of a 1446-byte frame.
bool ReadRecord(const char* path, std::string* record) {
  if (!ReadAll(path, record)) return false;
  if (record->size() == psui::kStartFrameSize) record->erase(0, psui::kFrameRecordOffset);
  return record->size() == psui::kSettingsBlockSize;
}

const uint8_t* Bytes(const std::string& s) { return reinterpret_cast<const uint8_t*>(s.data()); }

int Decode(const char* path) {
  std::string bytes, json;
  if (!ReadAll(path, &bytes)) return Fail(std::string("cannot read ") + path);
  if (!psui::BytesToJson(bytes, &json)) {
    return Fail(std::string(path) + ": " + std::to_string(bytes.size()) +
                " bytes is neither a record (1434), a frame (1446) nor a cancel frame (8)");
  }
  std::fwrite(json.data(), 1, json.size(), stdout);
  return 0;
}

int Encode(const char* json_path, const char* base_path, const char* out_path) {
  std::string text, base, error;
  if (!ReadAll(json_path, &text)) return Fail(std::string("cannot read ") + json_path);
  if (!ReadAll(base_path, &base) || base.size() != psui::kSettingsBlockSize) {
    return Fail(std::string(base_path) + " is not a 1434-byte record");
  }
  psui::JsonValue json;
  if (!psui::ParseJson(text, &json, &error)) return Fail(std::string(json_path) + ": " + error);
  // A decoded frame can be given whole: its record is what is encoded.
  if (const psui::JsonValue* record = json.Find("record"); record && json.Find("frame")) {
    psui::JsonValue inner = *record;
    json = inner;
  }
  std::string out(psui::kSettingsBlockSize, '\0');
  if (!psui::JsonToRecord(json, Bytes(base), reinterpret_cast<uint8_t*>(&out[0]), &error)) {
    return Fail(error);
  }
  std::ofstream file(out_path, std::ios::binary | std::ios::trunc);
  file.write(out.data(), static_cast<std::streamsize>(out.size()));
  if (!file) return Fail(std::string("cannot write ") + out_path);
  return 0;
}

int Diff(const char* old_path, const char* new_path) {
  std::string older, newer;
  if (!ReadRecord(old_path, &older)) return Fail(std::string(old_path) + " is not a record or frame");
  if (!ReadRecord(new_path, &newer)) return Fail(std::string(new_path) + " is not a record or frame");
  for (const std::string& line : psui::DiffRecords(Bytes(older), Bytes(newer))) {
    std::printf("%s\n", line.c_str());
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && !std::strcmp(argv[1], "decode")) return Decode(argv[2]);
  if (argc == 5 && !std::strcmp(argv[1], "encode")) return Encode(argv[2], argv[3], argv[4]);
  if (argc == 4 && !std::strcmp(argv[1], "diff")) return Diff(argv[2], argv[3]);
  return Usage();
}
