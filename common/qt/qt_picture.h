// Pictures for the image controls, loaded with QImage; the kind comes from the
// file's content, so any picture Qt reads serves, whatever its file name says.
#pragma once

#include <QImage>

#include "common/picture.h"

namespace shell {

struct QtPicture : common::Picture {
  // Throws PlatformError when the file does not open or is no picture Qt can read.
  std::shared_ptr<const common::PictureData> Load(const std::string& path) override;
};

// The image of a picture this loader made; nullptr for anything else.
const QImage* ImageOf(const common::PictureData* picture);

}  // namespace shell
