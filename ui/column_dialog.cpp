#include "ui/column_dialog.h"

#include "ui/look.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace lw::ui {
namespace {

constexpr const char* kNone = "(keine)";

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// "Breite – 48,4119": the column with its first value, so that a column is
// recognised by what it holds, not only by its name.
QString itemText(const lists::CsvTable& table, std::size_t column) {
    QString text = fromStd(table.columns[column]);
    for (const std::vector<std::string>& row : table.rows)
        if (column < row.size() && !row[column].empty())
            return text + QStringLiteral(" – ") + fromStd(row[column]);
    return text;
}

} // namespace

ColumnDialog::ColumnDialog(QWidget* parent, const ColumnQuestion& question)
    : QDialog(parent), table_(*question.table) {
    setObjectName(QStringLiteral("foSpalten"));
    setWindowTitle(QStringLiteral("Koordinatenspalten wählen"));
    setFont(look::screenFont());
    // Wide enough that a column's name and first value show whole.
    setMinimumWidth(look::px(6000));
    auto* layout = new QVBoxLayout(this);

    auto* labSpalten = new QLabel(this);
    labSpalten->setObjectName(QStringLiteral("labSpalten"));
    labSpalten->setWordWrap(true);
    const QString intro =
        QStringLiteral("%1 hat eine Kopfzeile mit %2 Spalten. In welchen Spalten steht die "
                       "Koordinate in %3?")
            .arg(question.fileName)
            .arg(table_.columns.size())
            .arg(question.notation);
    const QString proposal =
        question.proposed.empty()
            ? QStringLiteral("Keine Spalte liest sich als %1; bitte wählen Sie.")
                  .arg(question.notation)
            : QStringLiteral("Vorgeschlagen sind die Spalten, deren Werte sich als %1 lesen.")
                  .arg(question.notation);
    labSpalten->setText(intro + QStringLiteral("\n\n") + proposal);
    layout->addWidget(labSpalten);

    // Of columns named alike only the first can be named to the list.
    std::vector<std::size_t> offered;
    for (std::size_t c = 0; c < table_.columns.size(); ++c)
        if (std::find(table_.columns.begin(), table_.columns.begin() + static_cast<long>(c),
                      table_.columns[c]) == table_.columns.begin() + static_cast<long>(c))
            offered.push_back(c);

    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < question.parts; ++i) {
        auto* choice = new QComboBox(this);
        choice->setObjectName(QStringLiteral("cboSpalte%1").arg(i + 1));
        choice->addItem(QString::fromUtf8(kNone), -1);
        for (std::size_t c : offered)
            choice->addItem(itemText(table_, c), static_cast<int>(c));
        if (i < question.proposed.size())
            choice->setCurrentIndex(choice->findData(static_cast<int>(question.proposed[i])));
        const QString caption = QStringLiteral("%1. Spalte:").arg(i + 1);
        choice->setAccessibleName(QStringLiteral("%1. Koordinatenspalte").arg(i + 1));
        auto* label = new QLabel(caption, this);
        label->setBuddy(choice);
        form->addRow(label, choice);
        connect(choice, &QComboBox::currentIndexChanged, this, &ColumnDialog::choiceChanged);
        choices_.push_back(choice);
    }
    layout->addLayout(form);

    labHinweis_ = new QLabel(this);
    labHinweis_->setObjectName(QStringLiteral("labSpaltenHinweis"));
    labHinweis_->setWordWrap(true);
    layout->addWidget(labHinweis_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    comOK_ = new QPushButton(QStringLiteral("Umrechnen"), this);
    comOK_->setObjectName(QStringLiteral("comSpaltenOK"));
    comOK_->setDefault(true);
    auto* comAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    comAbbrechen->setObjectName(QStringLiteral("comSpaltenAbbrechen"));
    buttons->addWidget(comOK_);
    buttons->addWidget(comAbbrechen);
    layout->addLayout(buttons);
    connect(comOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(comAbbrechen, &QPushButton::clicked, this, &QDialog::reject);

    for (std::size_t i = 1; i < choices_.size(); ++i)
        setTabOrder(choices_[i - 1], choices_[i]);
    if (!choices_.empty()) {
        setTabOrder(choices_.back(), comOK_);
        choices_.front()->setFocus(Qt::OtherFocusReason);
    }
    setTabOrder(comOK_, comAbbrechen);
    choiceChanged();
}

std::vector<std::size_t> ColumnDialog::chosen() const {
    std::vector<std::size_t> columns;
    for (const QComboBox* choice : choices_)
        if (const int column = choice->currentData().toInt(); column >= 0)
            columns.push_back(static_cast<std::size_t>(column));
    return columns;
}

// A column named twice would be read twice; none at all gives no coordinate.
void ColumnDialog::choiceChanged() {
    const std::vector<std::size_t> columns = chosen();
    QString hint;
    if (columns.empty())
        hint = QStringLiteral("Wählen Sie mindestens eine Spalte.");
    for (std::size_t i = 0; i < columns.size() && hint.isEmpty(); ++i)
        if (std::count(columns.begin(), columns.end(), columns[i]) > 1)
            hint = QStringLiteral("Die Spalte \"%1\" ist zweimal gewählt.")
                       .arg(fromStd(table_.columns[columns[i]]));
    labHinweis_->setText(hint);
    labHinweis_->setVisible(!hint.isEmpty());
    comOK_->setEnabled(hint.isEmpty());
    comOK_->setAccessibleDescription(hint);
}

std::optional<std::vector<std::size_t>> askForColumns(QWidget* parent,
                                                      const ColumnQuestion& question) {
    ColumnDialog dialog(parent, question);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen();
}

} // namespace lw::ui
