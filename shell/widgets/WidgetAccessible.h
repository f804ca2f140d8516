#pragma once

#include <QAccessibleWidget>

namespace qx {

class DesignLabel;

// A label as assistive technology sees it: a static text (or a link, when
// the window makes it one) named by the name its window gives it or by its
// caption, whose text is the caption. A label without either is a plain
// panel and stays an unnamed filler.
class LabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit LabelAccessible(DesignLabel* label);

    void* interface_cast(QAccessible::InterfaceType t) override;
    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    // QAccessibleTextInterface: the caption, read only, nothing selected.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    DesignLabel* label() const;
    // Where the caption's first line starts, in the label's coordinates.
    QPoint textOrigin() const;
};

// A picture (ImageBox, PictureBox) as assistive technology sees it: a
// graphic named by its window. An unnamed one is decoration and stays an
// unnamed filler.
class PictureAccessible : public QAccessibleWidget, public QAccessibleImageInterface {
public:
    explicit PictureAccessible(QWidget* picture);

    void* interface_cast(QAccessible::InterfaceType t) override;
    QAccessible::Role role() const override;

    QString imageDescription() const override;
    QSize imageSize() const override;
    QPoint imagePosition() const override;
};

// Gives the designs' labels, pictures and frames their interfaces from now
// on; a second call does nothing.
void installWidgetAccessibility();

// Tells assistive technology that a label's caption changed from `before`.
void announceCaptionChange(DesignLabel* label, const QString& before);

}  // namespace qx
