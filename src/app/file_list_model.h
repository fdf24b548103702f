#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QStyledItemDelegate>
#include <QIcon>
#include <QList>
#include <QStringList>
#include <QUrl>

namespace drovik {

// The shown list of clips (shown by trips, the first row of each trip carries the trip's header
// above its name, TripHeaderRole): one row per clip, the file name as text (with its folder where two
// rows share a name), the full path as tooltip, coloured by the folder that holds the clip (saved
// copies magenta, option and SOS recordings yellow), and the playing clip marked.
class FileListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Role { TripHeaderRole = Qt::UserRole + 1 };

    explicit FileListModel(QObject *parent = nullptr);

    // selectedFolderPath: the chosen folder, which the folder of a shared name is told from.
    void setUrls(const QList<QUrl> &urls, const QString &selectedFolderPath = {});
    const QList<QUrl> &urls() const { return m_urls; }
    // The clip in the player views (empty: none), whose row is marked wherever it is in the list.
    void setPlayingUrl(const QUrl &url);
    QUrl playingUrl() const { return m_playingUrl; }
    // The trips' header texts by the row they go above; empty: the list is not shown by trips.
    void setTripHeaders(QHash<int, QString> headers);
    const QHash<int, QString> &tripHeaders() const { return m_tripHeaders; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

signals:
    // Emitted whenever the row count is asked for, as the save and remove buttons follow it.
    void rowCountAsked(int count) const;

private:
    void playingRowChanged(const QUrl &url);

    QList<QUrl> m_urls;
    QStringList m_texts;
    QUrl m_playingUrl;
    QHash<int, QString> m_tripHeaders;
    QIcon m_playingIcon;
    QIcon m_otherIcon;
};

// Draws a row's trip header as a band above the clip's name; the row's selection and its mark
// stay in the clip's part.
class FileListDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kHeaderHeight = 22;
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

} // namespace drovik
