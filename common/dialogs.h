// Port: the modal boxes and file dialogs of a window.
#pragma once

#include <optional>
#include <string>

namespace common {

enum class BoxIcon { None, Information, Question, Warning, Error };

// What a file dialog has selected: a file name (a name alone, or a full path that
// also picks the folder; empty: none) and the entry of its filter, from 1.
struct FileSelection {
  std::string file_name;
  int filter_index = 1;

  bool operator==(const FileSelection&) const = default;
};

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
  // As OpenFile and SaveFile, opening with a selection proposed and returning the
  // one chosen. A port that cannot propose shows the plain dialog and returns the
  // filter entry it was given.
  virtual std::optional<FileSelection> OpenFileProposing(const std::string& title,
                                                         const std::string& filter,
                                                         const std::string& start_folder,
                                                         const FileSelection& proposed) {
    return Plain(OpenFile(title, filter, start_folder), proposed);
  }
  virtual std::optional<FileSelection> SaveFileProposing(const std::string& title,
                                                         const std::string& filter,
                                                         const std::string& start_folder,
                                                         const FileSelection& proposed) {
    return Plain(SaveFile(title, filter, start_folder), proposed);
  }

 private:
  static std::optional<FileSelection> Plain(std::optional<std::string> path,
                                            const FileSelection& proposed) {
    if (!path) return std::nullopt;
    return FileSelection{*path, proposed.filter_index};
  }
};

}  // namespace common
