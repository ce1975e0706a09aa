#pragma once
// A group box drawn flat: a single-line frame whose top edge carries the caption.
#include <QGroupBox>

class GroupBox : public QGroupBox {
    Q_OBJECT

  public:
    explicit GroupBox(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
