#include "ui/frmMap.h"

#include "map/BoardPicture.h"
#include "map/DisplaySettingsFile.h"
#include "map/HexSearch.h"
#include "session/Session.h"
#include "ui/MapView.h"
#include "ui/WindowMetrics.h"
#include "ui/frmWinQM.h"

#include <QButtonGroup>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

constexpr char16_t kCaption[] = u"Map";
constexpr char16_t kDragCaption[] = u"Map - Drag Mode";

}  // namespace

frmMap::frmMap(Session& session, frmWinQM& mainWindow)
    : QWidget(nullptr, Qt::Window), session_(session), main_(mainWindow) {
    setObjectName(QStringLiteral("frmMap"));
    setWindowTitle(QString::fromUtf16(kCaption));

    options_ = new QWidget(this);
    auto* row = new QHBoxLayout(options_);
    row->setContentsMargins(4, 2, 4, 2);
    optionGroup_ = new QButtonGroup(this);
    for (int index = 0; index < static_cast<int>(kMapOptions.size()); ++index) {
        auto* option = new QRadioButton(kMapOptions[static_cast<std::size_t>(index)], options_);
        option->setObjectName(QStringLiteral("optCommand%1").arg(index));
        optionGroup_->addButton(option, index);
        row->addWidget(option);
        optCommand_[static_cast<std::size_t>(index)] = option;
    }
    row->addStretch();
    optCommand_[0]->setChecked(true);
    options_->adjustSize();

    picView_ = new MapView(session_.map.picture.picView, this);
    picView_->move(0, options_->height());
    picView_->onMove = [this](QMouseEvent& event) { OnMove(event); };
    picView_->onPress = [this](QMouseEvent& event) { OnPress(event); };
    picView_->onRelease = [this](QMouseEvent& event) { OnRelease(event); };
    picView_->onDoubleClick = [this](QMouseEvent& event) { OnDoubleClick(event); };
}

void frmMap::Load() {
    session_.port.SetBusy(true);
    LoadDisplaySettings(session_.map.display, DefaultSettingsPath());
    main_.SyncHexMark();
    LoadMapPicture(session_.game, session_.map, session_.port);

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const int top = main_.frameGeometry().height() + TwipsToPixels(50);
    const int frameWidth = std::max(frameGeometry().width() - width(), 0);
    const int width = std::min(session_.map.geometry.MapWidth() + 2 + frameWidth, screen.width());
    const int height = std::max(screen.height() - top, options_->height() + 50);
    move(screen.x(), screen.y() + top);
    resize(width - frameWidth, height);
    FitView();
    session_.port.SetBusy(false);
}

void frmMap::FitView() {
    SetViewSize(session_.map, width(), height() - options_->height());
    picView_->resize(session_.map.picture.picView.size());
    RefreshView(session_.game, session_.map, session_.port);
}

void frmMap::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    options_->resize(width(), options_->height());
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)) return;
    if (session_.map.picture.IsLoaded()) FitView();
}

void frmMap::ViewChanged() { picView_->update(); }

std::int16_t frmMap::AreaUnderPointer() const {
    const auto cell = HexAtPoint(session_.map.geometry, session_.map.display, PointerX, PointerY);
    return cell ? session_.map.hexes.at(cell->Column, cell->Row).Area : std::int16_t{0};
}

int frmMap::SelectedOption() const { return optionGroup_->checkedId(); }

void frmMap::OnMove(QMouseEvent& event) {
    PointerX = static_cast<float>(event.position().x());
    PointerY = static_cast<float>(event.position().y());
}

void frmMap::OnPress(QMouseEvent& event) {
    OnMove(event);
    // A double-click's last release can be lost to a message box it raised;
    // a new press is the sure sign that it has gone by.
    if (event.button() == Qt::LeftButton) swallowRelease_ = false;
    if (event.button() != Qt::RightButton) return;
    const Qt::KeyboardModifiers all = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    if ((event.modifiers() & all) == all) return;  // reserved for the hex editor
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
    ScrollMapBy(session_.game, session_.map, session_.port, x - DragStartX, y - DragStartY);
    setWindowTitle(QString::fromUtf16(kCaption));
    picView_->unsetCursor();
}

void frmMap::Click() {
    if (LastButton != 1) return;
    // The click and what a dialog makes of it are one step.
    session_.history.Record(session_.game, [&] {
        const MapClickAnswer answer =
            MapClick(session_.orders(), session_.spies, AreaUnderPointer());
        switch (answer.action) {
            case MapClickAnswer::Action::ScrollGrid:
                return main_.ScrollGridToArea(answer.value);
            case MapClickAnswer::Action::SpyTargetsChanged:
                return main_.SpyTargetsChanged();
            case MapClickAnswer::Action::GrantAccess:
                return main_.GrantAccessClicked(answer.value);
            case MapClickAnswer::Action::Nothing:
                return;
        }
    });
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
}

}  // namespace qm
