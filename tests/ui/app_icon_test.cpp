#include "ui/app_icon.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QSet>
#include <QString>
#include <QXmlStreamReader>

#include "support/qt_application.h"

namespace kemora::ui {
namespace {

TEST(AppIconTest, SvgIsWellFormedAndEveryFillIsDefined) {
    QXmlStreamReader reader(AppIconSvg());
    QSet<QString> defined;
    QSet<QString> used;
    int shapes = 0;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto attributes = reader.attributes();
        if (reader.name() == QStringLiteral("svg")) {
            EXPECT_EQ(attributes.value("viewBox"), QStringLiteral("0 0 256 256"));
        } else if (reader.name().endsWith(QStringLiteral("Gradient"))) {
            defined.insert(attributes.value("id").toString());
        } else if (reader.name() == QStringLiteral("rect") ||
                   reader.name() == QStringLiteral("circle")) {
            ++shapes;
            const QString fill = attributes.value("fill").toString();
            if (fill.startsWith(QStringLiteral("url(#")))
                used.insert(fill.mid(5, fill.size() - 6));
            else
                EXPECT_TRUE(QColor::isValidColorName(fill)) << fill.toStdString();
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    EXPECT_GT(shapes, 0);
    EXPECT_FALSE(used.isEmpty());
    EXPECT_TRUE(defined.contains(used)) << "a shape refers to a gradient that is not defined";
}

TEST(AppIconTest, PaintsTheCylinderOnARoundedSquareAtEverySize) {
    testing_support::EnsureQtApplication();
    for (const int size : {16, 48, 256}) {
        SCOPED_TRACE(size);
        const QImage image = AppIconImage(size);
        ASSERT_EQ(image.size(), QSize(size, size));
        // The point of a unit of the 256-unit drawing.
        const auto at = [&](int x, int y) {
            return image.pixelColor(x * size / 256, y * size / 256);
        };
        EXPECT_EQ(at(0, 0).alpha(), 0) << "the corners stay transparent";
        EXPECT_EQ(at(24, 128).alpha(), 255);
        const QColor inside = at(128, 50);  // the dark cylinder above the lid
        EXPECT_LT(inside.value(), 40);
        const QColor lid = at(128, 90);
        EXPECT_GT(lid.value(), 150);
        EXPECT_LT(lid.saturation(), 60) << "silver";
        // The liquid's molecules colour the bottom of the cylinder cyan on the whole.
        int red = 0;
        int blue = 0;
        for (int y = 184 * size / 256; y < 212 * size / 256; ++y) {
            for (int x = 74 * size / 256; x < 182 * size / 256; ++x) {
                red += image.pixelColor(x, y).red();
                blue += image.pixelColor(x, y).blue();
            }
        }
        EXPECT_GT(blue, 3 * red);
    }
}

}  // namespace
}  // namespace kemora::ui
