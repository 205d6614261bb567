#pragma once

#include <QWidget>

namespace ui {

// An etched frame with its caption set into the top edge, at the left.
class Frame3D : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor captionColor READ captionColor WRITE setCaptionColor)
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)

public:
    explicit Frame3D(QWidget *parent = nullptr);

    [[nodiscard]] QString caption() const { return caption_; }
    void setCaption(const QString &caption);
    [[nodiscard]] QColor captionColor() const { return captionColor_; }
    void setCaptionColor(const QColor &color);
    [[nodiscard]] QColor backColor() const { return backColor_; }
    void setBackColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString caption_;
    QColor captionColor_ {Qt::black};
    QColor backColor_;
};

} // namespace ui
