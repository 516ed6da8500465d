#pragma once

#include <QPixmap>
#include <QWidget>

namespace kemora::ui {

// A picture box used as a button: shows the top left of its image, clipped to its own size,
// and reports a click of the left mouse button. It never takes the keyboard focus, so a key
// goes on to the control that has it. Owned by its Qt parent.
class ImageButton : public QWidget {
    Q_OBJECT
  public:
    explicit ImageButton(QWidget* parent = nullptr);

    // Shown from the next paint on; the window's repaint shows it at once.
    void setImage(const QPixmap& image);
    [[nodiscard]] const QPixmap& image() const { return m_image; }

  signals:
    // The left button went down and came up again over the picture.
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QPixmap m_image;
    bool m_pressed = false;
};

}  // namespace kemora::ui
