// The string table and the pictures as the program loads them.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "resource.h"
#include "template_host.h"

namespace psui::test {
namespace {

std::wstring LoadTextW(int id) {
  wchar_t buffer[2048] = {};
  int n = LoadStringW(GetModuleHandleW(nullptr), id, buffer, 2048);
  return std::wstring(buffer, n > 0 ? n : 0);
}

TEST(StringTable, HoldsTheSystemsTextsExactly) {
  const std::map<int, const char*> texts = {
      {IDS_INVALID_DIGITS, "Voce non valida, i caratteri devo essere cifre"},
      {IDS_RANGE_INTEGER, "Valore fuori intervallo; deve essere tra %d e %d"},
      {IDS_RANGE_DECIMAL, "Valore fuori intervallo; deve essere tra %.2f e %.2f"},
      {IDS_INSTALLED, "Installato"},
      {IDS_NOT_INSTALLED, "Non installato"},
      {IDS_NONE, "Nessuno"},
      {IDS_MATCH_PAPER_SIZE, "Adatta formato carta"},
      {IDS_PRINTER_DEFAULT_MEDIA, "Default stampante"},
      {IDS_CUSTOM_PAPER_SIZE, "Formato carta personalizzato"},
      {IDS_SUPPLIES_TITLE, "Informazioni sui materiali di consumo della stampante:"},
      {IDS_SUPPLIES_TONER, "Toner: "},
      {IDS_SUPPLIES_PRINT_UNIT, "Unità di stampa :"},
      {IDS_SUPPLIES_UNAVAILABLE, "Informazioni sui materiali di consumo non disponibili"},
      {IDS_SUPPLY_FULL, "Pieno"},
      {IDS_SUPPLY_NEARLY_FULL, "Quasi pieno"},
      {IDS_SUPPLY_READY, "Pronto"},
      {IDS_LINK_ESTABLISHED, "Comunicazione bidirezionale con la stampante stabilita."},
      {IDS_LINK_UNAVAILABLE, "Comunicazione bidirezionale con la stampante non disponibile."},
      {IDS_OVERLAY_BAD_FILE_NAME,
       "Il nome del file overlay deve rispettare le convenzioni di assegnazione dei nomi DOS "
       "(8.3).\nReimmetterlo."},
      {IDS_WATERMARK_NEW_NAME, "Filigrana"},
      {IDS_PLACEMENT_FLASH, "Flash"},
      {IDS_PLACEMENT_DISK, "Disco"},
      {IDS_DOWNLOAD_AS_TEMPORARY, "Scarica come carattere temporaneo"},
      {IDS_WEB_ADDRESS, "http://www.stampanti.example/"},
      {IDS_SHOP_ADDRESS, "http://negozio.stampanti.example/"},
  };
  for (const auto& [id, text] : texts) {
    EXPECT_EQ(Utf8(LoadTextW(id)), text) << "string " << id;
  }
}

// ---------------------------------------------------------------- colour dialogs 202, 206, 212
TEST(StringTable, HoldsTheColourDialogsTextsExactly) {
  const std::map<int, const char*> texts = {
      {IDS_COLOR_PERSONAL, "Personale"},
      {IDS_SUMMARY_COLOR_MODEL, "Modello colore:"},
      {IDS_SUMMARY_HALFTONE, "Mezzi toni schermo:"},
      {IDS_SUMMARY_RGB_SOURCE, "Profili sorgente RGB:"},
      {IDS_SUMMARY_PROCESS_GRAY, "Grigio di processo:"},
      {IDS_SUMMARY_SIMULATION, "Profilo simulazione ICC:"},
      {IDS_SUMMARY_DESTINATION, "Profilo di destinazione:"},
      {IDS_COLOR_MODEL_BLACK_WHITE, "Bianco e nero"},
      {IDS_COLOR_MODEL_COLOR, "Colore"},
      {IDS_SUMMARY_AUTO, "Auto"},
      {IDS_HALFTONE_FINE, "Rifinito"},
      {IDS_HALFTONE_GENERAL, "Generale"},
      {IDS_HALFTONE_DETAIL, "Dettaglio"},
      {IDS_RGB_SOURCE_ICM, "ICM"},
      {IDS_RGB_SOURCE_CONTRAST, "Contrasto"},
      {IDS_RGB_SOURCE_VIVID, "Vivido"},
      {IDS_RGB_SOURCE_SRGB, "sRGB"},
      {IDS_RGB_SOURCE_SRGB_SATURATED, "Saturazione sRGB"},
      {IDS_GRAY_BLACK_ONLY, "Solo K"},
      {IDS_GRAY_CMYK, "CMYK"},
      {IDS_COLOR_NAME_CAPTION, "Nome del profilo di colore non valido"},
      {IDS_COLOR_NAME_BUILT_IN, "Impossibile sovrascrivere i nomi predefiniti HueSet."},
      {IDS_COLOR_NAME_BLANK, "Impossibile salvare profili di colore in bianco."},
      {IDS_COLOR_NAME_BACKSLASH,
       "Impossibile salvare profili di colore i cui nomi presentano la barra rovesciata (\\)."},
      {IDS_COLOR_OVERWRITE, "\"%s\" esiste già. Sovrascriverlo?"},
      {IDS_COLOR_OVERWRITE_CAPTION, "Sovrascrivere il profilo di colore?"},
      // As the printer's users know it: no closing parenthesis, a blank
      // before "Reimmetterlo" and after its full stop.
      {IDS_PROFILE_NOT_DOS_NAME,
       "Il nome del file scaricato deve rispettare le convenzioni di assegnazione dei nomi DOS "
       "(8.3.\n Reimmetterlo. "},
      {IDS_PROFILE_NAMES_MISSING, "Specificare il nome del file della descrizione del profilo"},
      {IDS_PROFILE_DUPLICATE, "Impossibile aggiungere descrizioni di profilo duplici"},
      {IDS_PROFILE_DESCRIPTION_MISSING, "Specificare la descrizione del profilo"},
      {IDS_PROFILE_NOT_FOUND, "Il nome del file del profilo non esiste"},
      {IDS_ERROR_CAPTION, "Error"},
      {IDS_DOWNLOAD_UTILITY_MISSING,
       "Impossibile avviare Gestione scaricamento.\nInstallare o reinstallare l'utility."},
  };
  for (const auto& [id, text] : texts) {
    EXPECT_EQ(Utf8(LoadTextW(id)), text) << "string " << id;
    EXPECT_TRUE(id >= 3144 && id <= 3207) << "string " << id << " is outside the colour range";
  }
}
// ---------------------------------------------------------------- end of colour dialogs

// ---------------------------------------------------------------- Features page and its dialogs
TEST(StringTable, HoldsTheFeaturesDialogsTextsExactly) {
  const std::map<int, const char*> texts = {
      {IDS_HEADER_PATH_TOO_LONG, "Il percorso del file di intestazione supera i 63 caratteri."},
      {IDS_HEADER_FILE_FILTER, "(*.eps)|*.eps|(*.ps)|*.ps|(*.eps;*.ps)|*.eps;*.ps|(*.*)|*.*||"},
  };
  for (const auto& [id, text] : texts) {
    EXPECT_EQ(Utf8(LoadTextW(id)), text) << "string " << id;
    EXPECT_TRUE(id >= 3256 && id <= 3319) << "string " << id << " is outside the Features range";
  }
}
// ---------------------------------------------------------------- end of Features page and its dialogs

TEST(StringTable, AnsiTextsAreWindows1252) {
  // The program reads its texts with the A functions: on a Western system
  // the accented letters must come out as single Windows-1252 bytes.
  if (GetACP() != 1252) GTEST_SKIP() << "ANSI code page is " << GetACP();
  char buffer[64] = {};
  LoadStringA(GetModuleHandleA(nullptr), IDS_SUPPLIES_PRINT_UNIT, buffer, sizeof(buffer));
  EXPECT_STREQ(buffer, "Unit\xE0 di stampa :");
}

TEST(StringTable, AboutTextNamesTheVersionOnSeparateLines) {
  std::wstring text = LoadTextW(IDS_ABOUT_TEXT);
  ASSERT_FALSE(text.empty());
  std::wstring first_line = text.substr(0, text.find(L"\r\n"));
  EXPECT_NE(first_line.find(L"Version 6.2.0"), std::wstring::npos) << Utf8(first_line);
  // Title, empty line, notice, empty line, licensors' notices.
  EXPECT_EQ(text.find(L"\r\n\r\n"), first_line.size());
  EXPECT_EQ(text.find(L'\n'), text.find(L"\r\n") + 1) << "lines end in CR LF";
}

struct Picture {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
  std::vector<unsigned char> bits;
};

bool LoadPicture(int id, Picture* picture) {
  HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                                   IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bitmap) return false;
  DIBSECTION dib = {};
  bool ok = GetObjectA(bitmap, sizeof(dib), &dib) == sizeof(dib);
  if (ok) {
    picture->width = dib.dsBm.bmWidth;
    picture->height = dib.dsBm.bmHeight;
    picture->bitsPerPixel = dib.dsBmih.biBitCount;
    const unsigned char* p = static_cast<const unsigned char*>(dib.dsBm.bmBits);
    picture->bits.assign(p, p + dib.dsBm.bmWidthBytes * dib.dsBm.bmHeight);
  }
  DeleteObject(bitmap);
  return ok;
}

// The extent of everything that is not white (palette index 15), as
// width minus height: positive for a landscape drawing.
int DrawingAspect(const Picture& p) {
  int left = p.width, right = -1, top = p.height, bottom = -1;
  const int stride = ((p.width * 4 + 31) / 32) * 4;
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      unsigned char byte = p.bits[y * stride + x / 2];
      int index = (x % 2 == 0) ? byte >> 4 : byte & 15;
      if (index == 15) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  return (right - left) - (bottom - top);
}

TEST(Pictures, EveryLayoutPreviewIsADistinctSixteenColourPicture) {
  // Ids 152-167 and 169-190: portrait ones are those of the portrait rows of
  // the preview table (booklets excluded: an open booklet is wider than tall).
  const std::set<int> portrait = {152, 156, 157, 158, 173, 176, 166, 154, 169, 171, 174,
                                  177, 167, 155, 170, 172, 175, 178};
  const std::set<int> booklets = {179, 180};
  std::map<std::vector<unsigned char>, int> seen;
  int count = 0;
  for (int id = 152; id <= 190; ++id) {
    if (id == 168) continue;
    SCOPED_TRACE("bitmap " + std::to_string(id));
    Picture picture;
    ASSERT_TRUE(LoadPicture(id, &picture));
    EXPECT_EQ(picture.bitsPerPixel, 4);
    EXPECT_EQ(picture.width, 120);
    EXPECT_EQ(picture.height, 120);
    auto [it, added] = seen.emplace(picture.bits, id);
    EXPECT_TRUE(added) << "same picture as bitmap " << it->second;
    if (!booklets.count(id)) {
      if (portrait.count(id)) {
        EXPECT_LT(DrawingAspect(picture), 0) << "should show a portrait sheet";
      } else {
        EXPECT_GT(DrawingAspect(picture), 0) << "should show a landscape sheet";
      }
    }
    ++count;
  }
  EXPECT_EQ(count, 38);
  EXPECT_EQ(FindResourceA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(168), RT_BITMAP), nullptr);
}

TEST(Pictures, ProductPictureAndIconLoad) {
  Picture picture;
  ASSERT_TRUE(LoadPicture(IDB_PRODUCT_PICTURE, &picture));
  EXPECT_GT(picture.width, 0);
  // It stands above the About text, which starts 66 dialog units down.
  EXPECT_LE(picture.height, 100);
  for (int size : {16, 32}) {
    HICON icon = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PSUI), IMAGE_ICON, size, size, 0));
    EXPECT_NE(icon, nullptr) << size;
    if (icon) DestroyIcon(icon);
  }
}

}  // namespace
}  // namespace psui::test
