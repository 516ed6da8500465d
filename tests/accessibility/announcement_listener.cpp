#include "announcement_listener.h"

#include <QCoreApplication>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QThread>

namespace kemora::testing_support {

bool AnnouncementListener::listen() {
    // The session bus tells where the accessibility bus is.
    QDBusInterface launcher(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                            QStringLiteral("org.a11y.Bus"), QDBusConnection::sessionBus());
    const QDBusReply<QString> address = launcher.call(QStringLiteral("GetAddress"));
    if (!address.isValid())
        return false;
    QDBusConnection bus =
        QDBusConnection::connectToBus(address.value(), QStringLiteral("screen-reader"));
    return bus.isConnected() &&
           bus.connect(QString(), QString(), QStringLiteral("org.a11y.atspi.Event.Object"),
                       QStringLiteral("Announcement"), this, SLOT(hear(QDBusMessage)));
}

bool AnnouncementListener::waitFor(std::size_t count) {
    QElapsedTimer waited;
    waited.start();
    while (m_heard.size() < count && waited.elapsed() < 5000) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    return m_heard.size() >= count;
}

void AnnouncementListener::hear(const QDBusMessage& message) {
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() < 4)
        return;
    m_heard.push_back({message.service(), message.path(), arguments[1].toInt(),
                       arguments[3].value<QDBusVariant>().variant().toString()});
}

}  // namespace kemora::testing_support
