#include "text_box.hpp"

#include "text_box_accessible.hpp"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QTimer>
#include <QValidator>
#include <algorithm>
#include <functional>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace ui {
namespace {

bool plain(QChar c)
{
    return (c >= u' ' && c < u'\x7f') || c == u'\t' || c == u'\n';
}

// Every way a text enters a line edit, typed, composed by an input method, pasted, dropped or
// set from code, ends in its validator, which may change the text: the one place it is cleaned.
class Cleaner : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &position) const override
    {
        if (!std::all_of(input.cbegin(), input.cend(), plain)) {
            const bool atEnd = position >= input.size();
            const qsizetype before = atEnd ? 0 : TextBox::cleaned(input.left(position)).size();
            input = TextBox::cleaned(input);
            position = static_cast<int>(atEnd ? input.size() : std::min(before, input.size()));
        }
        return Acceptable;
    }
};

// Edit keys that remove the selection when there is one.
bool deletes(const QKeyEvent *event)
{
    for (const QKeySequence::StandardKey key :
        {QKeySequence::Delete, QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfWord,
            QKeySequence::DeleteEndOfLine, QKeySequence::DeleteCompleteLine}) {
        if (event->matches(key))
            return true;
    }
    return event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete;
}

} // namespace

TextBox::TextBox(const QString &text, QWidget *parent)
    : QLineEdit(text, parent)
{
    TextBoxAccessible::install();
    // The line edit has no setter for its text's direction; the key that sets it, as a keyboard's
    // direction key does, is its public way in.
    QKeyEvent leftToRight(QEvent::KeyPress, Qt::Key_Direction_L, Qt::NoModifier);
    QLineEdit::keyPressEvent(&leftToRight);
    setValidator(new Cleaner(this));
    // Deliberate: glibc keeps the memory a large text took for the next large allocation, tens of
    // megabytes that an emptied box would go on holding; it goes back to the system instead.
    connect(this, &QLineEdit::textChanged, this, [this](const QString &now) {
        if (held_ > kLargePaste && now.size() <= kLargePaste) {
            QTimer::singleShot(0, this, [] {
#ifdef __GLIBC__
                malloc_trim(0);
#endif
            });
        }
        held_ = now.size();
    });
}

QString TextBox::cleaned(const QString &text)
{
    if (std::all_of(text.begin(), text.end(), plain))
        return text;
    // Folded first, so that a mark may join its letter and a form's own characters are seen.
    const QString folded = text.normalized(QString::NormalizationForm_KC);
    QString kept;
    kept.reserve(folded.size());
    for (qsizetype i = 0; i < folded.size(); ++i) {
        char32_t c = folded[i].unicode();
        qsizetype length = 1;
        if (folded[i].isHighSurrogate() && i + 1 < folded.size()
            && folded[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(folded[i], folded[i + 1]);
            length = 2;
        }
        const QStringView piece = QStringView(folded).mid(i, length);
        i += length - 1;
        switch (QChar::category(c)) {
        case QChar::Other_Control:
            if (c == u'\t' || c == u'\n')
                kept.append(piece);
            break;
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Mark_NonSpacing:
        case QChar::Mark_SpacingCombining:
        case QChar::Mark_Enclosing:
            break;
        case QChar::Separator_Space:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            kept.append(u' ');
            break;
        case QChar::Number_DecimalDigit:
            kept.append(QChar(u'0' + QChar::digitValue(c)));
            break;
        default:
            kept.append(piece);
        }
    }
    return kept;
}

void TextBox::replaceSelection(const QString &text)
{
    if (text.size() <= kLargePaste && selectionLength() <= kLargePaste) {
        insert(text);
        return;
    }
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const QString whole = QLineEdit::text();
    // Built anew rather than replaced in place, which would keep the old text's whole capacity.
    setText(whole.left(start) + text + whole.mid(start + selectionLength()));
    setCursorPosition(start + static_cast<int>(text.size()));
}

bool TextBox::paste(QClipboard::Mode mode)
{
    if (isReadOnly() || !isEnabled())
        return false;
    const QString clip = QGuiApplication::clipboard()->text(mode);
    if (!clip.isEmpty() || hasSelectedText())
        replaceSelection(clip);
    return true;
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste) && paste(QClipboard::Clipboard)) {
        event->accept();
        return;
    }
    const bool editable = !isReadOnly() && isEnabled();
    const bool largeSelection = editable && selectionLength() > kLargePaste;
    if (largeSelection && (deletes(event) || event->matches(QKeySequence::Cut))) {
        if (event->matches(QKeySequence::Cut))
            copy();
        replaceSelection({});
        event->accept();
        return;
    }
    // What the line edit would insert as typed: printable, without a command modifier.
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.front().isPrint();
    // Deliberate: the line edit types the letter of Alt and a letter that names no control (or
    // names a disabled one); a desktop program types nothing then. Ctrl+Alt is AltGr on Windows.
    if (printable && (event->modifiers() & Qt::AltModifier)
        && !(event->modifiers() & Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    if (largeSelection && printable
        && !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
        replaceSelection(typed);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::dropEvent(QDropEvent *event)
{
    // A large drop takes the paste's one-piece path, out of the undo history.
    const QString dropped = event->mimeData()->text();
    if (isReadOnly() || !isEnabled() || dropped.size() <= kLargePaste || event->source() == this) {
        QLineEdit::dropEvent(event);
        return;
    }
    deselect();
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    replaceSelection(dropped);
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void TextBox::mouseReleaseEvent(QMouseEvent *event)
{
    // The middle button pastes the selection where the platform has one (X11).
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()
        && paste(QClipboard::Selection)) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

QMenu *TextBox::standardMenu()
{
    QMenu *menu = createStandardContextMenu();
    // The line edit names its actions in its own words (Qt's translation of them), and their
    // shortcuts after a tab. Through a named context, so that our translation file does not take
    // Qt's texts as its own.
    const char *qt = "QLineEdit";
    const QString pasteText = QCoreApplication::translate(qt, "&Paste"),
                  cutText = QCoreApplication::translate(qt, "Cu&t"),
                  deleteText = QCoreApplication::translate(qt, "Delete");
    for (QAction *action : menu->actions()) {
        const QString name = action->text().section(u'\t', 0, 0);
        std::function<void()> edit;
        if (name == pasteText)
            edit = [this] { paste(QClipboard::Clipboard); };
        else if (name == cutText)
            edit = [this] {
                copy();
                replaceSelection({});
            };
        else if (name == deleteText)
            edit = [this] { replaceSelection({}); };
        else
            continue;
        // Drops the line edit's own handler, whichever object it was connected to.
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this, edit);
    }
    return menu;
}

void TextBox::paintEvent(QPaintEvent *event)
{
    if (!large()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    // The line edit's own margins.
    shownArea_
        = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).adjusted(2, 0, -2, 0);
    painter.setClipRect(shownArea_);
    const QString whole = QLineEdit::text();
    const QFontMetrics metrics(font());
    const int width = shownArea_.width();
    // No character is narrower than a pixel: that many characters fill the box.
    const qsizetype span = std::max(width, 1);
    const int cursor = cursorPosition();
    firstShown_ = std::min(firstShown_, whole.size());
    if (cursor < firstShown_)
        firstShown_ = cursor;
    else if (cursor - firstShown_ > span
        || metrics.horizontalAdvance(whole.mid(firstShown_, cursor - firstShown_)) > width) {
        // The cursor goes to the right edge, as the line edit scrolls.
        int advance = 0;
        for (firstShown_ = cursor; firstShown_ > 0; --firstShown_) {
            advance += metrics.horizontalAdvance(whole[firstShown_ - 1]);
            if (advance > width)
                break;
        }
    }
    const QString shown = whole.mid(firstShown_, span);
    const qsizetype last = firstShown_ + shown.size();
    const auto xAt = [&](qsizetype i) {
        return shownArea_.left() + metrics.horizontalAdvance(shown.left(i - firstShown_));
    };
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Normal : QPalette::Disabled;
    painter.setFont(font());
    painter.setPen(palette().color(group, QPalette::Text));
    painter.drawText(shownArea_, Qt::AlignLeft | Qt::AlignVCenter, shown);
    const qsizetype from = std::clamp<qsizetype>(selectionStart(), firstShown_, last);
    const qsizetype to = std::clamp<qsizetype>(selectionEnd(), firstShown_, last);
    if (hasSelectedText() && from < to) {
        const QRect band(xAt(from), shownArea_.top(), xAt(to) - xAt(from), shownArea_.height());
        painter.fillRect(band, palette().color(group, QPalette::Highlight));
        painter.setPen(palette().color(group, QPalette::HighlightedText));
        painter.drawText(
            band, Qt::AlignLeft | Qt::AlignVCenter, shown.mid(from - firstShown_, to - from));
    } else if (hasFocus()) {
        // A steady cursor: the blinks cost nothing more than this drawing.
        painter.fillRect(
            QRect(xAt(cursor), shownArea_.center().y() - metrics.height() / 2, 1, metrics.height()),
            palette().color(group, QPalette::Text));
    }
}

int TextBox::positionAt(int x) const
{
    const QString whole = QLineEdit::text();
    const QFontMetrics metrics(font());
    int advance = shownArea_.left();
    qsizetype i = std::min(firstShown_, whole.size());
    for (; i < whole.size() && i - firstShown_ < shownArea_.width(); ++i) {
        const int next = metrics.horizontalAdvance(whole[i]);
        if (advance + next / 2 > x)
            break;
        advance += next;
    }
    return static_cast<int>(i);
}

void TextBox::mousePressEvent(QMouseEvent *event)
{
    if (!large() || event->button() != Qt::LeftButton) {
        QLineEdit::mousePressEvent(event);
        return;
    }
    const int at = positionAt(event->position().toPoint().x());
    if (event->modifiers() & Qt::ShiftModifier) {
        setSelection(anchor_, at - anchor_);
    } else {
        anchor_ = at;
        setCursorPosition(at);
    }
    event->accept();
}

void TextBox::mouseMoveEvent(QMouseEvent *event)
{
    if (!large() || !(event->buttons() & Qt::LeftButton)) {
        QLineEdit::mouseMoveEvent(event);
        return;
    }
    setSelection(anchor_, positionAt(event->position().toPoint().x()) - anchor_);
    event->accept();
}

void TextBox::focusInEvent(QFocusEvent *event)
{
    // The cursor's blinks come as timer events to the line edit's private control object; each
    // one places the cursor along the whole line. A long text's cursor stays steady instead.
    for (QObject *child : children()) {
        if (!child->isWidgetType())
            child->installEventFilter(this);
    }
    QLineEdit::focusInEvent(event);
}

bool TextBox::eventFilter(QObject *watched, QEvent *event)
{
    return watched != this && event->type() == QEvent::Timer && large();
}

void TextBox::contextMenuEvent(QContextMenuEvent *event)
{
    // As the line edit does: the menu pops up and goes away by itself once closed.
    QMenu *menu = standardMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

} // namespace ui
