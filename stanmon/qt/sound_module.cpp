// The sound module's entry: the siren player and the beeper on Qt Multimedia,
// which LazySound loads when the siren first sounds.
#include "stanmon/qt/lazy_sound.h"
#include "stanmon/qt/qt_sound.h"

extern "C" Q_DECL_EXPORT monitor::Sound* StanmonMakeSound(QObject* parent) {
  return new stanmon::QtSound(parent);
}
