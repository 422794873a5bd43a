// The calculation screen and list files: "Liste öffnen …" and a file dropped
// on the window read a text or CSV file as lagewandler-liste reads it. The
// window cannot be told the character set or the columns: the encoding is
// detected, and a CSV file's coordinate columns are asked for in a small
// dialog that proposes them (lists/list_file.h decides, this file asks).
#include "lists/file_encoding.h"
#include "lists/input_file.h"
#include "lists/list_file.h"
#include "model/notations.h"
#include "ui/calculation_screen.h"
#include "ui/column_dialog.h"
#include "ui/look.h"
#include "ui/widgets.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QShortcut>
#include <QTimer>
#include <QUrl>

namespace lw::ui {
namespace {

constexpr const char* kCannotOpen = "Die Liste kann nicht geöffnet werden.";

constexpr const char* kOpenCaption = "Liste öffnen …";
constexpr const char* kOneFileOnly =
    "Legen Sie nur eine Datei ab: eine Liste wird für sich umgerechnet.";

// Just above "Berechnung", between the hint panel and the input masks, where
// neither they nor the map in the hint's place reach, on 1024 x 768 too;
// below "Berechnung" the list of points takes the whole width.
constexpr int kOpenLeft = 4500, kOpenTop = 3825, kOpenWidth = 2895, kOpenHeight = 450;

// The local files a drag carries; a link to a web page is none.
QStringList localFiles(const QMimeData* mime) {
    QStringList paths;
    if (mime && mime->hasUrls())
        for (const QUrl& url : mime->urls())
            if (url.isLocalFile())
                paths << url.toLocalFile();
    return paths;
}

} // namespace

std::optional<CalculationScreen::ListFile> CalculationScreen::prepareListFile(const QString& path) {
    auto refuse = [&](const std::string& reason) {
        showMessage(MessageIcon::Critical, kCannotOpen + std::string("\n") + reason);
        return std::nullopt;
    };
    if (refuseListForAllNotations())
        return std::nullopt;
    const std::string name = path.toStdString();
    std::string error;
    std::optional<std::string> bytes = lists::readWholeFile(name, error);
    if (!bytes)
        return refuse(error);
    ListFile file;
    file.encoding = lists::detectEncoding(*bytes);
    if (const std::optional<std::string> reason = lists::notTextReason(*bytes, file.encoding))
        return refuse(name + ": " + *reason);
    const lists::TaskNames task = pointListOptions().task;
    if (const std::optional<std::string> fault = lists::checkTask(task))
        return refuse(*fault);
    file.options = lists::fileOptions(task, file.encoding);

    const lists::Engine engine(task, localeDecimalSeparator(), false);
    if (const std::optional<lists::CsvTable> table =
            lists::csvTableOf(*bytes, file.encoding, engine)) {
        lists::Engine trial(task, localeDecimalSeparator(), false);
        ColumnQuestion question;
        question.table = &*table;
        question.parts = trial.inputParts();
        question.notation = QString::fromUtf8(trial.inputLabel().data(),
                                              static_cast<qsizetype>(trial.inputLabel().size()));
        question.fileName = QFileInfo(path).fileName();
        question.proposed = lists::proposeColumns(*table, trial);
        const std::optional<std::vector<std::size_t>> chosen =
            platform_.chooseColumns(this, question);
        if (!chosen || chosen->empty())
            return std::nullopt;
        lists::chooseColumns(file.options, *table, *chosen);
    }
    file.bytes = std::move(*bytes);
    return file;
}

} // namespace lw::ui

namespace lw::ui {

void CalculationScreen::buildListFileButton() {
    comListeOeffnen_ = new ScreenButton(QString::fromUtf8(kOpenCaption), this);
    comListeOeffnen_->setObjectName(QStringLiteral("comListeOeffnen"));
    comListeOeffnen_->setGeometry(look::twipRect(kOpenLeft, kOpenTop, kOpenWidth, kOpenHeight));
    look::setButtonColour(comListeOeffnen_, QColor(look::kGrey));
    comListeOeffnen_->setAccessibleName(QStringLiteral("Liste öffnen"));
    comListeOeffnen_->setAccessibleDescription(
        QStringLiteral("Eine Text- oder CSV-Datei mit einem Punkt je Zeile umrechnen (Strg+O); "
                       "eine Datei kann auch auf das Fenster gezogen werden."));
    // Every notation at once is a single point's view; a list is not offered.
    comListeOeffnen_->setVisible(state_.job.FormatAUS != kAlleSchreibweisen);
    connect(comListeOeffnen_, &QPushButton::clicked, this, &CalculationScreen::chooseListFile);
    auto* shortcut = new QShortcut(QKeySequence::Open, this);
    connect(shortcut, &QShortcut::activated, this, [this] {
        if (comListeOeffnen_->isVisible())
            chooseListFile();
    });

    // The fields take dropped text themselves; a dropped file is the
    // window's, wherever it lands.
    setAcceptDrops(true);
    for (QLineEdit* field : findChildren<QLineEdit*>())
        field->installEventFilter(this);
}

void CalculationScreen::chooseListFile() {
    const QString path = platform_.chooseListFile(this);
    if (!path.isEmpty())
        openListFile(path);
}

// The list is saved beside its file, under the file's name with
// "-umgerechnet", so that the original is not overwritten by a quick Enter.
void CalculationScreen::openListFile(const QString& path) {
    std::optional<ListFile> file = prepareListFile(path);
    if (!file)
        return;
    showPointList(std::move(file->bytes), file->options);
    const QFileInfo info(path);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    listSaveName_ =
        info.dir().filePath(info.completeBaseName() + QStringLiteral("-umgerechnet") + suffix);
}

bool CalculationScreen::takeDrop(QEvent* event) {
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (localFiles(drag->mimeData()).isEmpty())
            return false;
        drag->acceptProposedAction();
        return true;
    }
    if (event->type() != QEvent::Drop)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const QStringList paths = localFiles(drop->mimeData());
    if (paths.isEmpty())
        return false;
    drop->acceptProposedAction();
    // The file manager waits for the drop to end: the questions come after.
    QTimer::singleShot(0, this, [this, paths] {
        if (paths.size() > 1)
            showMessage(MessageIcon::Information, kOneFileOnly);
        else
            openListFile(paths.front());
    });
    return true;
}

void CalculationScreen::dragEnterEvent(QDragEnterEvent* event) {
    if (!takeDrop(event))
        QWidget::dragEnterEvent(event);
}

void CalculationScreen::dragMoveEvent(QDragMoveEvent* event) {
    if (!takeDrop(event))
        QWidget::dragMoveEvent(event);
}

void CalculationScreen::dropEvent(QDropEvent* event) {
    if (!takeDrop(event))
        QWidget::dropEvent(event);
}

bool CalculationScreen::eventFilter(QObject* watched, QEvent* event) {
    if (qobject_cast<QLineEdit*>(watched) && takeDrop(event))
        return true;
    return QWidget::eventFilter(watched, event);
}

} // namespace lw::ui
