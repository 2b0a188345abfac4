// The DDE conversation with the printer driver. This process is the server:
// the driver connects, pokes the start frame (its window handle and the
// settings record) and, once the user has closed the sheet, receives the
// answer frame through its advise loop.
//
// The channel is a set of process-wide handles on the user-interface thread.
// Failures go through one sticky status word; negative codes are raised as
// integer exceptions (`throw int`), which the exchange operations catch.
#pragma once

#include <windows.h>

#include <cstdint>

#include "exchange/frames.h"
#include "exchange/settings_block.h"

namespace psui {

constexpr char kDdeServiceName[] = "RV4500PSSRV";
constexpr char kDdeTopicName[] = "DDI";
constexpr char kDdeItemName[] = "Data";
constexpr char kDdeFormatName[] = "RV4500PSFMT";

constexpr UINT kChannelTimeoutMs = 5000;

enum ChannelStatus : int32_t {
  kChannelOpen = 0,
  kChannelClosed = 1,
  kChannelTimedOut = 2,
  kChannelNotReady = -1,
  kChannelNoEvent = -2,
  kChannelNoFormat = -3,
  kChannelNoDdeInstance = -4,
  kChannelNoServiceHandle = -5,
  kChannelNoTopicHandle = -6,
  kChannelNoItemHandle = -7,
  kChannelNoServiceName = -8,
  kChannelWrongTopic = -9,
  kChannelWrongItem = -10,
  kChannelNoPokeData = -11,
  // A frame shorter than the receive buffer: answering with a partly filled
  // record would hand the driver corrupted settings, so it is refused.
  kChannelShortFrame = -12,
  kChannelNoAdviseData = -13,
  kChannelNoSendBuffer = -19,
  kChannelNoReceiveBuffer = -20,
};

// The one place where the status word changes: a 0 code or a 0 word takes
// the code, anything else keeps the first non-zero status. Raises the word
// when it is negative.
void ReportStatus(int32_t code);
int32_t CurrentChannelStatus();

void OpenChannel();
void CloseChannel();

// Waits up to timeoutMs for a poked frame; returns the status word (0 when a
// frame came or the driver disconnected, 2 on time-out).
int32_t ReceiveFrame(void* buffer, uint32_t capacity, UINT timeoutMs);
// Bytes the last receive copied (0 when it ended without a frame).
uint32_t LastReceivedSize();
// Offers the frame to the driver's advise loop; with a non-zero timeout waits
// for the driver to take it and disconnect.
int32_t SendFrame(const void* bytes, uint32_t size, UINT timeoutMs);
int32_t WaitForChannel(UINT timeoutMs);

// The three exchanges the application makes.
bool ReceiveStartFrame(HWND* ownerWindow, SettingsBlock* record);
void SendSettings(const SettingsBlock& record);
void SendCancel();

}  // namespace psui
