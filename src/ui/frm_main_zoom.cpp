// The main window's zoom, full screen and place on the screen: the window is laid out and its
// images drawn at the zoom shown, which the logic never sees.
#include "ui/frm_main.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <algorithm>

#include "config/settings_ini.h"
#include "config/settings_place.h"
#include "mainwindow/zoom.h"
#include "ui/artwork.h"
#include "ui/image_button.h"
#include "ui/surface_widget.h"
#include "ui/utf8_text.h"

namespace kemora::ui {
namespace {

constexpr int kClientWidth = 800;
constexpr int kClientHeight = 559;

// An image drawn at `devicePixelRatio` device pixels per pixel of the window.
QPixmap ScreenPixmap(const QImage& image, double devicePixelRatio) {
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

void HoldImage(QLabel* holder, const QImage& image, double devicePixelRatio) {
    holder->setPixmap(ScreenPixmap(image, devicePixelRatio));
    holder->resize(holder->pixmap().deviceIndependentSize().toSize());
}

}  // namespace

double frmMain::zoomFactor() const {
    return mainwindow::ZoomFactor(m_shownZoom);
}

void frmMain::setZoom(int32_t percent) {
    m_zoom = std::clamp(percent, mainwindow::kSmallestZoom, mainwindow::kLargestZoom);
    showZoom();
}

void frmMain::chooseZoom(int32_t percent) {
    setZoom(percent);
    const config::SettingsPlace place = m_settingsPlace();
    const int32_t chosen = m_zoom;  // as the window could take it
    if (!config::SaveSettingsChoice(place, [chosen](std::string_view content) {
            return config::ZoomIntoIni(content, chosen);
        })) {
        m_messageBox(this,
                     tr("表示の大きさを保存できませんでした。") + "\n" + FromUtf8(place.savePath),
                     windowTitle());
    }
}

void frmMain::setFullScreen(bool on) {
    if (on == m_fullScreenShown)
        return;
    // The window's own record rather than the window manager's state, which may follow late
    // or not at all.
    m_fullScreenShown = on;
    if (on) {
        m_placeBeforeFullScreen = geometry();
        // Window managers refuse full screen to a window whose size is fixed; the screen
        // gives it its size meanwhile.
        layout()->setSizeConstraint(QLayout::SetNoConstraint);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        showFullScreen();
        showZoom();
    } else {
        showNormal();
        layout()->setSizeConstraint(QLayout::SetFixedSize);
        // The place without the frame, which a full screen window does not have.
        setGeometry(m_placeBeforeFullScreen);
        showZoom(true);
    }
}

int32_t frmMain::fullScreenZoom() const {
    const QScreen* screen = this->screen();
    if (screen == nullptr)
        return m_zoom;
    const QSize area = screen->geometry().size();
    return mainwindow::FitZoom({kClientWidth, kClientHeight},
                               {area.width(), area.height() - menuBar()->sizeHint().height()});
}

QSize frmMain::frameMargins() const {
    return frameGeometry().size() - geometry().size();
}

int32_t frmMain::windowFitZoom() const {
    const QScreen* screen = this->screen();
    if (screen == nullptr)
        return m_zoom;
    // The window's frame and menu bar keep their size at every zoom.
    const QSize area = screen->availableGeometry().size();
    const QSize frame = frameMargins();
    return mainwindow::FitZoom({kClientWidth, kClientHeight},
                               {area.width() - frame.width(),
                                area.height() - frame.height() - menuBar()->sizeHint().height()});
}

int32_t frmMain::zoomToShow() const {
    return m_fullScreenShown ? fullScreenZoom() : std::min(m_zoom, windowFitZoom());
}

void frmMain::showZoom(bool keepPlace) {
    const QPoint centre = frameGeometry().center();
    m_shownZoom = zoomToShow();
    const double zoom = mainwindow::ZoomFactor(m_shownZoom);
    const double devicePixelRatio = devicePixelRatioF();

    // The picture boxes take their new size before the layout places them.
    drawImages(zoom * devicePixelRatio, devicePixelRatio);
    m_picBack->setScale(zoom, devicePixelRatio);
    m_picGrph->setScale(zoom, devicePixelRatio);
    m_layout.apply(zoom);
    m_client->setFixedSize(m_layout.map(QSize(kClientWidth, kClientHeight)));
    placeWindow(centre, keepPlace);

    // Only the steps that fit the screen are offered.
    const int32_t fit = m_fullScreenShown ? m_shownZoom : windowFitZoom();
    const bool windowed = !m_fullScreenShown;
    for (const auto& [percent, step] : m_zoomSteps) {
        step->setChecked(windowed && percent == m_shownZoom);
        step->setEnabled(windowed && percent <= fit);
    }
    m_zoomIn->setEnabled(windowed && mainwindow::ZoomIn(m_shownZoom) <= fit);
    m_zoomOut->setEnabled(windowed);
    m_zoomFit->setEnabled(windowed);
    m_fullScreen->setChecked(m_fullScreenShown);
    m_leaveFullScreen->setEnabled(m_fullScreenShown);
    emit zoomChanged(zoom);
}

void frmMain::drawImages(double scale, double devicePixelRatio) {
    const QImage sprite = MoleculeSprite(scale);
    HoldImage(m_picSp, sprite, devicePixelRatio);
    m_picBack->setSpriteSource(sprite);
    m_client->setPixmap(ScreenPixmap(BackgroundImage(scale), devicePixelRatio));
    m_picTenjyou->setPixmap(ScreenPixmap(LidImage(scale), devicePixelRatio));
    HoldImage(m_picSinarioOn, ButtonPicture(ButtonImage::SinarioOn, scale), devicePixelRatio);
    HoldImage(m_picSinarioOff, ButtonPicture(ButtonImage::SinarioOff, scale), devicePixelRatio);
    HoldImage(m_picGrphSwOn, ButtonPicture(ButtonImage::GrphSwOn, scale), devicePixelRatio);
    HoldImage(m_picGrphSwOff, ButtonPicture(ButtonImage::GrphSwOff, scale), devicePixelRatio);
    HoldImage(m_picGrphClsOn, ButtonPicture(ButtonImage::GrphClsOn, scale), devicePixelRatio);
    HoldImage(m_picGrphClsOff, ButtonPicture(ButtonImage::GrphClsOff, scale), devicePixelRatio);
    for (const auto button : {mainwindow::PictureButton::Sinario, mainwindow::PictureButton::GrphSw,
                              mainwindow::PictureButton::GrphCls})
        showButtonImage(button);
}

void frmMain::placeWindow(QPoint centre, bool keepPlace) {
    const QScreen* screen = this->screen();
    // Full screen centres the client on the frame colour, the menu bar above it, in a window
    // as large as the screen.
    if (m_fullScreenShown && screen != nullptr) {
        const QSize area = screen->geometry().size();
        const QSize client = m_client->size();
        const int spareWidth = std::max(0, area.width() - client.width());
        const int spareHeight =
            std::max(0, area.height() - menuBar()->sizeHint().height() - client.height());
        setContentsMargins(spareWidth / 2, spareHeight / 2, spareWidth - spareWidth / 2,
                           spareHeight - spareHeight / 2);
    } else {
        setContentsMargins(0, 0, 0, 0);
    }
    // Full screen: the size and the place are the window manager's, which gives up full
    // screen for a window that sets either.
    if (m_fullScreenShown)
        return;
    adjustSize();
    if (screen == nullptr || keepPlace)
        return;
    m_placedFrame = frameMargins();
    // Where it was, or centred before it is first shown; kept on the screen, its top left
    // first where it cannot fit.
    const QRect area = screen->availableGeometry();
    QRect place = frameGeometry();
    place.moveCenter(isVisible() ? centre : area.center());
    place.moveRight(std::min(place.right(), area.right()));
    place.moveBottom(std::min(place.bottom(), area.bottom()));
    place.moveLeft(std::max(place.left(), area.left()));
    place.moveTop(std::max(place.top(), area.top()));
    move(place.topLeft());
}

void frmMain::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (isVisible() && !m_fullScreenShown && frameMargins() != m_placedFrame)
        showZoom();
}

void frmMain::paintEvent(QPaintEvent* event) {
    // Around the client of a full screen window, the frame colour; the menu bar and the
    // client paint themselves. Set as a palette it would reach the menu bar too.
    if (m_fullScreenShown)
        QPainter(this).fillRect(event->rect(), QColor(kFrameColor));
    QMainWindow::paintEvent(event);
}

}  // namespace kemora::ui
