#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace kemora::ui {

// A picture box used as a button: shows the top left of its image, clipped to its own size,
// and reports a click of the left mouse button, or of Space or Enter while it has the focus.
// The focus comes by Tab only, so that a click leaves it with the control that has it, and
// shows as a ring around the picture. Screen readers know it as a button (a toggle button
// when checkable). Owned by its Qt parent.
class ImageButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit ImageButton(QWidget* parent = nullptr);

    // Shown from the next paint on; the window's repaint shows it at once.
    void setImage(const QPixmap& image);
    [[nodiscard]] const QPixmap& image() const { return m_image; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

  private:
    QPixmap m_image;
};

}  // namespace kemora::ui
