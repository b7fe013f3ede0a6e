// Grabs the X screen of $DISPLAY and saves the part that is not background
// (the windows on it) as a PNG: screenshot-grab OUTPUT.png
// Built and run by tools/screenshot-upgrade.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

namespace {

// Background kept around the windows, in pixels.
constexpr int kMargin = 12;

// The bounding box of every pixel that differs from the top-left one.
QRect windowsBox(const QImage& img) {
  const QRgb background = img.pixel(0, 0);
  int left = img.width(), top = img.height(), right = -1, bottom = -1;
  for (int y = 0; y < img.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
    for (int x = 0; x < img.width(); ++x) {
      if (line[x] == background) continue;
      left = qMin(left, x);
      right = qMax(right, x);
      top = qMin(top, y);
      bottom = qMax(bottom, y);
    }
  }
  if (right < 0) return img.rect();
  return QRect(QPoint(left, top), QPoint(right, bottom)).adjusted(-kMargin, -kMargin, kMargin, kMargin) &
         img.rect();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
    return 2;
  }
  QGuiApplication app(argc, argv);
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) {
    fprintf(stderr, "no screen\n");
    return 1;
  }
  QImage img = screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
  // GRAB_WHOLE_SCREEN=1 keeps the whole screen, to see what the crop left out.
  const QRect box = qEnvironmentVariableIsSet("GRAB_WHOLE_SCREEN") ? img.rect() : windowsBox(img);
  if (!img.copy(box).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  printf("%s: %dx%d at (%d,%d) of the %dx%d screen\n", argv[1], box.width(), box.height(), box.x(), box.y(),
         img.width(), img.height());
  return 0;
}
