// The numbers here are written out, not taken from resource.h, so that a
// wrong number in the header fails the test instead of moving with it.
#include "page_expectations.h"

namespace psui::test {
namespace {

using K = Kind;

std::vector<ExpectedControl> ConsumablesControls() {
  std::vector<ExpectedControl> controls = {
      {1250, K::kLabel, "Static", kShown},
      {1251, K::kLabel, "Static", kShown},
      {1321, K::kLabel, "Quantità restante", kShown},
      {1314, K::kPushButton, "Aggiorna", kShown},
      {1312, K::kPushButton, "http://negozio.stampanti.example/", kShown},
      {1313, K::kPushButton, "Trevant Light", kShown},
  };
  for (int n = 0; n < 12; ++n) {
    controls.push_back({1252 + n, K::kLabel, "NAME LABEL", kShown});
    // The status word stands where the bar is, so it starts hidden.
    controls.push_back({1267 + n, K::kRightLabel, "0", kHidden});
    controls.push_back({1282 + n, K::kProgressBar, nullptr, kShown});
    controls.push_back({1297 + n, K::kLabel, "Max Units", kShown});
  }
  return controls;
}

std::vector<ExpectedPage> BuildPages() {
  return {
      {211,
       "Layout",
       {
           {1009, K::kGroupBox, "Orientamento", kShown},
           {1000, K::kRadioButton, "Verticale", kShown},
           {1001, K::kRadioButton, "Orizzontale", kShown},
           {1002, K::kRadioButton, "Orizzontale (ruotato)", kShown},
           {1003, K::kRadioButton, "Simplex", kShown},
           {1004, K::kRadioButton, "Lato lungo", kShown},
           {1005, K::kRadioButton, "Lato corto", kShown},
           {1006, K::kDropDownList, nullptr, kShown},
           {1007, K::kCheckBox, "Bordi pagina in stampa", kShown},
           {1093, K::kGroupBox, "Anteprima", kShown},
           {1008, K::kPicture, nullptr, kShown},
       },
       {"Opzioni duplex", "Pagine per foglio"}},
      {214,
       "Carta",
       {
           {1030, K::kDropDownList, nullptr, kShown},
           {1031, K::kDropDownList, nullptr, kShown},
           {1032, K::kDropDownList, nullptr, kShown},
           {1033, K::kDropDownList, nullptr, kShown},
           {1034, K::kLabel, "Ripiano di uscita", kShown},
           {1035, K::kPushButton, "Gestione avanzata carta", kShown},
           {1036, K::kPushButton, "Configura", kShown},
       },
       {"Dimensione fogli", "Fonte", "Tipo di carta"}},
      {208,
       "Funzioni",
       {
           {1070, K::kDropDownList, nullptr, kShown},
           {1071, K::kPushButton, "Opzioni Grafica", kShown},
           {1072, K::kGroupBox, "Configurazione colore rapida", kShown},
           {1073, K::kSortedDropDownList, nullptr, kShown},
           {1074, K::kPushButton, "Opzioni colore", kShown},
           {1075, K::kPushButton, "Opzioni PostScript", kShown},
           {1076, K::kPushButton, "Opzioni documento", kShown},
           {1077, K::kPushButton, "Impostazioni Personale ", kShown},
       },
       {"Risoluzione (punti/pollice)"}},
      {213,
       "Overlay",
       {
           {1170, K::kDropDownList, nullptr, kShown},
           {1171, K::kCheckBox, "Solo prima pagina", kShown},
           {1172, K::kPushButton, "Modifica", kShown},
           {1173, K::kPushButton, "Aggiungi", kShown},
           {1174, K::kPushButton, "Elimina", kShown},
           {1175, K::kCheckBox, "Tutte le pagine", kShown},
           {1176, K::kEdit, "", kShown},
           {1177, K::kCheckBox, "Prima pagina", kShown},
           {1178, K::kEdit, "", kShown},
           {1179, K::kCheckBox, "Pagine pari", kShown},
           {1180, K::kEdit, "", kShown},
           {1181, K::kCheckBox, "Pagine dispari", kShown},
           {1182, K::kEdit, "", kShown},
           {1183, K::kCheckBox, "Complesso", kShown},
           {1184, K::kEdit, "", kShown},
           {1185, K::kNumberEdit, nullptr, kShown},
           {1186, K::kUpDown, nullptr, kShown},
           {1187, K::kNumberEdit, nullptr, kShown},
           {1188, K::kUpDown, nullptr, kShown},
           {1189, K::kPushButton, "Gestione scaricamento", kShown},
           {1190, K::kDropDownList, nullptr, kHidden},
           {1191, K::kDropDownList, nullptr, kHidden},
           {1192, K::kDropDownList, nullptr, kHidden},
           {1193, K::kDropDownList, nullptr, kHidden},
           {1194, K::kDropDownList, nullptr, kHidden},
       },
       {"Filigrana", "Overlay", "Primo", "Ciclo"}},
      {209,
       "Caratteri",
       {
           {1230, K::kRadioButton, "Scarica caratteri come TrueType", kShown},
           {1231, K::kRadioButton, "Usa tabella sostituzione", kShown},
           {1232, K::kSortedList, nullptr, kShown},
           {1233, K::kPlainList, nullptr, kShown},
           {1234, K::kPushButton, "Usa tabella sostituzione predefinita", kShown},
           {1235, K::kPushButton, "Gestione scaricamento", kShown},
       },
       {"Carattere del sistema:", "Usa carattere dispositivo:"}},
      {203, "Materiali di consumo", ConsumablesControls(), {}},
      {216,
       "Impostazioni",
       {
           {1240, K::kEdit, "", kDisabled},
           {1241, K::kEdit, "", kShown},
           {1242, K::kEdit, "", kShown},
           {1243, K::kEdit, "", kDisabled},
           {1244, K::kLabel, "", kShown},
           {1245, K::kSortedList, nullptr, kShown},
           {1246, K::kPushButton, "Aggiungi", kShown},
           {1247, K::kPushButton, "Rimuovi", kShown},
           {1248, K::kSortedList, nullptr, kShown},
       },
       {"Dati conto", "Autore", "Host", "Carica numero", "Comunicazioni stampante", "Porta",
        "Opzioni disponibili", "Opzioni installate"}},
      {200,
       "Informazioni",
       {
           {1020, K::kPicture, nullptr, kShown},
           {1021, K::kReadOnlyText, nullptr, kShown},
           {1022, K::kPushButton, "http://www.stampanti.example/", kShown},
           {1023, K::kPushButton, "http://negozio.stampanti.example/", kShown},
           {1024, K::kPushButton, "Ripristina valori predefiniti driver", kShown},
       },
       {}},
      // ---------------------------------------------------------------- colour dialogs
      // In template order, which is the order the user tabs through.
      {202,
       "Opzioni avanzate colore",
       {
           {1090, K::kEditableCombo, nullptr, kShown},
           {1091, K::kPushButton, "Salva", kShown},
           {1092, K::kPushButton, "Elimina", kShown},
           {1093, K::kGroupBox, "Impostazioni colore attuale", kShown},
           {1100, K::kNoPrefixLabel, "", kShown},
           {1094, K::kNoPrefixLabel, "", kShown},
           {1095, K::kNoPrefixLabel, "", kShown},
           {1096, K::kNoPrefixLabel, "", kShown},
           {1097, K::kNoPrefixLabel, "", kShown},
           {1098, K::kNoPrefixLabel, "", kShown},
           {1099, K::kNoPrefixLabel, "", kShown},
           {1101, K::kPushButton, "Modifica le impostazioni attuali", kShown},
           {1, K::kPushButton, "OK", kShown},
           {2, K::kPushButton, "Cancella", kShown},
           {1102, K::kPushButton, "Guida", kShown},
           {1315, K::kSortedDropDownList, nullptr, kHidden | kDisabled},
           {1316, K::kSortedDropDownList, nullptr, kHidden | kDisabled},
           {1318, K::kSortedDropDownList, nullptr, kHidden | kDisabled},
       },
       {"Configurazione colore rapida"},
       TemplateKind::kDialog},
      {206,
       "Impostazioni dettagliate colore",
       {
           {1111, K::kRadioButton, "Bianco e nero", kShown},
           {1110, K::kRadioButton, "Colore", kShown},
           {1112, K::kDropDownList, nullptr, kShown},
           {1113, K::kDropDownList, nullptr, kShown},
           {1319, K::kRadioButton, "Predefinito:", kShown},
           {1320, K::kRadioButton, "Personale:", kShown},
           {1115, K::kDropDownList, nullptr, kShown},
           {1116, K::kDropDownList, nullptr, kShown},
           {1122, K::kSortedDropDownList, nullptr, kShown},
           {1123, K::kPushButton, "Gestisci profili", kShown},
           {1117, K::kLabel, "Trattamento del grigio:", kShown},
           {1118, K::kDropDownList, nullptr, kShown},
           {1119, K::kDropDownList, nullptr, kShown},
           {1124, K::kLabel, "Profilo di simulazione:", kShown},
           {1125, K::kSortedDropDownList, nullptr, kShown},
           {1126, K::kPushButton, "Gestione profili simulazione", kShown},
           {1133, K::kLabel, "Profilo di destinazione:", kShown},
           {1129, K::kSortedDropDownList, nullptr, kShown},
           {1131, K::kPushButton, "Gestisci profili di destinazione", kShown},
           {1127, K::kPushButton, "Gestione scaricamento", kShown},
           {1, K::kPushButton, "OK", kShown},
           {2, K::kPushButton, "Cancella", kShown},
           {1128, K::kPushButton, "Guida", kShown},
       },
       {"Modello colore", "Caratteri/grafica", "Immagine", "Mezzi toni schermo:", "Sorgente RGB",
        "Profili"},
       TemplateKind::kDialog},
      {212,
       "Gestione profilo stampante",
       {
           {1130, K::kSortedEditableCombo, nullptr, kShown},
           {1132, K::kEdit, "", kShown},
           {1135, K::kPushButton, "Aggiungi", kShown},
           {1136, K::kPushButton, "Elimina", kShown},
           {1, K::kPushButton, "Creato", kShown},
           {1137, K::kPushButton, "Guida", kShown},
           {1134, K::kDropDownList, nullptr, kHidden},
       },
       {"Definisci profili stampante", "Descrizione", "Nome file scaricato", "Ubicazione"},
       TemplateKind::kDialog},
      // ---------------------------------------------------------------- end of colour dialogs
      // ---------------------------------------------------------------- Features page dialogs
      // In template order, which is the order the user tabs through.
      {210,
       "Opzioni Grafica",
       {
           {1080, K::kCheckBox, "Usa modalità risparmio toner", kShown},
           {1081, K::kCheckBox, "Rifinitura", kShown},
           {1082, K::kCheckBox, "Immagine negativa", kShown},
           {1083, K::kCheckBox, "Immagine speculare", kShown},
           {1084, K::kRadioButton, "0°", kShown},
           {1085, K::kRadioButton, "90°", kShown},
           {1086, K::kRadioButton, "180°", kShown},
           {1087, K::kRadioButton, "270°", kShown},
           {1, K::kPushButton, "OK", kShown},
           {2, K::kPushButton, "Cancella", kShown},
           {1088, K::kPushButton, "Guida", kShown},
       },
       {"Miglioramenti", "Effetti", "Rotazione"},
       TemplateKind::kDialog},
      {215,
       "PostScript",
       {
           {1140, K::kCheckBox, "Stampa Informazione errore PostScript", kShown},
           {1147, K::kCheckBox, "Consenti all'applicazione di emettere PostScript", kHidden | kDisabled},
           {1141, K::kCheckBox, "Usa file intestazione esterno", kShown},
           {1142, K::kEdit, "", kShown},
           {1143, K::kPushButton, "Sfoglia", kShown},
           {1144, K::kNumberEdit, "", kShown},
           {1145, K::kDropDownList, nullptr, kHidden | kDisabled},
           {1, K::kPushButton, "OK", kShown},
           {2, K::kPushButton, "Cancella", kShown},
           {1146, K::kPushButton, "Guida", kShown},
       },
       {"Opzioni PostScript", "Intestazione esterna Postscript personale", "Tempo attesa lavoro", "secondi",
        "Page Policy", "Page Size Policy"},
       TemplateKind::kDialog},
      {207,
       "Opzioni documento",
       {
           {1150, K::kRadioButton, "Fascicola", kShown},
           {1151, K::kRadioButton, "Non Fascicola", kShown},
           {1152, K::kNumberEdit, "", kShown},
           {1153, K::kUpDown, nullptr, kShown},
           {1154, K::kNumberEdit, "", kShown},
           {1155, K::kCheckBox, "Notifica email", kShown},
           {1156, K::kEdit, "", kShown},
           {1, K::kPushButton, "OK", kShown},
           {2, K::kPushButton, "Cancella", kShown},
           {1157, K::kPushButton, "Guida", kShown},
       },
       {"Fascicolazione", "Copie / proporzionamento", "Copie:", "Proporzionamento:", "%", "Indirizzo email"},
       TemplateKind::kDialog},
      {205,
       "Documento Impostazioni Personale",
       {
           {1160, K::kSortedEditableCombo, nullptr, kShown},
           {1161, K::kPushButton, "Salva", kShown},
           {1162, K::kPushButton, "Elimina", kShown},
           {1, K::kPushButton, "OK", kShown},
           {2, K::kPushButton, "Cancella", kShown},
           {1163, K::kPushButton, "Guida", kShown},
       },
       {},
       TemplateKind::kDialog},
      // ---------------------------------------------------------------- end of Features page dialogs
      // ---------------------------------------------------------------- watermark dialog
      {217,
       "Filigrana",
       {
           {1200, K::kEdit, "", kShown},
           {1201, K::kEdit, "", kShown},
           {1202, K::kSortedDropDownList, nullptr, kShown},
           {1203, K::kDropDownList, nullptr, kShown},
           {1204, K::kEdit, "", kShown},
           {1205, K::kUpDown, nullptr, kShown},
           {1206, K::kEdit, "", kShown},
           {1207, K::kUpDown, nullptr, kShown},
           {1208, K::kLabel, "Colore:", kShown},
           {1209, K::kDropDownList, nullptr, kShown},
           {1210, K::kLabel, "Intensità:", kShown},
           {1211, K::kEdit, "", kShown},
           {1212, K::kUpDown, nullptr, kShown},
           {1213, K::kCheckBox, "Nel fondo", kShown},
           {1214, K::kCheckBox, "Solo come contorno", kHidden | kDisabled},
           {1215, K::kRadioButton, "Centro", kShown},
           {1216, K::kRadioButton, "Posizione relativa al centro", kShown},
           {1217, K::kLabel, "x", kShown},
           {1218, K::kEdit, "", kShown},
           {1219, K::kUpDown, nullptr, kShown},
           {1220, K::kLabel, "y", kShown},
           {1221, K::kEdit, "", kShown},
           {1222, K::kUpDown, nullptr, kShown},
           {1, K::kPushButton, "Salva", kShown},
           {2, K::kPushButton, "Cancella", kShown},
           {1224, K::kPushButton, "Predefinito", kShown},
           {1223, K::kPushButton, "Guida", kShown},
       },
       {"Nome", "Testo filigrana", "Testo", "Carattere", "Stile", "Dimensione", "Angolo:",
        "Proprietà testo", "Posizione", "Anteprima"},
       TemplateKind::kDialog},
      // ---------------------------------------------------------------- end of watermark dialog
  };
}

// ---------------------------------------------------------------- the Paper page's dialogs
std::vector<ExpectedPage> PaperDialogs() {
  return {
      {201,
       "Gestione avanzata carta",
       {
           {1040, K::kCheckBox, "Pagina intestazione", kShown},
           {1041, K::kDropDownList, nullptr, kShown},
           {1044, K::kCheckBox, "Pagina Trailer", kShown},
           {1045, K::kDropDownList, nullptr, kShown},
           {1317, K::kGroupBox, "", kShown},
           {1042, K::kCheckBox, "Stampa prima pagina da", kShown},
           {1043, K::kDropDownList, nullptr, kShown},
           {1046, K::kCheckBox, "Ripresa automatica della stampa", kShown},
           {1, K::kPushButton, "OK", kShown},
           {2, K::kPushButton, "Cancella", kShown},
           {1047, K::kPushButton, "Guida", kShown},
       },
       {"Pagine speciali"},
       TemplateKind::kDialog},
      {204,
       "Finestra di dialogo Formato di carta personalizzato PostScript",
       {
           {1050, K::kEdit, "", kShown},
           {1051, K::kLabel, "(in, in)", kShown},
           {1052, K::kEdit, "", kShown},
           {1053, K::kLabel, "(in, in)", kShown},
           {1054, K::kRadioButton, "Pollici", kShown},
           {1055, K::kRadioButton, "Millimetri", kShown},
           {1056, K::kRadioButton, "Punti", kShown},
           {1057, K::kLabel, "Senso di alimentazione carta:", kShown},
           {1058, K::kDropDownList, nullptr, kShown},
           {1, K::kPushButton, "Salva", kShown},
           {2, K::kPushButton, "Cancella", kShown},
           {1059, K::kPushButton, "Guida", kShown},
       },
       {"Dimensioni del formato carta personalizzato", "Larghezza:", "Altezza:", "Unità"},
       TemplateKind::kDialog},
  };
}

}  // namespace

const std::vector<ExpectedPage>& ExpectedPages() {
  static const std::vector<ExpectedPage> pages = [] {
    std::vector<ExpectedPage> all = BuildPages();
    for (ExpectedPage& dialog : PaperDialogs()) all.push_back(std::move(dialog));
    return all;
  }();
  return pages;
}

std::string TemplateShapeProblem(HWND dialog, TemplateKind kind) {
  const LONG style = GetWindowLongA(dialog, GWL_STYLE);
  if ((style & WS_CAPTION) != WS_CAPTION) {
    return "no caption (a page gives the sheet its tab text, a dialog shows it)";
  }
  if (kind == TemplateKind::kPage) {
    if (!(style & WS_CHILD)) return "not a child window, as a property page is";
    RECT expected = {0, 0, 252, 226};
    MapDialogRect(dialog, &expected);
    RECT client;
    GetClientRect(dialog, &client);
    if (client.right != expected.right || client.bottom != expected.bottom) {
      return "not the common page size of 252 x 226 dialog units";
    }
  } else {
    if (!(style & WS_POPUP) || (style & WS_CHILD)) return "not a popup window, as a modal dialog is";
    if (style & WS_VISIBLE) return "visible before the dialog box shows it";
  }
  // "MS Shell Dlg" 8, as the sheet and the message boxes.
  LOGFONTA font = {};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof(font), &font);
  if (lstrcmpA(font.lfFaceName, "System") == 0 || font.lfFaceName[0] == 0) return "not in the dialog font";
  return std::string();
}

std::string TemplateTestName(const ::testing::TestParamInfo<size_t>& info) {
  return "Dialog" + std::to_string(ExpectedPages()[info.param].dialogId);
}

}  // namespace psui::test
