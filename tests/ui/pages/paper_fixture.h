// What the paper page tests share: a PPD of their own whose constraints are
// written in both directions (and one in a single direction, to show which
// pair the pages look at), and the Layout and Paper pages in the page
// fixture's sheet on a record the test sets up.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/ui/harness/page_fixture.h"
#include "tests/ui/harness/ui_actions.h"

namespace psui::test {

// Sizes: the custom size, A4 (9), Letter (1), Env10 (20), two sizes the code
// table lacks (code 0), Legal (5), and untranslated ones that no list shows.
// Sources: Upper (1), Lower (2, needs OptionalBin), Tray1 (271),
// Multipurpose (257), ManualFeed (4), Optional (258) and OptionalBin (258).
inline constexpr char kPaperPpd[] = R"(*PPD-Adobe: "4.3"
*ModelName: "Paper Test"
*CustomPageSize True: "pop pop pop pop pop"
*OpenUI *PageSize/Formato carta: PickOne
*DefaultPageSize: A4
*PageSize A4/A4: "a4"
*PageSize Letter/Letter: "letter"
*PageSize Env10/Busta n. 10: "env10"
*PageSize Odd1/Formato strano uno: "odd1"
*PageSize Odd2/Formato strano due: "odd2"
*PageSize NoText: "notext"
*PageSize Legal/Legal: "legal"
*PageSize Last: "last"
*CloseUI: *PageSize
*OpenUI *InputSlot/Fonte carta: PickOne
*DefaultInputSlot: Upper
*InputSlot Upper/Cassetto superiore: "u"
*InputSlot Lower/Cassetto inferiore: "l"
*InputSlot Tray1/Vassoio 1: "t1"
*InputSlot Multipurpose/Vassoio multiuso: "mp"
*InputSlot ManualFeed/Alimentazione manuale: "m"
*InputSlot Hidden: "h"
*InputSlot Optional/Cassetto opzionale A: "oa"
*InputSlot OptionalBin/Cassetto opzionale B: "ob"
*CloseUI: *InputSlot
*OpenUI *MediaType/Tipo di carta: PickOne
*DefaultMediaType: PlainPaper
*MediaType PlainPaper/Carta normale: "plain"
*MediaType Label/Etichette: "label"
*MediaType OHP/Lucidi: "ohp"
*MediaType ThickPaper/Carta spessa: "thick"
*MediaType PrinterDefault/Impostazione della stampante: "default"
*CloseUI: *MediaType
*OpenUI *OutputBin/Ripiano di uscita: PickOne
*DefaultOutputBin: Upper
*OutputBin Upper/Raccoglitore superiore: "up"
*OutputBin Rear/Raccoglitore posteriore: "rear"
*OutputBin FaceDownStack/Impilatore: "stack"
*OutputBin Mailbin1/Casella postale 1: "mail"
*CloseUI: *OutputBin
*OpenUI *Duplex/Fronte-retro: PickOne
*DefaultDuplex: None
*Duplex None/Disattivato: "none"
*Duplex DuplexNoTumble/Lato lungo: "long"
*Duplex DuplexTumble/Lato corto: "short"
*CloseUI: *Duplex
*OpenGroup: InstallableOptions
*OpenUI *Optionalduplexer/Unita fronte-retro: Boolean
*DefaultOptionalduplexer: False
*Optionalduplexer True/Installato: ""
*Optionalduplexer False/Non installato: ""
*CloseUI: *Optionalduplexer
*OpenUI *OptionalBin/Cassetto aggiuntivo: Boolean
*DefaultOptionalBin: False
*OptionalBin True/Installato: ""
*OptionalBin False/Non installato: ""
*CloseUI: *OptionalBin
*OpenUI *Optionalstacker/Impilatore: Boolean
*DefaultOptionalstacker: False
*Optionalstacker True/Installato: ""
*Optionalstacker False/Non installato: ""
*CloseUI: *Optionalstacker
*OpenUI *OptionalMailbox/Casella postale: Boolean
*DefaultOptionalMailbox: False
*OptionalMailbox True/Installato: ""
*OptionalMailbox False/Non installato: ""
*CloseUI: *OptionalMailbox
*CloseGroup: InstallableOptions
*UIConstraints: *PageSize Env10 *Duplex DuplexNoTumble
*UIConstraints: *Duplex DuplexNoTumble *PageSize Env10
*UIConstraints: *PageSize Env10 *InputSlot Upper
*UIConstraints: *InputSlot Upper *PageSize Env10
*UIConstraints: *PageSize Letter *MediaType OHP
*UIConstraints: *MediaType OHP *PageSize Letter
*UIConstraints: *InputSlot Tray1 *MediaType Label
*UIConstraints: *MediaType Label *InputSlot Tray1
*UIConstraints: *MediaType Label *OutputBin Rear
*UIConstraints: *OutputBin Rear *MediaType Label
*UIConstraints: *MediaType ThickPaper *Duplex None
*UIConstraints: *Duplex None *MediaType ThickPaper
*UIConstraints: *InputSlot ManualFeed *Duplex DuplexTumble
*UIConstraints: *Duplex DuplexTumble *InputSlot ManualFeed
*UIConstraints: *InputSlot OptionalBin *Duplex DuplexTumble
*UIConstraints: *Duplex DuplexTumble *InputSlot OptionalBin
*UIConstraints: *OptionalBin False *InputSlot Lower
*UIConstraints: *InputSlot Lower *OptionalBin False
*UIConstraints: *Optionalstacker False *OutputBin FaceDownStack
*UIConstraints: *OutputBin FaceDownStack *Optionalstacker False
*UIConstraints: *OptionalMailbox False *OutputBin Mailbin1
*UIConstraints: *OutputBin Mailbin1 *OptionalMailbox False
*UIConstraints: *InputSlot Multipurpose *PageSize Legal
*UIConstraints: *PageSize Legal *InputSlot Tray1
)";

// The sheet with the Layout page (index 0) and the Paper page (index 1) on
// the page fixture's application, with a record the test adjusts before
// Open().
class PaperPagesTest : public PageTest {
 protected:
  PaperPagesTest() {
    SettingsBlock& record = app.settings;
    record.orientation = 1;
    record.duplex = 1;
    record.pagesPerSheet = 1;
    record.paperSize = 9;  // A4
    record.inputSlot = 7;
    record.mediaType = 1;
    record.outputBin = 1;
    record.duplexerInstalled = 1;
    record.customLimit1 = 762;
    record.customLimit2 = 2159;
    record.customLimit3 = 1270;
    record.customLimit4 = 3556;
    record.customWidth = 210;
    record.customHeight = 297;
    record.customUnits = 1;
    record.customFeedDirection = 8;
    UsePpd(kPaperPpd);
  }

  void UsePpd(const std::string& text) { ASSERT_TRUE(UsePpdText(text)); }
  // Opens a new sheet on the page at `index` (0 Layout, 1 Paper).
  void Open(int index) {
    OpenSheet({IDD_LAYOUT, IDD_PAPER});
    if (index == 1) {
      ASSERT_TRUE(ShowPage(IDD_PAPER));
    }
  }
  HWND Page() const { return sheet->CurrentPage(); }
  // The printer's "CustomSizes" value; empty when there is none.
  std::vector<uint8_t> CustomSizesValue() const;
};

// Counts one message sent to a control, through a subclass, for its lifetime.
class MessageCounter {
 public:
  MessageCounter(HWND control, UINT message);
  ~MessageCounter();
  MessageCounter(const MessageCounter&) = delete;
  MessageCounter& operator=(const MessageCounter&) = delete;
  int count() const { return count_; }
  void Reset() { count_ = 0; }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                               DWORD_PTR data);
  HWND control_;
  UINT message_;
  int count_ = 0;
};

// The codes of a list's entries, in order.
std::vector<LRESULT> ComboCodes(HWND dialog, int id);

}  // namespace psui::test
