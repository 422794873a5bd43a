#pragma once

#include <thread>

namespace lw::ui {

// Reads the system's font configuration on a second thread while Qt starts.
// Parsing it is the largest single piece of start-up (a few milliseconds of
// XML), and the first screen cannot draw a letter without it; Qt meanwhile
// connects to the display and loads its platform plugin. wait() joins the
// thread before the first font is looked up, so Qt finds the configuration
// ready instead of reading it a second time.
class FontConfigWarmUp {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    void wait();

private:
    std::thread thread_;
};

} // namespace lw::ui
