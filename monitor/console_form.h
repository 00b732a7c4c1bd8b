// The console window as data: every value a control shows or the operator can
// change, under the control's own name. Arrays of numbered controls are indexed
// by the control's number (GroupBox[5] is GroupBox5); unused slots stay empty.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "monitor/controls.h"
#include "monitor/numbering.h"

namespace monitor {

// The controls that have a role, by their role: the number of the control.

// Tool-bar lamps.
inline constexpr int kModemAnsweredLamp = 27;  // Image27: the modem has answered "OK"
inline constexpr int kJobLamp = 19;            // Image19: a modem job command is in progress
inline constexpr int kPollLamp = 20;           // Image20: toggled by every RS485 request

// The plan: Image1 is the background picture, Image2..Image17 the zone markers.
inline constexpr int kPlanPicture = 1;
constexpr int MarkerImage(int marker) {
  return marker + 1;
}

// Status panels of StatusBar1.
inline constexpr int kRequestPanel = 0;    // the last RS485 request
inline constexpr int kAnswerPanel = 1;     // the last bytes received on the RS485 line
inline constexpr int kPollStatePanel = 2;  // the RS485 poll state
inline constexpr int kModemOutPanel = 3;   // the last output to the modem
inline constexpr int kModemInPanel = 4;    // the last answer of the modem
inline constexpr int kEventPanel = 5;      // the last event, reminders, modem and SMS messages

inline constexpr int kSirenSwitch = 17;  // CheckBox17

// ComboBox1's text while no operator is chosen.
inline constexpr const char* kNoOperatorChosen = "Оператор";

// Output boxes: P1 of channel c is CheckBox[16 + 2c], P2 is CheckBox[17 + 2c].
constexpr int OutputBoxP1(int channel) {
  return 16 + 2 * channel;
}
constexpr int OutputBoxP2(int channel) {
  return 17 + 2 * channel;
}

// Columns of the signal table StringGrid1, row r for signal row r. The plan grid
// StringGrid2, row k for signal k of the plan's channel, has a number column and
// then the same description and status columns.
inline constexpr int kAddressColumn = 0;
inline constexpr int kDescriptionColumn = 1;
inline constexpr int kStatusColumn = 2;  // "Вкл" or empty: the state of the signal
inline constexpr int kTimeColumn = 3;    // when it was last received as on
inline constexpr int kNumberColumn = 0;
// Columns of the object table StringGrid3, row c for channel c, after its number column.
inline constexpr int kObjectNameColumn = 1;
inline constexpr int kPhoneColumn = 2;
inline constexpr int kBalanceColumn = 3;

// Pages of PageControl1, by index.
inline constexpr int kPlanPage = 2;   // "Объект  "
inline constexpr int kAboutPage = 3;  // " О программе ", whose memo is the archive viewer

struct ConsoleForm {
  std::string Caption;
  int Width = 794;
  int Height = 568;

  // Tool bar ToolBar1.
  std::array<TButton, 15>
      ToolButton;                   // 7 save, 9 view archive, 10 siren off, 11..13 edit, 14 print
  std::array<TImage, 28> Image;     // 1 plan background, 2..17 zone markers, 18..20 and 27 lamps
  TDateTimePicker DateTimePicker1;  // the current date
  TEdit Edit20;                     // pause between RS485 requests, seconds
  TUpDown UpDown1;                  // spinner of Edit20
  TGauge Gauge1;                    // alarm SMS progress 0..100
  TComboBox ComboBox2;              // received SMS, newest first

  // Buttons: 1..16 channel plans, 17 cancel SMS, 18 exit, 20 start poll,
  // 21 stop poll, 22 alarm acknowledged.
  std::array<TButton, 23> BitBtn;

  std::array<TStatusPanel, 6> StatusBar1;  // status bar panels 0..5

  std::array<TTabSheet, 5> PageControl1;  // page captions, by page index
  int ActivePageIndex = 0;

  // Page 0, mnemonic screen. GroupBox 1..16 channel panels (background = link
  // frame), 22 the control strip. Page 1: 17 signals, 18 SMS price, 19 siren,
  // 20 objects, 24 support phones. Page 2: 21 plan area. Page 3: 23 about.
  std::array<TGroupBox, 25> GroupBox;
  PerSignalRow<TShape> Shape;          // indicator r = signal row r
  std::array<TCheckBox, 50> CheckBox;  // 17 siren switch, 18..49 output boxes
  TComboBox ComboBox1;                 // operator choice; "Оператор" = nobody chosen

  // Page 1, settings.
  TStringGrid StringGrid1;  // signal table: code, description, status, time
  TEdit Edit1;              // SMS price in kopecks
  TMediaPlayer MediaPlayer1;
  TStringGrid StringGrid3;  // object table: number, name, phone, balance
  TEdit Edit2;              // support phone 1
  TEdit Edit19;             // support phone 2
  TStringGrid StringGrid4;  // operator list

  // Page 2, object plan.
  TStringGrid StringGrid2;  // the plan channel's signals: number, description, status

  // Page 3, about.
  std::array<std::string, 4> Label;  // Label1..Label3 captions
  TMemo Memo2;                       // help text and archive viewer

  // Page 4, journal.
  TStringGrid StringGrid7;

  std::vector<TMenuItem> MainMenu1;

  common::Timer Timer1;  // RS485 poll and modem job dispatch
  common::Timer Timer2;  // decode what arrived on both lines
  common::Timer Timer3;  // start-up and main cycle
  common::Timer Timer4;  // plan blink and demonstration
  common::Timer Timer5;  // SMS sending and siren
  common::Timer Timer6;  // SIM inbox sweep

  std::string OpenDialog1Filter;

  // The menu entry of that name, or nullptr.
  TMenuItem* FindMenuItem(const std::string& name);

  friend bool operator==(const ConsoleForm&, const ConsoleForm&) = default;
};

// The window as designed, before anything is loaded.
ConsoleForm MakeConsoleForm();

}  // namespace monitor
