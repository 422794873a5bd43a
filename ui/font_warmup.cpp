#include "ui/font_warmup.h"

#include <fontconfig/fontconfig.h>

namespace lw::ui {

FontConfigWarmUp::FontConfigWarmUp() : thread_([] { FcInit(); }) {}

FontConfigWarmUp::~FontConfigWarmUp() {
    wait();
}

void FontConfigWarmUp::wait() {
    if (thread_.joinable())
        thread_.join();
}

} // namespace lw::ui
