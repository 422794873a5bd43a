// The desktop as a scenario sees it: every message box is recorded and
// answered at once, every error sound counted, and the end of the program
// recorded instead of carried out, so that a file can go on checking after it.
#pragma once

#include "model/messages.h"
#include "ui/platform.h"

#include <deque>
#include <functional>
#include <string>

namespace lw::scenario {

struct RecordedBox {
    MessageIcon icon = MessageIcon::Critical;
    std::string text; // UTF-8
};

// "critical", "information", "question": the words of the file format.
std::string iconWord(MessageIcon icon);

class RecordingPlatform : public ui::Platform {
public:
    // `report` receives one output line per box ("message ICON \"TEXT\"")
    // and per audible sound ("sound"), as they happen.
    explicit RecordingPlatform(std::function<void(const std::string&)> report);

    ui::Answer messageBox(QWidget* parent, MessageIcon icon, const QString& text) override;
    void playSystemSound(const std::string& alias) override;
    void quit() override;

    // The answer to the next question box only; afterwards No again.
    void setNextAnswer(ui::Answer answer) { nextAnswer_ = answer; }

    // Boxes in the order they appeared, oldest first, not yet checked.
    std::deque<RecordedBox>& uncheckedBoxes() { return unchecked_; }
    // Every box so far, checked or not: tells whether an action raised one.
    int boxCount() const { return boxCount_; }
    // Audible sounds since the last call.
    int takeSoundCount();
    bool hasQuit() const { return quit_; }

private:
    std::function<void(const std::string&)> report_;
    std::deque<RecordedBox> unchecked_;
    ui::Answer nextAnswer_ = ui::Answer::No;
    int boxCount_ = 0;
    int sounds_ = 0;
    bool quit_ = false;
};

} // namespace lw::scenario
