// Fake ports that both programs' cores use in tests: scripted boxes, serial
// lines that record and replay bytes, a settable clock, pictures, a temporary folder.
#pragma once

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/clock.h"
#include "common/dialogs.h"
#include "common/picture.h"
#include "common/serial_line.h"

namespace testing_support {

// Every box the core opened, in order.
struct Box {
  std::string kind;     // "confirm", "inform", "input", "open", "save"
  std::string text;     // text, prompt or title
  std::string caption;  // caption, or a file dialog's filter
  common::BoxIcon icon = common::BoxIcon::None;
  std::string start_folder;  // where a file dialog opens
};

// Answers boxes from a queue (Confirm: true = OK; without an answer OK is taken)
// and records each one.
struct ScriptedDialogs : common::Dialogs {
  std::vector<Box> boxes;
  std::deque<bool> confirm_answers;
  std::deque<std::optional<std::string>> text_answers;  // input and file dialogs
  // Runs while the next message or input box is open, as the box's event loop
  // keeps the timers going (advance the virtual time here); a box opened meanwhile
  // does not run it again.
  std::function<void()> while_next_box_open;

  bool Confirm(const std::string& text, const std::string& caption, common::BoxIcon icon) override;
  void Inform(const std::string& text, const std::string& caption, common::BoxIcon icon) override;
  std::optional<std::string> Input(const std::string& caption, const std::string& prompt,
                                   const std::string& default_text) override;
  std::optional<std::string> OpenFile(const std::string& title, const std::string& filter,
                                      const std::string& start_folder) override;
  std::optional<std::string> SaveFile(const std::string& title, const std::string& filter,
                                      const std::string& start_folder) override;

  // The boxes of one kind.
  std::vector<Box> OfKind(const std::string& kind) const;

 private:
  std::optional<std::string> NextText();
  void KeepOpen();
};

struct FakeSerialLine : common::SerialLine {
  int open_calls = 0;
  bool down = false;                               // refuses every write
  std::vector<std::vector<std::uint8_t>> writes;   // every write the line took
  std::deque<std::vector<std::uint8_t>> arrivals;  // one entry per Read

  // Each arrival is a whole read after which the device fell silent this long.
  std::int64_t silent_ms = 3'600'000;
  std::uint32_t session = 1;  // bumped by a test: the line was opened anew

  void Open() override { ++open_calls; }
  bool Write(const std::uint8_t* data, std::size_t count) override;
  std::size_t Read(std::uint8_t* into, std::size_t max) override;
  std::int64_t SilentMs() override { return arrivals.empty() ? silent_ms : 0; }
  std::uint32_t Session() const override { return session; }

  // The last write as text.
  std::string LastWrite() const;
};

struct FakeClock : common::Clock {
  common::DateTime now{2026, 3, 5, 14, 7, 9, 0};
  common::DateTime Now() override { return now; }
};

struct FakePicture : common::Picture {
  std::vector<std::string> loads;
  std::shared_ptr<const common::PictureData> Load(const std::string& path) override;
};

// A fresh folder under the system's temporary folder, removed at the end.
struct TempFolder {
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::filesystem::path path;

  // Raw bytes of a file in the folder ("" when missing).
  std::string Read(const std::string& name) const;
  // Writes raw bytes.
  void Write(const std::string& name, const std::string& bytes) const;
  bool Exists(const std::string& name) const;
};

}  // namespace testing_support
