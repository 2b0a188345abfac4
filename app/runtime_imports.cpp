// The compiler's runtime calls three Unicode kernel32 functions that Windows
// 95/98/Me export only as stubs failing with ERROR_CALL_NOT_IMPLEMENTED:
// CreateSemaphoreW (libgcc's locks, taken on every exception thrown and for
// thread_local data: without their semaphore a second thread could not wait
// on them), GetModuleHandleW and LoadLibraryW (msvcrt look-ups of mingw-w64's
// runtime). This file gives the program its own import slots for the three,
// filled with versions over the ANSI functions; the linker then takes these
// and the system's Unicode entries leave the import table. Linked into psui
// itself: a slot in a static library would be pulled in too late.
#include <windows.h>

namespace {

// The runtime passes DLL names or no name at all.
bool ToAnsi(LPCWSTR wide, char (&ansi)[MAX_PATH]) {
  return WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi, MAX_PATH, nullptr, nullptr) != 0;
}

HANDLE WINAPI CreateSemaphoreOverAnsi(LPSECURITY_ATTRIBUTES attributes, LONG initial, LONG maximum,
                                      LPCWSTR name) {
  char ansi[MAX_PATH];
  if (name != nullptr && !ToAnsi(name, ansi)) return nullptr;
  return CreateSemaphoreA(attributes, initial, maximum, name != nullptr ? ansi : nullptr);
}

HMODULE WINAPI GetModuleHandleOverAnsi(LPCWSTR name) {
  char ansi[MAX_PATH];
  if (name == nullptr) return GetModuleHandleA(nullptr);
  return ToAnsi(name, ansi) ? GetModuleHandleA(ansi) : nullptr;
}

HMODULE WINAPI LoadLibraryOverAnsi(LPCWSTR name) {
  char ansi[MAX_PATH];
  if (name == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return ToAnsi(name, ansi) ? LoadLibraryA(ansi) : nullptr;
}

}  // namespace

// The slot names the linker resolves imports by: __imp__Name@ArgumentBytes
// for 32-bit stdcall functions, __imp_Name on x86-64.
#if defined(__i386__)
#define PSUI_IMPORT_SLOT(name, argument_bytes) "__imp__" #name "@" #argument_bytes
#else
#define PSUI_IMPORT_SLOT(name, argument_bytes) "__imp_" #name
#endif

extern "C" {
decltype(&CreateSemaphoreOverAnsi) psui_CreateSemaphoreW_slot
    __asm__(PSUI_IMPORT_SLOT(CreateSemaphoreW, 16)) = CreateSemaphoreOverAnsi;
decltype(&GetModuleHandleOverAnsi) psui_GetModuleHandleW_slot
    __asm__(PSUI_IMPORT_SLOT(GetModuleHandleW, 4)) = GetModuleHandleOverAnsi;
decltype(&LoadLibraryOverAnsi) psui_LoadLibraryW_slot
    __asm__(PSUI_IMPORT_SLOT(LoadLibraryW, 4)) = LoadLibraryOverAnsi;
}
