#include "ui/external_calls.h"

namespace psui {

ExternalCalls& External() {
  static ExternalCalls calls;
  return calls;
}

}  // namespace psui
