// The program's own CreateSemaphoreW, GetModuleHandleW and LoadLibraryW
// (app/runtime_imports.cpp) take the place of the system's and answer as the
// system's Unicode functions would.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>

namespace {

template <typename Function>
bool AnsweredByTheProgram(Function* function, const char* name) {
  FARPROC system = GetProcAddress(GetModuleHandleA("kernel32.dll"), name);
  return reinterpret_cast<uintptr_t>(function) != reinterpret_cast<uintptr_t>(system);
}

TEST(RuntimeImports, TheProgramAnswersTheThreeUnicodeCalls) {
  EXPECT_TRUE(AnsweredByTheProgram(&CreateSemaphoreW, "CreateSemaphoreW"));
  EXPECT_TRUE(AnsweredByTheProgram(&GetModuleHandleW, "GetModuleHandleW"));
  EXPECT_TRUE(AnsweredByTheProgram(&LoadLibraryW, "LoadLibraryW"));
}

TEST(RuntimeImports, ModulesAreFoundAndLoadedByName) {
  EXPECT_EQ(GetModuleHandleW(L"kernel32.dll"), GetModuleHandleA("kernel32.dll"));
  EXPECT_EQ(GetModuleHandleW(nullptr), GetModuleHandleA(nullptr));
  EXPECT_EQ(GetModuleHandleW(L"no-such-module.dll"), nullptr);

  HMODULE loaded = LoadLibraryW(L"version.dll");
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded, GetModuleHandleA("version.dll"));
  FreeLibrary(loaded);

  SetLastError(0);
  EXPECT_EQ(LoadLibraryW(nullptr), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(RuntimeImports, SemaphoresCountAndKeepTheirName) {
  HANDLE unnamed = CreateSemaphoreW(nullptr, 0, 2, nullptr);
  ASSERT_NE(unnamed, nullptr);
  EXPECT_EQ(WaitForSingleObject(unnamed, 0), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_TRUE(ReleaseSemaphore(unnamed, 1, nullptr));
  EXPECT_EQ(WaitForSingleObject(unnamed, 0), static_cast<DWORD>(WAIT_OBJECT_0));
  CloseHandle(unnamed);

  std::wstring name = L"psui-runtime-imports-" + std::to_wstring(GetCurrentProcessId());
  HANDLE first = CreateSemaphoreW(nullptr, 1, 1, name.c_str());
  ASSERT_NE(first, nullptr);
  HANDLE second = CreateSemaphoreW(nullptr, 1, 1, name.c_str());
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  EXPECT_EQ(WaitForSingleObject(second, 0), static_cast<DWORD>(WAIT_OBJECT_0));
  EXPECT_EQ(WaitForSingleObject(first, 0), static_cast<DWORD>(WAIT_TIMEOUT)) << "not the same semaphore";
  CloseHandle(second);
  CloseHandle(first);
}

// The runtime takes its locks through the program's CreateSemaphoreW when an
// exception is thrown and for thread_local data.
thread_local int thread_counter = 0;

TEST(RuntimeImports, ExceptionsAndThreadLocalDataWork) {
  thread_counter += 2;
  for (int round = 0; round < 3; ++round) {
    try {
      throw std::runtime_error("round " + std::to_string(round));
    } catch (const std::runtime_error& error) {
      EXPECT_EQ(std::string(error.what()), "round " + std::to_string(round));
    }
  }
  EXPECT_EQ(thread_counter, 2);
}

}  // namespace
