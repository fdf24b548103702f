#pragma once

#include <QAbstractButton>
#include <QMargins>
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
//
// With automatic images on (allowAutoMouseEventImage), the image name is a base plus one
// character and the button shows base + "1" normally, base + "2" under the pointer and base + "3"
// while pressed; leaving the button while pressed cancels the press, so releasing elsewhere (or
// after coming back) sends nothing. With stretch insets set, the image fills the button drawn in
// nine parts (corners kept) and the title is drawn over it.
class ImageButton : public HoverButton {
    Q_OBJECT
public:
    explicit ImageButton(const QString &imageName, QWidget *parent = nullptr);

    QString imageName() const { return m_imageName; }
    // Sets the image, then works out the automatic names again.
    void setImageName(const QString &name);
    QSize sizeHint() const override;

    bool allowAutoMouseEventImage() const { return m_allowAutoMouseEventImage; }
    void setAllowAutoMouseEventImage(bool on);
    // Automatic names from the current image, or none without automatic images.
    void resetImageNames();
    QString normalImageName() const { return m_normalImageName; }
    QString hoverImageName() const { return m_hoverImageName; }
    QString clickImageName() const { return m_clickImageName; }
    // The image drawn now.
    QString shownImageName() const;
    bool isMouseDown() const { return m_isMouseDown; }
    void ShowNormalImage();
    void ShowClickImage();

    // Shown while the button is held down (without automatic images).
    void setAlternateImageName(const QString &name);
    void setStretchInsets(const QMargins &insets);

signals:
    // Automatic images only: the pointer came over the button / left it.
    void hovered(drovik::ImageButton *button);
    void hoverExited(drovik::ImageButton *button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    bool autoImages() const { return m_allowAutoMouseEventImage && isEnabled(); }
    void paintStretched(QPainter &painter, const QString &image);

    QString m_imageName;
    bool m_allowAutoMouseEventImage = false;
    bool m_isMouseDown = false;
    QString m_normalImageName;
    QString m_hoverImageName;
    QString m_clickImageName;
    QString m_autoShown;
    QString m_alternateImageName;
    bool m_stretch = false;
    QMargins m_insets;
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
