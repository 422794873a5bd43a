#include "model/job.h"
#include "ui/desktop_platform.h"
#include "ui/font_warmup.h"
#include "ui/program.h"
#include "ui/standard_texts.h"

#include <QApplication>

int main(int argc, char** argv) {
    lw::ui::FontConfigWarmUp fontConfig;
    QApplication app(argc, argv);
    lw::ui::loadGermanStandardTexts(app);
    fontConfig.wait();
    lw::ProgramState state;
    lw::ui::DesktopPlatform platform;
    lw::ui::Program program(state, platform);
    program.start();
    return app.exec();
}
