#pragma once
// Names for assistive technology: every window and control that has none of
// its own is named, as it is shown, from what the eye reads on it (its title,
// caption or placeholder), else from its object name ("lstFindings" is the
// "Findings list").

#include <QObject>
#include <QString>

class QWidget;

namespace qm {

/// The name a screen reader gives the widget when it has none of its own.
QString AccessibleNameOf(const QWidget& widget);

/// Names the window and every control in it that has no name yet.
void NameForAssistiveTechnology(QWidget& window);

/// Does it for every window of the program as it is first shown.
class AccessibleNamer : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace qm
