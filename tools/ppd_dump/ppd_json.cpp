#include "tools/ppd_dump/ppd_json.h"

#include "tools/common/json_writer.h"

namespace psui {

namespace {

void Text(JsonWriter& w, const char* key, const char* text) {
  w.Key(key);
  if (text == nullptr)
    w.Null();
  else
    w.String(text);
}

void Number(JsonWriter& w, const char* key, uint64_t value) { w.Key(key).UInt(value); }

void Fixeds(JsonWriter& w, const char* key, const PpdFixed* values, int count) {
  w.Key(key).BeginArray();
  for (int i = 0; i < count; ++i) w.UInt(values[i]);
  w.EndArray();
}

void Header(JsonWriter& w, const PpdImage& m) {
  Number(w, "imageSize", m.imageSize);
  Text(w, "ppdPath", m.ppdPath);
  Text(w, "nickName", m.nickName);
  Number(w, "formatVersion", m.formatVersion);
  Number(w, "fileCrc", m.fileCrc);
  Number(w, "protocols", m.protocols);
  Number(w, "landscapeOrientation", m.landscapeOrientation);
  Number(w, "ttRasterizer", m.ttRasterizer);
  Number(w, "languageEncoding", m.languageEncoding);
  Number(w, "freeVm", m.freeVm);
  Number(w, "languageLevel", m.languageLevel);
  Text(w, "password", m.password);
  Text(w, "exitServer", m.exitServer);
  Number(w, "suggestedJobTimeout", m.suggestedJobTimeout);
  Number(w, "suggestedWaitTimeout", m.suggestedWaitTimeout);
  Number(w, "colorDevice", m.colorDevice);
  Number(w, "emailNotify", m.emailNotify);
  Number(w, "printPsError", m.printPsError);
  Number(w, "overlay", m.overlay);
  Number(w, "jogDevice", m.jogDevice);
  Number(w, "multiOverlay", m.multiOverlay);
  Number(w, "nup", m.nup);
  Number(w, "booklet", m.booklet);
  Number(w, "miserDevice", m.miserDevice);
  Number(w, "doesPrintQuality", m.doesPrintQuality);
  Number(w, "reprint", m.reprint);
  Number(w, "acceptsTrueType", m.acceptsTrueType);
  Number(w, "trueImageDevice", m.trueImageDevice);
  Number(w, "inInstallableGroup", m.inInstallableGroup);
  Number(w, "isImage", m.isImage);
  Number(w, "customPageSize", m.customPageSize);
  Number(w, "hasHwMargins", m.hasHwMargins);
  Fixeds(w, "hwMargins", m.hwMargins, 4);
  Text(w, "customPageSizeCode", m.customPageSizeCode);
  w.Key("customParams").BeginArray();
  for (const PpdCustomParam& p : m.customParams) {
    w.BeginObject();
    Number(w, "order", p.order);
    Number(w, "type", p.type);
    Number(w, "minimum", p.minimum);
    Number(w, "maximum", p.maximum);
    w.EndObject();
  }
  w.EndArray();
  Number(w, "maxMediaWidth", m.maxMediaWidth);
  Number(w, "maxMediaHeight", m.maxMediaHeight);
  Number(w, "extensions", m.extensions);
  Number(w, "resolutionKind", m.resolutionKind);
  Number(w, "screenAngle", m.screenAngle);
  Number(w, "screenFreq", m.screenFreq);
  Text(w, "jclBegin", m.jclBegin);
  Text(w, "jclEnd", m.jclEnd);
  Text(w, "jclToPsInterpreter", m.jclToPsInterpreter);
  Number(w, "plainKeywordCount", m.plainKeywordCount);
  Number(w, "installableKeywordCount", m.installableKeywordCount);
  w.Key("builtinKeywords").BeginArray();
  for (const PpdKeyword* k : m.builtinKeywords) {
    if (k == nullptr)
      w.Null();
    else
      w.String(k->name);
  }
  w.EndArray();
}

void Option(JsonWriter& w, const PpdKeyword& k, const PpdOption& o) {
  w.BeginObject();
  Text(w, "name", o.name);
  Number(w, "nameHash", o.nameHash);
  Text(w, "translation", o.translation);
  Text(w, "code", o.code);
  switch (k.builtinIndex) {
    case kPpdPageSize: {
      const auto& size = static_cast<const PpdPageSizeOption&>(o);
      Text(w, "regionCode", size.regionCode);
      Number(w, "width", size.width);
      Number(w, "height", size.height);
      Fixeds(w, "imageableArea", size.imageableArea, 4);
      break;
    }
    case kPpdInputSlot:
      Number(w, "requiresPageRegion", static_cast<const PpdInputSlotOption&>(o).requiresPageRegion);
      break;
    case kPpdResolution: {
      const auto& resolution = static_cast<const PpdResolutionOption&>(o);
      Text(w, "jclCode", resolution.jclCode);
      Text(w, "setCode", resolution.setCode);
      Number(w, "screenAngle", resolution.screenAngle);
      Number(w, "screenFreq", resolution.screenFreq);
      break;
    }
    case kPpdVmOption:
      Number(w, "vmSize", static_cast<const PpdVmOption&>(o).vmSize);
      break;
    default:
      break;
  }
  w.EndObject();
}

void Keyword(JsonWriter& w, const PpdKeyword& k) {
  w.BeginObject();
  Text(w, "name", k.name);
  Text(w, "translation", k.translation);
  Number(w, "nameHash", k.nameHash);
  Number(w, "defaultOption", k.defaultOption);
  Number(w, "optionRecordSize", k.optionRecordSize);
  Number(w, "builtinIndex", k.builtinIndex);
  Number(w, "flags", k.flags);
  Number(w, "uiType", k.uiType);
  Number(w, "groupIndex", k.groupIndex);
  Number(w, "installable", k.installable);
  w.Key("options").BeginArray();
  for (const PpdOption* o = k.options; o != nullptr; o = o->next) Option(w, k, *o);
  w.EndArray();
  w.EndObject();
}

// An index table as an array of objects, one per entry.
template <typename Entry, typename Fields>
void Table(JsonWriter& w, const char* key, const PpdTable<Entry>* table, Fields fields) {
  w.Key(key).BeginArray();
  for (uint16_t i = 0; table != nullptr && i < table->count; ++i) {
    w.BeginObject();
    fields(table->entries()[i]);
    w.EndObject();
  }
  w.EndArray();
}

}  // namespace

std::string PpdImageToJson(const PpdImage& image) {
  JsonWriter w;
  w.BeginObject();
  Header(w, image);
  w.Key("keywords").BeginArray();
  for (const PpdKeyword* k = image.keywords; k != nullptr; k = k->next) Keyword(w, *k);
  w.EndArray();
  w.Key("fonts").BeginArray();
  for (const PpdFont* f = image.fonts; f != nullptr; f = f->next) {
    w.BeginObject();
    Text(w, "name", f->name);
    Text(w, "translation", f->translation);
    Number(w, "encoding", f->encoding);
    Number(w, "charset", f->charset);
    Number(w, "fontId", f->fontId);
    w.EndObject();
  }
  w.EndArray();
  Table(w, "orderDependencies", image.orderDependencies, [&](const PpdOrderDependencyEntry& e) {
    Number(w, "keywordIndex", e.keywordIndex);
    Number(w, "optionIndex", e.optionIndex);
    Number(w, "order", e.order);
    Number(w, "section", e.section);
  });
  Table(w, "constraints", image.constraints, [&](const PpdConstraintEntry& e) {
    Number(w, "keyword1", e.keyword1);
    Number(w, "option1", e.option1);
    Number(w, "keyword2", e.keyword2);
    Number(w, "option2", e.option2);
  });
  w.EndObject();
  return w.str() + "\n";
}

}  // namespace psui
