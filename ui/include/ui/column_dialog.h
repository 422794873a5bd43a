// The small dialog that asks which columns of a CSV file hold the
// coordinate: one choice per field of the input mask, the proposed columns
// chosen, each column shown with its first value. Enter takes the choice,
// Esc leaves everything as it was.
#pragma once

#include "lists/list_file.h"

#include <QDialog>
#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace lw::ui {

struct ColumnQuestion {
    const lists::CsvTable* table = nullptr;
    std::size_t parts = 2;             // the input mask's fields: at most this many columns
    QString notation;                  // "Grad (dezimal)"
    QString fileName;                  // as the user knows it, without the folder
    std::vector<std::size_t> proposed; // may be empty
};

class ColumnDialog : public QDialog {
    Q_OBJECT
public:
    ColumnDialog(QWidget* parent, const ColumnQuestion& question);

    // The chosen columns in the coordinate's order (indexes into the table's
    // columns); a choice left at "(keine)" is skipped.
    std::vector<std::size_t> chosen() const;

private:
    void choiceChanged();

    std::vector<QComboBox*> choices_;
    QLabel* labHinweis_ = nullptr;
    QPushButton* comOK_ = nullptr;
    const lists::CsvTable& table_;
};

// Asks with the dialog, modal over `parent`; nullopt when cancelled.
std::optional<std::vector<std::size_t>> askForColumns(QWidget* parent,
                                                      const ColumnQuestion& question);

} // namespace lw::ui
