// A document profile: every document-level setting of the record (layout,
// paper, resolution and graphics, the colour group, PostScript and document
// options, overlays, watermark, font handling) as one 612-byte value, and
// the printer's store of them under "Custom Document Profiles", one
// REG_BINARY value per profile, named after it. Registry failures are
// silent.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "color/color_settings.h"
#include "exchange/settings_block.h"
#include "pages/watermark_settings.h"

namespace psui {

#pragma pack(push, 1)

// An overlay row as a profile holds it: the record's 13-byte name and one
// spare byte.
struct DocumentProfileOverlay {
  int16_t enabled;
  char fileName[14];
  int16_t placement;
};

struct DocumentProfileRecord {
  int16_t driverWord1;
  int16_t driverWord2;
  int16_t orientation;
  int16_t duplex;
  int16_t pagesPerSheet;
  int16_t pageBorders;
  int16_t paperSize;
  int16_t inputSlot;
  int16_t mediaType;
  int16_t bannerPage;
  int16_t bannerPageSource;
  int16_t firstPageSourceOn;
  int16_t firstPageSource;
  int16_t trailerPage;
  int16_t trailerPageSource;
  int16_t autoContinue;
  int32_t resolutionDpi;
  int16_t resolution;
  int16_t smoothing;
  int16_t tonerSave;
  int16_t negativeImage;
  int16_t mirrorImage;
  int16_t rotation;
  ColorSettingsRecord colors;
  int16_t allowAppPostScript;
  int16_t printPsErrors;
  int16_t useExternalHeader;
  char externalHeaderFile[64];
  int16_t jobTimeout;
  int16_t collate;
  int16_t copies;
  int16_t scaling;
  int16_t emailNotify;
  char emailAddress[64];
  DocumentProfileOverlay overlays[5];
  int16_t complexOverlayFirst;
  int16_t complexOverlayCycle;
  int16_t watermarkCode;
  int16_t watermarkFirstPageOnly;
  WatermarkSettingsRecord watermark;
  int16_t fontSubstitution;
  uint8_t reserved[20];
};

#pragma pack(pop)

constexpr size_t kDocumentProfileSize = 612;
static_assert(sizeof(DocumentProfileOverlay) == 18, "a profile's overlay row is 18 bytes");
static_assert(sizeof(DocumentProfileRecord) == kDocumentProfileSize, "a document profile is 612 bytes");

// What a profile holds of the record: driverWord1, driverWord2,
// fontSubstitution and this run, orientation through watermarkY (the
// colour and watermark groups inside it).
constexpr FieldGroup kDocumentSettingsRun{261, 581};

// The name that means "no profile"; it and an empty name choose none.
constexpr char kNoDocumentProfileName[] = "Nessuno";
// "Nessuno" in any letter case, or an empty text.
bool IsNoDocumentProfile(std::string_view name);

// The record's document settings. Texts are copied up to their terminator
// (a field without one gives its first n-1 bytes); every byte the profile
// does not hold a value in is zero, the bytes after the texts of the colour
// and watermark groups included.
DocumentProfileRecord PackDocumentProfile(const SettingsBlock& record);
// Writes every field the profile holds back into the record (the colour
// group through UnpackColorSettings, the watermark group through
// UnpackWatermarkSettings); spare and reserved bytes are not read.
// A text without a terminator is taken as its first n-1 bytes. Nothing else
// of the record changes, documentProfileName included.
void UnpackDocumentProfile(SettingsBlock& record, const DocumentProfileRecord& profile);

std::string DocumentProfileKeyPath(const SettingsBlock& record);

// The names of every value in the store, whatever they hold, in the
// registry's order (a name longer than 259 bytes is skipped). The store key
// is created when missing.
std::vector<std::string> DocumentProfileNames(const SettingsBlock& record);

// A stored profile: only a REG_BINARY value of exactly 612 bytes is one.
// Any other value cannot be read and is never unpacked.
bool ReadDocumentProfile(const SettingsBlock& record, std::string_view name,
                         DocumentProfileRecord* profile);

// Stores the record's document settings under `name`, replacing a value of
// that name. An empty name would write the key's default value: refused.
bool SaveDocumentProfile(const SettingsBlock& record, std::string_view name);

bool DeleteDocumentProfile(const SettingsBlock& record, std::string_view name);

// What OK in the profile dialog does with the chosen name.
enum class ProfileChoice { kNone, kSaved, kApplied };
// No profile for "Nessuno" or an empty name. Otherwise the stored profile of
// that name is unpacked into the record; when there is none that can be
// read, the current settings are stored under the name instead.
ProfileChoice ApplyOrSaveDocumentProfile(SettingsBlock& record, std::string_view name);

}  // namespace psui
