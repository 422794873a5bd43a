#include "ui/desktop_platform.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <cstdlib>

#ifdef _WIN32
#include <mmsystem.h>
#include <windows.h>
#else
#include "ui/sound_theme.h"
#endif

namespace lw::ui {
namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// The program's texts break lines with CR LF (a few with LF alone); a box
// shows a line break for either.
QString displayText(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

#ifndef _WIN32
// Windows sound aliases and the freedesktop sound-theme events that stand in
// for them.
const char* themeEvent(const std::string& alias) {
    if (alias == "SystemHand")
        return "dialog-error";
    return nullptr;
}
#endif

} // namespace

#ifndef _WIN32
// Without the library or a sound server nothing sounds.
struct DesktopPlatform::Sound : SoundTheme {};
#else
struct DesktopPlatform::Sound {};
#endif

DesktopPlatform::DesktopPlatform() = default;

DesktopPlatform::~DesktopPlatform() {
    delete sound_;
}

Answer DesktopPlatform::messageBox(QWidget* parent, MessageIcon icon, const QString& text) {
    QMessageBox box(boxIcon(icon), QString::fromLatin1(kMessageBoxTitle), displayText(text),
                    QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    if (icon == MessageIcon::Question) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        // German also where Qt's German translation is not installed. The
        // underlined letters answer the box: J and N alone (a message box
        // takes a button's letter without Alt) and with Alt.
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    box.setWindowModality(Qt::ApplicationModal);
    const int result = box.exec();
    if (icon != MessageIcon::Question)
        return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void DesktopPlatform::playSystemSound(const std::string& alias) {
#ifdef _WIN32
    (void)sound_;
    PlaySoundA(alias.c_str(), nullptr, SND_ALIAS | SND_NODEFAULT | SND_ASYNC);
#else
    const char* event = themeEvent(alias);
    if (!event)
        return;
    if (!sound_)
        sound_ = new Sound;
    sound_->play(event);
#endif
}

void DesktopPlatform::quit() {
    // At once: no closing handlers, no further window events.
    std::_Exit(EXIT_SUCCESS);
}

QString Platform::saveFileName(QWidget* parent, const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Liste speichern"), suggested);
}

} // namespace lw::ui
