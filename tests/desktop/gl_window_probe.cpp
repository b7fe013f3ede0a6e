// gl_window_probe PLUGIN_DIR opengl|raster-gl: with Qt's plug-ins only from
// PLUGIN_DIR, shows a window of the given surface type, asks for an OpenGL
// context for it and prints
//   exposed=0|1 context=0|1 egl=0|1
// (whether the window was exposed, the context created, libEGL mapped).
#include <QFile>
#include <QGuiApplication>
#include <QOpenGLContext>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <cstring>

namespace {

// Longer than a headless compositor needs to expose a window.
constexpr int kExposeBoundMillis = 10000;

class ProbeWindow : public QWindow {
 public:
  bool exposed = false;

 protected:
  void exposeEvent(QExposeEvent*) override {
    if (!isExposed() || exposed) return;
    exposed = true;
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
  }
};

bool egl_mapped() {
  QFile maps("/proc/self/maps");
  return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libEGL");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  QCoreApplication::setLibraryPaths({QString::fromLocal8Bit(argv[1])});
  QGuiApplication app(argc, argv);
  ProbeWindow window;
  window.setSurfaceType(strcmp(argv[2], "opengl") == 0 ? QSurface::OpenGLSurface : QSurface::RasterGLSurface);
  window.resize(200, 100);
  window.show();
  QOpenGLContext context;
  const bool created = context.create() && context.makeCurrent(&window);
  QTimer::singleShot(kExposeBoundMillis, &app, &QCoreApplication::quit);
  app.exec();
  printf("exposed=%d context=%d egl=%d\n", window.exposed, created, egl_mapped());
  return 0;
}
