// Resource ids of psui: dialogs, controls, strings, bitmaps and the icon.
// Shared by psui.rc and the C++ code, so it holds #define lines only.
//
// Dialog and control numbers are fixed: the help file's context numbers are
// the same numbers (every page registers its dialog id and control ids as
// help ids). Each dialog's controls are grouped under the dialog below, in
// the dialog's own numeric range.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// ---------------------------------------------------------------- icon, bitmaps
#define IDI_PSUI 128
#define IDB_PRODUCT_PICTURE 140

// Layout page previews, chosen by orientation, duplex and pages per sheet.
// Portrait, one-sided / long edge / short edge.
#define IDB_PREVIEW_PORTRAIT_SIMPLEX_1 152
#define IDB_PREVIEW_LANDSCAPE_SIMPLEX_1 153
#define IDB_PREVIEW_PORTRAIT_LONG_2 154
#define IDB_PREVIEW_PORTRAIT_SHORT_2 155
#define IDB_PREVIEW_PORTRAIT_SIMPLEX_2 156
#define IDB_PREVIEW_PORTRAIT_SIMPLEX_4 157
#define IDB_PREVIEW_PORTRAIT_SIMPLEX_6 158
#define IDB_PREVIEW_LANDSCAPE_LONG_2 159
#define IDB_PREVIEW_LANDSCAPE_SHORT_2 160
#define IDB_PREVIEW_LANDSCAPE_SIMPLEX_2 161
#define IDB_PREVIEW_LANDSCAPE_SIMPLEX_4 162
#define IDB_PREVIEW_LANDSCAPE_SIMPLEX_6 163
#define IDB_PREVIEW_LANDSCAPE_LONG_1 164
#define IDB_PREVIEW_LANDSCAPE_SHORT_1 165
#define IDB_PREVIEW_PORTRAIT_LONG_1 166
#define IDB_PREVIEW_PORTRAIT_SHORT_1 167
// 168 is not used.
#define IDB_PREVIEW_PORTRAIT_LONG_4 169
#define IDB_PREVIEW_PORTRAIT_SHORT_4 170
#define IDB_PREVIEW_PORTRAIT_LONG_6 171
#define IDB_PREVIEW_PORTRAIT_SHORT_6 172
#define IDB_PREVIEW_PORTRAIT_SIMPLEX_9 173
#define IDB_PREVIEW_PORTRAIT_LONG_9 174
#define IDB_PREVIEW_PORTRAIT_SHORT_9 175
#define IDB_PREVIEW_PORTRAIT_SIMPLEX_16 176
#define IDB_PREVIEW_PORTRAIT_LONG_16 177
#define IDB_PREVIEW_PORTRAIT_SHORT_16 178
#define IDB_PREVIEW_PORTRAIT_BOOKLET 179
#define IDB_PREVIEW_LANDSCAPE_BOOKLET 180
#define IDB_PREVIEW_LANDSCAPE_SHORT_16 181
#define IDB_PREVIEW_LANDSCAPE_LONG_16 182
#define IDB_PREVIEW_LANDSCAPE_SIMPLEX_16 183
#define IDB_PREVIEW_LANDSCAPE_SHORT_9 184
#define IDB_PREVIEW_LANDSCAPE_LONG_9 185
#define IDB_PREVIEW_LANDSCAPE_SIMPLEX_9 186
#define IDB_PREVIEW_LANDSCAPE_SHORT_6 187
#define IDB_PREVIEW_LANDSCAPE_LONG_6 188
#define IDB_PREVIEW_LANDSCAPE_SHORT_4 189
#define IDB_PREVIEW_LANDSCAPE_LONG_4 190

// ---------------------------------------------------------------- dialogs
// The eight property pages. The other dialogs keep their numbers reserved:
// 201 advanced paper handling, 202 advanced colour options, 204 custom paper
// size, 205 document profiles, 206 detailed colour settings, 207 document
// options, 210 graphics options, 212 printer profile management, 215
// PostScript options, 217 watermark.
#define IDD_ABOUT 200
#define IDD_CONSUMABLES 203
#define IDD_FEATURES 208
#define IDD_FONTS 209
#define IDD_LAYOUT 211
#define IDD_OVERLAY 213
#define IDD_PAPER 214
#define IDD_SETTINGS 216

// Every page template has this size, in dialog units; the sheet sizes itself
// to its largest page, so equal sizes keep the tabs from changing the sheet.
#define PSUI_PAGE_WIDTH 252
#define PSUI_PAGE_HEIGHT 226

// ---------------------------------------------------------------- 211 Layout (1000-1009, 1093)
#define IDC_LAYOUT_PORTRAIT 1000
#define IDC_LAYOUT_LANDSCAPE 1001
#define IDC_LAYOUT_LANDSCAPE_ROTATED 1002
#define IDC_LAYOUT_SIMPLEX 1003
#define IDC_LAYOUT_LONG_EDGE 1004
#define IDC_LAYOUT_SHORT_EDGE 1005
#define IDC_LAYOUT_PAGES_PER_SHEET 1006
#define IDC_LAYOUT_PAGE_BORDERS 1007
#define IDC_LAYOUT_PREVIEW 1008
#define IDC_LAYOUT_ORIENTATION_GROUP 1009
#define IDC_LAYOUT_PREVIEW_GROUP 1093

// ---------------------------------------------------------------- 200 About (1020-1024)
#define IDC_ABOUT_PICTURE 1020
#define IDC_ABOUT_TEXT 1021
#define IDC_ABOUT_WEB_LINK 1022
#define IDC_ABOUT_SHOP_LINK 1023
#define IDC_ABOUT_RESTORE_DEFAULTS 1024

// ---------------------------------------------------------------- 214 Paper (1030-1036)
#define IDC_PAPER_SIZE 1030
#define IDC_PAPER_SOURCE 1031
#define IDC_PAPER_TYPE 1032
#define IDC_PAPER_OUTPUT_BIN 1033
#define IDC_PAPER_OUTPUT_BIN_LABEL 1034
#define IDC_PAPER_ADVANCED 1035
#define IDC_PAPER_CUSTOM_SIZE 1036

// 201 advanced paper handling: 1040-1047 and 1317 (reserved).
// 204 custom paper size: 1050-1059 (reserved).

// ---------------------------------------------------------------- 208 Features (1070-1077)
#define IDC_FEATURES_RESOLUTION 1070
#define IDC_FEATURES_GRAPHICS_OPTIONS 1071
#define IDC_FEATURES_COLOR_GROUP 1072
#define IDC_FEATURES_COLOR_CONFIG 1073
#define IDC_FEATURES_COLOR_OPTIONS 1074
#define IDC_FEATURES_POSTSCRIPT_OPTIONS 1075
#define IDC_FEATURES_DOCUMENT_OPTIONS 1076
#define IDC_FEATURES_DOCUMENT_PROFILES 1077

// 210 graphics options: 1080-1088 (reserved).
// 202 advanced colour options: 1090-1102, 1315, 1316, 1318 (reserved; its
//     group box 1093 shares the number of the Layout page's preview frame).
// 206 detailed colour settings: 1110-1133, 1319, 1320 (reserved).
// 212 printer profile management: 1130-1137 (reserved).
// 215 PostScript options: 1140-1147 (reserved).
// 207 document options: 1150-1157 (reserved).
// 205 document profiles: 1160-1163 (reserved).

// ---------------------------------------------------------------- 213 Overlay (1170-1194)
#define IDC_OVERLAY_WATERMARK 1170
#define IDC_OVERLAY_FIRST_PAGE_ONLY 1171
#define IDC_OVERLAY_EDIT_WATERMARK 1172
#define IDC_OVERLAY_ADD_WATERMARK 1173
#define IDC_OVERLAY_DELETE_WATERMARK 1174
// Overlay row i (1 to 5): check box 1175 + 2(i-1), file-name edit 1176 + 2(i-1),
// placement list 1189 + i.
#define IDC_OVERLAY_ALL_PAGES 1175
#define IDC_OVERLAY_ALL_PAGES_FILE 1176
#define IDC_OVERLAY_FIRST_PAGE 1177
#define IDC_OVERLAY_FIRST_PAGE_FILE 1178
#define IDC_OVERLAY_EVEN_PAGES 1179
#define IDC_OVERLAY_EVEN_PAGES_FILE 1180
#define IDC_OVERLAY_ODD_PAGES 1181
#define IDC_OVERLAY_ODD_PAGES_FILE 1182
#define IDC_OVERLAY_COMPLEX 1183
#define IDC_OVERLAY_COMPLEX_FILE 1184
#define IDC_OVERLAY_COMPLEX_FIRST 1185
#define IDC_OVERLAY_COMPLEX_FIRST_SPIN 1186
#define IDC_OVERLAY_COMPLEX_CYCLE 1187
#define IDC_OVERLAY_COMPLEX_CYCLE_SPIN 1188
#define IDC_OVERLAY_DOWNLOAD_MANAGER 1189
#define IDC_OVERLAY_PLACEMENT_1 1190
#define IDC_OVERLAY_PLACEMENT_2 1191
#define IDC_OVERLAY_PLACEMENT_3 1192
#define IDC_OVERLAY_PLACEMENT_4 1193
#define IDC_OVERLAY_PLACEMENT_5 1194
#define IDC_OVERLAY_ROW_COUNT 5

// 217 watermark: 1200-1224 (reserved).

// ---------------------------------------------------------------- 209 Fonts (1230-1235)
#define IDC_FONTS_DOWNLOAD_TRUETYPE 1230
#define IDC_FONTS_USE_SUBSTITUTION 1231
#define IDC_FONTS_SYSTEM_FONTS 1232
#define IDC_FONTS_PRINTER_FONTS 1233
#define IDC_FONTS_DEFAULT_TABLE 1234
#define IDC_FONTS_DOWNLOAD_MANAGER 1235

// ---------------------------------------------------------------- 216 Settings (1240-1248)
#define IDC_SETTINGS_AUTHOR 1240
#define IDC_SETTINGS_HOST 1241
#define IDC_SETTINGS_ACCOUNT 1242
#define IDC_SETTINGS_PORT 1243
#define IDC_SETTINGS_LINK_STATUS 1244
#define IDC_SETTINGS_AVAILABLE 1245
#define IDC_SETTINGS_ADD 1246
#define IDC_SETTINGS_REMOVE 1247
#define IDC_SETTINGS_INSTALLED 1248

// ---------------------------------------------------------------- 203 Consumables (1250-1321)
#define IDC_CONSUMABLES_TITLE 1250
#define IDC_CONSUMABLES_HEADER 1251
// Display slot n (0 to 11) is made of the four controls FIRST + n.
#define IDC_CONSUMABLES_SLOT_COUNT 12
#define IDC_CONSUMABLES_NAME_FIRST 1252
#define IDC_CONSUMABLES_VALUE_FIRST 1267
#define IDC_CONSUMABLES_BAR_FIRST 1282
#define IDC_CONSUMABLES_LEVEL_FIRST 1297
#define IDC_CONSUMABLES_SHOP_LINK 1312
#define IDC_CONSUMABLES_PRINTER_LINK 1313
#define IDC_CONSUMABLES_REFRESH 1314
#define IDC_CONSUMABLES_LEVEL_HEADING 1321

// ---------------------------------------------------------------- strings
// Shared helpers (3000-3015)
#define IDS_INVALID_DIGITS 3000
#define IDS_RANGE_INTEGER 3001
#define IDS_RANGE_DECIMAL 3002
#define IDS_INSTALLED 3003
#define IDS_NOT_INSTALLED 3004
#define IDS_NONE 3005
#define IDS_APP_TITLE 3006

// Paper page (3016-3031)
#define IDS_MATCH_PAPER_SIZE 3016
#define IDS_PRINTER_DEFAULT_MEDIA 3017
#define IDS_CUSTOM_PAPER_SIZE 3018

// Consumables page (3032-3047)
#define IDS_SUPPLIES_TITLE 3032
#define IDS_SUPPLIES_TONER 3033
#define IDS_SUPPLIES_PRINT_UNIT 3034
#define IDS_SUPPLIES_UNAVAILABLE 3035
#define IDS_SUPPLY_FULL 3036
#define IDS_SUPPLY_NEARLY_FULL 3037
#define IDS_SUPPLY_READY 3038

// Settings page (3048-3063)
#define IDS_LINK_ESTABLISHED 3048
#define IDS_LINK_UNAVAILABLE 3049

// Overlay page (3064-3079)
#define IDS_OVERLAY_BAD_FILE_NAME 3064
#define IDS_WATERMARK_NEW_NAME 3065
#define IDS_PLACEMENT_FLASH 3066
#define IDS_PLACEMENT_DISK 3067

// Fonts page (3080-3095)
#define IDS_DOWNLOAD_AS_TEMPORARY 3080

// About page and web links (3096-3111)
#define IDS_ABOUT_TEXT 3096
#define IDS_WEB_ADDRESS 3097
#define IDS_SHOP_ADDRESS 3098
