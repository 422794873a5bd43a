// What the screen benchmarks share: a platform that answers every box with
// OK and plays no sound, and a click on a named button.
#pragma once

#include "ui/platform.h"

#include <QAbstractButton>
#include <QWidget>

#include <string>

namespace lw::bench {

class SilentPlatform : public ui::Platform {
public:
    ui::Answer messageBox(QWidget*, MessageIcon, const QString&) override { return ui::Answer::Ok; }
    void playSystemSound(const std::string&) override {}
    void quit() override {}
};

inline void press(QWidget* window, const char* name) {
    window->findChild<QAbstractButton*>(name)->click();
}

} // namespace lw::bench
