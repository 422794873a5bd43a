// The desktop's sound theme (libcanberra on Linux). The library is opened at
// the first alert, not linked: linked, it and its Vorbis, theme and sound
// server libraries would all be loaded at every start although most sessions
// never sound an alert.
#pragma once

namespace lw::ui {

class SoundTheme {
public:
    SoundTheme();
    ~SoundTheme();
    SoundTheme(const SoundTheme&) = delete;
    SoundTheme& operator=(const SoundTheme&) = delete;

    // Whether the library was found and a context created; without it every
    // play() is silent.
    bool isOpen() const;
    // Plays a freedesktop sound-theme event such as "dialog-error" and returns
    // at once; false when nothing could be handed to the sound system.
    bool play(const char* event);

private:
    void* library_ = nullptr;
    void* context_ = nullptr;
    int (*play_)(void* context, unsigned id, ...) = nullptr;
    int (*destroy_)(void* context) = nullptr;
};

} // namespace lw::ui
