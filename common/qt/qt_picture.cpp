#include "common/qt/qt_picture.h"

#include <QFile>
#include <QImageReader>

#include "common/file_descriptor.h"
#include "common/platform_error.h"
#include "common/qt/file_check.h"

namespace shell {
namespace {

struct QtPictureData : common::PictureData {
  explicit QtPictureData(QImage loaded) : image(std::move(loaded)) {}
  int Width() const override { return image.width(); }
  int Height() const override { return image.height(); }
  QImage image;
};

}  // namespace

// The picture is read through the descriptor that the check opened, so no
// second open of the name can meet a pipe and wait on it.
std::shared_ptr<const common::PictureData> QtPicture::Load(const std::string& path) {
  common::Fd opened(OpenReadableFile(path));
  QFile file;
  if (file.open(opened.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) opened.Release();
  QImageReader reader(&file);
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

}  // namespace shell
