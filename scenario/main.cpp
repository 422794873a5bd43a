// lagewandler-scenario FILE...: plays scripted user sessions against the real
// screens. Everything it prints goes to standard output, one line at a time;
// the last line of the run is "N passed, M failed", and the exit status is 0
// exactly when nothing failed.
#include "scenario/real_program.h"
#include "scenario/runner.h"

#include <QApplication>
#include <QByteArray>
#include <QStringList>

#include <atomic>
#include <cstdio>
#include <iostream>

namespace {

// Once the closing line is written nothing may follow it, not even a warning
// Qt gives while it shuts down.
std::atomic<bool> outputClosed{false};

// Noise of the offscreen platform and of a bare test environment that says
// nothing about the program ("This plugin does not support raise()").
bool isPlatformNoise(const QString& message) {
    return message.startsWith(QLatin1String("This plugin does not support")) ||
           message.contains(QLatin1String("XDG_RUNTIME_DIR")) ||
           message.contains(QLatin1String("Qt depends on a UTF-8 locale"));
}

void routeQtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (outputClosed || type == QtDebugMsg || type == QtInfoMsg || isPlatformNoise(message))
        return;
    std::cout.flush();
    std::fprintf(stderr, "qt: %s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(routeQtMessage);
    int status = 1;
    {
        QApplication app(argc, argv);
        lw::scenario::Runner runner(lw::scenario::startRealProgram, std::cout);
        const QStringList files = QCoreApplication::arguments().mid(1);
        if (files.isEmpty())
            runner.fail("lagewandler-scenario", 0, "a scenario file on the command line", "none");
        for (const QString& file : files)
            runner.runFile(file.toLocal8Bit().toStdString());
        status = runner.finish();
        outputClosed = true;
    }
    return status;
}
