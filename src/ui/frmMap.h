#pragma once
// The map window: the command options and the map view where the player
// enters area orders with the mouse. Every rule is the core's; this window
// turns mouse events into areas and calls.

#include "orders/MapClicks.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <cstdint>
#include <utility>

class QButtonGroup;
class QCompleter;
class QHBoxLayout;
class QKeyEvent;
class QLineEdit;
class QRadioButton;
class QStatusBar;

namespace qm {

struct Session;
class MapView;

class frmMap : public QWidget {
    Q_OBJECT
public:
    /// The window is placed below mainWindow.
    frmMap(Session& session, const QWidget& mainWindow);

    /// Window load: settings, geometry, the whole board, placement, first view.
    /// A reload keeps this run's display settings instead of reading the file.
    void Load(bool readSettings = true);
    /// The whole board drawn again for the turn now shown, the window left in place.
    void Redraw();
    /// The window's space for the view: all of it below the command options.
    QSize ViewRoom() const;
    /// The same in the pictures' pixels, as the core measures the view.
    QSize PictureRoom() const;
    /// The view picture changed: show it again.
    void ViewChanged();
    /// The pictures' pixels to a window pixel now.
    int Scale() const;

    /// The hex editor on the cell under the pointer; the cell is drawn again after.
    void OpenHexEditorAtPointer();

    /// The area under the last pointer position; 0 where there is none.
    std::int16_t AreaUnderPointer() const;

    /// The status line, the order mark and the pointer follow the map mode and
    /// the area under the pointer (`hoverArea`, 0 for none).
    void ShowOrderState(int hoverArea);

    QRadioButton* optCommand(int index) const {
        return optCommand_[static_cast<std::size_t>(index)];
    }
    MapView* picView() const { return picView_; }
    QStatusBar* staMap() const { return staMap_; }
    QLineEdit* txtFind() const { return txtFind_; }
    QLineEdit* txtOrderLine() const { return txtOrderLine_; }

signals:
    /// The display settings were read again: the Hex map mark follows.
    void HexDisplayChanged();
    /// A click asks the grid to show the area's row at its top.
    void GridScrollAsked(int area);
    /// The keys picked an area (next unit, find): the grid selects it as a map click does.
    void AreaChosen(int area);
    /// A click changed the spy targets of the open spy window.
    void SpyTargetsChanged();
    /// A click on an area while the grant access window takes areas.
    void GrantAccessClicked(int area);
    /// The hex editor on a cell; the cell is drawn again when it returns.
    void HexEditorAsked(int column, int row);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// What this window's screen wants: 2 from a device pixel ratio of 1.5 up, else 1.
    int ScreenScale() const;
    /// The view's size in window pixels.
    QSize ViewSize() const;
    void FitView();
    /// The find box and the order line, below the options.
    QHBoxLayout* BuildTypingRow();
    void RefreshAreaChoices();
    /// Selects the area as a map click does, shows it in the grid and centres it.
    void ChooseArea(std::int16_t area);
    void FindTyped();
    void OfferWords();
    void TakeWord(const QString& word);
    void OrderTyped();
    /// Next unit, the option keys, Enter and the target's arrow steps; false for other keys.
    bool OnOrderKey(const QKeyEvent& event);
    void OnMove(QMouseEvent& event);
    void OnPress(QMouseEvent& event);
    void OnRelease(QMouseEvent& event);
    void OnDoubleClick(QMouseEvent& event);
    void OnWheel(QWheelEvent& event);
    bool OnKey(int key);
    void CancelOrder();
    void Click();
    void Drop(float x, float y);
    int SelectedOption() const;

    Session& session_;
    const QWidget& main_;
    QWidget* options_ = nullptr;
    std::array<QRadioButton*, kMapOptions.size()> optCommand_{};
    QButtonGroup* optionGroup_ = nullptr;
    MapView* picView_ = nullptr;
    QStatusBar* staMap_ = nullptr;
    QLineEdit* txtFind_ = nullptr;
    QLineEdit* txtOrderLine_ = nullptr;
    QCompleter* words_ = nullptr;  // the order line's word completion
    QStringList lines_;            // the order lines given, oldest first
    qsizetype recalled_ = 0;       // the line Up and Down show; lines_.size() for a new one
    std::int16_t keyTarget_ = 0;   // the target the arrow keys stepped to, 0 for none
    bool keySelection_ = false;    // the selected area was picked by keys: it is marked
    bool tookWord_ = false;        // a completion was just picked by Enter
    // The area the screen reader was told of last, with the orders' revision then.
    std::pair<std::int16_t, std::uint32_t> told_{-1, 0};
    int hoverArea_ = 0;
    float PointerX = 0, PointerY = 0;
    float DragStartX = 0, DragStartY = 0;
    std::int16_t LastButton = 0;
    bool dragging_ = false;
    bool screenWatched_ = false;
    bool swallowRelease_ = false;  // the release that ends a double-click is no click
};

}  // namespace qm
