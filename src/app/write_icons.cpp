// Writes the program's icon for installing: FOLDER/kemora.svg and FOLDER/SIZE/kemora.png for
// each SIZE given, in pixels.
// Usage: write_icons FOLDER SIZE...

#include <QDir>
#include <QFile>
#include <QString>
#include <cstdio>

#include "ui/app_icon.h"

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: write_icons FOLDER SIZE...\n");
        return 2;
    }
    const QDir folder(QFile::decodeName(argv[1]));
    QFile svg(folder.filePath(QStringLiteral("kemora.svg")));
    const QByteArray document = kemora::ui::AppIconSvg();
    if (!folder.mkpath(QStringLiteral(".")) || !svg.open(QIODevice::WriteOnly) ||
        svg.write(document) != document.size()) {
        std::fprintf(stderr, "write_icons: cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        const int size = QString::fromLatin1(argv[i]).toInt();
        const QString png = folder.filePath(QStringLiteral("%1/kemora.png").arg(size));
        if (size <= 0 || !folder.mkpath(QString::number(size)) ||
            !kemora::ui::AppIconImage(size).save(png, "PNG")) {
            std::fprintf(stderr, "write_icons: cannot write the %s pixel icon\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
