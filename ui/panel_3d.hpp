#pragma once

#include <QColor>
#include <QWidget>

namespace ui {

// A bevelled panel: a raised (or inset) outer bevel, a border, an optional inset inner bevel,
// and a caption drawn inside it at the top centre, the top left, or the left halfway down.
class Panel3D : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor captionColor READ captionColor WRITE setCaptionColor)
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)

public:
    enum class Placement { TopCenter, TopLeft, LeftMiddle };
    enum class Bevel { None, Raised, Inset };

    explicit Panel3D(QWidget *parent = nullptr);

    [[nodiscard]] QString caption() const { return caption_; }
    void setCaption(const QString &caption);
    [[nodiscard]] QColor captionColor() const { return captionColor_; }
    void setCaptionColor(const QColor &color);
    [[nodiscard]] QColor backColor() const { return backColor_; }
    void setBackColor(const QColor &color);

    void setPlacement(Placement placement);
    void setOuterBevel(Bevel bevel);
    void setInnerBevel(Bevel bevel);
    [[nodiscard]] Bevel innerBevel() const { return inner_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString caption_;
    QColor captionColor_ {Qt::black};
    QColor backColor_;
    Placement placement_ = Placement::TopCenter;
    Bevel outer_ = Bevel::Raised;
    Bevel inner_ = Bevel::None;
};

} // namespace ui
