// The Wayland platform's client buffer integration for a process that draws
// only into shared memory: it creates no EGL display, window or context and
// exists so that Qt's Wayland platform draws its client-side title bar,
// which Qt 5.15 offers only when an integration says that it may. The shm
// backing store draws the decoration into the window's own buffer.
#pragma once

#include <QtWaylandClient/private/qwaylandclientbufferintegration_p.h>

class ShmDecorationIntegration : public QtWaylandClient::QWaylandClientBufferIntegration {
 public:
  void initialize(QtWaylandClient::QWaylandDisplay* display) override;
  bool supportsWindowDecoration() const override;
  QtWaylandClient::QWaylandWindow* createEglWindow(QWindow* window) override;
  QPlatformOpenGLContext* createPlatformOpenGLContext(const QSurfaceFormat& format,
                                                      QPlatformOpenGLContext* share) const override;

 private:
  QtWaylandClient::QWaylandDisplay* display_ = nullptr;
};
