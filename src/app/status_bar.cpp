#include "status_bar.h"

#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyleOption>

#include <algorithm>

namespace rangedesk::app {
namespace {

constexpr int kPanelGap = 2;
constexpr int kProgressWidth = 220;
constexpr int kCancelWidth = 64;
constexpr QPoint kPanel0TextAt(35, 7);

} // namespace

StatusBar::StatusBar(QWidget* parent)
    : QWidget(parent), panel1_(new QLabel(this)), progress_(new QProgressBar(this)),
      cancel_(new QPushButton(tr("Cancel"), this)) {
    setFixedHeight(kHeight);
    panel1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel1_->setIndent(4);
    progress_->setFormat(tr("Record %v of %m"));
    progress_->setTextVisible(true);
    progress_->hide();
    cancel_->setObjectName("CancelDownload");
    cancel_->setToolTip(tr("Stop the download after the record in flight (Esc)"));
    cancel_->hide();
    connect(cancel_, &QPushButton::clicked, this, &StatusBar::cancelClicked);
    for (QLabel*& indicator : indicators_) {
        indicator = new QLabel(this);
        indicator->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        indicator->setIndent(4);
        indicator->hide();
    }
    indicators_[std::size_t(Indicator::Typing)]->setObjectName("TypingIndicator");
    indicators_[std::size_t(Indicator::Team)]->setObjectName("TeamIndicator");
}

void StatusBar::SetIndicator(Indicator indicator, const QString& text) {
    QLabel* label = indicators_[std::size_t(indicator)];
    label->setText(text);
    label->setVisible(!text.isEmpty());
    PlacePanels();
}

QString StatusBar::IndicatorText(Indicator indicator) const {
    const QLabel* label = indicators_[std::size_t(indicator)];
    return label->isVisibleTo(this) ? label->text() : QString();
}

QString StatusBar::PanelText(int panel) const {
    return panel == 0 ? panel0_ : panel1_->text();
}

void StatusBar::SetPanelText(int panel, const QString& text) {
    if (panel == 0) {
        panel0_ = text;
        // 100 pixels, or wider when this font needs more room for the text after its offset.
        panel0Width_ =
            std::max(kPanel0Width, kPanel0TextAt.x() + fontMetrics().horizontalAdvance(text) + 6);
        PlacePanels();
        update();
    } else {
        panel1_->setText(text);
    }
}

void StatusBar::SetStatusColour(const QColor& colour) {
    statusColour_ = colour;
    update(0, 0, panel0Width_, height());
}

void StatusBar::ShowProgress(int record, int total) {
    // A fast download moves the bar at a frame rate, not once per record.
    constexpr qint64 kFrameMs = 40;
    if (progress_->isVisible() && record != total && progressFrame_.isValid() &&
        progressFrame_.elapsed() < kFrameMs) {
        return;
    }
    progressFrame_.start();
    progress_->setRange(0, total);
    progress_->setValue(record);
    if (progress_->isHidden()) {
        progress_->show();
        cancel_->show();
        cancel_->setEnabled(true);
        PlacePanels();
    }
}

void StatusBar::HideProgress() {
    progressFrame_.invalidate();
    progress_->hide();
    cancel_->hide();
    PlacePanels();
}

bool StatusBar::ProgressVisible() const {
    return progress_->isVisibleTo(this);
}
QString StatusBar::ProgressText() const {
    return progress_->text();
}

// Panel 1 takes the width that panel 0, the indicators and the progress leave.
void StatusBar::PlacePanels() {
    const int busy = kProgressWidth + kCancelWidth;
    int right = progress_->isVisibleTo(this) ? width() - busy - kPanelGap : width();
    for (QLabel* indicator : indicators_) {
        if (indicator->isVisibleTo(this)) {
            const int w = indicator->fontMetrics().horizontalAdvance(indicator->text()) + 14;
            right -= w + kPanelGap;
            indicator->setGeometry(right + kPanelGap, 2, w, height() - 4);
        }
    }
    panel1_->setGeometry(panel0Width_ + kPanelGap, 2, right - panel0Width_ - kPanelGap,
                         height() - 4);
    progress_->setGeometry(width() - busy, 4, kProgressWidth - 4, height() - 8);
    cancel_->setGeometry(width() - kCancelWidth, 3, kCancelWidth - 4, height() - 6);
}

void StatusBar::resizeEvent(QResizeEvent*) {
    PlacePanels();
}

void StatusBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect panel0(0, 2, panel0Width_, height() - 4);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.rect = panel0;
    frame.lineWidth = 1;
    frame.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_Frame, &frame, &p, this);
    p.setClipRect(panel0);
    p.setPen(statusColour_);
    p.drawText(panel0.adjusted(kPanel0TextAt.x(), kPanel0TextAt.y() - 2, 0, 0),
               Qt::AlignLeft | Qt::AlignTop, panel0_);
}

} // namespace rangedesk::app
