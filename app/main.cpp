#include "model/job.h"
#include "ui/desktop_platform.h"
#include "ui/program.h"
#include "ui/standard_texts.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    lw::ui::loadGermanStandardTexts(app);
    lw::ProgramState state;
    lw::ui::DesktopPlatform platform;
    lw::ui::Program program(state, platform);
    program.start();
    return app.exec();
}
