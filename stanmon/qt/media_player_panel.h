// The siren player's control: play, pause and stop buttons. The buttons have no
// action of their own yet.
#pragma once

#include <QWidget>

namespace stanmon {

class MediaPlayerPanel : public QWidget {
  Q_OBJECT

 public:
  explicit MediaPlayerPanel(QWidget* parent);
};

}  // namespace stanmon
