/* Not for running: a program whose import table names what Windows 95/98/Me
   cannot give, so that the import check shows it refuses each kind. */
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#include <windows.h>
#include <shlwapi.h>
#include <winsock2.h>

int main(void) {
  WSADATA data;
  ULONGLONG now = GetTickCount64();                                   /* missing */
  HANDLE file = CreateFileW(L"x", 0, 0, NULL, OPEN_EXISTING, 0, NULL); /* a stub */
  BOOL found = PathFileExistsA("x");                                  /* DLL not there */
  int started = WSAStartup(MAKEWORD(2, 2), &data);                    /* Winsock 2 */
  return (int)(now + (file != NULL) + found + started);
}
