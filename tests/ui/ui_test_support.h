// Shared pieces of the screen tests: a platform that records instead of
// showing boxes (so no real dialog can block a test), and finding, clicking
// and typing into elements by their names.
#pragma once

#include "model/job.h"
#include "ui/column_dialog.h"
#include "ui/platform.h"
#include "ui/program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace lw::ui::test {

struct RecordedBox {
    MessageIcon icon;
    QString text;
};

class RecordingPlatform : public Platform {
public:
    Answer messageBox(QWidget*, MessageIcon icon, const QString& text) override {
        boxes.push_back({icon, text});
        // A real box is a window of its own: the screen loses the activation
        // and gets it back only after the box has closed.
        if (takesActivation)
            QApplication::setActiveWindow(takesActivation);
        return icon == MessageIcon::Question ? questionAnswer : Answer::Ok;
    }
    void playSystemSound(const std::string& alias) override { sounds.push_back(alias); }
    void quit() override { ++quits; }
    // No file dialog: the file a test chose, "" as a cancelled dialog.
    QString saveFileName(QWidget*, const QString& suggested) override {
        suggestedSaveName = suggested;
        return savePath;
    }
    QString chooseListFile(QWidget*) override {
        ++fileQuestions;
        return fileToOpen;
    }
    // Takes the proposal, or the columns set, or cancels.
    std::optional<std::vector<std::size_t>> chooseColumns(QWidget*,
                                                          const ColumnQuestion& question) override {
        columnQuestions.push_back({question.table->columns, question.proposed, question.parts});
        if (cancelColumns)
            return std::nullopt;
        return columnsAnswer.value_or(question.proposed);
    }

    std::vector<RecordedBox> boxes;
    std::vector<std::string> sounds;
    int quits = 0;
    Answer questionAnswer = Answer::No;
    QString savePath;
    QWidget* takesActivation = nullptr; // the window a box activates, if any

    struct AskedColumns {
        std::vector<std::string> columns;
        std::vector<std::size_t> proposed;
        std::size_t parts;
    };
    QString suggestedSaveName;
    int fileQuestions = 0;
    QString fileToOpen;
    std::vector<AskedColumns> columnQuestions;
    std::optional<std::vector<std::size_t>> columnsAnswer; // unset: the proposal
    bool cancelColumns = false;
};

// Lets posted events (deferred deletes, activation) run.
inline void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

// The screens show boxes only through the platform. Should a real modal
// dialog open anyway, its event loop would wait for a user forever: end the
// test run at once instead.
class StrayDialogGuard {
public:
    StrayDialogGuard() {
        QObject::connect(&timer_, &QTimer::timeout, [] {
            if (qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                qFatal("a modal dialog opened outside the platform");
        });
        timer_.start(100);
    }

private:
    QTimer timer_;
};

// A started program over a fresh state and a recording platform.
struct RunningProgram {
    ProgramState state;
    RecordingPlatform platform;
    StrayDialogGuard guard;
    std::unique_ptr<Program> program;

    RunningProgram() : program(std::make_unique<Program>(state, platform)) {
        program->start();
        QApplication::setActiveWindow(program->selectionWindow());
        settle();
    }

    template <class T = QWidget> T* find(const char* name) const {
        for (QWidget* window : {program->calculationWindow(), program->selectionWindow()}) {
            if (!window)
                continue;
            if (window->objectName() == QLatin1String(name))
                return qobject_cast<T*>(window);
            if (auto* w = window->findChild<T*>(QLatin1String(name)))
                return w;
        }
        return nullptr;
    }

    QWidget* calc() const { return program->calculationWindow(); }

    // A left click in the middle of the element (buttons, labels, fields).
    void click(const char* name) {
        QWidget* w = find(name);
        QVERIFY2(w, name);
        QApplication::setActiveWindow(w->window());
        QTest::mouseClick(w, Qt::LeftButton);
        settle();
    }

    // Clicks the four task buttons, then "Weiter zur Zahleneingabe".
    void openTask(const char* start, const char* target, const char* input, const char* output) {
        for (const char* name : {start, target, input, output, "comZahlenEingabe"})
            click(name);
        if (QWidget* c = calc())
            QApplication::setActiveWindow(c);
        settle();
    }

    QString text(const char* name) const {
        if (auto* field = find<QLineEdit>(name))
            return field->text();
        if (auto* button = find<QAbstractButton>(name))
            return button->text();
        return QString();
    }

    bool hasFocus(const char* name) const {
        QWidget* w = find(name);
        return w && QApplication::focusWidget() == w;
    }
};

inline QColor painted(QWidget* w, QPalette::ColorRole role) {
    return w->palette().color(QPalette::Active, role);
}

} // namespace lw::ui::test
