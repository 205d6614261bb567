#pragma once

#include <QTabWidget>
#include <vector>

namespace ui {

// A tab control whose tabs lay their widgets out in the control's own coordinates, tab headers
// included, the way the inventory gives them: each tab holds one canvas the size of the whole
// control, kept lined up with the control's top-left corner. The tabs share their row equally.
class TabControl : public QTabWidget
{
    Q_OBJECT

public:
    explicit TabControl(QWidget *parent = nullptr);

    // Adds a tab, its caption still empty, and gives its canvas ("canvasN" for the Nth tab, from
    // 0).
    QWidget *addCanvas();
    [[nodiscard]] QWidget *canvas(int tab) const
    {
        return canvases_.at(static_cast<std::size_t>(tab));
    }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void alignCanvases();

    std::vector<QWidget *> canvases_;
};

} // namespace ui
