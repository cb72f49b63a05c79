#pragma once

#include <QColor>
#include <QElapsedTimer>
#include <QWidget>

#include <array>

class QLabel;
class QProgressBar;
class QPushButton;

namespace rangedesk::app {

// StatusBar1: panel 0 (the connection) drawn by the window itself in the status colour,
// panel 1 the outcome of the last exchange, and the download progress with its Cancel button
// at the right.
class StatusBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 30;
    static constexpr int kPanel0Width = 100;

    // States that stay on view at the right of the bar while they hold: typing armed, the
    // team server.
    enum class Indicator { Typing, Team };

    explicit StatusBar(QWidget* parent = nullptr);

    QString PanelText(int panel) const;
    void SetPanelText(int panel, const QString& text);
    QColor StatusColour() const { return statusColour_; }
    void SetStatusColour(const QColor& colour);
    void ShowProgress(int record, int total);
    void HideProgress();
    bool ProgressVisible() const;
    QString ProgressText() const;
    QPushButton& CancelButton() { return *cancel_; }
    // An empty text hides the indicator.
    void SetIndicator(Indicator indicator, const QString& text);
    QString IndicatorText(Indicator indicator) const;

signals:
    void cancelClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlacePanels();

    QString panel0_;
    QColor statusColour_ = Qt::black;
    QLabel* panel1_;
    std::array<QLabel*, 2> indicators_;
    QProgressBar* progress_;
    QPushButton* cancel_;
    QElapsedTimer progressFrame_;
    int panel0Width_ = kPanel0Width;
};

} // namespace rangedesk::app
