#include "platform/qt/qt_plot_window.h"

#include <map>
#include <vector>

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QIcon>
#include <QMainWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>
#include <QUrl>
#include <QWheelEvent>
#include <QWidget>

#include "platform/qt/qt_image_surface.h"
#include "platform/qt/qt_status_line.h"
#include "platform/window_messages.h"

namespace kvx {

namespace {

uintptr_t virtualKey(int key)
{
    switch (key) {
    case Qt::Key_PageUp: return VK_PAGE_UP;
    case Qt::Key_PageDown: return VK_PAGE_DOWN;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    default:
        // Letters and digits keep their character codes, as virtual keys do.
        if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
            return static_cast<uintptr_t>(key);
        }
        return 0;
    }
}

QIcon kurvexIcon()
{
    QIcon icon;
    for (const char* size : {"16", "32", "48", "128"}) {
        icon.addFile(QStringLiteral(":/kvx/images/kvx_%1.png").arg(QLatin1String(size)));
    }
    return icon;
}

class QtPlotWindow;

// The client area: shows the backing image and turns input into messages.
class Canvas : public QWidget {
public:
    Canvas(QtPlotWindow& owner, WindowEventSink& sink) : owner_(owner), sink_(sink)
    {
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setCursor(Qt::CrossCursor);
    }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override
    {
        deliver(MSG_POINTER_MOVE, 0, position(event));
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton) {
            deliver(MSG_LEFT_DOWN, 0, position(event));
        } else if (event->button() == Qt::RightButton) {
            deliver(MSG_RIGHT_DOWN, 0, position(event));
        }
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton) {
            deliver(MSG_LEFT_UP, 0, position(event));
        }
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton) {
            deliver(MSG_LEFT_DOUBLE_CLICK, 0, position(event));
        }
    }
    void wheelEvent(QWheelEvent* event) override
    {
        const int delta = event->angleDelta().y();
        if (delta == 0) {
            return;
        }
        const QPoint screen = event->globalPosition().toPoint();
        deliver(MSG_WHEEL, packWheelDelta(delta), packPoint(screen.x(), screen.y()));
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        const uintptr_t key = virtualKey(event->key());
        if (key == 0) {
            QWidget::keyPressEvent(event);
            return;
        }
        deliver(MSG_KEY_DOWN, key, 0);
    }

private:
    static intptr_t position(QMouseEvent* event)
    {
        const QPoint p = event->position().toPoint();
        return packPoint(p.x(), p.y());
    }
    void deliver(uint32_t message, uintptr_t wParam, intptr_t lParam)
    {
        sink_.deliverMessage(message, wParam, lParam);
    }

    QtPlotWindow& owner_;
    WindowEventSink& sink_;
};

// The top-level window: menu bar, canvas, status line.
class PlotMainWindow : public QMainWindow {
public:
    PlotMainWindow(WindowEventSink& sink) : sink_(sink)
    {
        setAcceptDrops(true);
        setWindowIcon(kurvexIcon());
    }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        // The plot destroys its window itself, at once and without a question.
        event->ignore();
        sink_.deliverMessage(MSG_CLOSE, 0, 0);
    }
    void moveEvent(QMoveEvent* event) override
    {
        QMainWindow::moveEvent(event);
        sink_.deliverMessage(MSG_MOVE, 0, 0);
    }
    void changeEvent(QEvent* event) override
    {
        QMainWindow::changeEvent(event);
        if (event->type() == QEvent::ActivationChange) {
            sink_.deliverMessage(isActiveWindow() ? MSG_SET_FOCUS : MSG_KILL_FOCUS, 0, 0);
        }
    }
    void dragEnterEvent(QDragEnterEvent* event) override
    {
        if (localFiles(event->mimeData()).paths.empty()) {
            return;
        }
        event->acceptProposedAction();
    }
    void dropEvent(QDropEvent* event) override
    {
        DroppedFiles drop = localFiles(event->mimeData());
        if (drop.paths.empty()) {
            return;
        }
        event->acceptProposedAction();
        sink_.deliverMessage(MSG_FILES_DROPPED, reinterpret_cast<uintptr_t>(&drop), 0);
    }

private:
    static DroppedFiles localFiles(const QMimeData* data)
    {
        DroppedFiles drop;
        if (!data || !data->hasUrls()) {
            return drop;
        }
        for (const QUrl& url : data->urls()) {
            if (url.isLocalFile()) {
                drop.paths.push_back(url.toLocalFile().toStdString());
            }
        }
        return drop;
    }

    WindowEventSink& sink_;
};

class QtPlotWindow final : public NativeWindow {
public:
    QtPlotWindow(WindowEventSink& sink, const WindowRect& rect, const WindowOptions& options)
        : sink_(sink), surface_(std::max(rect.width, 1), std::max(rect.height, 1))
    {
        window_ = std::make_unique<PlotMainWindow>(sink);
        canvas_ = new Canvas(*this, sink);
        window_->setCentralWidget(canvas_);
        if (options.menu) {
            buildMenu(*options.menu);
        }
        if (options.statusLine) {
            statusLine_ = new QtStatusLine;
            window_->setStatusBar(statusLine_);
        } else {
            window_->setStatusBar(nullptr);
        }
        window_->setGeometry(rect.x, rect.y, rect.width, rect.height);
    }

    ~QtPlotWindow() override = default;

    QtImageSurface& image() { return surface_; }
    QWidget* widget() const { return window_.get(); }
    bool consumeStale()
    {
        const bool stale = stale_;
        stale_ = false;
        return stale;
    }
    void markStale() { stale_ = true; }
    void setPainting(bool painting) { painting_ = painting; }

    void setCaption(std::string_view caption) override
    {
        window_->setWindowTitle(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
    }
    void moveAndResize(int x, int y, int width, int height) override
    {
        window_->setGeometry(x, y, width, height);
    }
    WindowRect windowRect() override
    {
        const QRect r = window_->geometry();
        return {r.x(), r.y(), r.width(), r.height()};
    }
    WindowRect clientRect() override
    {
        const QPoint origin = canvas_->mapToGlobal(QPoint(0, 0));
        return {origin.x(), origin.y(), canvas_->width(), canvas_->height()};
    }
    void show(ShowState state) override
    {
        switch (state) {
        case ShowState::Normal: window_->showNormal(); break;
        case ShowState::Minimized: window_->showMinimized(); break;
        case ShowState::Maximized: window_->showMaximized(); break;
        case ShowState::Unchanged: window_->show(); break;
        }
        canvas_->setFocus();
    }
    void hide() override { window_->hide(); }
    void setEnabled(bool enabled) override { window_->setEnabled(enabled); }
    void bringToFront() override
    {
        window_->raise();
        window_->activateWindow();
    }
    Surface& surface() override { return surface_; }
    void present() override
    {
        const QRect drawn = surface_.takeDrawnArea();
        // Pieces drawn on a picture that was never painted (points added
        // before the first paint) leave it stale: only a whole picture
        // replaces what the image was made with.
        if (drawn == surface_.image().rect()) {
            stale_ = false;
        }
        if (!painting_ && !drawn.isEmpty()) {
            canvas_->update(drawn);
        }
    }
    void captureMouse(bool capture) override
    {
        if (capture && canvas_->isVisible()) {
            canvas_->grabMouse();
        } else if (!capture) {
            canvas_->releaseMouse();
        }
    }
    void setCursor(CursorShape shape) override
    {
        canvas_->setCursor(shape == CursorShape::Wait ? Qt::WaitCursor : Qt::CrossCursor);
    }
    bool hasMenu() const override { return !actions_.empty(); }
    void checkMenuItem(int command, bool checked) override
    {
        for (auto [it, end] = actions_.equal_range(command); it != end; ++it) {
            it->second->setCheckable(true);
            it->second->setChecked(checked);
        }
    }
    void setMenuItemState(int command, ItemState state) override
    {
        for (auto [it, end] = actions_.equal_range(command); it != end; ++it) {
            QAction* action = it->second;
            // A disabled item that looks enabled keeps its normal drawing and
            // simply sends nothing.
            action->setEnabled(state != ItemState::Grayed);
            action->setProperty("inert", state == ItemState::DisabledLooksEnabled);
        }
    }
    bool hasStatusLine() const override { return statusLine_ != nullptr; }
    void setStatusParts(const std::vector<int>& rightEdges) override
    {
        if (statusLine_) {
            statusLine_->setParts(rightEdges);
        }
    }
    void setStatusText(int part, std::string_view text) override
    {
        if (statusLine_) {
            statusLine_->setText(part, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        }
    }

private:
    void addEntries(QMenu* menu, const std::vector<MenuEntry>& entries)
    {
        for (const MenuEntry& entry : entries) {
            if (entry.separator) {
                menu->addSeparator();
            } else if (!entry.children.empty()) {
                addEntries(menu->addMenu(QString::fromStdString(entry.text)), entry.children);
            } else {
                addItem(menu->addAction(QString::fromStdString(entry.text)), entry.command);
            }
        }
    }
    void addItem(QAction* action, int command)
    {
        actions_.emplace(command, action);
        QObject::connect(action, &QAction::triggered, [this, action, command](bool checked) {
            if (action->property("inert").toBool()) {
                // The toolkit has already turned the check mark over; an
                // item that refuses clicks keeps the one it had.
                if (action->isCheckable()) {
                    action->setChecked(!checked);
                }
                return;
            }
            sink_.deliverMessage(MSG_COMMAND, static_cast<uintptr_t>(command), 0);
        });
    }
    void buildMenu(const std::vector<MenuEntry>& menus)
    {
        QMenuBar* bar = window_->menuBar();
        for (const MenuEntry& top : menus) {
            addEntries(bar->addMenu(QString::fromStdString(top.text)), top.children);
        }
    }

    WindowEventSink& sink_;
    QtImageSurface surface_;
    std::unique_ptr<PlotMainWindow> window_;
    Canvas* canvas_ = nullptr;  // owned by the window
    std::multimap<int, QAction*> actions_;
    QtStatusLine* statusLine_ = nullptr;  // owned by the window
    bool stale_ = true;
    bool painting_ = false;
};

void Canvas::paintEvent(QPaintEvent*)
{
    // A picture that nobody painted since the image was made or resized is
    // painted by the plot first.
    if (owner_.consumeStale()) {
        owner_.setPainting(true);
        deliver(MSG_PAINT, 0, 0);
        owner_.setPainting(false);
    }
    QPainter painter(this);
    painter.drawImage(0, 0, owner_.image().image());
}

void Canvas::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    owner_.image().resize(std::max(width(), 1), std::max(height(), 1));
    owner_.markStale();
    deliver(MSG_SIZE, 0, 0);
}

}  // namespace

QWidget* qtWidgetOf(NativeWindow* window)
{
    auto* qtWindow = dynamic_cast<QtPlotWindow*>(window);
    return qtWindow ? qtWindow->widget() : nullptr;
}

std::unique_ptr<NativeWindow> createQtPlotWindow(WindowEventSink& sink, const WindowRect& rect,
                                                 const WindowOptions& options)
{
    return std::make_unique<QtPlotWindow>(sink, rect, options);
}

}  // namespace kvx
