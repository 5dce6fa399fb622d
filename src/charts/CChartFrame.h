#pragma once
// The frame every chart of the detection log window shares: its title, a button that asks for
// the chart to be saved as an image, and the image itself (the chart as drawn, without the
// button). A chart draws its body into the area below the title.

#include <QImage>
#include <QWidget>

class QPainter;
class QToolButton;

namespace morvik {

class CChartFrame : public QWidget {
    Q_OBJECT

  public:
    explicit CChartFrame(const QString& title, QWidget* parent = nullptr);

    QString Title() const { return title_; }
    QToolButton* SaveButton() const { return save_; }
    // The chart at its current size on a white ground.
    QImage Image() const;

  signals:
    void SaveRequested();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Draws the chart's own content into area.
    virtual void PaintBody(QPainter& painter, const QRect& area) const = 0;
    // The height the title row takes.
    int TitleHeight() const;
    // A text in the middle of area, for a chart with nothing to show.
    static void PaintEmpty(QPainter& painter, const QRect& area, const QString& text);

  private:
    void PaintAll(QPainter& painter) const;

    QString title_;
    QToolButton* save_ = nullptr;
};

}  // namespace morvik
