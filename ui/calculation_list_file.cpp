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

#include <QFileInfo>

#include <cctype>

namespace lw::ui {
namespace {

constexpr const char* kCannotOpen = "Die Liste kann nicht geöffnet werden.";
constexpr const char* kNotForAllNotations =
    "Eine Liste wird nicht in alle Schreibweisen umgerechnet. Wählen Sie mit \"Neue "
    "Startoptionen wählen\" eine Ausgabe.";

std::string lowerCase(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

// The task as lagewandler-liste names it: the ellipsoids' short names are
// the job's names in lower case, the notations' those of the notation table;
// the fields beside the output give a chosen zone or strip.
lists::TaskNames CalculationScreen::listTask() const {
    const ConversionJob& job = state_.job;
    lists::TaskNames task;
    task.startEllipsoid = lowerCase(job.StartEllipsoid);
    task.targetEllipsoid = lowerCase(job.ZielEllipsoid);
    if (const Notation* in = notationOf(inputFormatOfTask(job.Aufgabe)))
        task.startNotation = in->names.shortName;
    if (const Notation* out = notationOf(outputFormatOfTask(job.Aufgabe))) {
        task.targetNotation = out->names.shortName;
        if (out->outputChoice != Element::Count_)
            (out->code == kUTMamtlich ? task.zone : task.strip) = text(out->outputChoice);
    }
    task.official = job.Amtlich;
    return task;
}

std::optional<CalculationScreen::ListFile> CalculationScreen::prepareListFile(const QString& path) {
    auto refuse = [&](const std::string& reason) {
        showMessage(MessageIcon::Critical, kCannotOpen + std::string("\n") + reason);
        return std::nullopt;
    };
    if (state_.job.FormatAUS == kAlleSchreibweisen)
        return refuse(kNotForAllNotations);
    const std::string name = path.toStdString();
    std::string error;
    std::optional<std::string> bytes = lists::readWholeFile(name, error);
    if (!bytes)
        return refuse(error);
    ListFile file;
    file.encoding = lists::detectEncoding(*bytes);
    if (const std::optional<std::string> reason = lists::notTextReason(*bytes, file.encoding))
        return refuse(name + ": " + *reason);
    const lists::TaskNames task = listTask();
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
