#pragma once
// An image control: draws its picture unscaled at its top-left corner and shows the
// parent's colour elsewhere. Reports press and release for any mouse button, and a
// click for a left press and release on it.
#include <QImage>
#include <QWidget>

class PictureBox : public QWidget {
    Q_OBJECT

  public:
    explicit PictureBox(QWidget* parent = nullptr);

    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);

  signals:
    void pressed();
    void released();
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QImage picture_;
    bool leftDown_ = false;
};
