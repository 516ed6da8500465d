// Runs the main window as the program does, on the display in DISPLAY, with water at 27 °C,
// 1 mol and the volume at 300 litres (liquid and vapor side by side, the busiest picture), at a
// zoom in percent (100 unless given after the seconds), and reports what that costs: the time
// to the first drawn frame, the CPU time over a run of some seconds after start-up, and the peak
// resident memory. bench/run_window.sh starts it under Xvfb. The settings file is one of its own
// in a temporary folder.
// Usage: window_bench [SECONDS [ZOOM]] [--screenshot FILE]   (FILE: a PNG of the window after 4 s)

#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "config/settings_file.h"
#include "mainwindow/main_state.h"
#include "model/settings.h"
#include "ui/application_setup.h"
#include "ui/frm_main.h"
#include "ui/surface_widget.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Seconds of CPU time, user and system, that the process has used so far.
double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double PeakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;  // kilobytes on Linux
}

// Milliseconds since the kernel started this process (to 1/CLK_TCK), so that the time to
// the first frame includes loading the libraries before main().
std::optional<double> MillisecondsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    if (!std::getline(stat, line))
        return std::nullopt;
    // The fields after the command name, which is in parentheses and may hold blanks.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    unsigned long long startTicks = 0;
    for (int index = 3; index <= 22 && fields >> field; ++index) {
        if (index == 22)
            startTicks = std::stoull(field);
    }
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double ticksPerSecond = static_cast<double>(sysconf(_SC_CLK_TCK));
    return (now.tv_sec + now.tv_nsec / 1e9 - startTicks / ticksPerSecond) * 1000.0;
}

// Notes the first paint of the cylinder panel that shows molecules.
class FirstFrameWatch : public QObject {
  public:
    FirstFrameWatch(kemora::ui::SurfaceWidget* cylinder, Clock::time_point start)
        : m_cylinder(cylinder), m_start(start) {
        cylinder->installEventFilter(this);
    }
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint && !sinceMain && showsMolecules()) {
            sinceMain = MillisecondsSince(m_start);
            sinceProcessStart = MillisecondsSinceProcessStart();
            cpuMilliseconds = CpuSeconds() * 1000.0;
        }
        return false;
    }
    std::optional<double> sinceMain;
    std::optional<double> sinceProcessStart;
    double cpuMilliseconds = 0;  // CPU time the process had used by then

  private:
    bool showsMolecules() {
        const QImage& image = m_cylinder->image();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) != qRgb(0, 0, 0))
                    return true;
            }
        }
        return false;
    }
    kemora::ui::SurfaceWidget* m_cylinder;
    Clock::time_point m_start;
};

}  // namespace

int main(int argc, char* argv[]) {
    const Clock::time_point start = Clock::now();
    int seconds = 10;
    int zoom = 100;
    QString screenshot;
    int number = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc)
            screenshot = QString::fromLocal8Bit(argv[++i]);
        else if (number++ == 0)
            seconds = std::max(1, std::atoi(argv[i]));
        else
            zoom = std::atoi(argv[i]);
    }

    QApplication application(argc, argv);
    kemora::ui::PrepareApplication(application);

    QTemporaryDir folder;
    const std::string configPath = kemora::config::ConfigFilePathIn(folder.path().toStdString());
    kemora::model::ExperimentSettings settings;
    kemora::model::SetDefaultSettings(settings);  // water, 27 °C, 1 mol, 0..700 L
    if (!folder.isValid() || !kemora::config::SaveSettings(settings, configPath)) {
        std::fprintf(stderr, "cannot write the settings file\n");
        return 1;
    }

    kemora::mainwindow::MainState state;
    kemora::ui::frmMain window(state, [&configPath] {
        return kemora::config::SettingsPlace{configPath, configPath, true};
    });
    FirstFrameWatch firstFrame(window.findChild<kemora::ui::SurfaceWidget*>("picBack"), start);
    window.setZoom(zoom);
    window.show();
    window.findChild<QLineEdit*>("txtValue")->setText(QStringLiteral("300"));
    bool screenshotFailed = false;
    if (!screenshot.isEmpty()) {
        QTimer::singleShot(4000, &window,
                           [&] { screenshotFailed = !window.grab().save(screenshot, "PNG"); });
    }

    // The run is measured from one second after start-up, when the window is settled.
    double cpuAtStart = 0;
    Clock::time_point runStart;
    QTimer::singleShot(1000, Qt::PreciseTimer, &application, [&] {
        cpuAtStart = CpuSeconds();
        runStart = Clock::now();
        QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, &application, &QApplication::quit);
    });
    QApplication::exec();

    const double cpu = CpuSeconds() - cpuAtStart;
    const double wall = MillisecondsSince(runStart) / 1000.0;
    std::printf(
        "first frame with molecules: %.0f ms after main(), %.0f ms after process start "
        "(%.0f ms of CPU time used by then)\n",
        firstFrame.sinceMain.value_or(-1), firstFrame.sinceProcessStart.value_or(-1),
        firstFrame.cpuMilliseconds);
    std::printf("zoom %.0f %%\n", window.zoomFactor() * 100);
    std::printf("run at 300 L: %.2f s CPU in %.2f s = %.2f %% of one core\n", cpu, wall,
                100.0 * cpu / wall);
    std::printf("peak resident memory: %.1f MB\n", PeakResidentMegabytes());
    if (screenshotFailed) {
        std::fprintf(stderr, "cannot write the screenshot %s\n", qPrintable(screenshot));
        return 1;
    }
    return 0;
}
