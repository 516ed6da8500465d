// What a screen reader hears from the main window as the experiment changes. Qt raises
// accessibility events only while a screen reader may listen, so these tests run with the
// accessibility bus on (with_accessibility_bus.sh) and record the events instead of sending them.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QThread>
#include <memory>
#include <string>
#include <vector>

#include "announcement_listener.h"
#include "config/settings_file.h"
#include "mainwindow/main_state.h"
#include "model/settings.h"
#include "support/find_named.h"
#include "support/qt_application.h"
#include "support/temp_folder.h"
#include "ui/frm_main.h"
#include "ui/image_button.h"

namespace kemora::ui {
namespace {

struct RecordedEvent {
    QObject* object;
    QAccessible::Event type;
    QString inserted;  // the new text of a text update
};

std::vector<RecordedEvent> g_events;

void RecordEvent(QAccessibleEvent* event) {
    QString inserted;
    if (event->type() == QAccessible::TextUpdated)
        inserted = static_cast<QAccessibleTextUpdateEvent*>(event)->textInserted();
    g_events.push_back({event->object(), event->type(), inserted});
}

class AccessibilityEventsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { testing_support::EnsureQtApplication(); }

    void SetUp() override {
        // The platform switches accessibility on once it has found the accessibility bus.
        QElapsedTimer waited;
        waited.start();
        while (!QAccessible::isActive() && waited.elapsed() < 20000) {
            QApplication::processEvents();
            QThread::msleep(20);
        }
        ASSERT_TRUE(QAccessible::isActive()) << "no accessibility bus: run me through "
                                                "tests/accessibility/with_accessibility_bus.sh";
        model::ExperimentSettings settings;
        model::SetDefaultSettings(settings);  // water, 27 °C, 1 mol, 0..700 L, 0..800 mmHg
        configPath = config::ConfigFilePathIn(folder.path().string());
        ASSERT_TRUE(config::SaveSettings(settings, configPath));
        window = std::make_unique<frmMain>(state, [this] {
            return config::SettingsPlace{configPath, configPath, true};
        });
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        g_events.clear();
        QAccessible::installUpdateHandler(RecordEvent);
    }
    void TearDown() override {
        QAccessible::installUpdateHandler(nullptr);
        g_events.clear();
        window.reset();
    }

    template <typename T>
    T* control(const char* name) {
        return testing_support::FindNamed<T>(*window, name);
    }
    // The events of one kind that one control raised.
    std::vector<RecordedEvent> eventsOf(const char* name, QAccessible::Event type) {
        const QObject* object = control<QObject>(name);
        std::vector<RecordedEvent> found;
        for (const RecordedEvent& event : g_events) {
            if (event.object == object && event.type == type)
                found.push_back(event);
        }
        return found;
    }
    void ticks(int count) {
        for (int i = 0; i < count; ++i)
            QMetaObject::invokeMethod(control<QObject>("Timer1"), "timeout");
    }

    testing_support::TempFolder folder{"kemora-accessibility"};
    std::string configPath;
    mainwindow::MainState state;
    std::unique_ptr<frmMain> window;
};

TEST_F(AccessibilityEventsTest, EachNewPressureIsAnnounced) {
    QLineEdit* volume = control<QLineEdit>("txtValue");
    volume->setText("300");
    std::vector<RecordedEvent> updates = eventsOf("txtAturyoku", QAccessible::TextUpdated);
    ASSERT_EQ(updates.size(), 1u);
    EXPECT_EQ(updates[0].inserted.toStdString(), "31.4");

    volume->setText("700");
    updates = eventsOf("txtAturyoku", QAccessible::TextUpdated);
    ASSERT_EQ(updates.size(), 2u);
    EXPECT_EQ(updates[1].inserted.toStdString(), "26.7");

    // The same pressure again is no news.
    volume->setText("301");
    volume->setText("300");
    EXPECT_EQ(eventsOf("txtAturyoku", QAccessible::TextUpdated).size(), 3u);
}

// What a screen reader hears on the bus: a polite announcement from the pressure field, which
// does not have the focus, once per new pressure (301 L reads as 300 L does).
TEST_F(AccessibilityEventsTest, EachNewPressureIsAnnouncedPolitelyOnTheBus) {
    testing_support::AnnouncementListener listener;
    ASSERT_TRUE(listener.listen());
    QLineEdit* volume = control<QLineEdit>("txtValue");
    for (const char* litres : {"300", "700", "301", "300", "700"})
        volume->setText(QString::fromLatin1(litres));
    ASSERT_TRUE(listener.waitFor(4));

    const QString program = QDBusConnection(QStringLiteral("a11y")).baseService();
    const QString field =
        QStringLiteral("/org/a11y/atspi/accessible/") +
        QString::number(QAccessible::uniqueId(
            QAccessible::queryAccessibleInterface(control<QLineEdit>("txtAturyoku"))));
    std::vector<std::string> texts;
    for (const testing_support::Announcement& heard : listener.heard()) {
        EXPECT_EQ(heard.sender, program);
        EXPECT_EQ(heard.path, field);
        EXPECT_EQ(heard.politeness, 1);  // polite
        texts.push_back(heard.text.toStdString());
    }
    EXPECT_FALSE(control<QLineEdit>("txtAturyoku")->hasFocus());
    EXPECT_EQ(texts,
              (std::vector<std::string>{"31.4 mmHg", "26.7 mmHg", "31.4 mmHg", "26.7 mmHg"}));
}

TEST_F(AccessibilityEventsTest, ThePicturesAndTheSwitchesTellTheirChanges) {
    control<QLineEdit>("txtValue")->setText("300");
    EXPECT_EQ(eventsOf("picGrph", QAccessible::DescriptionChanged).size(), 1u);
    ticks(20);
    EXPECT_EQ(eventsOf("picBack", QAccessible::DescriptionChanged).size(), 1u);
    ticks(20);  // frames that change nothing tell nothing
    EXPECT_EQ(eventsOf("picBack", QAccessible::DescriptionChanged).size(), 1u);

    control<QAction>("menu_graphVisible")->trigger();
    EXPECT_EQ(eventsOf("picGrphSw", QAccessible::StateChanged).size(), 1u);
    EXPECT_EQ(eventsOf("picGrph", QAccessible::DescriptionChanged).size(), 2u);
    control<QAction>("menu_scenarioMode")->trigger();
    EXPECT_EQ(eventsOf("picSinario", QAccessible::StateChanged).size(), 1u);
}

}  // namespace
}  // namespace kemora::ui
