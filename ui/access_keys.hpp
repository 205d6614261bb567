#pragma once

#include <QObject>

class QTabWidget;

namespace ui {

// Deliberate: an access key that names a tab gives way to the control of the tab shown with the
// same key, which it clicks: on the mask tab Alt+C computes ("&Calcul" beside "&Calcul d'un
// Masque IP") and Alt+S shows the slash ("Notation &Slash" beside "&Somme Binaire"), where Qt
// alone would only move the focus between the two. Where no such control is shown, the key
// still switches tabs.
class TabAccessKeys : public QObject
{
public:
    // Watches the tab bar and the buttons of every tab built so far.
    explicit TabAccessKeys(QTabWidget *tabs);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTabWidget *tabs_;
};

} // namespace ui
