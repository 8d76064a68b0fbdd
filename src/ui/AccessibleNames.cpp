#include "ui/AccessibleNames.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QWidget>

#include <utility>

namespace qm {

namespace {

// The kinds the three-letter prefixes of the object names stand for.
constexpr std::pair<const char*, const char*> kKinds[] = {
    {"txt", "box"},         {"lst", "list"},       {"grd", "grid"},       {"cmd", "button"},
    {"opt", "option"},      {"chk", "check box"},  {"cbo", "choice"},     {"pic", "picture"},
    {"sta", "status line"}, {"hsb", "scroll bar"}, {"vsb", "scroll bar"}, {"fra", "group"},
    {"lbl", "label"},       {"frm", "window"},     {"mnu", "menu"},
};

QString FromObjectName(const QString& name) {
    for (const auto& [prefix, kind] : kKinds) {
        if (!name.startsWith(QLatin1String(prefix)) || name.size() <= 3 || !name[3].isUpper())
            continue;
        // "MarkUnordered2" reads "Mark unordered 2".
        QString words = name.mid(3);
        static const QRegularExpression boundary(QStringLiteral("(?<=[a-z])(?=[A-Z0-9])"));
        words.replace(boundary, QStringLiteral(" "));
        return words.left(1) + words.mid(1).toLower() + u' ' + QLatin1String(kind);
    }
    return name;
}

QString Plain(QString caption) { return caption.remove(QLatin1Char('&')).trimmed(); }

}  // namespace

QString AccessibleNameOf(const QWidget& widget) {
    QString name;
    if (widget.isWindow()) name = widget.windowTitle();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        name = Plain(button->text());
    else if (const auto* label = qobject_cast<const QLabel*>(&widget))
        name = Plain(label->text());
    else if (const auto* box = qobject_cast<const QGroupBox*>(&widget))
        name = Plain(box->title());
    else if (const auto* line = qobject_cast<const QLineEdit*>(&widget))
        name = line->placeholderText();
    if (name.isEmpty()) name = widget.toolTip();
    if (name.isEmpty()) name = FromObjectName(widget.objectName());
    return name;
}

void NameForAssistiveTechnology(QWidget& window) {
    if (window.accessibleName().isEmpty()) window.setAccessibleName(AccessibleNameOf(window));
    for (QWidget* child : window.findChildren<QWidget*>())
        if (child->accessibleName().isEmpty()) child->setAccessibleName(AccessibleNameOf(*child));
}

bool AccessibleNamer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow()) NameForAssistiveTechnology(*widget);
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace qm
