#pragma once

#include <QClipboard>
#include <QLineEdit>

class QMenu;

namespace ui {

// A text box that takes pastes of any length without keeping them in its undo history: Qt's line
// edit records 20 bytes per pasted or deleted character there and keeps that memory after the
// text is gone. A paste of more than kLargePaste characters, and any edit that removes more than
// that, therefore replaces the selection in one piece, like a text written from code; it cannot
// be undone. Smaller edits behave as in any line edit.
//
// Qt's layout draws every glyph of its line on each paint, cursor blinks included, and cannot
// place the cursor past a few million pixels: a text of more than kLargePaste characters is
// drawn here from the characters around the cursor, and a click in it is placed here too.
//
// The line's direction is left to right, not guessed from the text: Qt's guess reads the text up to
// its first letter, so a line of digits is read whole each time the cursor is placed.
//
// Whatever enters the box, typed, composed, pasted or dropped, is cleaned in its validator (see
// cleaned()), so that the box shows exactly the characters the number reader reads.
class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    static constexpr qsizetype kLargePaste = 64 * 1024;

    explicit TextBox(const QString &text = {}, QWidget *parent = nullptr);

    // The text as it reads: its compatibility forms folded (NFKC: "１９２" is "192"), digits of
    // every script written 0 to 9 ("١٩٢" is "192"), separators written as the blank they look
    // like, and without what shows nothing or rides on another character: format and control
    // characters (but tab and line feed, blanks the number reader passes over), combining marks
    // and variation selectors.
    [[nodiscard]] static QString cleaned(const QString &text);

    // The line edit's own menu, its paste, cut and delete going through the same paths as the
    // keys. The caller owns the menu.
    [[nodiscard]] QMenu *standardMenu();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Pastes the clipboard's text, cleaned, when the box is editable; false otherwise.
    bool paste(QClipboard::Mode mode);
    // Puts text in place of the selection, or at the cursor, and the cursor after it; in one
    // piece, without an undo step, when text or the selection is large.
    void replaceSelection(const QString &text);
    [[nodiscard]] bool large() const { return QLineEdit::text().size() > kLargePaste; }
    // The position in a large text under x, as last drawn.
    [[nodiscard]] int positionAt(int x) const;

    // Where the drawing of a large text starts, and in which rectangle it went.
    qsizetype firstShown_ = 0;
    QRect shownArea_;
    int anchor_ = 0; // where a mouse selection in a large text started
    qsizetype held_ = 0; // the text's length, to see a large one go
};

} // namespace ui
