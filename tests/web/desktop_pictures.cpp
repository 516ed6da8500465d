// Draws the main window's two panels as the desktop does, for a run of actions, and writes
// them as pictures, so that the browser edition's test can compare its canvases with them:
//   desktop_pictures OUT_DIR TIME_OF_DAY ACTION...
// ACTION: type=TEXT (typed into the volume field one character after another, each running
// the volume handler as a keystroke does), ticks=N (timer ticks), liquid=INDEX.
// Writes OUT_DIR/picBack.ppm, picGrph.ppm, sprite.ppm (at zoom 1), state.json: the lid's
// top, the pressure text and where the graph's texts lie, and states.csv: the bytes that
// ファイル → データをCSVで保存 writes for the plotted states.
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "json_string.h"
#include "mainwindow/main_state.h"
#include "mainwindow/main_view.h"
#include "mainwindow/main_window_logic.h"
#include "mainwindow/panel_sizes.h"
#include "ui/artwork.h"
#include "ui/export_commands.h"
#include "ui/surface_widget.h"

using kemora::testing_support::JsonString;

namespace {

using namespace kemora;

struct TextBox {
    int32_t left, top, right, bottom;
};

// The graph box, also telling where each text inks.
class TextRecordingSurface : public mainwindow::Surface {
  public:
    explicit TextRecordingSurface(ui::SurfaceWidget& inner) : m_inner(inner) {}

    void fillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, mainwindow::Rgb c) override {
        m_inner.fillRect(x1, y1, x2, y2, c);
    }
    void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, mainwindow::Rgb c) override {
        m_inner.drawLine(x1, y1, x2, y2, c);
    }
    void setTextPosition(int32_t x, int32_t y) override {
        m_x = x;
        m_y = y;
        m_inner.setTextPosition(x, y);
    }
    void printText(std::string_view utf8) override {
        if (const auto ink = m_inner.textInk(utf8))
            boxes.push_back({m_x + ink->left, m_y + ink->top, m_x + ink->right, m_y + ink->bottom});
        m_inner.printText(utf8);
    }
    std::optional<mainwindow::TextInk> textInk(std::string_view utf8) override {
        return m_inner.textInk(utf8);
    }
    void copySprite(int32_t x, int32_t y) override { m_inner.copySprite(x, y); }
    void refresh() override {}

    std::vector<TextBox> boxes;

  private:
    ui::SurfaceWidget& m_inner;
    int32_t m_x = 0;
    int32_t m_y = 0;
};

class PictureView : public mainwindow::MainView {
  public:
    PictureView()
        : m_cylinder(QSize(mainwindow::kCylinderWidth, mainwindow::kCylinderHeight), Qt::black),
          m_graph(QSize(mainwindow::kGraphBoxWidth, mainwindow::kGraphBoxHeight), Qt::white),
          graphText(m_graph) {
        m_cylinder.setSpriteSource(ui::MoleculeSprite());
        m_graph.setTextFont(ui::GraphLabelFont());
    }

    std::string volumeText() const override { return volume; }
    void setVolumeText(std::string_view text) override { volume = text; }
    void setPressureText(std::string_view text) override { pressure = text; }
    void setLidTop(int32_t top) override { lidTop = top; }
    void setUnitLabel(std::string_view) override {}
    void setVolumeMaximum(int32_t) override {}
    int32_t liquidIndex() const override { return liquid; }
    void setLiquidIndex(int32_t index) override { liquid = index; }
    void setCaption(const mainwindow::Caption&) override {}
    void setButtonLit(mainwindow::PictureButton, bool) override {}
    void repaintWindow() override {}
    mainwindow::Surface& cylinder() override { return m_cylinder; }
    mainwindow::Surface& graphBox() override { return graphText; }
    void describeCylinder(const mainwindow::LayerSplit&) override {}
    void describeGraph(const mainwindow::GraphReading&) override {}

    const QImage& cylinderImage() { return m_cylinder.image(); }
    const QImage& graphImage() { return m_graph.image(); }

    std::string volume = "0";
    std::string pressure;
    int32_t lidTop = mainwindow::kLidAtZero;
    int32_t liquid = -1;

  private:
    ui::SurfaceWidget m_cylinder;
    ui::SurfaceWidget m_graph;

  public:
    TextRecordingSurface graphText;
};

bool Save(const QImage& image, const QString& path) {
    return image.convertToFormat(QImage::Format_RGB888).save(path, "PPM");
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fputs("usage: desktop_pictures OUT_DIR TIME_OF_DAY ACTION...\n", stderr);
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const float timeOfDay = std::stof(argv[2]);

    mainwindow::MainState state;
    PictureView view;
    mainwindow::MainWindowLogic logic(
        state, view, [] { return std::string(); }, [timeOfDay] { return timeOfDay; });
    logic.Form_Load();
    logic.Form_Activate();
    for (int i = 3; i < argc; ++i) {
        const std::string action = argv[i];
        const std::string value = action.substr(action.find('=') + 1);
        if (action.starts_with("type=")) {
            for (std::size_t n = 1; n <= value.size(); ++n) {
                view.volume = value.substr(0, n);
                logic.txtValue_Change();
            }
        } else if (action.starts_with("ticks=")) {
            for (int tick = std::stoi(value); tick > 0; --tick) logic.Timer1_Timer();
        } else if (action.starts_with("liquid=")) {
            view.liquid = std::stoi(value);
        } else {
            std::fprintf(stderr, "unknown action: %s\n", action.c_str());
            return 2;
        }
    }

    const bool saved = Save(view.cylinderImage(), out + "/picBack.ppm") &&
                       Save(view.graphImage(), out + "/picGrph.ppm") &&
                       Save(ui::MoleculeSprite(), out + "/sprite.ppm");
    std::string json = "{\"lidTop\": " + std::to_string(view.lidTop) +
                       ", \"pressure\": " + JsonString(view.pressure) + ", \"texts\": [";
    for (std::size_t i = 0; i < view.graphText.boxes.size(); ++i) {
        const TextBox& box = view.graphText.boxes[i];
        json += (i ? ", [" : "[") + std::to_string(box.left) + ", " + std::to_string(box.top) +
                ", " + std::to_string(box.right) + ", " + std::to_string(box.bottom) + "]";
    }
    json += "]}\n";
    const std::string csv = ui::ExportCommands::csvBytes(state);
    QFile file(out + "/state.json");
    QFile csvFile(out + "/states.csv");
    if (!saved || !file.open(QIODevice::WriteOnly) ||
        file.write(json.data(), qint64(json.size())) < 0 || !csvFile.open(QIODevice::WriteOnly) ||
        csvFile.write(csv.data(), qint64(csv.size())) < 0) {
        std::fputs("could not write the pictures\n", stderr);
        return 1;
    }
    return 0;
}
