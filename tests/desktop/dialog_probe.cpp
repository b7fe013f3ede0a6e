// dialog_probe CODE...: builds the launcher's dialog in each language, with
// each of its two texts, shows it (off screen) and prints per text
//   CODE ID ok|clipped LABEL_RECT DIALOG_RECT NEEDED
// and at the end "dpr=N" (the dialog's device pixel ratio). The screen's
// dpi comes from QT_FONT_DPI, the scaling from the launcher's own choice
// and the user's environment, as in the launcher.
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QTranslator>
#include <cstdio>

#include "launcher.h"
#include "strtab.h"

namespace {

// Whether the label draws all of its text within itself and within the
// dialog: at the label's width, the text (wrapped if the label wraps)
// must fit the label's contents both ways.
bool shows_whole_text(const ProcessingProgressDialog& dialog, const QLabel& label, QRect* needed) {
  const QRect room = label.contentsRect();
  const int flags = Qt::AlignLeft | Qt::AlignTop | (label.wordWrap() ? Qt::TextWordWrap : 0);
  *needed = QFontMetrics(label.font()).boundingRect(QRect(0, 0, room.width(), 1 << 20), flags, label.text());
  return needed->width() <= room.width() && needed->height() <= room.height() &&
         dialog.rect().contains(label.geometry());
}

void print_rect(const QRect& r) { printf(" %dx%d+%d+%d", r.width(), r.height(), r.x(), r.y()); }

}  // namespace

int main(int argc, char** argv) {
  ProcessingProgressDialog::EnableHighDpi();
  QApplication app(argc, argv);
  qInitResources_texts();
  qreal dpr = 0;
  for (int i = 1; i < argc; ++i) {
    QTranslator translator;
    if (!translator.load(QString(":/%1.qm").arg(argv[i]))) {
      printf("%s missing\n", argv[i]);
      continue;
    }
    QCoreApplication::installTranslator(&translator);
    StrTable::InitStrTable();
    ProcessingProgressDialog dialog;
    dialog.setCancelButton(nullptr);
    for (int id : {StrTable::desc_nmbr_env_preparing, StrTable::desc_nmbr_env_preparation_done}) {
      dialog.setLabelText(StrTable::LoadStr(id));
      dialog.show();
      QCoreApplication::processEvents();
      const QLabel* label = dialog.findChild<QLabel*>();
      QRect needed;
      const bool ok = label && shows_whole_text(dialog, *label, &needed);
      printf("%s %d %s", argv[i], id, ok ? "ok" : "clipped");
      if (label) print_rect(label->geometry());
      print_rect(dialog.rect());
      print_rect(needed);
      printf("\n");
    }
    dpr = dialog.devicePixelRatioF();
    QCoreApplication::removeTranslator(&translator);
  }
  printf("dpr=%g\n", dpr);
  return 0;
}
