// Port: loading a bitmap file for an image control.
#pragma once

#include <memory>
#include <string>

namespace common {

// An opaque loaded picture; the shell knows what is inside.
struct PictureData {
  virtual ~PictureData() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
};

struct Picture {
  virtual ~Picture() = default;
  // Loads the file; throws PlatformError with the loader's text on failure.
  virtual std::shared_ptr<const PictureData> Load(const std::string& path) = 0;
};

}  // namespace common
