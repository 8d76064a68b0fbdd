#include "ui/frmMap.h"

#include "map/AreaOutline.h"
#include "map/BoardPicture.h"
#include "map/CentreOnArea.h"
#include "map/DisplaySettingsFile.h"
#include "map/HexEditing.h"
#include "map/HexSearch.h"
#include "map/ResizeView.h"
#include "orders/MapKeys.h"
#include "orders/MapStatus.h"
#include "session/Session.h"
#include "state/AreaDescription.h"
#include "ui/MapView.h"
#include "ui/WindowMetrics.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QWindow>

#include <utility>

namespace qm {

namespace {

constexpr char16_t kCaption[] = u"Map";
constexpr char16_t kDragCaption[] = u"Map - Drag Mode";

}  // namespace

frmMap::frmMap(Session& session, const QWidget& mainWindow)
    : QWidget(nullptr, Qt::Window), session_(session), main_(mainWindow) {
    setObjectName(QStringLiteral("frmMap"));
    setWindowTitle(QString::fromUtf16(kCaption));

    options_ = new QWidget(this);
    auto* rows = new QVBoxLayout(options_);
    rows->setContentsMargins(4, 2, 4, 2);
    rows->setSpacing(2);
    auto* row = new QHBoxLayout;
    rows->addLayout(row);
    optionGroup_ = new QButtonGroup(this);
    for (int index = 0; index < static_cast<int>(kMapOptions.size()); ++index) {
        auto* option =
            new QRadioButton(OptionCaption(kMapOptions[static_cast<std::size_t>(index)]), options_);
        option->setObjectName(QStringLiteral("optCommand%1").arg(index));
        option->setFocusPolicy(Qt::TabFocus);  // a click keeps the keys on the map
        optionGroup_->addButton(option, index);
        row->addWidget(option);
        optCommand_[static_cast<std::size_t>(index)] = option;
    }
    row->addStretch();
    optCommand_[0]->setChecked(true);
    rows->addLayout(BuildTypingRow());
    options_->adjustSize();

    picView_ = new MapView(session_.map.picture.picView, this);
    picView_->move(0, options_->height());
    picView_->onMove = [this](QMouseEvent& event) { OnMove(event); };
    picView_->onPress = [this](QMouseEvent& event) { OnPress(event); };
    picView_->onRelease = [this](QMouseEvent& event) { OnRelease(event); };
    picView_->onDoubleClick = [this](QMouseEvent& event) { OnDoubleClick(event); };
    picView_->onWheel = [this](QWheelEvent& event) { OnWheel(event); };
    picView_->onKey = [this](QKeyEvent& event) {
        event.setAccepted(OnOrderKey(event) || OnKey(event.key()));
    };
    picView_->onLeave = [this] { ShowOrderState(0); };
    setFocusProxy(picView_);

    staMap_ = new QStatusBar(this);
    staMap_->setObjectName(QStringLiteral("staMap"));
    staMap_->setSizeGripEnabled(false);
    staMap_->adjustSize();
}

void frmMap::Load(bool readSettings) {
    session_.port.SetBusy(true);
    const bool firstStart = readSettings && !LoadMapSettings(session_.map, DefaultSettingsPath());
    SetMapScale(session_.map, ScreenScale());
    emit HexDisplayChanged();
    LoadMapPicture(session_.game, session_.map, session_.port);

    // The window manager's frame is known only once a window is shown: before
    // that, the main window's frame stands for this one's.
    const bool framed = isVisible() && frameGeometry() != geometry();
    const QWidget& measured = framed ? static_cast<const QWidget&>(*this) : main_;
    const QRect inner = measured.geometry(), outer = measured.frameGeometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    setGeometry(MapWindowPlacement(QGuiApplication::primaryScreen()->availableGeometry(),
                                   main_.frameGeometry().bottom() + 1 + TwipsToPixels(50), frame,
                                   session_.map.geometry.MapWidth() / Scale() + 2,
                                   options_->height() + staMap_->height() + 50));
    FitView();
    LookAtHome(session_.game, session_.map, session_.port, firstStart);
    RefreshAreaChoices();
    session_.port.SetBusy(false);
}

void frmMap::Redraw() {
    SetMapScale(session_.map, ScreenScale());
    LoadMapPicture(session_.game, session_.map, session_.port);
    FitView();
    ShowOrderState(hoverArea_);
}

QSize frmMap::ViewRoom() const {
    return {width(), height() - options_->height() - staMap_->height()};
}

QSize frmMap::PictureRoom() const { return ViewRoom() * Scale(); }

int frmMap::Scale() const { return session_.map.picture.Scale; }

int frmMap::ScreenScale() const { return devicePixelRatioF() >= 1.5 ? 2 : 1; }

QSize frmMap::ViewSize() const { return session_.map.picture.picView.size() / Scale(); }

void frmMap::FitView() {
    SetViewSize(session_.map, PictureRoom().width(), PictureRoom().height());
    picView_->resize(ViewSize());
    RefreshView(session_.game, session_.map, session_.port);
}

void frmMap::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    options_->resize(width(), options_->height());
    staMap_->setGeometry(0, height() - staMap_->height(), width(), staMap_->height());
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) return;
    if (session_.map.picture.IsLoaded()) FitView();
}

void frmMap::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Moved to a screen of another density, the map is drawn again for it.
    if (QWindow* window = windowHandle(); window && !screenWatched_) {
        screenWatched_ = true;
        connect(window, &QWindow::screenChanged, this, [this] {
            if (session_.map.picture.IsLoaded() && ScreenScale() != Scale()) Redraw();
        });
    }
}

void frmMap::ViewChanged() {
    // A change of size or shape may have resized the picture.
    if (picView_->size() != ViewSize()) picView_->resize(ViewSize());
    picView_->update();
    ShowOrderState(hoverArea_);  // the mark moves with the map
}

void frmMap::ShowOrderState(int hoverArea) {
    hoverArea_ = hoverArea;
    const Interaction& interaction = session_.interaction;
    staMap_->showMessage(
        MapStatusText(session_.game, interaction, hoverArea, session_.map.lastSeen));
    const bool pending = IsTargetPending(interaction);
    if (!pending) keyTarget_ = 0;
    std::vector<QPolygon> marked;
    if (pending || keySelection_)
        marked = AreaCellsInView(session_.game, session_.map, interaction.SelectedArea);
    if (keyTarget_ != 0)
        for (QPolygon& cell : AreaCellsInView(session_.game, session_.map, keyTarget_))
            marked.push_back(std::move(cell));
    picView_->SetMarkedCells(std::move(marked));
    // What the keys have picked, for a screen reader as for the eye; told
    // again only when the area or its orders changed, not on every move.
    const std::pair told(keyTarget_ != 0 ? keyTarget_ : interaction.SelectedArea,
                         session_.game.Revision.current);
    if (told != told_) {
        told_ = told;
        picView_->setAccessibleDescription(AreaHoverText(session_.game, told.first));
        QAccessibleEvent changed(picView_, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
    if (dragging_) return;
    if (interaction.MapMode.isEmpty())
        picView_->unsetCursor();
    else
        picView_->setCursor(Qt::CrossCursor);
}

std::int16_t frmMap::AreaUnderPointer() const {
    const auto cell = HexAtPoint(session_.map.geometry, session_.map.display, PointerX, PointerY);
    return cell ? session_.map.hexes.at(cell->Column, cell->Row).Area : std::int16_t{0};
}

void frmMap::OpenHexEditorAtPointer() {
    const auto cell = HexAtPoint(session_.map.geometry, session_.map.display, PointerX, PointerY);
    if (!cell) return;
    emit HexEditorAsked(cell->Column, cell->Row);
    RedrawHexCell(session_.game, session_.map, session_.port, cell->Column, cell->Row);
}

int frmMap::SelectedOption() const { return optionGroup_->checkedId(); }

void frmMap::OnMove(QMouseEvent& event) {
    // The core counts in the pictures' pixels, twice the window's on a dense screen.
    PointerX = static_cast<float>(event.position().x() * Scale());
    PointerY = static_cast<float>(event.position().y() * Scale());
    if (!dragging_) ShowOrderState(AreaUnderPointer());
}

void frmMap::OnPress(QMouseEvent& event) {
    OnMove(event);
    // A double-click's last release can be lost to a message box it raised;
    // a new press is the sure sign that it has gone by.
    if (event.button() == Qt::LeftButton) swallowRelease_ = false;
    if (event.button() != Qt::RightButton) return;
    const Qt::KeyboardModifiers all = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    if ((event.modifiers() & all) == all) {
        OpenHexEditorAtPointer();
        return;
    }
    setWindowTitle(QString::fromUtf16(kDragCaption));
    picView_->setCursor(Qt::CrossCursor);
    dragging_ = true;
    DragStartX = PointerX;
    DragStartY = PointerY;
}

void frmMap::OnRelease(QMouseEvent& event) {
    OnMove(event);
    LastButton = event.button() == Qt::RightButton ? 2 : event.button() == Qt::LeftButton ? 1 : 0;
    if (event.button() == Qt::RightButton) {
        // The view holds the mouse while a button is down, so a drop over the
        // option buttons arrives here too, in the view's own pixels.
        if (dragging_) Drop(PointerX, PointerY);
        return;
    }
    if (event.button() != Qt::LeftButton) return;
    if (swallowRelease_) {
        swallowRelease_ = false;
        return;
    }
    if (picView_->rect().contains(event.position().toPoint())) Click();
}

void frmMap::Drop(float x, float y) {
    dragging_ = false;
    const bool moved = x != DragStartX || y != DragStartY;
    ScrollMapBy(session_.game, session_.map, session_.port, x - DragStartX, y - DragStartY);
    setWindowTitle(QString::fromUtf16(kCaption));
    if (!moved) CancelPendingOrder(session_.interaction);  // a right click cancels
    ShowOrderState(AreaUnderPointer());
}

void frmMap::CancelOrder() {
    if (CancelPendingOrder(session_.interaction)) ShowOrderState(hoverArea_);
}

bool frmMap::OnKey(int key) {
    int x = 0, y = 0;
    switch (key) {
        case Qt::Key_Escape:
            CancelOrder();
            return true;
        case Qt::Key_Left:
            x = kWheelNotch;
            break;
        case Qt::Key_Right:
            x = -kWheelNotch;
            break;
        case Qt::Key_Up:
            y = kWheelNotch;
            break;
        case Qt::Key_Down:
            y = -kWheelNotch;
            break;
        default:
            return false;
    }
    ScrollMapByWheel(session_.game, session_.map, session_.port, x, y, false);
    return true;
}

void frmMap::keyPressEvent(QKeyEvent* event) {
    if (!OnKey(event->key())) QWidget::keyPressEvent(event);
}

void frmMap::OnWheel(QWheelEvent& event) {
    const QPoint angle = event.angleDelta();
    if (event.modifiers() & Qt::ControlModifier) {
        if (angle.y() == 0) return event.accept();
        const DisplaySettings& display = session_.map.display;
        const std::int16_t size = NextZoomSize(display.HexDisplay, display.HexSize, angle.y() > 0);
        ZoomKeepingPoint(session_.game, session_.map, session_.port, size,
                         event.position() * Scale(), PictureRoom());
        return event.accept();
    }
    ScrollMapByWheel(session_.game, session_.map, session_.port, angle.x(), angle.y(),
                     event.modifiers() & Qt::ShiftModifier);
    event.accept();
}

void frmMap::Click() {
    if (LastButton != 1) return;
    keySelection_ = false;  // the mouse picks now
    // The click and what a dialog makes of it are one step.
    session_.history.Record(session_.game, [&] {
        const MapClickAnswer answer =
            MapClick(session_.orders(), session_.spies, AreaUnderPointer());
        switch (answer.action) {
            case MapClickAnswer::Action::ScrollGrid:
                return emit GridScrollAsked(answer.value);
            case MapClickAnswer::Action::SpyTargetsChanged:
                return emit SpyTargetsChanged();
            case MapClickAnswer::Action::GrantAccess:
                return emit GrantAccessClicked(answer.value);
            case MapClickAnswer::Action::Nothing:
                return;
        }
    });
    ShowOrderState(AreaUnderPointer());
}

void frmMap::OnDoubleClick(QMouseEvent& event) {
    OnMove(event);
    if (event.button() != Qt::LeftButton) return;
    swallowRelease_ = true;
    if (!session_.interaction.MapMode.isEmpty()) return;
    session_.history.Record(session_.game, [&] {
        MapDoubleClick(session_.orders(), AreaUnderPointer(),
                       kMapOptions[static_cast<std::size_t>(SelectedOption())]);
    });
    ShowOrderState(AreaUnderPointer());
}

}  // namespace qm
