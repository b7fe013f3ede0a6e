#include "shm_decoration_integration.h"

#include <QtWaylandClient/private/qwaylandshmwindow_p.h>

#include <QWindow>

void ShmDecorationIntegration::initialize(QtWaylandClient::QWaylandDisplay* display) { display_ = display; }

bool ShmDecorationIntegration::supportsWindowDecoration() const { return true; }

// Qt asks for this window for every window whose surface may be drawn with
// OpenGL (also a widget window that could hold a GL child): it gets the
// plain shared-memory window, which is all a raster window needs.
QtWaylandClient::QWaylandWindow* ShmDecorationIntegration::createEglWindow(QWindow* window) {
  if (!display_ || !window) {
    qWarning("shm decorations: no Wayland display for a window; none created");
    return nullptr;
  }
  return new QtWaylandClient::QWaylandShmWindow(window, display_);
}

// No OpenGL here: QOpenGLContext::create() then fails and says so, and the
// caller falls back or gives up; nothing loads libEGL.
QPlatformOpenGLContext* ShmDecorationIntegration::createPlatformOpenGLContext(const QSurfaceFormat&,
                                                                              QPlatformOpenGLContext*) const {
  qWarning("shm decorations: this process draws without OpenGL; no context created");
  return nullptr;
}
