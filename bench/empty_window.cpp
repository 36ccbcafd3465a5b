// The baseline of bench/startup.sh: an empty Qt window of the main window's
// title and size, white, started and shown the plainest way.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Huebrook"));
  window.setFixedSize(672, 671);
  QPalette white = window.palette();
  white.setColor(QPalette::Window, Qt::white);
  window.setPalette(white);
  window.show();
  return app.exec();
}
