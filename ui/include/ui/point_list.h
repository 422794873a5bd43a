// A list of points in the calculation screen, in place of the output mask:
// one row a line (identifier, input as read, result or, greyed, the reason,
// where the point lies), a count above it, "Liste kopieren" and "Liste
// speichern …". The lines are converted off the screen's thread, by the
// same records reader and list converter as `lagewandler-liste`, and shown
// as they come; Esc cancels.
#pragma once

#include "lists/options.h"
#include "lists/table.h"

#include <QAbstractTableModel>
#include <QTableView>

#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

class QGroupBox;
class QLabel;
class QProgressBar;
class QShortcut;

namespace lw::ui {

class ScreenButton;

// The rows of the list over the compact table: no widget and no QString a
// row, so that 100,000 lines cost little beyond their texts.
class PointListModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void clear();
    void append(const lists::PointTable& rows);
    const lists::PointTable& table() const { return table_; }
    lists::PointTable& table() { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    lists::PointTable table_;
};

// The table: arrow keys through the rows, Ctrl+C copies the selected rows'
// lines. Rows and columns follow the font the zoom gives it.
class PointListView : public QTableView {
public:
    PointListView(QWidget* parent, std::function<void()> copySelected);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitToFont();

private:
    std::function<void()> copySelected_;
};

class PointList : public QObject {
public:
    // Builds the frame on `screen`, hidden. `save` is asked for the file to
    // save the list in ("" for none); `copied` reports a copy to the screen.
    PointList(QWidget* screen, std::function<QString()> askSaveFile,
              std::function<void(const QString& error)> saveFailed);
    ~PointList() override;

    QGroupBox* frame() const { return frame_; }
    QWidget* view() const;
    QWidget* copyButton() const;
    QWidget* saveButton() const;

    // Converts `bytes` as a list file with `options` and shows the rows as
    // they come. `options` must have passed checkTask.
    void start(std::string bytes, const lists::Options& options, const std::string& separator,
               const QString& caption);
    // Stops a running conversion; the rows so far stay.
    void cancel();
    // Stops and empties the list and hides the frame.
    void leave();
    bool shown() const;
    bool running() const { return worker_.joinable() && !finished_; }

    // The whole list as the list converter writes it, in its character set.
    std::string text() const { return model_->table().text(); }
    // The same for the clipboard, in UTF-8.
    QString clipboardText() const;
    // The CSV header's fault that ended the reading, if any.
    const std::optional<std::string>& usageError() const { return usageError_; }

    // Selects the next refused row after the current one.
    void selectNextRefused();

private:
    struct Delivery {
        unsigned run;
        lists::PointTable rows;
        std::size_t bytesRead;
    };
    void join();
    void take();
    void finish(unsigned run, const lists::ListRunEnd& end);
    void updateCount();
    void copyAll();
    void copySelected();
    void save();

    QGroupBox* frame_ = nullptr;
    QLabel* count_ = nullptr;
    QProgressBar* progress_ = nullptr;
    PointListModel* model_ = nullptr;
    PointListView* view_ = nullptr;
    ScreenButton* copy_ = nullptr;
    ScreenButton* save_ = nullptr;
    QShortcut* escape_ = nullptr;
    QShortcut* nextRefused_ = nullptr;
    std::function<QString()> askSaveFile_;
    std::function<void(const QString&)> saveFailed_;

    std::string bytes_; // the list's input, read by the worker
    lists::Options options_;
    std::string separator_;
    std::thread worker_;
    std::atomic<bool> cancel_{false};
    unsigned run_ = 0; // deliveries of earlier runs are dropped
    std::mutex mutex_;
    std::deque<Delivery> deliveries_;
    bool takePosted_ = false;
    bool finished_ = true;
    bool cancelled_ = false;
    std::optional<std::string> usageError_;
};

} // namespace lw::ui
