// A list file as the window opens it, where no one names its character set,
// its kind or its columns: the encoding is detected (file_encoding.h), a
// first line that names columns makes it a CSV file, and the coordinate
// columns are proposed from what the input notation reads in the first rows.
// The result is the Options lagewandler-liste would have been called with.
#pragma once

#include "lists/engine.h"
#include "lists/file_encoding.h"
#include "lists/options.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lw::lists {

// The header and the first rows of a CSV file, as UTF-8 texts.
struct CsvTable {
    char delimiter = ';';
    std::vector<std::string> columns;           // the header's names, unquoted
    std::vector<std::vector<std::string>> rows; // the first rows' cells, unquoted
};

// The header and up to `sampleRows` rows when the first line that is neither
// blank nor a comment names columns: two or more cells, split at the first of
// ";", tab and "," it holds (as the list converter splits a header), each a
// name (a letter in it, no number, no "N48"), and no run of them a
// coordinate of the input notation (`engine` tells). nullopt for a plain list.
// The file's name does not count: spreadsheets save tab-separated text as
// ".txt", and a ".csv" without a header is a plain list.
std::optional<CsvTable> csvTableOf(std::string_view bytes, FileEncoding encoding,
                                   const Engine& engine, std::size_t sampleRows = 20);

// The coordinate columns proposed for the input notation, as indexes into
// table.columns in the coordinate's order; empty when nothing fits. The
// columns whose cells, joined as the list converter joins them, give the
// most rows the paste reader takes win; then names that say what they hold
// ("Breite", "Ostwert", …, latitude before longitude) and no identifier or
// running number; then the most rows that convert. Of columns named alike
// only the first is offered: --spalten names a column by its name.
std::vector<std::size_t> proposeColumns(const CsvTable& table, Engine& engine);

// The options for a file in `encoding`: Windows-1252 read and written as
// such; a byte-order mark decides itself.
Options fileOptions(const TaskNames& task, FileEncoding encoding);

// The chosen columns into the options (names, CSV, the header's delimiter).
void chooseColumns(Options& options, const CsvTable& table, const std::vector<std::size_t>& chosen);

} // namespace lw::lists
