// Speaks the new text of a control that may not have the focus, as a screen reader speaks a
// polite live region: after what it is saying, without moving the focus.
#pragma once

class QString;
class QWidget;

namespace kemora::ui {

void AnnouncePolitely(QWidget& control, const QString& text);

}  // namespace kemora::ui
