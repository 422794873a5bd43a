#include "ui/point_list.h"

#include "lists/charset.h"
#include "lists/file_encoding.h"
#include "ui/look.h"
#include "ui/widgets.h"

#include <QClipboard>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QProgressBar>
#include <QShortcut>

#include <algorithm>

namespace lw::ui {
namespace {

// In twips: where the output mask stands and to the left of it under
// "Berechnung" (the copy button and the place line have nothing to show for
// a list), as wide as "Berechnung"; taller than a mask, so that twelve rows
// show at once.
constexpr int kLeft = 0, kTop = 4995, kWidth = 14850, kHeight = 4800;
constexpr int kInside = 150, kCountTop = 330, kCountHeight = 390;
constexpr int kButtonWidth = 2700, kButtonGap = 150;
constexpr int kProgressTop = 780, kProgressHeight = 180;
constexpr int kTableTop = 1020;
// Column widths in twips: identifier, input, result; the place takes the
// rest (a cut text shows whole as the cell's tooltip).
constexpr int kColumnWidths[] = {1100, 3300, 3900};
// The key that selects the next refused row: F8, "next error" in many
// programs that list faults.
constexpr auto kNextRefusedKey = Qt::Key_F8;

constexpr const char* kCopyCaption = "Liste kopieren";
constexpr const char* kCopiedCaption = "Kopiert";
constexpr const char* kSaveCaption = "Liste speichern …";
constexpr const char* kColumns[] = {"Kennung", "Eingabe", "Ergebnis", "Lage"};
constexpr const char* kViewName = "Punktliste";
constexpr const char* kViewDescription =
    "Pfeiltasten: Zeilen; F8: nächste Zeile mit Fehler; Strg+C: gewählte Zeilen kopieren; "
    "Esc: Umrechnung abbrechen";

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString lines(std::size_t n) {
    return QString::number(n) + (n == 1 ? QStringLiteral(" Zeile") : QStringLiteral(" Zeilen"));
}

} // namespace

// ---- the model ----

void PointListModel::clear() {
    beginResetModel();
    table_.clear();
    endResetModel();
}

void PointListModel::append(const lists::PointTable& rows) {
    if (rows.size() == 0)
        return;
    const int first = static_cast<int>(table_.size());
    beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
    table_.append(rows);
    endInsertRows();
}

int PointListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.size());
}

int PointListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(std::size(kColumns));
}

QVariant PointListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= table_.size())
        return {};
    const lists::PointTable::Row row = table_.row(static_cast<std::size_t>(index.row()));
    const bool refused = row.kind == lists::PointTable::Kind::Refused;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        switch (index.column()) {
        case 0:
            return utf8(row.identifier);
        case 1:
            return utf8(row.input);
        case 2:
            // A CSV header is written as the list converter writes it.
            return row.kind == lists::PointTable::Kind::Header ? utf8(row.output) : utf8(row.text);
        default:
            return QString::fromStdString(lists::PointTable::placeLine(row));
        }
    case Qt::ForegroundRole:
        if (refused && index.column() == 2)
            return QColor(look::kDisabledText);
        return {};
    case Qt::AccessibleDescriptionRole:
        return refused && index.column() == 2 ? QStringLiteral("ausgegraut") : QVariant();
    default:
        return {};
    }
}

QVariant PointListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < static_cast<int>(std::size(kColumns))
                   ? QString::fromUtf8(kColumns[section])
                   : QVariant();
    return section + 1;
}

// ---- the view ----

PointListView::PointListView(QWidget* parent, std::function<void()> copySelected)
    : QTableView(parent), copySelected_(std::move(copySelected)) {}

// Rows of one height and columns of fixed widths, both from the font: nothing
// is measured over 100,000 rows.
void PointListView::fitToFont() {
    const QFont small = look::smallFont();
    const double scale = static_cast<double>(fontMetrics().height()) /
                         static_cast<double>(QFontMetrics(small).height());
    horizontalHeader()->setFont(font());
    verticalHeader()->setFont(font());
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    for (int c = 0; c < static_cast<int>(std::size(kColumnWidths)); ++c)
        setColumnWidth(c, static_cast<int>(look::px(kColumnWidths[c]) * scale));
}

void PointListView::changeEvent(QEvent* event) {
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitToFont();
}

void PointListView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        event->accept();
        copySelected_();
        return;
    }
    QTableView::keyPressEvent(event);
}

// ---- the frame ----

PointList::PointList(QWidget* screen, std::function<QString()> askSaveFile,
                     std::function<void(const QString&)> saveFailed)
    : QObject(screen), askSaveFile_(std::move(askSaveFile)), saveFailed_(std::move(saveFailed)) {
    frame_ = new QGroupBox(screen);
    frame_->setObjectName(QStringLiteral("fraListeAUS"));
    look::setFrameLook(frame_);
    frame_->setGeometry(look::twipRect(kLeft, kTop, kWidth, kHeight));
    frame_->hide();

    const int inner = kWidth - 2 * kInside;
    count_ = new QLabel(frame_);
    count_->setObjectName(QStringLiteral("labListeAnzahl"));
    count_->setGeometry(
        look::twipRect(kInside, kCountTop, inner - 2 * (kButtonWidth + kButtonGap), kCountHeight));

    copy_ = new ScreenButton(QString::fromUtf8(kCopyCaption), frame_);
    copy_->setObjectName(QStringLiteral("comListeKopieren"));
    copy_->setGeometry(look::twipRect(kWidth - kInside - 2 * kButtonWidth - kButtonGap, kCountTop,
                                      kButtonWidth, kCountHeight));
    look::setButtonColour(copy_, QColor(look::kGrey));
    connect(copy_, &QPushButton::clicked, this, &PointList::copyAll);

    save_ = new ScreenButton(QString::fromUtf8(kSaveCaption), frame_);
    save_->setObjectName(QStringLiteral("comListeSpeichern"));
    save_->setGeometry(
        look::twipRect(kWidth - kInside - kButtonWidth, kCountTop, kButtonWidth, kCountHeight));
    look::setButtonColour(save_, QColor(look::kGrey));
    connect(save_, &QPushButton::clicked, this, &PointList::save);

    progress_ = new QProgressBar(frame_);
    progress_->setObjectName(QStringLiteral("barListe"));
    progress_->setGeometry(look::twipRect(kInside, kProgressTop, inner, kProgressHeight));
    progress_->setTextVisible(false);
    progress_->setRange(0, 1000);
    progress_->setAccessibleName(QStringLiteral("Fortschritt der Umrechnung"));
    progress_->hide();

    model_ = new PointListModel(this);
    view_ = new PointListView(frame_, [this] { copySelected(); });
    view_->setObjectName(QStringLiteral("tabListe"));
    view_->setModel(model_);
    view_->setGeometry(look::twipRect(kInside, kTableTop, inner, kHeight - kTableTop - kInside));
    view_->setFont(look::smallFont()); // fits rows and columns to it
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setWordWrap(false);
    view_->setAlternatingRowColors(true);
    view_->setTabKeyNavigation(false);
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->setAccessibleName(QString::fromUtf8(kViewName));
    view_->setAccessibleDescription(QString::fromUtf8(kViewDescription));

    escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), screen);
    escape_->setEnabled(false);
    connect(escape_, &QShortcut::activated, this, &PointList::cancel);
    nextRefused_ = new QShortcut(QKeySequence(kNextRefusedKey), screen);
    nextRefused_->setEnabled(false);
    connect(nextRefused_, &QShortcut::activated, this, &PointList::selectNextRefused);
}

PointList::~PointList() {
    join();
}

QWidget* PointList::view() const {
    return view_;
}
QWidget* PointList::copyButton() const {
    return copy_;
}
QWidget* PointList::saveButton() const {
    return save_;
}

bool PointList::shown() const {
    return !frame_->isHidden();
}

void PointList::join() {
    cancel_ = true;
    if (worker_.joinable())
        worker_.join();
    std::lock_guard lock(mutex_);
    deliveries_.clear();
}

void PointList::start(std::string bytes, const lists::Options& options,
                      const std::string& separator, const QString& caption) {
    join();
    ++run_;
    cancel_ = false;
    finished_ = false;
    cancelled_ = false;
    usageError_.reset();
    bytes_ = std::move(bytes);
    options_ = options;
    separator_ = separator;
    model_->clear();
    model_->table().setWithPlace(options.place);
    // A record per line end (and one after the last), fewer in CSV.
    model_->table().reserve(
        static_cast<std::size_t>(std::count(bytes_.begin(), bytes_.end(), '\n')) + 1);
    frame_->setTitle(caption);
    frame_->setAccessibleName(caption);
    progress_->setValue(0);
    progress_->show();
    copy_->setText(QString::fromUtf8(kCopyCaption));
    escape_->setEnabled(true);
    nextRefused_->setEnabled(true);
    frame_->show();
    updateCount();

    const unsigned run = run_;
    worker_ = std::thread([this, run] {
        auto deliver = [this, run](lists::PointTable& rows, std::size_t bytesRead) {
            std::lock_guard lock(mutex_);
            deliveries_.push_back({run, std::move(rows), bytesRead});
            rows = lists::PointTable(options_.place);
            if (!takePosted_) {
                takePosted_ = true;
                QMetaObject::invokeMethod(
                    this, [this] { take(); }, Qt::QueuedConnection);
            }
        };
        const lists::ListRunEnd end =
            lists::convertList(bytes_, options_, separator_, cancel_, deliver);
        QMetaObject::invokeMethod(
            this,
            [this, run, end] {
                take();
                finish(run, end);
            },
            Qt::QueuedConnection);
    });
}

// The rows converted since the last look, shown at once.
void PointList::take() {
    std::deque<Delivery> taken;
    {
        std::lock_guard lock(mutex_);
        taken.swap(deliveries_);
        takePosted_ = false;
    }
    std::size_t bytesRead = 0;
    for (Delivery& d : taken)
        if (d.run == run_) {
            model_->append(d.rows);
            bytesRead = d.bytesRead;
        }
    if (!taken.empty() && !bytes_.empty())
        progress_->setValue(static_cast<int>(1000.0 * static_cast<double>(bytesRead) /
                                             static_cast<double>(bytes_.size())));
    updateCount();
}

void PointList::finish(unsigned run, const lists::ListRunEnd& end) {
    if (run != run_)
        return;
    if (worker_.joinable())
        worker_.join();
    finished_ = true;
    cancelled_ = end.cancelled;
    usageError_ = end.usageError;
    progress_->hide();
    escape_->setEnabled(false);
    updateCount();
    if (!view_->currentIndex().isValid() && model_->rowCount() > 0)
        view_->setCurrentIndex(model_->index(0, 0));
}

void PointList::cancel() {
    if (!running())
        return;
    cancel_ = true;
}

void PointList::leave() {
    join();
    ++run_;
    finished_ = true;
    model_->clear();
    bytes_.clear();
    bytes_.shrink_to_fit();
    progress_->hide();
    escape_->setEnabled(false);
    nextRefused_->setEnabled(false);
    frame_->hide();
}

// "20 Zeilen: 18 umgerechnet, 2 mit Fehler"
void PointList::updateCount() {
    const lists::PointTable& table = model_->table();
    QString text = lines(table.size()) + QStringLiteral(": ") + QString::number(table.converted()) +
                   QStringLiteral(" umgerechnet, ") + QString::number(table.refused()) +
                   QStringLiteral(" mit Fehler");
    if (cancelled_)
        text += QStringLiteral(" – abgebrochen, weitere Zeilen nicht gelesen");
    if (usageError_)
        text += QStringLiteral(" – ") + QString::fromStdString(*usageError_);
    count_->setText(text);
    count_->setAccessibleName(text);
    view_->setAccessibleDescription(text + QStringLiteral(". ") +
                                    QString::fromUtf8(kViewDescription));
}

void PointList::selectNextRefused() {
    if (!shown())
        return;
    const QModelIndex current = view_->currentIndex();
    const std::size_t from = current.isValid() ? static_cast<std::size_t>(current.row()) + 1 : 0;
    const std::optional<std::size_t> row = model_->table().nextRefused(from);
    if (!row)
        return;
    const QModelIndex index = model_->index(static_cast<int>(*row), 2);
    view_->setFocus(Qt::ShortcutFocusReason);
    view_->setCurrentIndex(index);
    view_->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect |
                                               QItemSelectionModel::Rows);
    view_->scrollTo(index);
}

QString PointList::clipboardText() const {
    std::string text = model_->table().text();
    if (model_->table().writesCp1252()) {
        std::string converted;
        lists::cp1252ToUtf8(text, converted);
        text.swap(converted);
    }
    return QString::fromStdString(text);
}

void PointList::copyAll() {
    QGuiApplication::clipboard()->setText(clipboardText());
    copy_->setText(QString::fromUtf8(kCopiedCaption));
}

void PointList::copySelected() {
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedRows())
        rows.push_back(static_cast<std::size_t>(index.row()));
    std::sort(rows.begin(), rows.end());
    if (rows.empty())
        return;
    std::string text = model_->table().linesOf(rows);
    text.pop_back(); // the lines between, not after the last
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void PointList::save() {
    const QString path = askSaveFile_();
    if (path.isEmpty())
        return;
    // An opened file is written back in the encoding it came in.
    const std::string text =
        lists::savedListText(model_->table().text(), lists::detectEncoding(bytes_));
    std::FILE* file = std::fopen(path.toLocal8Bit().constData(), "wb");
    bool ok = file != nullptr;
    if (file) {
        ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
        ok = std::fclose(file) == 0 && ok;
    }
    if (!ok)
        saveFailed_(QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(path));
}

} // namespace lw::ui
