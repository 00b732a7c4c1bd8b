#include "designer/file_dialogs.h"

namespace designer {
namespace {

void Prepare(Desk& d, TFileDialog& dialog, const std::string& title) {
  dialog.Title = title;
  dialog.InitialDir = d.ports.folder.string();
}

std::optional<std::string> Remember(TFileDialog& dialog, std::optional<std::string> chosen) {
  if (chosen) dialog.FileName = *chosen;
  return chosen;
}

}  // namespace

std::optional<std::string> ShowOpenDialog(Desk& d, TFileDialog& dialog, const std::string& title) {
  Prepare(d, dialog, title);
  return Remember(dialog, d.ports.dialogs.OpenFileProposing(dialog.Title, dialog.Filter,
                                                            dialog.InitialDir, dialog.FileName));
}

std::optional<std::string> ShowSaveDialog(Desk& d, TFileDialog& dialog, const std::string& title) {
  Prepare(d, dialog, title);
  return Remember(dialog, d.ports.dialogs.SaveFileProposing(dialog.Title, dialog.Filter,
                                                            dialog.InitialDir, dialog.FileName));
}

}  // namespace designer
