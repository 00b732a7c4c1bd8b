#include "stanmon/qt/media_player_panel.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>
#include <tuple>

namespace stanmon {

MediaPlayerPanel::MediaPlayerPanel(QWidget* parent, std::function<void(const std::string&)> click)
    : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(1);
  for (const auto& [icon, name, tip] : {std::tuple{QStyle::SP_MediaPlay, "Play", "Воспроизвести"},
                                        std::tuple{QStyle::SP_MediaPause, "Pause", "Пауза"},
                                        std::tuple{QStyle::SP_MediaStop, "Stop", "Стоп"}}) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(style()->standardIcon(icon));
    button->setToolTip(QString::fromUtf8(tip));
    button->setAutoRaise(false);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(button, &QToolButton::clicked, this,
            [click, name = std::string("MediaPlayer1") + name] { click(name); });
    layout->addWidget(button);
  }
}

}  // namespace stanmon
