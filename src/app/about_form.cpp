#include "about_form.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include "main_form.h"

namespace rangedesk::app {
namespace {

QLabel* TextLabel(QWidget* parent, const QString& text, int pixelSize, bool italic, QRect place) {
    auto* label = new QLabel(text, parent);
    QFont font("Myriad Pro");
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setItalic(italic);
    label->setFont(font);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(colours);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setGeometry(place);
    return label;
}

} // namespace

TForm1::TForm1(TMainForm& mainForm)
    : QWidget(&mainForm, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                             Qt::WindowCloseButtonHint),
      mainForm_(mainForm) {
    setObjectName("AboutForm");
    setWindowTitle(tr("About"));
    setFixedSize(kClientWidth, kClientHeight);
    mainForm_.ALLButtonEn(false);

    auto* top = new QWidget(this);
    top->setGeometry(0, 0, kClientWidth, 185);
    auto* picture = new QLabel(top);
    picture->setGeometry(1, 1, 365, 183);
    picture->setPixmap(QPixmap(":/images/about.png"));
    TextLabel(top, "RangeDesk", 20, true, {20, 24, 240, 30});
    TextLabel(top, tr("Version: %1").arg(RANGEDESK_VERSION), 14, false, {20, 70, 200, 22});
    TextLabel(top, tr("Build %1").arg("15.06.01"), 12, false, {20, 96, 200, 20});

    // Which database is in use: the program folder's, or the user's own.
    auto* database = new QLabel(tr("Database: %1").arg(mainForm_.Location().Database), top);
    database->setObjectName("DatabaseInUse");
    database->setGeometry(20, 124, 330, 56);
    database->setWordWrap(true);
    database->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    database->setToolTip(mainForm_.Location().Database);

    auto* bottom = new QWidget(this);
    bottom->setGeometry(0, 185, kClientWidth, 39);
    exit_ = new QPushButton(tr("Exit"), bottom);
    exit_->setObjectName("ExitButton");
    exit_->setGeometry((kClientWidth - 75) / 2, 7, 75, 25);
    QFont bold = exit_->font();
    bold.setBold(true);
    exit_->setFont(bold);
    connect(exit_, &QPushButton::clicked, this, [this] { close(); });
}

void TForm1::Leave() {
    if (left_) {
        return;
    }
    left_ = true;
    mainForm_.AboutClosed(this);
}

void TForm1::closeEvent(QCloseEvent* event) {
    Leave();
    event->accept();
}

} // namespace rangedesk::app
