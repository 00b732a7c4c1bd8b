#include "tests/support/common_fakes.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <sstream>

namespace testing_support {

bool ScriptedDialogs::Confirm(const std::string& text, const std::string& caption,
                              common::BoxIcon icon) {
  boxes.push_back({"confirm", text, caption, icon, ""});
  KeepOpen();
  if (confirm_answers.empty()) return true;
  const bool answer = confirm_answers.front();
  confirm_answers.pop_front();
  return answer;
}

void ScriptedDialogs::Inform(const std::string& text, const std::string& caption,
                             common::BoxIcon icon) {
  boxes.push_back({"inform", text, caption, icon, ""});
  KeepOpen();
}

void ScriptedDialogs::KeepOpen() {
  if (!while_next_box_open) return;
  const std::function<void()> meanwhile = std::move(while_next_box_open);
  while_next_box_open = nullptr;
  meanwhile();
}

std::optional<std::string> ScriptedDialogs::NextText() {
  if (text_answers.empty()) return std::nullopt;
  auto answer = text_answers.front();
  text_answers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedDialogs::Input(const std::string& caption,
                                                  const std::string& prompt,
                                                  const std::string& /*default_text*/) {
  boxes.push_back({"input", prompt, caption, common::BoxIcon::None, ""});
  KeepOpen();
  return NextText();
}

std::optional<std::string> ScriptedDialogs::OpenFile(const std::string& title,
                                                     const std::string& filter,
                                                     const std::string& start_folder) {
  boxes.push_back({"open", title, filter, common::BoxIcon::None, start_folder});
  return NextText();
}

std::optional<std::string> ScriptedDialogs::SaveFile(const std::string& title,
                                                     const std::string& filter,
                                                     const std::string& start_folder) {
  boxes.push_back({"save", title, filter, common::BoxIcon::None, start_folder});
  return NextText();
}

std::vector<Box> ScriptedDialogs::OfKind(const std::string& kind) const {
  std::vector<Box> found;
  std::copy_if(boxes.begin(), boxes.end(), std::back_inserter(found),
               [&](const Box& b) { return b.kind == kind; });
  return found;
}

bool FakeSerialLine::Write(const std::uint8_t* data, std::size_t count) {
  if (down) return false;
  writes.emplace_back(data, data + count);
  return true;
}

std::size_t FakeSerialLine::Read(std::uint8_t* into, std::size_t max) {
  if (arrivals.empty()) return 0;
  std::vector<std::uint8_t>& next = arrivals.front();
  const std::size_t count = std::min(max, next.size());
  std::copy_n(next.begin(), count, into);
  next.erase(next.begin(), next.begin() + static_cast<std::ptrdiff_t>(count));
  if (next.empty()) arrivals.pop_front();
  return count;
}

std::string FakeSerialLine::LastWrite() const {
  if (writes.empty()) return "";
  return std::string(writes.back().begin(), writes.back().end());
}

namespace {
struct FakePictureData : common::PictureData {
  int Width() const override { return 100; }
  int Height() const override { return 50; }
};
}  // namespace

std::shared_ptr<const common::PictureData> FakePicture::Load(const std::string& path) {
  loads.push_back(path);
  return std::make_shared<FakePictureData>();
}

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  path = std::filesystem::temp_directory_path() /
         ("stanmon-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(path);
  std::filesystem::create_directories(path);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::permissions(path, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path, ignored);
}

std::string TempFolder::Read(const std::string& name) const {
  std::ifstream in(path / name, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void TempFolder::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream(path / name, std::ios::binary) << bytes;
}

bool TempFolder::Exists(const std::string& name) const {
  return std::filesystem::exists(path / name);
}

}  // namespace testing_support
