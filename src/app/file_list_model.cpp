#include "file_list_model.h"

#include "library/recording_library.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

namespace drovik {

namespace {

constexpr int kMarkSize = 10;

QPixmap playMark(const QColor &colour)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(kMarkSize, kMarkSize) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    if (!colour.isValid())
        return pixmap;
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath triangle;
    triangle.moveTo(1.5, 1);
    triangle.lineTo(kMarkSize - 0.5, kMarkSize / 2.0);
    triangle.lineTo(1.5, kMarkSize - 1);
    triangle.closeSubpath();
    painter.fillPath(triangle, colour);
    return pixmap;
}

} // namespace

FileListModel::FileListModel(QObject *parent)
    : QAbstractTableModel(parent)
{
    // Every row keeps the mark's room, so the names stay aligned when the mark moves. The mark is
    // in the accent colour, and in the text's colour on the selected row, whose background is a
    // shade of the accent.
    const QPalette palette = QGuiApplication::palette();
    m_playingIcon.addPixmap(playMark(palette.color(QPalette::Highlight)), QIcon::Normal);
    m_playingIcon.addPixmap(playMark(palette.color(QPalette::Text)), QIcon::Selected);
    m_otherIcon.addPixmap(playMark(QColor()));
}

void FileListModel::setUrls(const QList<QUrl> &urls, const QString &selectedFolderPath)
{
    beginResetModel();
    m_urls = urls;
    m_texts = videoFileCellTexts(urls, selectedFolderPath);
    endResetModel();
}

void FileListModel::setPlayingUrl(const QUrl &url)
{
    if (url == m_playingUrl)
        return;
    const QUrl previous = std::exchange(m_playingUrl, url);
    playingRowChanged(previous);
    playingRowChanged(url);
}

void FileListModel::playingRowChanged(const QUrl &url)
{
    if (url.isEmpty())
        return;
    if (const qsizetype row = m_urls.indexOf(url); row >= 0)
        emit dataChanged(index(int(row), 0), index(int(row), columnCount() - 1));
}

void FileListModel::setTripHeaders(QHash<int, QString> headers)
{
    const QHash<int, QString> before = std::exchange(m_tripHeaders, std::move(headers));
    for (const QHash<int, QString> *rows : {&before, static_cast<const QHash<int, QString> *>(&m_tripHeaders)})
        for (auto it = rows->begin(); it != rows->end(); ++it)
            if (it.key() >= 0 && it.key() < m_urls.size() && before.value(it.key()) != m_tripHeaders.value(it.key()))
                emit dataChanged(index(it.key(), 0), index(it.key(), columnCount() - 1));
}

int FileListModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    emit rowCountAsked(int(m_urls.size()));
    return int(m_urls.size());
}

int FileListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant FileListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_urls.size())
        return {};
    const QUrl &url = m_urls.at(index.row());
    const bool playing = !m_playingUrl.isEmpty() && url == m_playingUrl;
    switch (role) {
    case TripHeaderRole:
        return m_tripHeaders.value(index.row());
    case Qt::DisplayRole:
        return m_texts.value(index.row());
    case Qt::ToolTipRole:
        return url.toLocalFile();
    case Qt::DecorationRole:
        return playing ? m_playingIcon : m_otherIcon;
    case Qt::FontRole:
        if (playing) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return QVariant();
    case Qt::ForegroundRole:
        switch (videoFileCellColor(url)) {
        case VideoFileCellColor::Magenta:
            return QColor(Qt::magenta);
        case VideoFileCellColor::Yellow:
            return QColor(Qt::yellow);
        case VideoFileCellColor::Default:
            return QVariant();
        }
        return QVariant();
    default:
        return {};
    }
}

void FileListDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QString header = index.data(FileListModel::TripHeaderRole).toString();
    if (header.isEmpty()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QRect band(option.rect.left(), option.rect.top(), option.rect.width(), kHeaderHeight);
    const QPalette &palette = option.palette;
    painter->save();
    painter->fillRect(band, palette.color(QPalette::Base).lighter(135));
    painter->fillRect(QRect(band.left(), band.top() + 4, 3, band.height() - 8), palette.color(QPalette::Highlight));
    QFont font = option.font;
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 0.9);
    painter->setFont(font);
    painter->setPen(palette.color(QPalette::Highlight).lighter(130));
    const QRect text = band.adjusted(10, 0, -6, 0);
    painter->drawText(text, Qt::AlignVCenter | Qt::AlignLeft,
                      QFontMetrics(font).elidedText(header, Qt::ElideRight, text.width()));
    painter->restore();
    QStyleOptionViewItem clip = option;
    clip.rect.setTop(option.rect.top() + kHeaderHeight);
    QStyledItemDelegate::paint(painter, clip, index);
}

QSize FileListDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (!index.data(FileListModel::TripHeaderRole).toString().isEmpty())
        size.rheight() += kHeaderHeight;
    return size;
}

} // namespace drovik
