// The real message boxes: title, icon, buttons and default button of each
// kind, and exactly one box for each case where a focus handler shows one
// (the box taking the focus away and giving it back must not run a handler
// a second time). A timer answers every box, so none can hang the run.
#include "ui_test_support.h"

#include "ui/desktop_platform.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

using namespace lw;
using namespace lw::ui;
using namespace lw::ui::test;

namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
};

// Watches for modal message boxes and answers each with Enter (its default
// button), recording what it saw.
class BoxAnswerer : public QObject {
public:
    BoxAnswerer() {
        connect(&timer_, &QTimer::timeout, this, [this] { answer(); });
        timer_.start(20);
    }
    std::vector<SeenBox> seen;

private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || answered_.contains(box))
            return;
        answered_.append(box);
        seen.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                        box->standardButton(box->defaultButton())});
        QTest::keyClick(box, Qt::Key_Return);
    }
    QTimer timer_;
    QList<QMessageBox*> answered_;
};

// Real boxes, recorded sounds and quit.
class BoxPlatform : public Platform {
public:
    Answer messageBox(QWidget* parent, MessageIcon icon, const QString& text) override {
        ++boxes;
        return desktop_.messageBox(parent, icon, text);
    }
    void playSystemSound(const std::string&) override { ++sounds; }
    void quit() override { ++quits; }
    int boxes = 0, sounds = 0, quits = 0;

private:
    DesktopPlatform desktop_;
};

struct ProgramWithBoxes {
    ProgramState state;
    BoxPlatform platform;
    BoxAnswerer answerer;
    std::unique_ptr<Program> program;
    ProgramWithBoxes() : program(std::make_unique<Program>(state, platform)) {
        program->start();
        QApplication::setActiveWindow(program->selectionWindow());
        settle();
    }
    QWidget* find(const char* name) const {
        QWidget* calc = program->calculationWindow();
        return calc ? calc->findChild<QWidget*>(QLatin1String(name)) : nullptr;
    }
    void click(const char* name) {
        QWidget* w = program->selectionWindow()->findChild<QWidget*>(QLatin1String(name));
        if (!w)
            w = find(name);
        QTest::mouseClick(w, Qt::LeftButton);
        settle();
    }
    bool focused(const char* name) const { return QApplication::focusWidget() == find(name); }
};

void key(Qt::Key k, const QString& text = QString()) {
    QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), k, text, Qt::NoModifier);
    settle();
}

} // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    void eachKindHasItsIconAndButtons_data();
    void eachKindHasItsIconAndButtons();
    void zoneCasesShowExactlyOneBox_data();
    void zoneCasesShowExactlyOneBox();
    void questionAnswersToLettersAndArrows_data();
    void questionAnswersToLettersAndArrows();
    void alertSoundReturnsAtOnceWithoutSoundServer();
};

void MessageBoxTest::eachKindHasItsIconAndButtons_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("defaultButton");
    QTest::addColumn<int>("answer");
    QTest::newRow("critical") << int(MessageIcon::Critical) << int(QMessageBox::Critical)
                              << int(QMessageBox::Ok) << int(QMessageBox::Ok) << int(Answer::Ok);
    QTest::newRow("information") << int(MessageIcon::Information) << int(QMessageBox::Information)
                                 << int(QMessageBox::Ok) << int(QMessageBox::Ok) << int(Answer::Ok);
    QTest::newRow("question") << int(MessageIcon::Question) << int(QMessageBox::Question)
                              << int(QMessageBox::Yes | QMessageBox::No) << int(QMessageBox::No)
                              << int(Answer::No);
}

void MessageBoxTest::eachKindHasItsIconAndButtons() {
    QFETCH(int, kind);
    DesktopPlatform platform;
    BoxAnswerer answerer;
    const Answer answer = platform.messageBox(nullptr, static_cast<MessageIcon>(kind),
                                              QStringLiteral("Erste Zeile\r\nzweite Zeile"));
    QTEST(int(answer), "answer");
    QCOMPARE(answerer.seen.size(), std::size_t(1));
    const SeenBox& box = answerer.seen[0];
    QCOMPARE(box.title, QStringLiteral("Lagewandler"));
    QCOMPARE(box.text, QStringLiteral("Erste Zeile\nzweite Zeile"));
    QTEST(int(box.icon), "icon");
    QTEST(int(box.buttons), "buttons");
    QTEST(int(box.defaultButton), "defaultButton");
}

void MessageBoxTest::zoneCasesShowExactlyOneBox_data() {
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<QString>("focusAfter");
    QTest::newRow("Tab into easting with empty zone") << ""
                                                      << "tab" << 1 << "texZone";
    QTest::newRow("click into northing with empty zone") << ""
                                                         << "clickHoch" << 1 << "texZone";
    QTest::newRow("refused key in the zone") << "9"
                                             << "minus" << 1 << "texZone";
    QTest::newRow("invalid zone left by Tab") << "9"
                                              << "tab" << 1 << "texZone";
    QTest::newRow("invalid zone left by Enter") << "3Y"
                                                << "enter" << 1 << "texZone";
    QTest::newRow("valid zone left by Tab") << "32U"
                                            << "tab" << 0 << "texRechts";
}

void MessageBoxTest::zoneCasesShowExactlyOneBox() {
    QFETCH(QString, zone);
    QFETCH(QString, action);
    ProgramWithBoxes p;
    for (const char* name : {"comUTMzivilEIN", "comGradDezAUS", "comZahlenEingabe"})
        p.click(name);
    QWidget* calc = p.program->calculationWindow();
    QVERIFY(calc);
    QApplication::setActiveWindow(calc);
    settle();
    QVERIFY(p.focused("texZone"));
    for (QChar c : zone)
        key(Qt::Key_unknown, QString(c));
    QCOMPARE(p.platform.boxes, 0);
    if (action == QLatin1String("tab"))
        key(Qt::Key_Tab);
    else if (action == QLatin1String("enter"))
        key(Qt::Key_Return, QStringLiteral("\r"));
    else if (action == QLatin1String("minus"))
        key(Qt::Key_Minus, QStringLiteral("-"));
    else
        QTest::mouseClick(p.find("texHoch"), Qt::LeftButton);
    settle();
    QTEST(p.platform.boxes, "boxes");
    QTEST(int(p.answerer.seen.size()), "boxes");
    // The window's focus widget: where the focus is once the window is active.
    QTEST(calc->focusWidget() ? calc->focusWidget()->objectName() : QString(), "focusAfter");
    QCOMPARE(qobject_cast<QLineEdit*>(p.find("texZone"))->text(), zone);
}

// The keys a question box takes: its buttons' letters, alone and with Alt,
// and the arrow keys that move between the buttons before Enter or Space.
void MessageBoxTest::questionAnswersToLettersAndArrows_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("answer");
    QTest::newRow("J") << "J" << int(Answer::Yes);
    QTest::newRow("j") << "j" << int(Answer::Yes);
    QTest::newRow("N") << "N" << int(Answer::No);
    QTest::newRow("Alt+J") << "Alt+J" << int(Answer::Yes);
    QTest::newRow("Alt+N") << "Alt+N" << int(Answer::No);
    QTest::newRow("Enter on the default") << "Enter" << int(Answer::No);
    QTest::newRow("Left, Enter") << "Left Enter" << int(Answer::Yes);
    QTest::newRow("Left, Right, Enter") << "Left Right Enter" << int(Answer::No);
    QTest::newRow("Up, Space") << "Up Space" << int(Answer::Yes);
}

void MessageBoxTest::questionAnswersToLettersAndArrows() {
    QFETCH(QString, keys);
    struct Named {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* text;
    };
    static const Named kKeys[] = {
        {"J", Qt::Key_J, Qt::NoModifier, "J"},
        {"j", Qt::Key_J, Qt::NoModifier, "j"},
        {"N", Qt::Key_N, Qt::NoModifier, "N"},
        {"Alt+J", Qt::Key_J, Qt::AltModifier, "j"},
        {"Alt+N", Qt::Key_N, Qt::AltModifier, "n"},
        {"Enter", Qt::Key_Return, Qt::NoModifier, "\r"},
        {"Space", Qt::Key_Space, Qt::NoModifier, " "},
        {"Left", Qt::Key_Left, Qt::NoModifier, ""},
        {"Right", Qt::Key_Right, Qt::NoModifier, ""},
        {"Up", Qt::Key_Up, Qt::NoModifier, ""},
    };
    QTimer typist;
    bool typed = false, unanswered = false;
    QObject::connect(&typist, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (typed || !box || !box->isVisible())
            return;
        typed = true;
        QApplication::setActiveWindow(box);
        for (const QString& word : keys.split(QLatin1Char(' ')))
            for (const Named& k : kKeys)
                if (word == QLatin1String(k.name)) {
                    QWidget* target =
                        QApplication::focusWidget() ? QApplication::focusWidget() : box;
                    QTest::sendKeyEvent(QTest::Click, target, k.key, QString::fromLatin1(k.text),
                                        k.modifiers);
                }
        QTimer::singleShot(1000, box, [box, &unanswered] {
            unanswered = box->isVisible();
            if (unanswered)
                box->done(-1);
        });
    });
    typist.start(20);
    DesktopPlatform platform;
    const Answer answer =
        platform.messageBox(nullptr, MessageIcon::Question, QStringLiteral("Umstellen?"));
    QVERIFY(typed);
    QVERIFY2(!unanswered, "the keys answered nothing");
    QTEST(int(answer), "answer");
}

void MessageBoxTest::alertSoundReturnsAtOnceWithoutSoundServer() {
    DesktopPlatform platform;
    QElapsedTimer clock;
    clock.start();
    for (const char* alias : {"SystemHand", "SystemHand", "", "NoSuchAlias"})
        platform.playSystemSound(alias);
    QVERIFY(clock.elapsed() < 2000);
}

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"
