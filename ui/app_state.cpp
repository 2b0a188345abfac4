#include "ui/app_state.h"

namespace psui {

namespace {
AppState* the_app = nullptr;
}  // namespace

AppState::AppState() { the_app = this; }

AppState::~AppState() {
  if (the_app == this) the_app = nullptr;
}

AppState* CurrentApp() { return the_app; }

AppState& TheApp() { return *the_app; }

}  // namespace psui
