#pragma once
// The map window: the command options and the map view where the player
// enters area orders with the mouse. Every rule is the core's; this window
// turns mouse events into areas and calls.

#include "orders/MapClicks.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QButtonGroup;
class QRadioButton;

namespace qm {

struct Session;
class MapView;
class frmWinQM;

class frmMap : public QWidget {
    Q_OBJECT
public:
    frmMap(Session& session, frmWinQM& mainWindow);

    /// Window load: settings, geometry, the whole board, placement, first view.
    void Load();
    /// The view picture changed: show it again.
    void ViewChanged();

    /// The area under the last pointer position; 0 where there is none.
    std::int16_t AreaUnderPointer() const;

    QRadioButton* optCommand(int index) const {
        return optCommand_[static_cast<std::size_t>(index)];
    }
    MapView* picView() const { return picView_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitView();
    void OnMove(QMouseEvent& event);
    void OnPress(QMouseEvent& event);
    void OnRelease(QMouseEvent& event);
    void OnDoubleClick(QMouseEvent& event);
    void Click();
    void Drop(float x, float y);
    int SelectedOption() const;

    Session& session_;
    frmWinQM& main_;
    QWidget* options_ = nullptr;
    std::array<QRadioButton*, kMapOptions.size()> optCommand_{};
    QButtonGroup* optionGroup_ = nullptr;
    MapView* picView_ = nullptr;
    float PointerX = 0, PointerY = 0;
    float DragStartX = 0, DragStartY = 0;
    std::int16_t LastButton = 0;
    bool dragging_ = false;
    bool swallowRelease_ = false;  // the release that ends a double-click is no click
};

}  // namespace qm
