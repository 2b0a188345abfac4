#include "exchange/settings_block.h"

#include <cstring>

namespace psui {

#define PSUI_AT(field, offset) \
  static_assert(offsetof(SettingsBlock, field) == (offset), #field " is at offset " #offset)

PSUI_AT(deviceMode, 0);
PSUI_AT(printerName, 1);
PSUI_AT(driverFileName, 65);
PSUI_AT(customColors, 165);
PSUI_AT(outputBin, 229);
PSUI_AT(driverWord1, 231);
PSUI_AT(reserved233, 233);
PSUI_AT(driverWord2, 241);
PSUI_AT(reserved243, 243);
PSUI_AT(colorDevice, 247);
PSUI_AT(reserved249, 249);
PSUI_AT(orientation, 261);
PSUI_AT(duplex, 263);
PSUI_AT(pagesPerSheet, 265);
PSUI_AT(pageBorders, 267);
PSUI_AT(paperSize, 269);
PSUI_AT(inputSlot, 271);
PSUI_AT(mediaType, 273);
PSUI_AT(bannerPage, 275);
PSUI_AT(bannerPageSource, 277);
PSUI_AT(firstPageSourceOn, 279);
PSUI_AT(firstPageSource, 281);
PSUI_AT(trailerPage, 283);
PSUI_AT(trailerPageSource, 285);
PSUI_AT(autoContinue, 287);
PSUI_AT(resolutionDpi, 289);
PSUI_AT(resolution, 293);
PSUI_AT(smoothing, 295);
PSUI_AT(tonerSave, 297);
PSUI_AT(negativeImage, 299);
PSUI_AT(mirrorImage, 301);
PSUI_AT(rotation, 303);
PSUI_AT(colorPreset, 305);
PSUI_AT(colorProfileName, 307);
PSUI_AT(graphicsHalftone, 339);
PSUI_AT(imageHalftone, 341);
PSUI_AT(graphicsIntent, 343);
PSUI_AT(imageIntent, 345);
PSUI_AT(graphicsProcessGray, 347);
PSUI_AT(imageProcessGray, 349);
PSUI_AT(rgbSourceProfileId, 351);
PSUI_AT(simulationProfileId, 353);
PSUI_AT(destinationProfileId, 355);
PSUI_AT(rgbSourceProfileName, 357);
PSUI_AT(simulationProfileName, 389);
PSUI_AT(destinationProfileName, 421);
PSUI_AT(colorModel, 453);
PSUI_AT(rgbSourceMode, 455);
PSUI_AT(allowAppPostScript, 457);
PSUI_AT(printPsErrors, 459);
PSUI_AT(useExternalHeader, 461);
PSUI_AT(externalHeaderFile, 463);
PSUI_AT(jobTimeout, 527);
PSUI_AT(collate, 529);
PSUI_AT(copies, 531);
PSUI_AT(scaling, 533);
PSUI_AT(emailNotify, 535);
PSUI_AT(emailAddress, 537);
PSUI_AT(overlays, 601);
PSUI_AT(overlays[1], 618);
PSUI_AT(overlays[2], 635);
PSUI_AT(overlays[3], 652);
PSUI_AT(overlays[4], 669);
PSUI_AT(complexOverlayFirst, 686);
PSUI_AT(complexOverlayCycle, 688);
PSUI_AT(watermarkCode, 690);
PSUI_AT(watermarkFirstPageOnly, 692);
PSUI_AT(watermarkName, 694);
PSUI_AT(watermarkText, 726);
PSUI_AT(watermarkFont, 790);
PSUI_AT(watermarkFontData, 822);
PSUI_AT(watermarkStyle, 824);
PSUI_AT(watermarkSize, 826);
PSUI_AT(watermarkAngle, 828);
PSUI_AT(watermarkColor, 830);
PSUI_AT(watermarkIntensity, 832);
PSUI_AT(watermarkBehind, 834);
PSUI_AT(watermarkOutline, 835);
PSUI_AT(watermarkPosition, 836);
PSUI_AT(watermarkX, 838);
PSUI_AT(watermarkY, 840);
PSUI_AT(hardDiskInstalled, 842);
PSUI_AT(duplexerInstalled, 843);
PSUI_AT(bin1Installed, 844);
PSUI_AT(bin2Installed, 845);
PSUI_AT(bin3Installed, 846);
PSUI_AT(bin4Installed, 847);
PSUI_AT(bin5Installed, 848);
PSUI_AT(spareOptions, 849);
PSUI_AT(envelopeFeederInstalled, 853);
PSUI_AT(stackerInstalled, 854);
PSUI_AT(finisherInstalled, 855);
PSUI_AT(mailboxInstalled, 856);
PSUI_AT(multiResInstalled, 857);
PSUI_AT(manualFeedInstalled, 858);
PSUI_AT(authorUtf8, 859);
PSUI_AT(hostUtf8, 1115);
PSUI_AT(accountNumberUtf8, 1179);
PSUI_AT(author, 1211);
PSUI_AT(host, 1275);
PSUI_AT(accountNumber, 1291);
PSUI_AT(snmpCommunity, 1299);
PSUI_AT(printerAddress, 1331);
PSUI_AT(portName, 1347);
PSUI_AT(fontSubstitution, 1379);
PSUI_AT(customLimit1, 1381);
PSUI_AT(customLimit2, 1383);
PSUI_AT(customLimit3, 1385);
PSUI_AT(customLimit4, 1387);
PSUI_AT(customWidth, 1389);
PSUI_AT(customHeight, 1393);
PSUI_AT(customUnits, 1397);
PSUI_AT(customFeedDirection, 1399);
PSUI_AT(documentProfileName, 1401);
PSUI_AT(collateDefaulted, 1433);

#define PSUI_ENTRY_AT(field, offset) \
  static_assert(offsetof(OverlayEntry, field) == (offset), "OverlayEntry::" #field)
PSUI_ENTRY_AT(enabled, 0);
PSUI_ENTRY_AT(fileName, 2);
PSUI_ENTRY_AT(placement, 15);

static_assert(offsetof(SettingsBlock, colorPreset) == kColorGroup.offset &&
                  offsetof(SettingsBlock, allowAppPostScript) == kColorGroup.offset + kColorGroup.size,
              "colour group bounds");
static_assert(offsetof(SettingsBlock, watermarkName) == kWatermarkGroup.offset &&
                  offsetof(SettingsBlock, hardDiskInstalled) ==
                      kWatermarkGroup.offset + kWatermarkGroup.size,
              "watermark group bounds");
static_assert(offsetof(SettingsBlock, hardDiskInstalled) == kOptionFlagGroup.offset &&
                  offsetof(SettingsBlock, authorUtf8) ==
                      kOptionFlagGroup.offset + kOptionFlagGroup.size,
              "option flag group bounds");
static_assert(sizeof(float) == 4, "customWidth is an IEEE single");

std::string_view FieldText(const char* field, size_t width) {
  const void* nul = std::memchr(field, '\0', width);
  size_t length = nul ? static_cast<size_t>(static_cast<const char*>(nul) - field) : width;
  return std::string_view(field, length);
}

bool SetFieldText(char* field, size_t width, std::string_view text) {
  if (width == 0) return text.empty();
  size_t length = text.size() < width ? text.size() : width - 1;
  std::memmove(field, text.data(), length);
  field[length] = '\0';
  return length == text.size();
}

static constexpr uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue) {
  return blue * 65536u + green * 256u + red;
}

const uint32_t kDefaultCustomColors[16] = {
    Rgb(255, 0, 0),     Rgb(0, 255, 0),     Rgb(0, 0, 255),     Rgb(0, 0, 0),
    Rgb(255, 255, 255), Rgb(192, 0, 0),     Rgb(128, 0, 0),     Rgb(64, 0, 0),
    Rgb(255, 64, 64),   Rgb(255, 128, 128), Rgb(255, 192, 192), Rgb(192, 192, 192),
    Rgb(128, 128, 128), Rgb(64, 64, 64),    Rgb(0, 0, 192),     Rgb(0, 0, 128),
};

}  // namespace psui
