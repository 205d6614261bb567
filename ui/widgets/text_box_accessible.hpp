#pragma once

#include <QAccessibleWidget>

class QLineEdit;

namespace ui {

// What a screen reader reads of a text box: Qt's line edit's own answers, but for its text
// attributes. Qt's line edit gives every offset an empty run of attributes that ends where it
// starts; Orca joins those runs and reads up to where the last one ends, one character short of
// the text's end (a box's value lost its last character, a one-digit value was not read at all).
// A box draws its text in one style: one run covers the whole text here.
class TextBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface
{
public:
    explicit TextBoxAccessible(QLineEdit *box);

    // Makes Qt build this interface for every ui::TextBox; once is enough, more do no harm.
    static void install();

    [[nodiscard]] QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    [[nodiscard]] QAccessible::State state() const override;
    [[nodiscard]] void *interface_cast(QAccessible::InterfaceType t) override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    [[nodiscard]] int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    [[nodiscard]] int cursorPosition() const override;
    void setCursorPosition(int position) override;
    [[nodiscard]] QString text(int startOffset, int endOffset) const override;
    [[nodiscard]] int characterCount() const override;
    [[nodiscard]] QRect characterRect(int offset) const override;
    [[nodiscard]] int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    [[nodiscard]] QString attributes(int offset, int *startOffset, int *endOffset) const override;

    // QAccessibleEditableTextInterface: what enters is cleaned as typed text is, and only where
    // the user could type.
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

private:
    [[nodiscard]] QLineEdit *box() const;
    // What the user could change by hand: edits through the screen reader go no further.
    [[nodiscard]] bool editable() const;
};

} // namespace ui
