#pragma once

#include <QClipboard>
#include <QLineEdit>

class QMenu;

namespace ui {

// A text box that takes pastes of any length without keeping them in its undo history: Qt's line
// edit records 20 bytes per pasted character there and keeps that memory after the text is gone.
// A paste of more than kLargePaste characters therefore replaces the selection in one piece, like
// a text written from code; it cannot be undone. Smaller pastes behave as in any line edit.
class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    static constexpr qsizetype kLargePaste = 64 * 1024;

    using QLineEdit::QLineEdit;

    // The line edit's own menu, its paste going through the same large-paste path as the keys.
    // The caller owns the menu.
    [[nodiscard]] QMenu *standardMenu();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // Pastes the clipboard's text when it is large and the box is editable; false otherwise, so
    // that the line edit pastes it its own way.
    bool pasteLarge(QClipboard::Mode mode);
};

} // namespace ui
