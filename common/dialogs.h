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
  // As OpenFile and SaveFile, with a file name that the dialog proposes (a name
  // alone, or a full path that also picks the folder; empty: none). A port that
  // cannot propose a name shows the plain dialog.
  virtual std::optional<std::string> OpenFileProposing(const std::string& title,
                                                       const std::string& filter,
                                                       const std::string& start_folder,
                                                       const std::string& /*file_name*/) {
    return OpenFile(title, filter, start_folder);
  }
  virtual std::optional<std::string> SaveFileProposing(const std::string& title,
                                                       const std::string& filter,
                                                       const std::string& start_folder,
                                                       const std::string& /*file_name*/) {
    return SaveFile(title, filter, start_folder);
  }
};

}  // namespace common
