#pragma once

#include <QMainWindow>

namespace kemora::ui {

// The program's main window.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
};

}  // namespace kemora::ui
