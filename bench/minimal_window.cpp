// The reference for the start-up benchmark: the least a Qt Widgets program
// does to show one maximized, empty window.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.showMaximized();
    return app.exec();
}
