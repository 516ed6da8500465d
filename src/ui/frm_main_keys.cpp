// The main window's keys: playback and the volume's arrows take theirs before the focused
// control sees them.
#include "ui/frm_main.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <optional>

#include "mainwindow/keyboard.h"
#include "mainwindow/main_window_logic.h"
#include "ui/up_down.h"

namespace kemora::ui {
namespace {

// The code of a key as the logic counts keys; the keys it has no rule for play no part.
std::optional<int> LogicKeyCode(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Down:
            return mainwindow::kKeyDown;
        case Qt::Key_Up:
            return mainwindow::kKeyUp;
        case Qt::Key_Right:
            return mainwindow::kKeyRight;
        case Qt::Key_PageDown:
            return mainwindow::kKeyPageDown;
        case Qt::Key_PageUp:
            return mainwindow::kKeyPageUp;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return mainwindow::kKeyEnter;
        case Qt::Key_Space:
            return mainwindow::kKeySpace;
        default:
            return std::nullopt;
    }
}

}  // namespace

bool frmMain::isControlKey(const QObject* watched) const {
    // A key goes first to the focused control and then, unless taken, up to its parents;
    // deciding at its first receiver acts on each key once.
    const QWidget* focus = focusWidget();
    if (focus == nullptr)
        return watched == this;
    return watched == focus && m_client->isAncestorOf(focus);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // A text field claims Ctrl+C for itself even with nothing selected; left unclaimed, the
    // key reaches the menu's copy of the graph.
    if (type == QEvent::ShortcutOverride &&
        leavesCopyToTheGraph(watched, *static_cast<QKeyEvent*>(event))) {
        return true;
    }
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !isControlKey(watched))
        return QMainWindow::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const std::optional<int> code = LogicKeyCode(key->key());
    if (!code)
        return QMainWindow::eventFilter(watched, event);
    // A key taken here goes no further, its press no more than its release: the list keeps
    // its liquid, no popup opens, no button is pressed and the volume changes only once.
    switch (m_logic->routeKey(*code, watched == m_txtValue)) {
        case mainwindow::KeyRoute::Playback:
            // Only a key pressed here: the release of an Enter that chose a menu item or
            // closed a dialog reaches the focused control too.
            if (type == QEvent::KeyPress) {
                m_playbackPressed.insert(*code);
            } else if (!key->isAutoRepeat() && m_playbackPressed.erase(*code) != 0) {
                keyReleased(*code);
            }
            return true;
        case mainwindow::KeyRoute::VolumeArrows:
            if (type == QEvent::KeyPress)
                m_upDownOndo->stepBy(mainwindow::VolumeArrowClicks(*code));
            return true;
        case mainwindow::KeyRoute::FocusedControl:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace kemora::ui
