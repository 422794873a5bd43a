// What the screens need from the desktop besides widgets: modal message
// boxes, the error sound and ending the program. The program uses the desktop
// implementation; the scenario runner and the Qt tests put recorders in its place.
#pragma once

#include "model/messages.h"

#include <QString>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace lw::ui {

struct ColumnQuestion;

enum class Answer { Ok, Yes, No };

class Platform {
public:
    virtual ~Platform() = default;
    // A modal message box titled "Lagewandler" over `parent`: Critical and
    // Information with one OK button; Question with Yes and No, No the default.
    virtual Answer messageBox(QWidget* parent, MessageIcon icon, const QString& text) = 0;
    // Plays a named system alert without waiting ("SystemHand": critical stop).
    virtual void playSystemSound(const std::string& alias) = 0;
    // Ends the program at once: no further window events run.
    virtual void quit() = 0;
    // The list file to open, chosen in the desktop's file dialog; empty
    // when cancelled.
    virtual QString chooseListFile(QWidget* parent);
    // The coordinate columns of a CSV file, chosen in the column dialog
    // (column_dialog.h); nullopt when cancelled.
    virtual std::optional<std::vector<std::size_t>> chooseColumns(QWidget* parent,
                                                                  const ColumnQuestion& question);

    // Asks for the file to save a list in, `suggested` proposed; "" when the
    // user cancels. The desktop's file dialog unless a recorder answers.
    virtual QString saveFileName(QWidget* parent, const QString& suggested);
};

} // namespace lw::ui
