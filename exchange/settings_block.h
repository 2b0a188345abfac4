// The settings record exchanged with the printer driver: a packed 1434-byte
// wire format. The driver interprets the bytes, so every offset, width and
// reserved byte is fixed; the static_asserts in settings_block.cpp pin them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace psui {

#pragma pack(push, 1)

struct OverlayEntry {
  int16_t enabled;
  char fileName[13];
  int16_t placement;
};

struct SettingsBlock {
  uint8_t deviceMode;
  char printerName[64];
  char driverFileName[100];
  uint32_t customColors[16];
  int16_t outputBin;
  int16_t driverWord1;
  uint8_t reserved233[8];
  int16_t driverWord2;
  uint8_t reserved243[4];
  int16_t colorDevice;
  uint8_t reserved249[12];
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
  // Colour group (offsets 305-456).
  int16_t colorPreset;
  char colorProfileName[32];
  int16_t graphicsHalftone;
  int16_t imageHalftone;
  int16_t graphicsIntent;
  int16_t imageIntent;
  int16_t graphicsProcessGray;
  int16_t imageProcessGray;
  int16_t rgbSourceProfileId;
  int16_t simulationProfileId;
  int16_t destinationProfileId;
  char rgbSourceProfileName[32];
  char simulationProfileName[32];
  char destinationProfileName[32];
  int16_t colorModel;
  int16_t rgbSourceMode;
  // End of the colour group.
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
  OverlayEntry overlays[5];
  int16_t complexOverlayFirst;
  int16_t complexOverlayCycle;
  int16_t watermarkCode;
  int16_t watermarkFirstPageOnly;
  // Watermark group (offsets 694-841).
  char watermarkName[32];
  char watermarkText[64];
  char watermarkFont[32];
  int16_t watermarkFontData;
  int16_t watermarkStyle;
  int16_t watermarkSize;
  int16_t watermarkAngle;
  int16_t watermarkColor;
  int16_t watermarkIntensity;
  uint8_t watermarkBehind;
  uint8_t watermarkOutline;
  int16_t watermarkPosition;
  int16_t watermarkX;
  int16_t watermarkY;
  // End of the watermark group. Installable-option flags (842-858).
  uint8_t hardDiskInstalled;
  uint8_t duplexerInstalled;
  uint8_t bin1Installed;
  uint8_t bin2Installed;
  uint8_t bin3Installed;
  uint8_t bin4Installed;
  uint8_t bin5Installed;
  uint8_t spareOptions[4];
  uint8_t envelopeFeederInstalled;
  uint8_t stackerInstalled;
  uint8_t finisherInstalled;
  uint8_t mailboxInstalled;
  uint8_t multiResInstalled;
  uint8_t manualFeedInstalled;
  // End of the option flags.
  char authorUtf8[256];
  char hostUtf8[64];
  char accountNumberUtf8[32];
  char author[64];
  char host[16];
  char accountNumber[8];
  char snmpCommunity[32];
  char printerAddress[16];
  char portName[32];
  int16_t fontSubstitution;
  int16_t customLimit1;
  int16_t customLimit2;
  int16_t customLimit3;
  int16_t customLimit4;
  float customWidth;
  float customHeight;
  int16_t customUnits;
  int16_t customFeedDirection;
  char documentProfileName[32];
  uint8_t collateDefaulted;
};

#pragma pack(pop)

constexpr size_t kSettingsBlockSize = 1434;
static_assert(sizeof(SettingsBlock) == kSettingsBlockSize, "the record is 1434 bytes");
static_assert(sizeof(OverlayEntry) == 17, "an overlay row is 17 bytes");

// A run of record bytes that other parts move as one unit (profiles save and
// load these verbatim).
struct FieldGroup {
  size_t offset;
  size_t size;
};
constexpr FieldGroup kColorGroup{305, 152};      // colorPreset .. rgbSourceMode
constexpr FieldGroup kWatermarkGroup{694, 148};  // watermarkName .. watermarkY
constexpr FieldGroup kOptionFlagGroup{842, 17};  // hardDiskInstalled .. manualFeedInstalled

inline uint8_t* GroupBytes(SettingsBlock& record, FieldGroup group) {
  return reinterpret_cast<uint8_t*>(&record) + group.offset;
}
inline const uint8_t* GroupBytes(const SettingsBlock& record, FieldGroup group) {
  return reinterpret_cast<const uint8_t*>(&record) + group.offset;
}

// Text of a char[n] field: the bytes up to the NUL, or all n bytes when the
// field arrived without one. Never reads past the field.
std::string_view FieldText(const char* field, size_t width);
template <size_t N>
std::string_view FieldText(const char (&field)[N]) {
  return FieldText(field, N);
}

// Stores text into a char[n] field: at most n-1 bytes and a NUL. The bytes
// after the NUL are left as they were (they carry no meaning but go back to
// the driver unchanged). Returns false when the text had to be cut.
bool SetFieldText(char* field, size_t width, std::string_view text);
template <size_t N>
bool SetFieldText(char (&field)[N], std::string_view text) {
  return SetFieldText(field, N, text);
}

inline bool FieldIsEmpty(const char* field) { return field[0] == '\0'; }

// Restore values of customColors (blue * 65536 + green * 256 + red).
extern const uint32_t kDefaultCustomColors[16];

}  // namespace psui
