// The designer's core over fake ports in a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "common/platform_error.h"
#include "designer/desk.h"
#include "designer/markers.h"
#include "designer/spinners.h"
#include "designer/startup_load.h"
#include "tests/support/common_fakes.h"

namespace designer_testing {

// Scripted boxes that also record what each file dialog was given, and answer
// with the filter entry the user picks (none scripted: the one proposed).
struct ProposingDialogs : testing_support::ScriptedDialogs {
  std::vector<std::string> start_folders;
  std::vector<std::string> proposed;
  std::vector<int> proposed_filters;
  std::deque<int> filter_answers;

  std::optional<common::FileSelection> OpenFileProposing(
      const std::string& title, const std::string& filter, const std::string& start_folder,
      const common::FileSelection& selection) override {
    Record(start_folder, selection);
    return Answer(OpenFile(title, filter, start_folder), selection);
  }
  std::optional<common::FileSelection> SaveFileProposing(
      const std::string& title, const std::string& filter, const std::string& start_folder,
      const common::FileSelection& selection) override {
    Record(start_folder, selection);
    return Answer(SaveFile(title, filter, start_folder), selection);
  }

 private:
  void Record(const std::string& start_folder, const common::FileSelection& selection) {
    start_folders.push_back(start_folder);
    proposed.push_back(selection.file_name);
    proposed_filters.push_back(selection.filter_index);
  }
  std::optional<common::FileSelection> Answer(const std::optional<std::string>& path,
                                              const common::FileSelection& selection) {
    int filter = selection.filter_index;
    if (!filter_answers.empty()) {
      filter = filter_answers.front();
      filter_answers.pop_front();
    }
    if (!path) return std::nullopt;
    return common::FileSelection{*path, filter};
  }
};

// A loader that takes a file beginning with "BM" and fails on anything else.
struct TestPicture : testing_support::FakePicture {
  std::shared_ptr<const common::PictureData> Load(const std::string& path) override {
    std::ifstream file(path, std::ios::binary);
    char head[2] = {};
    if (!file.read(head, 2) || head[0] != 'B' || head[1] != 'M') {
      throw common::PlatformError("Bitmap image is not valid");
    }
    return FakePicture::Load(path);
  }
};

inline constexpr const char* kProgramPath = "/opt/stanplan/stanplan";

// The default plan settings file, as the console writes it too.
inline std::string DefaultPlanBytes() {
  std::string bytes;
  for (int k = 1; k <= 16; ++k) bytes += std::to_string(16 * k + 16) + "\r\n16\r\n";
  return bytes;
}

// Lines joined with CR LF after each.
inline std::string Lines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

// Fakes and a designer over them.
struct DesignerRig {
  testing_support::TempFolder folder;
  ProposingDialogs dialogs;
  TestPicture picture;
  designer::Desk desk{designer::DesignerPorts{dialogs, picture, folder.path, kProgramPath}};

  designer::DesignerForm& form() { return desk.form; }
  std::string& Cell(int col, int row) { return desk.form.StringGrid1.Cells(col, row); }
  std::pair<int, int> Position(int k) {
    const designer::TImage& m = designer::Marker(desk, k);
    return {m.Left, m.Top};
  }
  std::vector<std::pair<int, int>> Positions() {
    std::vector<std::pair<int, int>> all;
    for (int k = 1; k <= 16; ++k) all.push_back(Position(k));
    return all;
  }
  std::vector<std::string> GridCells() const { return desk.form.StringGrid1.AllCells(); }
  // The error text a handler ended with, or "" when it ran through.
  template <typename Handler>
  std::string ErrorOf(Handler handler) {
    try {
      handler(desk);
    } catch (const common::PlatformError& e) {
      return e.what();
    }
    return "";
  }
};

struct DesignerTest : ::testing::Test, DesignerRig {};

// A designer whose start-up load has run in an empty folder.
struct LoadedDesignerTest : DesignerTest {
  void SetUp() override { designer::Timer3Timer(desk); }

  std::vector<testing_support::Box> Informs() const { return dialogs.OfKind("inform"); }
  // A spinner's arrow, then its click handler.
  void Spin(designer::TUpDown& spinner, designer::TEdit& edit, designer::SpinButton button,
            void (*click)(designer::Desk&)) {
    designer::StepUpDown(spinner, edit, button);
    click(desk);
  }
  void SelectUp() {
    Spin(form().UpDown1, form().Edit1, designer::SpinButton::kUp, designer::UpDown1Click);
  }
  void SelectDown() {
    Spin(form().UpDown1, form().Edit1, designer::SpinButton::kDown, designer::UpDown1Click);
  }
  void HorizontalUp() {
    Spin(form().UpDown2, form().Edit2, designer::SpinButton::kUp, designer::UpDown2Click);
  }
};

}  // namespace designer_testing
