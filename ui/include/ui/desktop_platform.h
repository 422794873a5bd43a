// The platform of the real program: Qt message boxes, the desktop's alert
// sound and an immediate exit.
#pragma once

#include "ui/platform.h"

namespace lw::ui {

class DesktopPlatform : public Platform {
public:
    DesktopPlatform();
    ~DesktopPlatform() override;
    DesktopPlatform(const DesktopPlatform&) = delete;
    DesktopPlatform& operator=(const DesktopPlatform&) = delete;

    Answer messageBox(QWidget* parent, MessageIcon icon, const QString& text) override;
    void playSystemSound(const std::string& alias) override;
    [[noreturn]] void quit() override;

private:
    struct Sound;
    Sound* sound_ = nullptr; // opened on the first alert, not at start-up
};

// The title every message box of the program carries.
inline constexpr const char* kMessageBoxTitle = "Lagewandler";

} // namespace lw::ui
