#include "designer/file_dialogs.h"

namespace designer {
namespace {

void Prepare(Desk& d, TFileDialog& dialog, const std::string& title) {
  dialog.Title = title;
  dialog.InitialDir = d.ports.folder.string();
}

common::FileSelection Proposal(const TFileDialog& dialog) {
  return {dialog.FileName, dialog.FilterIndex};
}

std::optional<std::string> Remember(TFileDialog& dialog,
                                    const std::optional<common::FileSelection>& chosen) {
  if (!chosen) return std::nullopt;
  dialog.FileName = chosen->file_name;
  dialog.FilterIndex = chosen->filter_index;
  return chosen->file_name;
}

}  // namespace

std::optional<std::string> ShowOpenDialog(Desk& d, TFileDialog& dialog, const std::string& title) {
  Prepare(d, dialog, title);
  return Remember(dialog, d.ports.dialogs.OpenFileProposing(dialog.Title, dialog.Filter,
                                                            dialog.InitialDir, Proposal(dialog)));
}

std::optional<std::string> ShowSaveDialog(Desk& d, TFileDialog& dialog, const std::string& title) {
  Prepare(d, dialog, title);
  return Remember(dialog, d.ports.dialogs.SaveFileProposing(dialog.Title, dialog.Filter,
                                                            dialog.InitialDir, Proposal(dialog)));
}

}  // namespace designer
