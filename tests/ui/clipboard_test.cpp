// The calculation screen and the clipboard where the scenario files cannot
// reach: "Ergebnis kopieren" on a 1024 x 768 display, the Ctrl+Shift+C
// shortcut, and the paste of the context menu and of the middle click.
#include "ui_test_support.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>

using namespace lw;
using namespace lw::ui;
using namespace lw::ui::test;

namespace {

void openDecimalToUtm(RunningProgram& p) {
    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comUTMzivilAUS");
    QVERIFY(p.calc());
}

void pressCopyShortcut(QWidget* focused) {
    QTest::keyClick(focused, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    settle();
}

} // namespace

class ClipboardTest : public QObject {
    Q_OBJECT
private slots:
    void copyButtonCoversNothingOnSmallDisplays();
    void shortcutCopiesTheShownResultOnly();
    void contextMenuPasteFillsTheMask();
    void middleClickPastesTheSelection();
    void listLinesByTheKeyboard();
};

void ClipboardTest::copyButtonCoversNothingOnSmallDisplays() {
    RunningProgram p;
    openDecimalToUtm(p);
    QWidget* screen = p.calc();
    screen->showNormal();
    screen->resize(1024, 768);
    settle();
    auto* button = p.find<QPushButton>("comKopieren");
    QVERIFY(button && button->isVisible());
    const QRect r = button->geometry();
    QVERIFY(QRect(0, 0, 1024, 768).contains(r));
    QVERIFY(button->fontMetrics().horizontalAdvance(QStringLiteral("Ergebnis kopieren")) <
            r.width());
    for (QWidget* other : screen->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (other != static_cast<QWidget*>(button) && other->isVisible())
            QVERIFY2(!other->geometry().intersects(r), qPrintable(other->objectName()));
}

void ClipboardTest::shortcutCopiesTheShownResultOnly() {
    RunningProgram p;
    openDecimalToUtm(p);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("vorher"));
    QWidget* latitude = p.find("texBreite");
    pressCopyShortcut(latitude); // nothing shown yet
    QCOMPARE(clipboard->text(), QStringLiteral("vorher"));
    p.click("comKrummboegleGrad");
    p.click("comRechnen");
    latitude->setFocus(Qt::OtherFocusReason); // clears the output
    settle();
    pressCopyShortcut(latitude);
    QCOMPARE(clipboard->text(), QStringLiteral("vorher"));
    p.click("comRechnen");
    pressCopyShortcut(p.find("comRechnen"));
    QCOMPARE(clipboard->text(), QStringLiteral("32U 0571595 5365251"));
    QCOMPARE(p.text("comKopieren"), QStringLiteral("Kopiert"));
}

void ClipboardTest::contextMenuPasteFillsTheMask() {
    RunningProgram p;
    openDecimalToUtm(p);
    QGuiApplication::clipboard()->setText(QStringLiteral("48.5 S 9.25 W"));
    QWidget* latitude = p.find("texBreite");
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            latitude->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(latitude, &event);
    settle();
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QAction* pasteAction = nullptr;
    for (QAction* action : menu->actions())
        if (action->text().startsWith(QLineEdit::tr("&Paste")))
            pasteAction = action;
    QVERIFY(pasteAction);
    pasteAction->trigger();
    menu->close();
    settle();
    QCOMPARE(p.text("texBreite"), QStringLiteral("48.5"));
    QCOMPARE(p.text("texLaenge"), QStringLiteral("9.25"));
    QVERIFY(p.find<QRadioButton>("optDezS")->isChecked());
    QVERIFY(p.find<QRadioButton>("optDezW")->isChecked());
}

void ClipboardTest::middleClickPastesTheSelection() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection())
        QSKIP("this platform has no selection to paste with the middle button");
    RunningProgram p;
    openDecimalToUtm(p);
    clipboard->setText(QStringLiteral("N48.5 E9.25"), QClipboard::Selection);
    QTest::mouseClick(p.find("texBreite"), Qt::MiddleButton);
    settle();
    QCOMPARE(p.text("texBreite"), QStringLiteral("48.5"));
    QCOMPARE(p.text("texLaenge"), QStringLiteral("9.25"));
}

// The list of every notation from the keyboard: Up and Down move between the
// lines (past a greyed one), Ctrl+C and Enter copy the line, Ctrl+Shift+C the
// whole list; the focused line scrolls into view at 1024 x 768; a screen
// reader reads label and value.
void ClipboardTest::listLinesByTheKeyboard() {
    RunningProgram p;
    p.openTask("comGRSEin", "comGRSAus", "comGradDezEIN", "comAlleAUS");
    QWidget* screen = p.calc();
    screen->showNormal();
    screen->resize(1024, 768);
    p.find<QLineEdit>("texBreite")->setText(QStringLiteral("33.867778"));
    p.click("optDezS");
    p.find<QLineEdit>("texLaenge")->setText(QStringLiteral("151.207222"));
    p.click("comRechnen");
    settle();

    auto* amtlich = p.find<QLineEdit>("texAlleA8"); // south of the equator: greyed
    QVERIFY(!amtlich->isEnabled());
    auto* reference = p.find<QLineEdit>("texAlleA6");
    reference->setFocus(Qt::TabFocusReason);
    QTest::keyClick(reference, Qt::Key_Down);
    auto* besselDecimal = p.find<QLineEdit>("texAlleB1");
    QVERIFY(besselDecimal->hasFocus()); // past the greyed UTM amtlich line
    QTest::keyClick(besselDecimal, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), besselDecimal->text());
    QTest::keyClick(besselDecimal, Qt::Key_Up);
    QVERIFY(reference->hasFocus());
    QTest::keyClick(reference, Qt::Key_Return);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("56H LH 3417451058"));

    auto* last = p.find<QLineEdit>("texAlleC6");
    last->setFocus(Qt::TabFocusReason);
    settle();
    auto* scroll = p.find<QScrollArea>("scrAlle");
    const QPoint inViewport = last->mapTo(scroll->viewport(), QPoint(0, last->height() - 1));
    QVERIFY(scroll->viewport()->rect().contains(inViewport));
    QVERIFY(QRect(0, 0, 1024, 768).contains(scroll->mapTo(screen, scroll->rect().bottomRight())));

    pressCopyShortcut(last);
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(
        QStringLiteral("GRS80 Grad (dezimal): S33.867778 E151.207222\nGRS80 Grad / Minuten: ")));

    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(last);
    QCOMPARE(read->text(QAccessible::Name), QStringLiteral("Hayford UTM referentiell"));
    QCOMPARE(read->text(QAccessible::Value), last->text());
}

QTEST_MAIN(ClipboardTest)
#include "clipboard_test.moc"
