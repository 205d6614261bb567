#include "text_box_accessible.hpp"

#include "text_box.hpp"

#include <QFontMetrics>
#include <mutex>

namespace ui {
namespace {

QAccessibleInterface *textBoxFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String(TextBox::staticMetaObject.className()) && object->isWidgetType())
        return new TextBoxAccessible(static_cast<QLineEdit *>(object));
    return nullptr;
}

} // namespace

TextBoxAccessible::TextBoxAccessible(QLineEdit *box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{
    addControllingSignal(QStringLiteral("textChanged(const QString&)"));
    addControllingSignal(QStringLiteral("returnPressed()"));
}

void TextBoxAccessible::install()
{
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(textBoxFactory); });
}

QLineEdit *TextBoxAccessible::box() const
{
    return static_cast<QLineEdit *>(widget());
}

QString TextBoxAccessible::text(QAccessible::Text t) const
{
    // The boxes show their text as it is (no password boxes here).
    QString text = t == QAccessible::Value ? box()->text() : QString();
    return text.isEmpty() ? QAccessibleWidget::text(t) : text;
}

void TextBoxAccessible::setText(QAccessible::Text t, const QString &text)
{
    if (t != QAccessible::Value) {
        QAccessibleWidget::setText(t, text);
        return;
    }
    if (editable())
        box()->setText(TextBox::cleaned(text));
}

QAccessible::State TextBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = box()->isReadOnly();
    state.editable = !state.readOnly;
    state.selectableText = true;
    return state;
}

void *TextBoxAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (t == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

void TextBoxAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !box()->hasSelectedText())
        return;
    *startOffset = box()->selectionStart();
    *endOffset = box()->selectionEnd();
}

int TextBoxAccessible::selectionCount() const
{
    return box()->hasSelectedText() ? 1 : 0;
}

void TextBoxAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void TextBoxAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        box()->deselect();
}

void TextBoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        box()->setSelection(startOffset, endOffset - startOffset);
}

int TextBoxAccessible::cursorPosition() const
{
    return box()->cursorPosition();
}

void TextBoxAccessible::setCursorPosition(int position)
{
    box()->setCursorPosition(position);
}

QString TextBoxAccessible::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset)
        return {};
    return box()->text().mid(startOffset, endOffset - startOffset);
}

int TextBoxAccessible::characterCount() const
{
    return static_cast<int>(box()->text().size());
}

QRect TextBoxAccessible::characterRect(int offset) const
{
    const QString whole = box()->text();
    if (offset < 0 || offset >= whole.size())
        return {};
    // Measured from the cursor, which the line edit places where it draws it.
    const QRect cursor = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QFontMetrics metrics(box()->font());
    const int x = cursor.center().x() + metrics.horizontalAdvance(whole.left(offset))
        - metrics.horizontalAdvance(whole.left(box()->cursorPosition()));
    const QRect rect(
        x, cursor.top(), metrics.horizontalAdvance(whole.at(offset)), metrics.height());
    return QRect(box()->mapToGlobal(rect.topLeft()), rect.size());
}

int TextBoxAccessible::offsetAtPoint(const QPoint &point) const
{
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
}

void TextBoxAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    box()->setCursorPosition(endIndex);
    box()->setCursorPosition(startIndex);
}

QString TextBoxAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    // Deliberate: one run from the start to the end of the text, whatever the offset asked.
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

bool TextBoxAccessible::editable() const
{
    return box()->isEnabled() && !box()->isReadOnly();
}

void TextBoxAccessible::deleteText(int startOffset, int endOffset)
{
    if (editable())
        box()->setText(box()->text().remove(startOffset, endOffset - startOffset));
}

void TextBoxAccessible::insertText(int offset, const QString &text)
{
    if (editable())
        box()->setText(box()->text().insert(offset, TextBox::cleaned(text)));
}

void TextBoxAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    if (editable())
        box()->setText(
            box()->text().replace(startOffset, endOffset - startOffset, TextBox::cleaned(text)));
}

} // namespace ui
