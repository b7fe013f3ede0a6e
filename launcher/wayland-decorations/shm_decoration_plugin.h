// The plug-in that hands Qt's Wayland platform the shared-memory-only
// client buffer integration under the key "nimbora-shm-decorations".
#pragma once

#include <QtWaylandClient/private/qwaylandclientbufferintegrationplugin_p.h>

class ShmDecorationPlugin : public QtWaylandClient::QWaylandClientBufferIntegrationPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QWaylandClientBufferIntegrationFactoryInterface_iid FILE "shm-decorations.json")
 public:
  QtWaylandClient::QWaylandClientBufferIntegration* create(const QString& key,
                                                           const QStringList& params) override;
};
