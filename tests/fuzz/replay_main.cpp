// Runs a fuzz target without libFuzzer, in every build: each input named on the
// command line (a file, or every file of a folder) as it stands, then a fixed
// series of mutations of it. A finding of the fuzzer reproduces by naming its file.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

constexpr int kMutationsPerInput = 100;

std::vector<std::filesystem::path> InputFiles(int argc, char** argv) {
  std::vector<std::filesystem::path> files;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path named = argv[i];
    if (!std::filesystem::is_directory(named)) {
      files.push_back(named);
      continue;
    }
    std::vector<std::filesystem::path> in_folder;
    for (const auto& entry : std::filesystem::directory_iterator(named)) {
      if (entry.is_regular_file()) in_folder.push_back(entry.path());
    }
    std::sort(in_folder.begin(), in_folder.end());
    files.insert(files.end(), in_folder.begin(), in_folder.end());
  }
  return files;
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Run(const std::string& input) {
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

// A few bytes overwritten, cut out or put in.
std::string Mutated(std::string input, std::mt19937& random) {
  for (int edits = static_cast<int>(random() % 6); edits > 0 && !input.empty(); --edits) {
    const std::size_t at = random() % input.size();
    switch (random() % 3) {
      case 0:
        input[at] = static_cast<char>(random());
        break;
      case 1:
        input.erase(at, random() % 8);
        break;
      default:
        input.insert(at, std::string(random() % 8, static_cast<char>(random())));
    }
  }
  return input;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::filesystem::path> files = InputFiles(argc, argv);
  if (files.empty()) {
    std::fprintf(stderr, "usage: %s file-or-folder...\n", argv[0]);
    return 2;
  }
  std::mt19937 random(7);
  for (const auto& file : files) {
    const std::string input = ReadBytes(file);
    std::printf("%s\n", file.string().c_str());
    std::fflush(stdout);  // names the input should the next run end the process
    Run(input);
    for (int m = 0; m < kMutationsPerInput; ++m) Run(Mutated(input, random));
  }
  std::printf("%zu inputs, each with %d mutations\n", files.size(), kMutationsPerInput);
  return 0;
}
