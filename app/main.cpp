#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setObjectName("fo1Vorwahl");
    window.setWindowTitle(QStringLiteral("Lagewandler  V 7.7       01.02.2014"));
    window.showMaximized();
    return app.exec();
}
