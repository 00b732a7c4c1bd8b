#include "stanplan/qt/qt_picture.h"

#include <QImageReader>
#include <cerrno>
#include <cstdio>

#include "common/platform_error.h"

namespace stanplan {
namespace {

// A file that cannot be opened fails with the platform's text for the reason.
void RequireReadableFile(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file != nullptr) {
    std::fclose(file);
    return;
  }
  const int code = common::FileErrorCodeFromErrno(errno);
  throw common::PlatformError("Cannot open file \"" + path + "\". " + common::FileErrorText(code));
}

}  // namespace

std::shared_ptr<const common::PictureData> QtPicture::Load(const std::string& path) {
  RequireReadableFile(path);
  QImageReader reader(QString::fromStdString(path));
  reader.setDecideFormatFromContent(true);
  QImage image = reader.read();
  if (image.isNull()) {
    throw common::PlatformError("Cannot load picture \"" + path +
                                "\": " + reader.errorString().toStdString());
  }
  return std::make_shared<QtPictureData>(std::move(image));
}

const QImage* ImageOf(const common::PictureData* picture) {
  const auto* loaded = dynamic_cast<const QtPictureData*>(picture);
  return loaded != nullptr ? &loaded->image : nullptr;
}

}  // namespace stanplan
