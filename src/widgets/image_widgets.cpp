#include "image_widgets.h"

#include "images.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <utility>

namespace drovik {

namespace {

QRect fittedRect(const QSize &image, const QRect &area, ImageView::Scaling scaling)
{
    if (scaling == ImageView::Scaling::Stretch || image.isEmpty())
        return area;
    QSize size = image.scaled(area.size(), scaling == ImageView::Scaling::AspectFit
                                               ? Qt::KeepAspectRatio
                                               : Qt::KeepAspectRatioByExpanding);
    QRect rect(QPoint(0, 0), size);
    rect.moveCenter(area.center());
    return rect;
}

void drawHoverBackdrop(QPainter &painter, const QRectF &rect, bool hovered, bool pressed)
{
    if (!hovered && !pressed)
        return;
    QPainterPath path;
    path.addRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    painter.fillPath(path, pressed ? QColor(25, 195, 230, 70) : QColor(255, 255, 255, 22));
}

} // namespace

ImageView::ImageView(const QString &imageName, QWidget *parent)
    : QWidget(parent)
    , m_imageName(imageName)
{
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
}

void ImageView::setImageName(const QString &name)
{
    if (name == m_imageName)
        return;
    m_imageName = name;
    update();
}

void ImageView::setScaling(Scaling scaling)
{
    m_scaling = scaling;
    update();
}

void ImageView::paintEvent(QPaintEvent *)
{
    if (m_imageName.isEmpty())
        return;
    const QRect target = fittedRect(Images::naturalSize(m_imageName), rect(), m_scaling);
    const QPixmap image = Images::pixmap(m_imageName, target.size(), devicePixelRatioF());
    if (image.isNull())
        return;
    QPainter painter(this);
    painter.setClipRect(rect());
    painter.drawPixmap(target.topLeft(), image);
}

HoverButton::HoverButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void HoverButton::setHoverImageChange(bool on)
{
    m_hoverImageChange = on;
    update();
}

void HoverButton::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void HoverButton::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

ImageButton::ImageButton(const QString &imageName, QWidget *parent)
    : HoverButton(parent)
    , m_imageName(imageName)
{
}

void ImageButton::setImageName(const QString &name)
{
    m_imageName = name;
    resetImageNames();
    update();
}

void ImageButton::setAllowAutoMouseEventImage(bool on)
{
    m_allowAutoMouseEventImage = on;
    resetImageNames();
}

void ImageButton::resetImageNames()
{
    if (!m_allowAutoMouseEventImage || m_imageName.isEmpty()) {
        m_normalImageName.clear();
        m_hoverImageName.clear();
        m_clickImageName.clear();
        m_autoShown.clear();
        update();
        return;
    }
    const QString base = m_imageName.left(m_imageName.size() - 1);
    m_normalImageName = base + QLatin1Char('1');
    m_hoverImageName = base + QLatin1Char('2');
    m_clickImageName = base + QLatin1Char('3');
    m_autoShown = m_normalImageName;
    update();
}

QString ImageButton::shownImageName() const
{
    if (m_allowAutoMouseEventImage && !m_autoShown.isEmpty())
        return m_autoShown;
    if (isDown() && !m_alternateImageName.isEmpty())
        return m_alternateImageName;
    return m_imageName;
}

void ImageButton::ShowNormalImage()
{
    m_autoShown = m_normalImageName;
    update();
}

void ImageButton::ShowClickImage()
{
    m_autoShown = m_clickImageName;
    update();
}

void ImageButton::setAlternateImageName(const QString &name)
{
    m_alternateImageName = name;
    update();
}

void ImageButton::setStretchInsets(const QMargins &insets)
{
    m_stretch = true;
    m_insets = insets;
    update();
}

void ImageButton::enterEvent(QEnterEvent *event)
{
    HoverButton::enterEvent(event);
    if (!autoImages())
        return;
    m_isMouseDown = false;
    m_autoShown = m_hoverImageName;
    update();
    emit hovered(this);
}

void ImageButton::leaveEvent(QEvent *event)
{
    HoverButton::leaveEvent(event);
    if (!autoImages())
        return;
    m_isMouseDown = false;
    ShowNormalImage();
    emit hoverExited(this);
}

void ImageButton::mousePressEvent(QMouseEvent *event)
{
    if (!m_allowAutoMouseEventImage) {
        HoverButton::mousePressEvent(event);
        return;
    }
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    if (autoImages())
        ShowClickImage();
    m_isMouseDown = true;
}

void ImageButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_allowAutoMouseEventImage) {
        HoverButton::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (!isEnabled() || event->button() != Qt::LeftButton)
        return;
    m_autoShown = rect().contains(event->position().toPoint()) ? m_hoverImageName : m_normalImageName;
    update();
    if (std::exchange(m_isMouseDown, false))
        emit clicked(false);
}

void ImageButton::mouseMoveEvent(QMouseEvent *event)
{
    // Dragging over an automatic button changes nothing; the leave event cancels the press.
    if (m_allowAutoMouseEventImage)
        event->accept();
    else
        HoverButton::mouseMoveEvent(event);
}

QSize ImageButton::sizeHint() const
{
    const QSize natural = Images::naturalSize(m_imageName);
    return natural.isEmpty() ? QSize(32, 32) : natural + QSize(8, 8);
}

void ImageButton::paintStretched(QPainter &painter, const QString &image)
{
    const QPixmap source = Images::pixmap(image, Images::naturalSize(image) * 2, 2.0);
    if (!source.isNull())
        painter.drawPixmap(0, 0, stretchableImageWithSize(source, size(), m_insets));
    if (text().isEmpty())
        return;
    painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText)
                               : palette().color(QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(rect(), Qt::AlignCenter,
                     fontMetrics().elidedText(text(), Qt::ElideRight, width() - 8));
}

void ImageButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QString image = shownImageName();
    if (m_stretch || m_allowAutoMouseEventImage) {
        painter.setOpacity(isEnabled() ? 1.0 : 0.45);
        paintStretched(painter, image);
        return;
    }
    drawHoverBackdrop(painter, rect(), showsHover(), isDown() || isChecked());
    QSize natural = Images::naturalSize(image);
    if (natural.isEmpty())
        return;
    natural.scale(size() - QSize(6, 6), Qt::KeepAspectRatio);
    QRect target(QPoint(0, 0), natural);
    target.moveCenter(rect().center());
    const QPixmap pixmap = Images::pixmap(image, target.size(), devicePixelRatioF());
    painter.setOpacity(isEnabled() ? 1.0 : 0.35);
    painter.drawPixmap(target.topLeft(), pixmap);
}

ImageTextButton::ImageTextButton(const QString &backgroundName, QWidget *parent)
    : HoverButton(parent)
    , m_backgroundName(backgroundName)
{
}

void ImageTextButton::setBackgroundName(const QString &name)
{
    m_backgroundName = name;
    update();
}

QSize ImageTextButton::sizeHint() const
{
    const QSize natural = Images::naturalSize(m_backgroundName);
    const int textWidth = fontMetrics().horizontalAdvance(text()) + 16;
    return QSize(qMax(natural.width(), textWidth), qMax(natural.height(), 24));
}

void ImageTextButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPixmap(0, 0, Images::pixmap(m_backgroundName, size(), devicePixelRatioF()));
    drawHoverBackdrop(painter, rect(), showsHover(), isDown());
    painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText)
                               : palette().color(QPalette::Disabled, QPalette::ButtonText));
    // Translations differ in length: shrink the title a little before cutting it short.
    QFont titleFont = font();
    const int room = width() - 6;
    const bool inPixels = titleFont.pixelSize() > 0;
    const int largest = inPixels ? titleFont.pixelSize() : qRound(titleFont.pointSizeF());
    for (int size = largest; size >= 9; --size) {
        if (inPixels)
            titleFont.setPixelSize(size);
        else
            titleFont.setPointSize(size);
        if (QFontMetrics(titleFont).horizontalAdvance(text()) <= room)
            break;
    }
    painter.setFont(titleFont);
    const QString shown = QFontMetrics(titleFont).elidedText(text(), Qt::ElideRight, room);
    painter.drawText(rect(), Qt::AlignCenter, shown);
}

void ImageTextButton::fitTitlesToCommonSize(const QList<ImageTextButton *> &buttons)
{
    if (buttons.isEmpty())
        return;
    QFont font = buttons.first()->font();
    int size = 12;
    for (; size > 9; --size) {
        font.setPixelSize(size);
        const QFontMetrics metrics(font);
        bool fits = true;
        for (const ImageTextButton *button : buttons)
            fits = fits && metrics.horizontalAdvance(button->text()) <= button->width() - 6;
        if (fits)
            break;
    }
    // The application style sheet sets every widget's font size, so the size is set the same way.
    const QString sheet = QStringLiteral("font-size: %1px;").arg(size);
    for (ImageTextButton *button : buttons)
        button->setStyleSheet(sheet);
}

} // namespace drovik
