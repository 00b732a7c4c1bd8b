// Port: the modal boxes and file dialogs of a window.
#pragma once

#include <optional>
#include <string>

namespace common {

enum class BoxIcon { None, Information, Question, Warning, Error };

struct Dialogs {
  virtual ~Dialogs() = default;
  // OK/Cancel box; true for OK.
  virtual bool Confirm(const std::string& text, const std::string& caption, BoxIcon icon) = 0;
  // Box with an OK button only.
  virtual void Inform(const std::string& text, const std::string& caption, BoxIcon icon) = 0;
  // Input box; nothing on Cancel.
  virtual std::optional<std::string> Input(const std::string& caption, const std::string& prompt,
                                           const std::string& default_text) = 0;
  // File dialogs; the chosen path, or nothing on Cancel. The filter is in the
  // "label|pattern" form, e.g. "txt|20*.txt".
  virtual std::optional<std::string> OpenFile(const std::string& title, const std::string& filter,
                                              const std::string& start_folder) = 0;
  virtual std::optional<std::string> SaveFile(const std::string& title, const std::string& filter,
                                              const std::string& start_folder) = 0;
};

}  // namespace common
