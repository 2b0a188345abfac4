#include "pages/document_profile.h"

#include <cstring>
#include <string>

#include "color/stored_values.h"
#include "platform/registry.h"

namespace psui {

using platform::RegistryKey;
using platform::RegistryRoot;

#define PSUI_PROFILE_AT(field, at) \
  static_assert(offsetof(DocumentProfileRecord, field) == (at), "DocumentProfileRecord::" #field " is at " #at)
PSUI_PROFILE_AT(driverWord1, 0);
PSUI_PROFILE_AT(driverWord2, 2);
PSUI_PROFILE_AT(orientation, 4);
PSUI_PROFILE_AT(duplex, 6);
PSUI_PROFILE_AT(pagesPerSheet, 8);
PSUI_PROFILE_AT(pageBorders, 10);
PSUI_PROFILE_AT(paperSize, 12);
PSUI_PROFILE_AT(inputSlot, 14);
PSUI_PROFILE_AT(mediaType, 16);
PSUI_PROFILE_AT(bannerPage, 18);
PSUI_PROFILE_AT(bannerPageSource, 20);
PSUI_PROFILE_AT(firstPageSourceOn, 22);
PSUI_PROFILE_AT(firstPageSource, 24);
PSUI_PROFILE_AT(trailerPage, 26);
PSUI_PROFILE_AT(trailerPageSource, 28);
PSUI_PROFILE_AT(autoContinue, 30);
PSUI_PROFILE_AT(resolutionDpi, 32);
PSUI_PROFILE_AT(resolution, 36);
PSUI_PROFILE_AT(smoothing, 38);
PSUI_PROFILE_AT(tonerSave, 40);
PSUI_PROFILE_AT(negativeImage, 42);
PSUI_PROFILE_AT(mirrorImage, 44);
PSUI_PROFILE_AT(rotation, 46);
PSUI_PROFILE_AT(colors, 48);
PSUI_PROFILE_AT(allowAppPostScript, 200);
PSUI_PROFILE_AT(printPsErrors, 202);
PSUI_PROFILE_AT(useExternalHeader, 204);
PSUI_PROFILE_AT(externalHeaderFile, 206);
PSUI_PROFILE_AT(jobTimeout, 270);
PSUI_PROFILE_AT(collate, 272);
PSUI_PROFILE_AT(copies, 274);
PSUI_PROFILE_AT(scaling, 276);
PSUI_PROFILE_AT(emailNotify, 278);
PSUI_PROFILE_AT(emailAddress, 280);
PSUI_PROFILE_AT(overlays, 344);
PSUI_PROFILE_AT(complexOverlayFirst, 434);
PSUI_PROFILE_AT(complexOverlayCycle, 436);
PSUI_PROFILE_AT(watermarkCode, 438);
PSUI_PROFILE_AT(watermarkFirstPageOnly, 440);
PSUI_PROFILE_AT(watermark, 442);
PSUI_PROFILE_AT(fontSubstitution, 590);
PSUI_PROFILE_AT(reserved, 592);
#undef PSUI_PROFILE_AT
static_assert(offsetof(SettingsBlock, orientation) == kDocumentSettingsRun.offset &&
                  offsetof(SettingsBlock, hardDiskInstalled) == kDocumentSettingsRun.offset + kDocumentSettingsRun.size,
              "the run of document settings: orientation through watermarkY");
static_assert(offsetof(DocumentProfileOverlay, fileName) == 2 && offsetof(DocumentProfileOverlay, placement) == 16,
              "a profile's overlay row: enabled, 14-byte name, placement");

namespace {

constexpr size_t kOverlayNameSize = sizeof(OverlayEntry::fileName);

// The record and the profile name their plain fields alike: one copy serves
// both directions.
template <typename To, typename From>
void CopyPlainFields(To& to, const From& from) {
  to.driverWord1 = from.driverWord1;
  to.driverWord2 = from.driverWord2;
  to.orientation = from.orientation;
  to.duplex = from.duplex;
  to.pagesPerSheet = from.pagesPerSheet;
  to.pageBorders = from.pageBorders;
  to.paperSize = from.paperSize;
  to.inputSlot = from.inputSlot;
  to.mediaType = from.mediaType;
  to.bannerPage = from.bannerPage;
  to.bannerPageSource = from.bannerPageSource;
  to.firstPageSourceOn = from.firstPageSourceOn;
  to.firstPageSource = from.firstPageSource;
  to.trailerPage = from.trailerPage;
  to.trailerPageSource = from.trailerPageSource;
  to.autoContinue = from.autoContinue;
  to.resolutionDpi = from.resolutionDpi;
  to.resolution = from.resolution;
  to.smoothing = from.smoothing;
  to.tonerSave = from.tonerSave;
  to.negativeImage = from.negativeImage;
  to.mirrorImage = from.mirrorImage;
  to.rotation = from.rotation;
  to.allowAppPostScript = from.allowAppPostScript;
  to.printPsErrors = from.printPsErrors;
  to.useExternalHeader = from.useExternalHeader;
  to.jobTimeout = from.jobTimeout;
  to.collate = from.collate;
  to.copies = from.copies;
  to.scaling = from.scaling;
  to.emailNotify = from.emailNotify;
  to.complexOverlayFirst = from.complexOverlayFirst;
  to.complexOverlayCycle = from.complexOverlayCycle;
  to.watermarkCode = from.watermarkCode;
  to.watermarkFirstPageOnly = from.watermarkFirstPageOnly;
  to.fontSubstitution = from.fontSubstitution;
  // The 13-byte overlay name is copied with the texts.
  for (size_t row = 0; row < 5; ++row) {
    to.overlays[row].enabled = from.overlays[row].enabled;
    to.overlays[row].placement = from.overlays[row].placement;
  }
}

// A text of at most n-1 bytes and its terminator; the bytes after it stay.
template <size_t N, size_t M>
void CopyText(char (&to)[N], const char (&from)[M]) {
  static_assert(N == M, "texts of the same width");
  SetFieldText(to, FieldText(from));
}

template <typename To, typename From>
void CopyOverlayNames(To& to, const From& from) {
  for (size_t row = 0; row < 5; ++row) {
    SetFieldText(to.overlays[row].fileName, kOverlayNameSize,
                 FieldText(from.overlays[row].fileName, kOverlayNameSize));
  }
}

// A text as the profile keeps it: up to its terminator (the first n-1 bytes
// when it has none), zeros after it.
template <size_t N>
void ClearAfterText(char (&text)[N]) {
  const std::string kept(FieldText(text));
  std::memset(text, 0, N);
  SetFieldText(text, kept);
}

// The group's plain fields and its texts up to their terminators; the bytes
// after each terminator stay those of `to`.
void CopyWatermarkFields(WatermarkSettingsRecord& to, const WatermarkSettingsRecord& from) {
  CopyText(to.watermarkName, from.watermarkName);
  CopyText(to.watermarkText, from.watermarkText);
  CopyText(to.watermarkFont, from.watermarkFont);
  to.watermarkFontData = from.watermarkFontData;
  to.watermarkStyle = from.watermarkStyle;
  to.watermarkSize = from.watermarkSize;
  to.watermarkAngle = from.watermarkAngle;
  to.watermarkColor = from.watermarkColor;
  to.watermarkIntensity = from.watermarkIntensity;
  to.watermarkBehind = from.watermarkBehind;
  to.watermarkOutline = from.watermarkOutline;
  to.watermarkPosition = from.watermarkPosition;
  to.watermarkX = from.watermarkX;
  to.watermarkY = from.watermarkY;
}

bool OpenStore(const SettingsBlock& record, RegistryKey& key) {
  return RegistryKey::OpenOrCreate(RegistryRoot::kLocalMachine, DocumentProfileKeyPath(record), key) ==
         platform::kRegOk;
}

bool ProfileFromValue(uint32_t type, const std::vector<uint8_t>& data, DocumentProfileRecord* profile) {
  if (type != platform::kRegBinary || data.size() != kDocumentProfileSize) return false;
  std::memcpy(profile, data.data(), kDocumentProfileSize);
  return true;
}

}  // namespace

bool IsNoDocumentProfile(std::string_view name) {
  constexpr std::string_view none = kNoDocumentProfileName;
  if (name.size() != none.size()) return name.empty();
  for (size_t i = 0; i < name.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(name[i]) != lower(none[i])) return false;
  }
  return true;
}

DocumentProfileRecord PackDocumentProfile(const SettingsBlock& record) {
  DocumentProfileRecord profile;
  std::memset(&profile, 0, sizeof profile);
  CopyPlainFields(profile, record);
  profile.colors = PackColorSettings(record);
  // The group comes as the record has it, bytes after its texts included.
  profile.watermark = PackWatermarkSettings(record);
  ClearAfterText(profile.watermark.watermarkName);
  ClearAfterText(profile.watermark.watermarkText);
  ClearAfterText(profile.watermark.watermarkFont);
  CopyText(profile.externalHeaderFile, record.externalHeaderFile);
  CopyText(profile.emailAddress, record.emailAddress);
  CopyOverlayNames(profile, record);
  return profile;
}

void UnpackDocumentProfile(SettingsBlock& record, const DocumentProfileRecord& profile) {
  CopyPlainFields(record, profile);
  UnpackColorSettings(record, profile.colors);
  // The group would be written as it stands: its fields go over the record's
  // own group, so that a stored text without terminator or the bytes after
  // one reach nothing.
  WatermarkSettingsRecord watermark = PackWatermarkSettings(record);
  CopyWatermarkFields(watermark, profile.watermark);
  UnpackWatermarkSettings(record, watermark);
  CopyText(record.externalHeaderFile, profile.externalHeaderFile);
  CopyText(record.emailAddress, profile.emailAddress);
  CopyOverlayNames(record, profile);
}

std::string DocumentProfileKeyPath(const SettingsBlock& record) {
  return platform::PrinterKeyPath(FieldText(record.printerName)) + "\\Custom Document Profiles";
}

std::vector<std::string> DocumentProfileNames(const SettingsBlock& record) {
  std::vector<std::string> names;
  RegistryKey key;
  if (!OpenStore(record, key)) return names;
  VisitStoredValues(key, [&](const platform::RegistryValue& value) {
    names.push_back(value.name);
    return false;
  });
  return names;
}

bool ReadDocumentProfile(const SettingsBlock& record, std::string_view name, DocumentProfileRecord* profile) {
  RegistryKey key;
  if (!OpenStore(record, key)) return false;
  platform::RegistryValue value;
  if (key.ReadAnyValue(name, value) != platform::kRegOk) return false;
  return ProfileFromValue(value.type, value.data, profile);
}

bool SaveDocumentProfile(const SettingsBlock& record, std::string_view name) {
  if (name.empty()) return false;
  RegistryKey key;
  if (!OpenStore(record, key)) return false;
  const DocumentProfileRecord profile = PackDocumentProfile(record);
  return key.WriteBinary(name, &profile, sizeof profile) == platform::kRegOk;
}

bool DeleteDocumentProfile(const SettingsBlock& record, std::string_view name) {
  RegistryKey key;
  if (!OpenStore(record, key)) return false;
  return key.DeleteValue(name) == platform::kRegOk;
}

ProfileChoice ApplyOrSaveDocumentProfile(SettingsBlock& record, std::string_view name) {
  if (IsNoDocumentProfile(name)) return ProfileChoice::kNone;
  DocumentProfileRecord profile;
  if (!ReadDocumentProfile(record, name, &profile)) {
    SaveDocumentProfile(record, name);
    return ProfileChoice::kSaved;
  }
  UnpackDocumentProfile(record, profile);
  return ProfileChoice::kApplied;
}

}  // namespace psui
