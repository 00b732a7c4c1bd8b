// The siren player's control: play, pause and stop buttons, each reported by
// name ("MediaPlayer1Play", "MediaPlayer1Pause", "MediaPlayer1Stop").
#pragma once

#include <QWidget>
#include <functional>
#include <string>

namespace stanmon {

class MediaPlayerPanel : public QWidget {
  Q_OBJECT

 public:
  MediaPlayerPanel(QWidget* parent, std::function<void(const std::string&)> click);
};

}  // namespace stanmon
