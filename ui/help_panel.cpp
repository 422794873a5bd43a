#include "ui/help_panel.h"

#include "ui/look.h"
#include "ui/widgets.h"
#include "ui/zoom.h"

#include <QFontMetrics>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace lw::ui {
namespace {

constexpr int kPanelMargin = 8; // pixels

} // namespace

HelpPanel::HelpPanel(QWidget* screen, const char* labelName, QColor colour, const QFont& font)
    : QObject(screen), screen_(screen), label_(new ClickableLabel(QString(), screen)),
      area_(new QScrollArea(screen)), font_(font) {
    label_->setObjectName(QString::fromLatin1(labelName));
    // The panel covers the window at every size; only its font zooms.
    keepOwnGeometry(label_);
    keepOwnGeometry(area_);
    label_->setFont(font);
    label_->setWordWrap(true);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    look::setBackground(label_, colour);
    area_->setFrameShape(QFrame::NoFrame);
    area_->setWidgetResizable(true);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area_->setFocusPolicy(Qt::NoFocus);
    look::setBackground(area_, colour);
    look::setBackground(area_->viewport(), colour);
    label_->setFocusPolicy(Qt::StrongFocus);
    // Keeps the text clear of the window's edge and of the focus frame.
    label_->setContentsMargins(kPanelMargin, kPanelMargin, kPanelMargin, kPanelMargin);
    label_->setAccessibleDescription(
        QStringLiteral("Schließen mit Klick, Eingabetaste, Leertaste oder Esc"));
    // The label goes into the area when the panel first opens: laying out
    // its text loads fonts that start-up need not wait for.
    label_->hide();
    area_->hide();
    for (auto signal :
         {&ClickableLabel::clicked, &ClickableLabel::activated, &ClickableLabel::cancelled})
        connect(label_, signal, this, &HelpPanel::closed);
}

void HelpPanel::open(const QString& text) {
    label_->setFont(fitted_ ? *fitted_ : zoomedFont(font_, zoomOf(screen_)));
    fitted_.reset();
    label_->setText(text);
    if (area_->widget() != label_) {
        area_->setWidget(label_);
        label_->show();
    }
    area_->verticalScrollBar()->setValue(0);
    area_->show();
    area_->raise();
    label_->setFocus(Qt::OtherFocusReason);
}

void HelpPanel::hide() {
    area_->hide();
}

void HelpPanel::setGeometry(int width, int height) {
    area_->setGeometry(0, 0, width, height);
}

void HelpPanel::fitLines(const QString& text, const QString& lineBreak, int smallestPixels) {
    const int room = screen_->width() - area_->verticalScrollBar()->sizeHint().width() -
                     label_->contentsMargins().left() - label_->contentsMargins().right();
    const QStringList lines = text.split(lineBreak);
    const double zoom = zoomOf(screen_);
    QFont font = zoomedFont(font_, zoom);
    smallestPixels = static_cast<int>(std::lround(smallestPixels * zoom));
    for (;;) {
        const QFontMetrics metrics(font);
        int widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, metrics.horizontalAdvance(line));
        if (widest <= room || font.pixelSize() <= smallestPixels) {
            label_->setWordWrap(widest > room);
            break;
        }
        font.setPixelSize(font.pixelSize() - 1);
    }
    fitted_ = font;
}

} // namespace lw::ui
