#include "ui/sound_theme.h"

#include <dlfcn.h>

namespace lw::ui {
namespace {

// The ABI the program relies on (libcanberra0): the soname, and the property
// name of a theme event (CA_PROP_EVENT_ID in canberra.h).
constexpr const char* kLibrary = "libcanberra.so.0";
constexpr const char* kEventIdProperty = "event.id";

template <typename Function> Function symbol(void* library, const char* name) {
    return reinterpret_cast<Function>(dlsym(library, name));
}

} // namespace

SoundTheme::SoundTheme() {
    library_ = dlopen(kLibrary, RTLD_NOW | RTLD_LOCAL);
    if (!library_)
        return;
    auto create = symbol<int (*)(void**)>(library_, "ca_context_create");
    play_ = symbol<int (*)(void*, unsigned, ...)>(library_, "ca_context_play");
    destroy_ = symbol<int (*)(void*)>(library_, "ca_context_destroy");
    if (!create || !play_ || !destroy_ || create(&context_) != 0)
        context_ = nullptr;
}

SoundTheme::~SoundTheme() {
    if (context_)
        destroy_(context_);
    // The library stays loaded: its sound-server threads may still be ending.
}

bool SoundTheme::isOpen() const {
    return context_ != nullptr;
}

bool SoundTheme::play(const char* event) {
    if (!context_)
        return false;
    // ca_context_play's property list ends with a null pointer.
    return play_(context_, 0, kEventIdProperty, event, static_cast<const char*>(nullptr)) == 0;
}

} // namespace lw::ui
