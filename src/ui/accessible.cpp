// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/accessible.h"

#include "ui/controls.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>

namespace ohmira::ui {

namespace {

// The sibling a label is the caption of, named by its `buddy` property.
QWidget* buddy(const QWidget* label)
{
    const QByteArray name = label->property("buddy").toByteArray();
    if (name.isEmpty() || label->parentWidget() == nullptr)
        return nullptr;
    return label->parentWidget()->findChild<QWidget*>(QString::fromLatin1(name),
                                                      Qt::FindDirectChildrenOnly);
}

// Label and StaticText: a label, or a heading, whose text interface holds
// the text shown, read-only and without selection.
class LabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit LabelAccessible(Label* label)
        : QAccessibleWidget(label, label->property("accessibleHeading").toBool()
                                       ? QAccessible::Heading
                                       : QAccessible::StaticText)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text which) const override
    {
        const QString name = widget()->accessibleName();
        switch (which) {
        case QAccessible::Name:
            return name.isEmpty() ? shown() : name;
        case QAccessible::Description: {
            const QString description = widget()->accessibleDescription();
            const QString tip = widget()->toolTip();
            if (!description.isEmpty())
                return description;
            if (name.isEmpty() || buddy(widget()) != nullptr)
                return tip;  // as Qt does
            // What the line says, then what its tooltip adds for the mouse.
            return tip.isEmpty() ? shown() : shown() + QLatin1Char('\n') + tip;
        }
        default:
            return QAccessibleWidget::text(which);
        }
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto found = QAccessibleWidget::relations(match);
        if (match & QAccessible::Labelled)
            if (QWidget* control = buddy(widget()))
                found.append({QAccessible::queryAccessibleInterface(control),
                              QAccessible::Labelled});
        return found;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }

    QString text(int start, int end) const override
    {
        return shown().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(shown().size()); }

    // Where Label::paintEvent draws each character, in screen coordinates.
    QRect characterRect(int offset) const override
    {
        const QString all = shown();
        if (offset < 0 || offset >= all.size())
            return {};
        const QFontMetrics metrics = widget()->fontMetrics();
        const QRect local(metrics.horizontalAdvance(all.left(offset)), 0,
                          metrics.horizontalAdvance(all.at(offset)), metrics.height());
        return local.translated(widget()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        const QPoint local = widget()->mapFromGlobal(point);
        const QString all = shown();
        const QFontMetrics metrics = widget()->fontMetrics();
        if (local.x() < 0 || local.y() < 0 || local.y() >= metrics.height())
            return -1;
        for (int i = 0; i < all.size(); ++i)
            if (local.x() < metrics.horizontalAdvance(all.left(i + 1)))
                return i;
        return -1;
    }

    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QString shown() const { return static_cast<const Label*>(object())->text(); }
};

// Picture: an image with the design's name and description. Its size and
// place come from the JPEG header and the widget: nothing is decoded.
class PictureAccessible : public QAccessibleWidget, public QAccessibleImageInterface {
public:
    explicit PictureAccessible(Picture* picture)
        : QAccessibleWidget(picture, QAccessible::Graphic)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ImageInterface)
            return static_cast<QAccessibleImageInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString imageDescription() const override { return text(QAccessible::Description); }
    QSize imageSize() const override { return static_cast<const Picture*>(object())->naturalSize(); }
    QPoint imagePosition() const override { return widget()->mapToGlobal(QPoint(0, 0)); }
};

// ComboBox: what Qt gives a QComboBox on Linux (its name is the entry
// shown, its one child the open list, its action drops the list down), plus
// the caption labels that name it as their buddy.
class ComboBoxAccessible : public QAccessibleWidget {
public:
    explicit ComboBoxAccessible(ComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Name || which == QAccessible::Value)
            return box()->currentText();
        return QAccessibleWidget::text(which);
    }

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(box()->listView()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child != nullptr && child->object() == box()->listView() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto found = QAccessibleWidget::relations(match);
        if ((match & QAccessible::Label) && box()->parentWidget() != nullptr)
            for (Label* label : box()->parentWidget()->findChildren<Label*>(
                     Qt::FindDirectChildrenOnly))
                if (buddy(label) == box())
                    found.append({QAccessible::queryAccessibleInterface(label),
                                  QAccessible::Label});
        return found;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (box()->listView()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    ComboBox* box() const { return static_cast<ComboBox*>(object()); }
};

QAccessibleInterface* accessibleControl(const QString& className, QObject* object)
{
    if (className == QLatin1String(ComboBox::staticMetaObject.className()))
        if (auto* box = qobject_cast<ComboBox*>(object))
            return new ComboBoxAccessible(box);
    if (className == QLatin1String(Label::staticMetaObject.className()))
        if (auto* label = qobject_cast<Label*>(object))
            return new LabelAccessible(label);
    if (className == QLatin1String(Picture::staticMetaObject.className()))
        if (auto* picture = qobject_cast<Picture*>(object))
            return new PictureAccessible(picture);
    // A message that appears as the user types (set by the window that shows
    // it): an alert, which screen readers say when it starts to show.
    if (className == QLatin1String("QLabel") && object->property("accessibleAlert").toBool())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::AlertMessage);
    if (className == QLatin1String(Bevel::staticMetaObject.className()))
        if (auto* bevel = qobject_cast<Bevel*>(object))
            return new QAccessibleWidget(bevel, QAccessible::Separator);
    // A window that is a plain QWidget (the information windows) would be a
    // mere "filler" to a screen reader, which then does not announce it.
    if (className == QLatin1String("QWidget"))
        if (auto* widget = qobject_cast<QWidget*>(object);
            widget != nullptr && widget->windowType() == Qt::Window)
            return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

}  // namespace

void useAccessibleControls()
{
    QAccessible::installFactory(&accessibleControl);
}

}  // namespace ohmira::ui
