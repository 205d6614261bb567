#include "announcer.hpp"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <mutex>
#include <utility>
#include <vector>

namespace ui {
namespace {

// A pause in typing: longer than between two keys of a word, short enough to follow the last.
constexpr std::chrono::milliseconds kTypingPause {500};

// Long enough for a screen reader busy with what came before (the echo animation holds the event
// loop) to read it still; it is then gone from the tree.
constexpr std::chrono::seconds kLife {30};

class Notice : public QWidget
{
    Q_OBJECT
public:
    Notice(QWidget *window, const QString &text)
        : QWidget(window)
    {
        setObjectName(QStringLiteral("Annonce"));
        setAccessibleName(text);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 0, 0);
    }
};

// What waits in a window for the typing to pause: the last text for each widget, in order.
class Pending : public QObject
{
    Q_OBJECT
public:
    explicit Pending(QWidget *window)
        : QObject(window)
    {
        setObjectName(QStringLiteral("AnnoncesEnAttente"));
        timer_.setSingleShot(true);
        timer_.setInterval(kTypingPause);
        connect(&timer_, &QTimer::timeout, this, &Pending::flush);
    }

    void add(QWidget *from, const QString &text)
    {
        texts_.erase(std::remove_if(texts_.begin(), texts_.end(),
                         [from](const auto &pending) { return pending.first == from; }),
            texts_.end());
        texts_.emplace_back(from, text);
        timer_.start();
    }

private:
    void flush()
    {
        for (const auto &[from, text] : std::exchange(texts_, {})) {
            if (from)
                announce(from, text);
        }
    }

    QTimer timer_;
    std::vector<std::pair<QPointer<QWidget>, QString>> texts_;
};

QAccessibleInterface *noticeFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String(Notice::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

void announce(QWidget *from, const QString &text)
{
    if (text.trimmed().isEmpty() || !QAccessible::isActive())
        return;
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(noticeFactory); });
    // A new object each time: a screen reader reads the name when it gets to the event, and a
    // name changed meanwhile would be read twice and the first one never.
    auto *notice = new Notice(from->window(), text);
    notice->show();
    QTimer::singleShot(kLife, notice, &QObject::deleteLater);
}

void announceAfterTyping(QWidget *from, const QString &text)
{
    if (!QAccessible::isActive())
        return;
    QWidget *window = from->window();
    auto *pending = window->findChild<Pending *>(QString(), Qt::FindDirectChildrenOnly);
    if (pending == nullptr)
        pending = new Pending(window);
    pending->add(from, text);
}

QString labelled(const QString &name, const QString &value)
{
    if (value.isEmpty())
        return {};
    //: A value after its name, spoken by the screen reader ("Résultat : 64").
    return QCoreApplication::translate("ui::Announcer", "%1 : %2").arg(name, value);
}

QString spokenBits(std::span<QLineEdit *const> boxes)
{
    QStringList bits;
    for (const QLineEdit *box : boxes) {
        if (const QString bit = box->text().trimmed(); !bit.isEmpty())
            bits.append(bit);
    }
    return bits.join(u' ');
}

} // namespace ui

#include "announcer.moc"
