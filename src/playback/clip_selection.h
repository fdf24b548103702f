#pragma once

#include <QList>
#include <QUrl>

namespace drovik {

// What the playing side needs of the clip list shown beside it: the entries in the order shown
// and which one is selected. The window's list implements it; the playback side never sees the
// list's widgets.
class ClipSelection {
public:
    virtual ~ClipSelection() = default;

    // The entries as the list shows them (filtered, in display order).
    virtual const QList<QUrl> &shownClips() const = 0;
    // The selected row of the shown list, or -1.
    virtual int selectedRow() const = 0;
    // Selects the row and scrolls it into sight.
    virtual void selectRow(int row) = 0;
    // Drops a deleted file from the list (nothing stays selected).
    virtual void removeClip(const QUrl &url) = 0;
};

} // namespace drovik
