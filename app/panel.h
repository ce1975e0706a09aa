#pragma once
// A panel filled with its colour, with an optional centred caption (the page tabs).
#include <QColor>
#include <QString>
#include <QWidget>

class Panel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor color READ color WRITE setColor)

  public:
    explicit Panel(QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor color() const;
    void setColor(const QColor& color);

  signals:
    // Any mouse button.
    void mousePressed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QString caption_;
};
