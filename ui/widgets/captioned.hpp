#pragma once

#include <QColor>
#include <QWidget>

namespace ui {

// What the 3D panel and the 3D frame share: a caption in its own colour over a background
// colour, exposed as properties for the handlers, the tests and style sheets.
class Captioned : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor captionColor READ captionColor WRITE setCaptionColor)
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)

public:
    explicit Captioned(QWidget *parent = nullptr);

    [[nodiscard]] QString caption() const { return caption_; }
    void setCaption(const QString &caption);
    [[nodiscard]] QColor captionColor() const { return captionColor_; }
    void setCaptionColor(const QColor &color);
    [[nodiscard]] QColor backColor() const { return backColor_; }
    void setBackColor(const QColor &color);

private:
    QString caption_;
    QColor captionColor_ {Qt::black};
    QColor backColor_;
};

} // namespace ui
