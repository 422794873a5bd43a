// Shows the screens as a user meets them and saves each as a PNG file,
// captured from the display (run under a real X server by
// tools/screenshots.sh): the selection screen, both help panels and the
// calculation screen after a conversion of the sample point. With "--all"
// it also saves the calculation screen with every other input and output mask;
// "--dark" runs under a dark desktop palette; "--suffix=TEXT" is added to
// every file name (e.g. the display size); "--list-only" saves the list of
// points alone.
#include "places/place_files.h"
#include "ui/calculation_screen.h"
#include "ui_test_support.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

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

QPalette darkPalette() {
    QPalette dark;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        dark.setColor(group, QPalette::Window, QColor(0x35, 0x35, 0x35));
        dark.setColor(group, QPalette::Button, QColor(0x35, 0x35, 0x35));
        dark.setColor(group, QPalette::Base, QColor(0x20, 0x20, 0x20));
        dark.setColor(group, QPalette::WindowText, Qt::white);
        dark.setColor(group, QPalette::ButtonText, Qt::white);
        dark.setColor(group, QPalette::Text, Qt::white);
    }
    return dark;
}

// Scrolls a help panel to its end, so that its last lines can be shown too.
void scrollToEnd(QWidget* panelLabel) {
    if (auto* area = qobject_cast<QScrollArea*>(panelLabel->parentWidget()->parentWidget()))
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
}

void showListFocused(RunningProgram& p) {
    settle();
    for (const char* row : {"texAlleC6", "texAlleA1"}) {
        p.find(row)->setFocus(Qt::TabFocusReason);
        settle();
    }
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
    {"mask-88-utmamtlich", "comGRSEin", "comGRSAus", "comUTMamtEIN", "comUTMamtAUS"},
};

// Twenty boundary stones as an e-mail lists them, two of them mistyped.
constexpr const char* kStones =
    "# Grenzsteine Flur 7, Blaubeuren\n"
    "GS1 48.411904 9.785012\nGS2 48.412377 9.786540\nGS3 48.413021 9.788113\n"
    "GS4 48.413655 9.789870\nGS5 48.414210 9.791342\nGS6 84.414733 9.792804\n"
    "GS7 48.415318 9.794421\nGS8 48.415902 9.795950\nGS9 48.416471 9.797388\n"
    "GS10 48.417015 9.798905\nGS11 48.417598 9.800367\nGS12 48.418120\n"
    "GS13 48.418711 9.803384\nGS14 48.419263 9.804902\nGS15 48.419840 9.806411\n"
    "GS16 48.420391 9.807936\nGS17 48.420957 9.809422\nGS18 48.421503 9.810949\n"
    "GS19 48.422070 9.812455\nGS20 48.422608 9.813970\n";

// A list of points in place of the output mask, the first refused row
// chosen (F8).
bool captureList(RunningProgram& p, const QString& path) {
    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comUTMzivilAUS");
    maximize(p.calc());
    auto* screen = qobject_cast<lw::ui::CalculationScreen*>(p.calc());
    screen->showPointList(kStones, screen->pointListOptions());
    QWidget* bar = p.find("barListe");
    for (int i = 0; i < 100 && !bar->isHidden(); ++i)
        QTest::qWait(50);
    QTest::keyClick(p.find("tabListe"), Qt::Key_F8);
    settle();
    return capture(p.calc(), path);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The build tree's helper lies where the program would not find them.
    const lw::places::PlaceFiles placeFiles = lw::places::readPlaceFiles(LW_TEST_PLACES_DIR);
    const lw::places::ScopedPlaceFiles usePlaceFiles(placeFiles);
    const QStringList args = app.arguments();
    const QDir dir(args.size() > 1 ? args[1] : QStringLiteral("."));
    const bool all = args.contains(QStringLiteral("--all"));
    QString suffix;
    for (const QString& arg : args)
        if (arg.startsWith(QStringLiteral("--suffix=")))
            suffix = arg.mid(9);
    if (args.contains(QStringLiteral("--dark")))
        QApplication::setPalette(darkPalette());
    auto file = [&](const char* name) {
        return dir.filePath(QString::fromLatin1(name) + suffix + QStringLiteral(".png"));
    };
    bool ok = true;
    RunningProgram p;
    // The list of points alone (under the dark palette on 1024 x 768).
    if (args.contains(QStringLiteral("--list-only")))
        return captureList(p, file("foBerechnungen-liste")) ? 0 : 1;
    QWidget* selection = p.program->selectionWindow();
    maximize(selection);
    ok &= capture(selection, file("fo1Vorwahl"));
    for (auto [opener, panel] :
         {std::pair{"comSoGehts", "labSoGehts"}, std::pair{"labHinweis2", "labHinweis"}}) {
        p.click(opener);
        ok &= capture(selection, file(panel));
        QWidget* label = p.find(panel);
        if (label->height() > selection->height()) { // a small display: show the end too
            scrollToEnd(label);
            ok &= capture(selection, file((QByteArray(panel) + "-Ende").constData()));
        }
        p.click(panel);
    }

    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comUTMzivilAUS");
    maximize(p.calc());
    p.click("comKrummboegleGrad");
    p.click("comRechnen");
    ok &= capture(p.calc(), file("foBerechnungen"));
    // The same point in every notation at once.
    p.click("comStartoption");
    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comAlleAUS");
    maximize(p.calc());
    p.click("comKrummboegleGrad");
    p.click("comRechnen");
    // The keyboard in the list: the last line, then the first, so that a
    // scrolling screen shows the whole list.
    showListFocused(p);
    ok &= capture(p.calc(), file("foBerechnungen-alle"));
    // A point far from Germany: the greyed reasons wrap within their lines.
    p.click("optDezS");
    p.find<QLineEdit>("texBreite")->setText(QStringLiteral("33.867778"));
    p.find<QLineEdit>("texLaenge")->setText(QStringLiteral("151.207222"));
    p.click("comRechnen");
    showListFocused(p);
    ok &= capture(p.calc(), file("foBerechnungen-alle-Sydney"));
    p.click("comStartoption");
    ok &= captureList(p, file("foBerechnungen-liste"));
    if (all) {
        for (const Task& t : kMoreTasks) {
            p.click("comStartoption");
            p.openTask(t.start, t.target, t.input, t.output);
            maximize(p.calc());
            ok &= capture(p.calc(), file(t.file));
        }
    }
    return ok ? 0 : 1;
}
