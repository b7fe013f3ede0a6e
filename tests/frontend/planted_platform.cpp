// What another user plants as a Qt platform plug-in: metadata that claims
// the platforms the launcher uses, and a constructor that runs as soon as
// Qt loads the library and leaves a mark in the victim's home.
#include <QObject>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

__attribute__((constructor)) void leave_mark() {
  const char* home = getenv("HOME");
  FILE* f = fopen((std::string(home ? home : "") + "/planted-plugin-ran").c_str(), "we");
  if (f) fclose(f);
}

}  // namespace

class PlantedPlatform : public QObject {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QPA.QPlatformIntegrationFactoryInterface.5.3" FILE
                        "planted_platform.json")
};

#include "planted_platform.moc"
