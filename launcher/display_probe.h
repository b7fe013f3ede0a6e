// DisplayProbe: whether the displays that Qt's platforms would connect to
// answer at all. Qt connects to the X server and the Wayland compositor
// without any time limit, so a stopped or frozen display server would hold
// the launcher at its application object for as long as it stays so, and
// the client would never be started. A display that does not answer within a
// bound is taken out of the platforms to try, as if there were none.
#pragma once

#include <QByteArray>
#include <string>

class DisplayProbe {
 public:
  // `list`: the ';'-separated platforms Qt is to try in turn. Returns the
  // list without the display platforms whose display did not answer, asked
  // in order up to the first platform that Qt would take; `dropped` names
  // them for the log.
  static QByteArray WithoutSilentDisplays(const QByteArray& list, std::string& dropped);

 private:
  DisplayProbe() = delete;
};
