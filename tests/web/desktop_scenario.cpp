// Makes a scenario in the desktop's scenario editor and saves it with the editor's 保存, then
// plays the saved file in the main window's logic, so that the browser edition's test can
// compare its own file and playback with the desktop's:
//   desktop_scenario FILE TITLE ACTION...
// ACTION, each on the editor driven by its objectNames:
//   init=MOL,TEMPERATURE,UNIT,VOLUME_MIN,VOLUME_MAX,PRESSURE_MIN,PRESSURE_MAX   page 初期設定
//   volume=TEXT, gradual=TEXT (with 5リットルずつ変化する。)                        page 容量設定
//   show, hide, clear; liquid=INDEX (-1: a typed text that is no entry)
//   select=LINE (the line the next add or delete acts on), delete
// An action the editor refuses ends the tool with 1. Writes FILE, then prints as JSON what each
// playback key showed, one more key than the scenario has steps, with 40 timer ticks after each:
// the caption's title and step, the volume text, the liquid's entry and the pressure text.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "dialogs/frm_sinario.h"
#include "json_string.h"
#include "mainwindow/caption.h"
#include "mainwindow/main_state.h"
#include "mainwindow/main_view.h"
#include "mainwindow/main_window_logic.h"
#include "mainwindow/panel_sizes.h"
#include "scenario/scenario_file.h"
#include "ui/surface_widget.h"

using kemora::testing_support::JsonString;

namespace {

using namespace kemora;

constexpr int kTicksAfterKey = 40;
constexpr int kDownArrow = 40;

class PlaybackView : public mainwindow::MainView {
  public:
    PlaybackView()
        : m_cylinder(QSize(mainwindow::kCylinderWidth, mainwindow::kCylinderHeight), Qt::black),
          m_graph(QSize(mainwindow::kGraphBoxWidth, mainwindow::kGraphBoxHeight), Qt::white) {}

    std::string volumeText() const override { return volume; }
    void setVolumeText(std::string_view text) override { volume = text; }
    void setPressureText(std::string_view text) override { pressure = text; }
    void setLidTop(int32_t) override {}
    void setUnitLabel(std::string_view) override {}
    void setVolumeMaximum(int32_t) override {}
    int32_t liquidIndex() const override { return liquid; }
    void setLiquidIndex(int32_t index) override { liquid = index; }
    void setCaption(const mainwindow::Caption& shown) override { caption = shown; }
    void setButtonLit(mainwindow::PictureButton, bool) override {}
    void repaintWindow() override {}
    mainwindow::Surface& cylinder() override { return m_cylinder; }
    mainwindow::Surface& graphBox() override { return m_graph; }
    void describeCylinder(const mainwindow::LayerSplit&) override {}
    void describeGraph(const mainwindow::GraphReading&) override {}

    // The window's fields as it starts.
    std::string volume = "0";
    std::string pressure = "0";
    int32_t liquid = 0;
    mainwindow::Caption caption;

  private:
    ui::SurfaceWidget m_cylinder;
    ui::SurfaceWidget m_graph;
};

template <typename Control>
Control& Find(QWidget& dialog, const char* name) {
    auto* control = dialog.findChild<Control*>(name);
    if (control == nullptr) {
        std::fprintf(stderr, "no control %s\n", name);
        std::exit(2);
    }
    return *control;
}

void SetText(QWidget& dialog, const char* name, const QString& text) {
    Find<QLineEdit>(dialog, name).setText(text);
}

// Runs one action on the editor; false for an action it does not know.
bool Act(dialogs::frmSinario& editor, const std::string& action) {
    const QString value = QString::fromUtf8(action.substr(action.find('=') + 1));
    if (action.starts_with("init=")) {
        const QStringList parts = value.split(',');
        if (parts.size() != 7)
            return false;
        SetText(editor, "txtMol", parts[0]);
        SetText(editor, "txtContainer", parts[1]);
        Find<QComboBox>(editor, "cmbPressUnit").setCurrentIndex(parts[2].toInt());
        SetText(editor, "txtGrphWMin", parts[3]);
        SetText(editor, "txtGrphWMax", parts[4]);
        SetText(editor, "txtPressWMin", parts[5]);
        SetText(editor, "txtPressWMax", parts[6]);
        Find<QPushButton>(editor, "cmdAdd1").click();
    } else if (action.starts_with("volume=") || action.starts_with("gradual=")) {
        SetText(editor, "txtTemp", value);
        Find<QCheckBox>(editor, "chkAddTemp").setChecked(action.starts_with("gradual="));
        Find<QPushButton>(editor, "cmdAdd2").click();
    } else if (action == "show" || action == "hide") {
        Find<QRadioButton>(editor, action == "show" ? "OptGrphOn" : "optGrphOff").setChecked(true);
        Find<QPushButton>(editor, "cmdAdd3").click();
    } else if (action == "clear") {
        Find<QPushButton>(editor, "cmdAdd4").click();
    } else if (action.starts_with("liquid=")) {
        auto& list = Find<QComboBox>(editor, "cmbBussitu");
        if (value.toInt() < 0)
            list.setEditText(QStringLiteral("x"));
        else
            list.setCurrentIndex(value.toInt());
        Find<QPushButton>(editor, "cmdAdd5").click();
    } else if (action.starts_with("select=")) {
        Find<QListWidget>(editor, "listSinario").setCurrentRow(value.toInt());
    } else if (action == "delete") {
        Find<QPushButton>(editor, "cmdDel").click();
    } else {
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fputs("usage: desktop_scenario FILE TITLE ACTION...\n", stderr);
        return 2;
    }
    const QString file = QString::fromLocal8Bit(argv[1]);

    model::ExperimentSettings settings;
    scenario::Scenario edited;
    {
        dialogs::frmSinario editor(edited, settings);
        // Every action must be taken: a message means one was refused.
        editor.setMessageBox([](QWidget*, const QString& text, const QString&) {
            std::fprintf(stderr, "refused: %s\n", text.toUtf8().constData());
            std::exit(1);
        });
        editor.setFileNamePrompt(
            [&file](QWidget*, const dialogs::ScenarioFileRequest&) { return file; });
        auto& title = Find<QLineEdit>(editor, "txtTTl");
        title.setText(QString::fromUtf8(argv[2]));
        title.setModified(true);  // as typed
        for (int i = 3; i < argc; ++i) {
            if (!Act(editor, argv[i])) {
                std::fprintf(stderr, "unknown action: %s\n", argv[i]);
                return 2;
            }
        }
        Find<QPushButton>(editor, "cmdSave").click();
    }

    mainwindow::MainState state;
    PlaybackView view;
    mainwindow::MainWindowLogic logic(
        state, view, [] { return std::string(); }, [] { return 45296.25f; });
    logic.Form_Load();
    logic.Form_Activate();
    if (scenario::ReadScenarioFile(state.currentScenario, file.toLocal8Bit().toStdString()) !=
        scenario::ScenarioFileResult::Ok) {
        std::fputs("the saved scenario could not be read back\n", stderr);
        return 1;
    }
    logic.Form_Activate();  // as closing the editor does
    logic.picSinario_Click();
    std::string json = "[";
    for (int32_t key = 1; key <= state.currentScenario.stepCount + 1; ++key) {
        logic.Form_KeyUp(kDownArrow);
        for (int tick = 0; tick < kTicksAfterKey; ++tick) logic.Timer1_Timer();
        json += (key > 1 ? ",\n {" : "{") + std::string("\"title\": ") +
                JsonString(view.caption.title) +
                ", \"step\": " + std::to_string(view.caption.step.value_or(0)) +
                ", \"volume\": " + JsonString(view.volume) +
                ", \"liquid\": " + std::to_string(view.liquid) +
                ", \"pressure\": " + JsonString(view.pressure) + "}";
    }
    json += "]\n";
    std::fputs(json.c_str(), stdout);
    return 0;
}
