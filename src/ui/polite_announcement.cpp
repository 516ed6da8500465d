// Qt 6.4 can neither mark a control as a live region nor send an announcement, so the
// announcement goes onto the accessibility bus from here: from the connection Qt's own bridge
// opened, and from the path the bridge gives the control, so that a screen reader finds the
// control it comes from.
#include "ui/polite_announcement.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QString>
#include <QWidget>

namespace kemora::ui {
namespace {

// The name of the bridge's connection to the accessibility bus, and its paths.
const char kBridgeConnection[] = "a11y";
const char kObjectPathPrefix[] = "/org/a11y/atspi/accessible/";
const char kApplicationPath[] = "/org/a11y/atspi/accessible/root";
constexpr int kPolite = 1;

}  // namespace

void AnnouncePolitely(QWidget& control, const QString& text) {
    if (!QAccessible::isActive())
        return;
    const QDBusConnection bus(QString::fromLatin1(kBridgeConnection));
    if (!bus.isConnected())
        return;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&control);
    if (accessible == nullptr)
        return;
    const QString path =
        QString::fromLatin1(kObjectPathPrefix) + QString::number(QAccessible::uniqueId(accessible));
    QDBusMessage announcement = QDBusMessage::createSignal(
        path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("Announcement"));
    // An event's arguments: detail, politeness, nothing, the text, and the application.
    QDBusArgument application;
    application.beginStructure();
    application << bus.baseService() << QDBusObjectPath(QString::fromLatin1(kApplicationPath));
    application.endStructure();
    announcement << QString() << kPolite << 0 << QVariant::fromValue(QDBusVariant(text))
                 << QVariant::fromValue(application);
    bus.send(announcement);
}

}  // namespace kemora::ui
