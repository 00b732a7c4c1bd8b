// The drawing area Panel1: the background Image1 and, over it, the 16 zone
// markers Image2 .. Image17 at their positions, with their numbers as hints.
#pragma once

#include <QFrame>
#include <QImage>
#include <array>

#include "designer/designer_form.h"

namespace shell {
class PictureBox;
}  // namespace shell

namespace stanplan {

class DrawingArea : public QFrame {
  Q_OBJECT

 public:
  DrawingArea(const designer::DesignerForm& form, QWidget* parent);
  void Render();

 private:
  const designer::DesignerForm& form_;
  // As the form's images: 1 the background, 2..17 the markers.
  std::array<shell::PictureBox*, std::tuple_size_v<decltype(designer::DesignerForm::Image)>>
      images_{};
  std::array<QImage, std::tuple_size_v<decltype(designer::DesignerForm::Image)>> built_in_;
};

}  // namespace stanplan
