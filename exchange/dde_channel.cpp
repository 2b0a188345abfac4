#include "exchange/dde_channel.h"

#include <ddeml.h>

#include <cstring>
#include <vector>

namespace psui {

namespace {

struct Channel {
  HANDLE channelEvent = nullptr;
  UINT dataFormat = 0;
  DWORD ddeInstance = 0;
  HSZ serviceHandle = nullptr;
  HSZ topicHandle = nullptr;
  HSZ itemHandle = nullptr;
  uint8_t* receiveBuffer = nullptr;  // set only while a receive runs
  uint32_t receiveCapacity = 0;
  uint32_t receivedSize = 0;
  const uint8_t* sendBuffer = nullptr;
  uint32_t sendSize = 0;
  int32_t channelStatus = kChannelClosed;
};

Channel channel;

bool ChannelIsOpen() {
  return channel.channelEvent && channel.dataFormat && channel.ddeInstance &&
         channel.serviceHandle && channel.topicHandle && channel.itemHandle;
}

void RequireOpenChannel() {
  if (!ChannelIsOpen()) ReportStatus(kChannelNotReady);
}

HDDEDATA OnConnect(HSZ topic) {
  RequireOpenChannel();
  if (DdeCmpStringHandles(topic, channel.topicHandle) != 0) ReportStatus(kChannelWrongTopic);
  return reinterpret_cast<HDDEDATA>(TRUE);
}

HDDEDATA OnAdviseRequest() {
  if (channel.sendSize != 0 && !channel.sendBuffer) ReportStatus(kChannelNoSendBuffer);
  HDDEDATA data = DdeCreateDataHandle(channel.ddeInstance,
                                      const_cast<LPBYTE>(channel.sendBuffer), channel.sendSize,
                                      0, channel.itemHandle, channel.dataFormat, 0);
  if (!data) ReportStatus(kChannelNoAdviseData);
  channel.sendBuffer = nullptr;
  channel.sendSize = 0;
  return data;
}

HDDEDATA OnPoke(HSZ item, HDDEDATA data) {
  if (DdeCmpStringHandles(item, channel.itemHandle) != 0) ReportStatus(kChannelWrongItem);
  DWORD length = 0;
  const uint8_t* bytes = DdeAccessData(data, &length);
  if (!bytes) ReportStatus(kChannelNoPokeData);
  struct Unaccess {
    HDDEDATA data;
    ~Unaccess() { DdeUnaccessData(data); }
  } unaccess{data};

  // Empty and 28-byte pokes are acknowledged and otherwise ignored, and so is
  // any poke while no receive runs: the start frame's buffer lives only
  // during its receive, and a stray poke must not end a later wait.
  if (length == 0 || length == kIgnoredPokeSize || !channel.receiveBuffer) {
    return reinterpret_cast<HDDEDATA>(DDE_FACK);
  }
  if (length < channel.receiveCapacity) ReportStatus(kChannelShortFrame);
  std::memcpy(channel.receiveBuffer, bytes, channel.receiveCapacity);
  channel.receivedSize = channel.receiveCapacity;
  SetEvent(channel.channelEvent);
  return reinterpret_cast<HDDEDATA>(DDE_FACK);
}

HDDEDATA CALLBACK DdeCallback(UINT type, UINT format, HCONV conversation, HSZ hsz1, HSZ hsz2,
                              HDDEDATA data, ULONG_PTR data1, ULONG_PTR data2) {
  // The DDE library's frames are below us: nothing may unwind through them.
  // A raised status stays in the sticky word and ends the running wait,
  // which raises it again on our side.
  try {
    switch (type) {
      case XTYP_CONNECT: return OnConnect(hsz1);
      case XTYP_ADVSTART:
      case XTYP_ADVSTOP: return reinterpret_cast<HDDEDATA>(TRUE);
      case XTYP_ADVREQ: return OnAdviseRequest();
      case XTYP_POKE: return OnPoke(hsz2, data);
      case XTYP_DISCONNECT:
        if (channel.channelEvent) SetEvent(channel.channelEvent);
        PostQuitMessage(0);
        return nullptr;
      default: return nullptr;
    }
  } catch (int) {
    if (channel.channelEvent) SetEvent(channel.channelEvent);
    // A connect arrives as a sent message, which does not return from the
    // wait's GetMessage; a posted no-op lets the wait see the event now.
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
    return type == XTYP_POKE ? reinterpret_cast<HDDEDATA>(DDE_FNOTPROCESSED) : nullptr;
  }
}

}  // namespace

void ReportStatus(int32_t code) {
  if (channel.channelStatus == 0 || code == 0) channel.channelStatus = code;
  if (channel.channelStatus < 0) throw static_cast<int>(channel.channelStatus);
}

int32_t CurrentChannelStatus() { return channel.channelStatus; }

void OpenChannel() {
  if (channel.channelEvent || channel.dataFormat || channel.ddeInstance || channel.serviceHandle ||
      channel.topicHandle || channel.itemHandle) {
    ReportStatus(kChannelNotReady);
  }
  channel.channelEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  if (!channel.channelEvent) ReportStatus(kChannelNoEvent);
  channel.dataFormat = RegisterClipboardFormatA(kDdeFormatName);
  if (!channel.dataFormat) ReportStatus(kChannelNoFormat);
  const DWORD filters = APPCLASS_STANDARD | CBF_FAIL_SELFCONNECTIONS | CBF_FAIL_EXECUTES |
                        CBF_FAIL_REQUESTS | CBF_SKIP_CONNECT_CONFIRMS | CBF_SKIP_REGISTRATIONS |
                        CBF_SKIP_UNREGISTRATIONS;
  DWORD instance = 0;
  if (DdeInitializeA(&instance, DdeCallback, filters, 0) != DMLERR_NO_ERROR) {
    ReportStatus(kChannelNoDdeInstance);
  } else {
    channel.ddeInstance = instance;
  }
  if (channel.ddeInstance) {
    channel.serviceHandle = DdeCreateStringHandleA(channel.ddeInstance, kDdeServiceName, CP_WINANSI);
    if (!channel.serviceHandle) ReportStatus(kChannelNoServiceHandle);
    channel.topicHandle = DdeCreateStringHandleA(channel.ddeInstance, kDdeTopicName, CP_WINANSI);
    if (!channel.topicHandle) ReportStatus(kChannelNoTopicHandle);
    channel.itemHandle = DdeCreateStringHandleA(channel.ddeInstance, kDdeItemName, CP_WINANSI);
    if (!channel.itemHandle) ReportStatus(kChannelNoItemHandle);
    if (!channel.serviceHandle ||
        !DdeNameService(channel.ddeInstance, channel.serviceHandle, nullptr, DNS_REGISTER)) {
      ReportStatus(kChannelNoServiceName);
    }
  }
  ReportStatus(kChannelOpen);
}

void CloseChannel() {
  if (channel.channelEvent) CloseHandle(channel.channelEvent);
  if (channel.ddeInstance) {
    if (channel.serviceHandle) {
      DdeNameService(channel.ddeInstance, channel.serviceHandle, nullptr, DNS_UNREGISTER);
      DdeFreeStringHandle(channel.ddeInstance, channel.serviceHandle);
    }
    if (channel.topicHandle) DdeFreeStringHandle(channel.ddeInstance, channel.topicHandle);
    if (channel.itemHandle) DdeFreeStringHandle(channel.ddeInstance, channel.itemHandle);
    DdeUninitialize(channel.ddeInstance);
  }
  channel = Channel{};
  channel.channelStatus = kChannelClosed;
}

int32_t WaitForChannel(UINT timeoutMs) {
  UINT_PTR timer = SetTimer(nullptr, 0, timeoutMs, nullptr);
  ResetEvent(channel.channelEvent);
  while (WaitForSingleObject(channel.channelEvent, 0) != WAIT_OBJECT_0) {
    MSG message;
    if (GetMessageA(&message, nullptr, 0, 0) == -1) break;
    if (message.message == WM_TIMER) {
      ReportStatus(kChannelTimedOut);
      break;
    }
    // WM_QUIT is dispatched like any other message and does not end the wait.
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  KillTimer(nullptr, timer);
  // A failure raised inside the DDE callback ended the wait early.
  if (channel.channelStatus < 0) ReportStatus(channel.channelStatus);
  return channel.channelStatus;
}

int32_t ReceiveFrame(void* buffer, uint32_t capacity, UINT timeoutMs) {
  if (!buffer) ReportStatus(kChannelNoReceiveBuffer);
  RequireOpenChannel();
  channel.receiveBuffer = static_cast<uint8_t*>(buffer);
  channel.receiveCapacity = capacity;
  channel.receivedSize = 0;
  struct EndReceive {
    ~EndReceive() {
      channel.receiveBuffer = nullptr;
      channel.receiveCapacity = 0;
    }
  } end_receive;
  return WaitForChannel(timeoutMs);
}

uint32_t LastReceivedSize() { return channel.receivedSize; }

int32_t SendFrame(const void* bytes, uint32_t size, UINT timeoutMs) {
  RequireOpenChannel();
  channel.sendBuffer = static_cast<const uint8_t*>(bytes);
  channel.sendSize = size;
  DdePostAdvise(channel.ddeInstance, channel.topicHandle, channel.itemHandle);
  return timeoutMs != 0 ? WaitForChannel(timeoutMs) : 0;
}

bool ReceiveStartFrame(HWND* ownerWindow, SettingsBlock* record) {
  try {
    OpenChannel();
    uint8_t frame[kStartFrameSize];
    std::memset(frame, 0, sizeof frame);  // the window-handle field starts at 0
    int32_t result = ReceiveFrame(frame, sizeof frame, kChannelTimeoutMs);
    // A driver that disconnects before poking also ends the wait with 0.
    if (result != kChannelOpen || LastReceivedSize() != kStartFrameSize) return false;
    uint32_t window = 0;
    ReadRecordFrame(frame, sizeof frame, &window, record);
    // The handle travels as 32 bits; window handles are sign-extended on Win64.
    *ownerWindow = reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int32_t>(window)));
    return true;
  } catch (int) {
    return false;
  }
}

namespace {

// The answer goes out whatever happens on the way; the process is about to
// end, so a failure while sending is contained and the channel still closes.
void SendAndClose(std::vector<uint8_t> frame) {
  try {
    SendFrame(frame.data(), static_cast<uint32_t>(frame.size()), kChannelTimeoutMs);
  } catch (int) {
  }
  channel.sendBuffer = nullptr;
  channel.sendSize = 0;
  CloseChannel();
}

}  // namespace

void SendSettings(const SettingsBlock& record) { SendAndClose(BuildSettingsFrame(record)); }

void SendCancel() { SendAndClose(BuildCancelFrame()); }

}  // namespace psui
