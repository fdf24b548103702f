#pragma once

#include <QAbstractButton>
#include <QString>
#include <QWidget>

namespace drovik {

// An image view: draws a named image into its area.
class ImageView : public QWidget {
    Q_OBJECT
public:
    enum class Scaling { Stretch, AspectFit, AspectFill };

    explicit ImageView(const QString &imageName = QString(), QWidget *parent = nullptr);

    QString imageName() const { return m_imageName; }
    void setImageName(const QString &name);
    void setScaling(Scaling scaling);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_imageName;
    Scaling m_scaling = Scaling::Stretch;
};

// A borderless button that lights up under the pointer unless its hover change is off (a chosen
// tab, a latched tool).
class HoverButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit HoverButton(QWidget *parent = nullptr);

    void setHoverImageChange(bool on);
    bool hoverImageChange() const { return m_hoverImageChange; }

protected:
    // Whether the hover highlight is to be drawn now.
    bool showsHover() const { return m_hoverImageChange && m_hovered && isEnabled(); }
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    bool m_hoverImageChange = true;
    bool m_hovered = false;
};

// A button drawn from a named image, with hover, pressed and disabled looks.
class ImageButton : public HoverButton {
    Q_OBJECT
public:
    explicit ImageButton(const QString &imageName, QWidget *parent = nullptr);

    QString imageName() const { return m_imageName; }
    void setImageName(const QString &name);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_imageName;
};

// A text button on a stretched background image (the file-list filter tabs).
class ImageTextButton : public HoverButton {
    Q_OBJECT
public:
    explicit ImageTextButton(const QString &backgroundName, QWidget *parent = nullptr);

    QString backgroundName() const { return m_backgroundName; }
    void setBackgroundName(const QString &name);
    QSize sizeHint() const override;

    // Gives a row of buttons one title size: the largest, up to their style's, at which every
    // title fits (translations differ in length; mixed sizes in one row look broken).
    static void fitTitlesToCommonSize(const QList<ImageTextButton *> &buttons);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_backgroundName;
};

} // namespace drovik
