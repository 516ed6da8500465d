// Listens on the accessibility bus, from a connection of its own as a screen reader does, for
// the announcements that the program sends.
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <vector>

namespace kemora::testing_support {

struct Announcement {
    QString sender;
    QString path;
    int politeness;
    QString text;
};

class AnnouncementListener : public QObject {
    Q_OBJECT
  public:
    // False when the accessibility bus cannot be reached.
    bool listen();
    const std::vector<Announcement>& heard() const { return m_heard; }
    // Waits until `count` announcements have been heard, or a few seconds.
    bool waitFor(std::size_t count);
    void clear() { m_heard.clear(); }

  private slots:
    void hear(const QDBusMessage& message);

  private:
    std::vector<Announcement> m_heard;
};

}  // namespace kemora::testing_support
