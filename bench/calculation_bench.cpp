// Times one "Berechnung" on the real calculation screen, from the button's
// click to the output written and to the output painted, for the sample
// point (decimal degrees on GRS80 to UTM civil and to UTM military). Runs on
// the offscreen platform.
#include "model/job.h"
#include "silent_platform.h"
#include "ui/platform.h"
#include "ui/program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

using lw::bench::press;
using lw::bench::SilentPlatform;

std::pair<double, double> medianAndP90(std::vector<double> micros) {
    std::sort(micros.begin(), micros.end());
    return {micros[micros.size() / 2], micros[micros.size() * 9 / 10]};
}

// Median and 90th percentile of n timed presses, in microseconds.
void timeCalculation(lw::ui::Program& program, const char* outputButton, const char* outputField,
                     const char* expected) {
    QWidget* selection = program.selectionWindow();
    press(selection, "comGradDezEIN");
    press(selection, outputButton);
    press(selection, "comZahlenEingabe");
    QWidget* calc = program.calculationWindow();
    press(calc, "comKrummboegleGrad");
    QCoreApplication::processEvents(); // shows and exposes the window
    auto* rechnen = calc->findChild<QAbstractButton*>("comRechnen");
    auto* out = calc->findChild<QLineEdit*>(outputField);

    std::vector<double> written, painted;
    for (int i = 0; i < 2000; ++i) {
        out->clear();
        QCoreApplication::sendPostedEvents(); // paints the cleared field
        auto t0 = std::chrono::steady_clock::now();
        rechnen->click();
        auto t1 = std::chrono::steady_clock::now();
        // The repaint of what changed waits in the event queue.
        QCoreApplication::sendPostedEvents();
        auto t2 = std::chrono::steady_clock::now();
        if (out->text() != QString::fromUtf8(expected)) {
            std::fprintf(stderr, "unexpected output: %s\n", qPrintable(out->text()));
            return;
        }
        written.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
        painted.push_back(std::chrono::duration<double, std::micro>(t2 - t0).count());
    }
    for (auto [what, micros] : {std::pair{"written", &written}, std::pair{"painted", &painted}}) {
        const auto [median, p90] = medianAndP90(*micros);
        std::printf("Berechnung %-16s %s: median %7.1f us   p90 %7.1f us   (target < 1000 us)\n",
                    outputButton, what, median, p90);
    }
    press(calc, "comStartoption");
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    lw::ProgramState state;
    SilentPlatform platform;
    lw::ui::Program program(state, platform);
    program.start();
    app.processEvents();
    timeCalculation(program, "comUTMzivilAUS", "texRechts2", "0571595");
    app.processEvents();
    timeCalculation(program, "comUTMmilAUS", "texMilUTM", "32U  NU  76.15.52.95.51");
    return 0;
}
