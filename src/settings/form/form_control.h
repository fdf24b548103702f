#pragma once

#include "settings/form/form_names.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace drovik::form {

// What a settings editor shows, as data: the dialog draws it, the command line prints it, and
// both change it only through the form's user actions.
enum class ControlKind {
    RadioGroup,   // cells in a row (Horizontal) or a column; `selected` is the cell index or -1
    Slider,       // integer `position` in [minimum, maximum]
    CheckBox,     // `checked`
    PopUp,        // items with tags; `selected` is the item index or -1 (value: its tag)
    ComboBox,     // plain items; `selected` is the item index or -1
    DatePicker,   // `dateTime`, in the system's zone
    PartitionBar, // five percentages: continuous, continuous impact, parking motion,
                  // parking impact, manual
    Button,       // an action (current time, format, touch reset); `title` is its caption
    Label,        // a fixed text inside a section (descriptions, segment titles)
};

// One cell of a radio group, one item of a pop-up or combo box.
struct FormItem {
    QString title;
    qint64 tag = 0;      // pop-up items: the camera's language index
    bool enabled = true; // radio cells: a disabled cell cannot be picked
};

struct FormControl {
    ControlId id{}; // its name: controlName(id)
    ControlKind kind = ControlKind::Label;
    SectionId section{}; // the section (view) that holds it
    QString title;       // caption beside or above the control; a Label's or Button's text
    bool visible = true; // the control itself; see RecordSettingForm::isShown for the section
    bool enabled = true;

    // RadioGroup, PopUp, ComboBox
    QList<FormItem> items;
    bool horizontal = false; // RadioGroup: cells are columns
    int selected = -1;

    // Slider
    int minimum = 0;
    int maximum = 0;
    int position = 0;
    int step = 1; // the positions are minimum, minimum + step, … up to maximum
    QStringList guideLabels; // one per position, minimum first
    int shownGuide = -1;     // index into guideLabels shown above the thumb, or -1
    QStringList descriptions; // fixed texts under the track, spread evenly from end to end
    bool showsValue = false;  // the guide of its position stays shown beside the track

    // The text beside the track: the guide of the position when the slider shows its value,
    // else empty.
    QString valueText() const
    {
        const qsizetype index = position - minimum;
        return showsValue && index >= 0 && index < guideLabels.size() ? guideLabels.at(index) : QString();
    }

    // CheckBox
    bool checked = false;

    // DatePicker
    QDateTime dateTime;

    // PartitionBar
    std::array<float, 5> percentages{};
};

// A titled block of controls on one page. Hidden sections take no room: the pages show the
// visible ones in order, without gaps.
struct FormSection {
    SectionId id{}; // its name: sectionName(id)
    int tab = 0;    // 0 common, 1 continuous, 2 parking, 3 extra functions
    QString title;
    bool visible = true;
    QList<ControlId> controls; // in drawing order
};

// An alert the form raises; the host shows it (a sheet in the dialog) and calls answer().
struct FormQuestion {
    enum class Kind {
        ParkingMode,       // "아니오", "예"
        CannotFormat,      // "OK"
        FormatConfirm,     // "아니오", "예"
        Formatting,        // "OK", disabled while the reformat program runs
        TouchResetConfirm, // "아니오", "예"
        TouchResetDone,    // "OK"
    };
    Kind kind = Kind::ParkingMode;
    QString message;
    QString informative;
    QStringList buttons; // localised, in order; in the two-button alerts the last confirms
    bool buttonsEnabled = true;
    bool busy = false; // the progress bar runs
};

// The frame's own texts: the window title, the tabs in order (none on a one-page editor),
// the three buttons.
struct FrameTexts {
    QString title;
    QStringList tabs;
    QString reset;
    QString ok;
    QString cancel;
};

// Why a user action was refused; the form is unchanged then.
enum class ActionResult { Done, UnknownControl, WrongKind, NotShown, Disabled, BadValue };

} // namespace drovik::form
