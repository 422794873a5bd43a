// The dialogs every platform shows alike: the desktop's file dialog and the
// program's own column dialog. A recording platform answers them instead.
#include "ui/platform.h"

#include "ui/column_dialog.h"

#include <QDir>
#include <QFileDialog>

namespace lw::ui {

QString Platform::chooseListFile(QWidget* parent) {
    return QFileDialog::getOpenFileName(
        parent, QStringLiteral("Liste öffnen"), QDir::homePath(),
        QStringLiteral("Listen von Punkten (*.txt *.csv *.tsv);;Alle Dateien (*)"));
}

std::optional<std::vector<std::size_t>> Platform::chooseColumns(QWidget* parent,
                                                                const ColumnQuestion& question) {
    return askForColumns(parent, question);
}

} // namespace lw::ui
