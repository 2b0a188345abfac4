#include "exchange/kept_fields.h"

#include <cstring>

namespace psui {

namespace {
constexpr long long kDialogOk = 1;  // IDOK
}

KeptFields::KeptFields(SettingsBlock& record, std::initializer_list<FieldGroup> fields)
    : record_(record), fields_(fields) {
  for (const FieldGroup& field : fields_) {
    const uint8_t* at = GroupBytes(record_, field);
    bytes_.insert(bytes_.end(), at, at + field.size);
  }
}

void KeptFields::Restore() const {
  size_t from = 0;
  for (const FieldGroup& field : fields_) {
    std::memcpy(GroupBytes(record_, field), bytes_.data() + from, field.size);
    from += field.size;
  }
}

long long KeptFields::RestoreUnlessOk(long long dialogResult) const {
  if (dialogResult != kDialogOk) Restore();
  return dialogResult;
}

}  // namespace psui
