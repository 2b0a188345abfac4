// The help-id table names its ids; the numbers are the help file's context
// numbers, so a name bound to the wrong number would open the wrong topic.
#include "ui/help_ids.h"

#include <gtest/gtest.h>

#include <vector>

namespace psui {
namespace {

using Ids = std::vector<int>;

Ids Span(int first, int last) {
  Ids ids;
  for (int id = first; id <= last; ++id) ids.push_back(id);
  return ids;
}

Ids Cat(int dialog, std::initializer_list<Ids> parts) {
  Ids ids = {dialog};
  for (const Ids& part : parts) ids.insert(ids.end(), part.begin(), part.end());
  return ids;
}

TEST(HelpIds, EveryDialogListsItsHelpFileNumbersInOrder) {
  const std::vector<std::pair<int, Ids>> expected = {
      {200, {200, 1021, 1022, 1024, 1023}},
      {201, {201, 1040, 1041, 1042, 1043, 1044, 1045, 1047}},
      {202, {202, 1090, 1091, 1092, 1096, 1097, 1098, 1102, 1101, 1099, 1100, 1095, 1094}},
      {203, {203, 1314}},
      {204, {204, 1059, 1058, 1057, 1050, 1052, 1051, 1053, 1054, 1055, 1056}},
      {205, {205, 1160, 1161, 1163, 1162}},
      {206, {206, 1112, 1113, 1118, 1119, 1115, 1116, 1122, 1125, 1123, 1126, 1128, 1127, 1111, 1110}},
      {207, Cat(207, {Span(1150, 1157)})},
      {208, {208, 1070, 1071, 1073, 1074, 1075, 1076}},
      {209, Cat(209, {Span(1230, 1235)})},
      {210, Cat(210, {{1081, 1080}, Span(1082, 1088)})},
      {211, Cat(211, {Span(1000, 1007), {1093, 1009}})},
      {212, {212, 1130, 1132, 1135, 1136, 1137}},
      {213, Cat(213, {Span(1170, 1194)})},
      {214, {214, 1030, 1031, 1032, 1033, 1035, 1036}},
      {215, Cat(215, {{1147}, Span(1140, 1146)})},
      {216, {216, 1245, 1246, 1247, 1248, 1243, 1244, 1240, 1241, 1242}},
      {217, Cat(217, {Span(1200, 1207), {1209}, Span(1211, 1216), {1218, 1219, 1221, 1222, 1224, 1223}})},
  };
  for (const auto& [dialog, ids] : expected) EXPECT_EQ(ContextHelpIdsFor(dialog), ids) << dialog;
}

TEST(HelpIds, AnUnknownDialogHasNone) {
  EXPECT_TRUE(ContextHelpIdsFor(199).empty());
  EXPECT_TRUE(ContextHelpIdsFor(218).empty());
}

}  // namespace
}  // namespace psui
