// Times a list of 100,000 points in the calculation screen, from the text
// handed over to every row converted and the view painted, and measures
// what the list costs in memory a line beyond its texts (resident memory
// before and after, less the texts). Runs on the offscreen platform;
// tools/bench_window_list.sh prints the figures.
#include "lists/table.h"
#include "silent_platform.h"
#include "ui/calculation_screen.h"
#include "ui/platform.h"
#include "ui/point_list.h"
#include "ui/program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTableView>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

using lw::bench::press;
using lw::bench::SilentPlatform;

long residentKib() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return 0;
}

// Points spread over Germany, with a number, as a survey office lists them,
// or `anywhere` on the earth, where the place is dearest to find (far from
// any place, the country of the point); every hundredth line refused (a
// latitude beyond 84°).
std::string pointList(int lines, bool anywhere = false) {
    std::string text;
    char line[64];
    for (int i = 0; i < lines; ++i) {
        double lat = i % 100 == 99 ? 91.0 : 47.5 + (i % 7919) * 0.0009;
        double lon = 6.0 + (i % 9973) * 0.0009;
        if (anywhere && i % 100 != 99) {
            lat = -79.0 + (i % 7919) * (162.0 / 7919);
            lon = -179.0 + (i % 9973) * (358.0 / 9973);
        }
        std::snprintf(line, sizeof line, "P%d %.6f %.6f\n", i + 1, lat, lon);
        text += line;
    }
    return text;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int lines = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
    const bool anywhere = argc > 3 && std::string(argv[3]) == "weltweit";
    lw::ProgramState state;
    SilentPlatform platform;
    lw::ui::Program program(state, platform);
    program.start();
    QWidget* selection = program.selectionWindow();
    press(selection, "comGradDezEIN");
    press(selection, "comUTMzivilAUS");
    press(selection, "comZahlenEingabe");
    auto* screen = qobject_cast<lw::ui::CalculationScreen*>(program.calculationWindow());
    auto* view = screen->findChild<QTableView*>("tabListe");
    QWidget* bar = screen->findChild<QWidget*>("barListe");
    const std::string text = pointList(lines, anywhere);
    // Once with a few lines: the place files are read, the converter's
    // tables built, as with the first result.
    screen->showPointList(pointList(100), screen->pointListOptions());
    while (!bar->isHidden())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);

    std::vector<double> seconds;
    long rssBefore = 0, rssAfter = 0;
    std::size_t texts = 0, rows = 0;
    for (int run = 0; run < runs; ++run) {
        screen->leavePointList();
        QCoreApplication::processEvents();
        // Memory from the first run: later ones reuse what the allocator kept.
        if (run == 0)
            rssBefore = residentKib();
        const auto t0 = std::chrono::steady_clock::now();
        screen->showPointList(text, screen->pointListOptions());
        while (!bar->isHidden()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::usleep(200);
        }
        view->scrollToBottom();
        view->viewport()->repaint();
        const auto t1 = std::chrono::steady_clock::now();
        seconds.push_back(std::chrono::duration<double>(t1 - t0).count());
        if (run > 0)
            continue;
        rssAfter = residentKib();
        const auto* model = static_cast<const lw::ui::PointListModel*>(view->model());
        texts = model->table().textBytes() + text.size(); // rows' texts, and the input kept
        rows = model->table().size();
    }
    std::sort(seconds.begin(), seconds.end());
    const double extra =
        (static_cast<double>(rssAfter - rssBefore) * 1024.0 - static_cast<double>(texts)) /
        static_cast<double>(rows);
    std::printf("%zu lines (%s) in the window: best %.2f s, median %.2f s of %d runs\n", rows,
                anywhere ? "anywhere on the earth" : "in Germany", seconds.front(),
                seconds[seconds.size() / 2], runs);
    std::printf("memory: %.1f MiB resident more with the list, %.1f MiB of it texts; "
                "%.0f bytes a line beyond the texts\n",
                static_cast<double>(rssAfter - rssBefore) / 1024.0,
                static_cast<double>(texts) / 1048576.0, extra);
    return 0;
}
