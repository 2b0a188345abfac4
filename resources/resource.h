// Resource ids. (Provisional: the string ids the framework needs.)
#pragma once

#define IDS_APP_TITLE 100
#define IDS_INVALID_DIGITS 101
