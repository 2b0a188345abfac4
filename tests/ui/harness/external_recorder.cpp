#include "tests/ui/harness/external_recorder.h"

#include "ui/external_calls.h"

namespace psui::test {

namespace {
ExternalRecorder* recorder = nullptr;
ExternalCalls saved;
}  // namespace

ExternalRecorder::ExternalRecorder() {
  recorder = this;
  saved = External();
  External().winHelp = RecordHelp;
  External().winExec = RecordExec;
}

ExternalRecorder::~ExternalRecorder() {
  External() = saved;
  recorder = nullptr;
}

BOOL WINAPI ExternalRecorder::RecordHelp(HWND, LPCSTR file, UINT command, ULONG_PTR data) {
  recorder->helpCalls.push_back({file ? file : "", command, data});
  return TRUE;
}

UINT WINAPI ExternalRecorder::RecordExec(LPCSTR commandLine, UINT show) {
  recorder->execCalls.push_back({commandLine ? commandLine : "", show});
  return recorder->execResult;
}

}  // namespace psui::test
