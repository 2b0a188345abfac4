#include "tests/ui/harness/external_recorder.h"

#include "ui/external_calls.h"

namespace psui::test {

namespace {
ExternalRecorder* recorder = nullptr;  // the newest
ExternalCalls saved;                   // the calls before the first recorder
}  // namespace

ExternalRecorder::ExternalRecorder() : previous_(recorder) {
  if (!previous_) saved = External();
  recorder = this;
  External().winHelp = RecordHelp;
  External().winExec = RecordExec;
}

ExternalRecorder::~ExternalRecorder() {
  recorder = previous_;
  if (!recorder) External() = saved;
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
