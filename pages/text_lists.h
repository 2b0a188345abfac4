// Drop-down lists whose entries are texts of the string table, each with
// its code, filled through the shared fill-from-table helper.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/controls.h"

namespace psui {

struct TextRow {
  int16_t code;
  UINT textId;
};

// Appends the texts of the first `n` rows in row order with their codes and
// selects the last one whose code is `current`, else the first entry.
void FillListFromTexts(const ComboBox& combo, const TextRow* rows, int count, int current, int n);

template <size_t N>
void FillListFromTexts(const ComboBox& combo, const TextRow (&rows)[N], int current) {
  FillListFromTexts(combo, rows, static_cast<int>(N), current, static_cast<int>(N));
}

}  // namespace psui
