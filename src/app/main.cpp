#include <QApplication>

#include "ui/frm_main.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kemora::ui::frmMain window;
    window.show();
    return app.exec();
}
