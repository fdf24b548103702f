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

} // namespace drovik
