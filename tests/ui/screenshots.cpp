// Shows the screens as a user meets them and saves each as a PNG file,
// captured from the display (run under a real X server by
// tools/screenshots.sh): the selection screen, both help panels and the
// calculation screen after a conversion of the sample point. With "--all"
// it also saves the calculation screen with every other input and output mask.
#include "ui_test_support.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>

#include <cstdio>

using namespace lw::ui::test;

namespace {

// Without a window manager nothing maximizes a window: give it the screen.
void maximize(QWidget* window) {
    window->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    window->raise();
    QApplication::setActiveWindow(window);
    QTest::qWait(300);
}

bool capture(QWidget* window, const QString& path) {
    QTest::qWait(300);
    const QRect frame = window->frameGeometry();
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(
        0, frame.x(), frame.y(), frame.width(), frame.height());
    const bool saved = shot.save(path);
    std::fprintf(stderr, "%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
    return saved;
}

struct Task {
    const char* file;
    const char* start;
    const char* target;
    const char* input;
    const char* output;
};

constexpr Task kMoreTasks[] = {
    {"mask-22-gradmin", "comGRSEin", "comGRSAus", "comGradMinEIN", "comGradMinAUS"},
    {"mask-33-gradminsek", "comGRSEin", "comGRSAus", "comGradMinSekEIN", "comGradMinSekAUS"},
    {"mask-44-utmzivil", "comGRSEin", "comGRSAus", "comUTMzivilEIN", "comUTMzivilAUS"},
    {"mask-55-utmmil", "comGRSEin", "comGRSAus", "comUTMmilEIN", "comUTMmilAUS"},
    {"mask-66-utmref", "comGRSEin", "comGRSAus", "comUTMrefEIN", "comUTMrefAUS"},
    {"mask-77-gk", "comBesselEIN", "comBesselAUS", "comGKEIN", "comGKAUS"},
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QDir dir(args.size() > 1 ? args[1] : QStringLiteral("."));
    const bool all = args.contains(QStringLiteral("--all"));
    bool ok = true;
    RunningProgram p;
    QWidget* selection = p.program->selectionWindow();
    maximize(selection);
    ok &= capture(selection, dir.filePath(QStringLiteral("fo1Vorwahl.png")));
    p.click("comSoGehts");
    ok &= capture(selection, dir.filePath(QStringLiteral("labSoGehts.png")));
    p.click("labSoGehts");
    p.click("labHinweis2");
    ok &= capture(selection, dir.filePath(QStringLiteral("labHinweis.png")));
    p.click("labHinweis");

    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comUTMzivilAUS");
    maximize(p.calc());
    p.click("comKrummboegleGrad");
    p.click("comRechnen");
    ok &= capture(p.calc(), dir.filePath(QStringLiteral("foBerechnungen.png")));
    if (all) {
        for (const Task& t : kMoreTasks) {
            p.click("comStartoption");
            p.openTask(t.start, t.target, t.input, t.output);
            maximize(p.calc());
            ok &= capture(p.calc(), dir.filePath(QString::fromLatin1(t.file) + ".png"));
        }
    }
    return ok ? 0 : 1;
}
