#include "shm_decoration_plugin.h"

#include "shm_decoration_integration.h"

QtWaylandClient::QWaylandClientBufferIntegration* ShmDecorationPlugin::create(const QString&,
                                                                              const QStringList&) {
  return new ShmDecorationIntegration;
}
