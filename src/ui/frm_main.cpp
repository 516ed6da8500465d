#include "ui/frm_main.h"

#include <QWidget>

namespace kemora::ui {

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName("frmMain");
    auto* client = new QWidget(this);
    client->setFixedSize(800, 559);
    setCentralWidget(client);
}

}  // namespace kemora::ui
