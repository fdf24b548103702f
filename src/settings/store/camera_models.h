#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>
#include <optional>

namespace drovik {

// The camera model of a card as a number: its row in kCameraModels, which is also its row in the
// model dialog's list, or -1 when unknown. It stays a plain number because the command line
// prints it and the model dialog stores the row the user picked; what the program does for a
// model it reads from that row (cameraModel), never from the number itself.
using ModelType = qint64;

// The rows of kCameraModels by name; the order is the numbering above.
namespace Model {
enum : ModelType {
    None = -1,
    K210, R640, V470, V820, V820UK, R930, N260, V530, V560, V880, R970, R60, RB20, R120, VM30,
    RM30, R810, R810MAX, RB740, QT_K9_PN, R75, R280, RB280, V990, DVR_R810MAX, DVR_R280,
    DVR_L420, DVR_L410, DVR_L470,
    Count
};
} // namespace Model

// Which editor the settings button opens for a card.
enum class SettingsEditor : quint8 {
    None,     // no model known: the user is asked for one first
    Record,   // the binary record (setup.cfg) through the form model
    TextFile, // the text settings file (blackbox.cfg)
    WebPage,  // the HTML page the camera keeps on its card (SETTING/html/index.html)
};

// The form mappings: which controls a model has and how they map to its record.
enum class ModelFamily : quint8 { None, K210, R640, V470, V820, R930, V560, R60, N260 };

// The built-in record defaults (record_defaults), by the family they were written for.
enum class DefaultsFamily { K210 = 0, R640, V470, V820, R930 };

// Whether the record carries the driver-assistance fields (vehicle type, lane departure,
// forward collision).
enum class DriverAssistance : quint8 { None, Always, FromFirmware17 };

// The security LED setting: which of its modes the camera offers and how mode 1 is described.
enum class SecurityLed : quint8 {
    LeftRight, // modes 1 to 3 or off; mode 1 sweeps left and right
    Rotation,  // modes 1 to 3 or off; mode 1 rotates, and the modes need no captions
    OnlyMode2, // mode 2 or off
    None,      // no LED setting
};

// The shares the memory partition graph shows: the first generation's, or one of two
// second-generation layouts.
enum class PartitionShares : quint8 { First, SecondShort, SecondLong };

// One camera model. Columns:
//   type             the model's number (its row)
//   name             shown in the model dialog and the window's model field
//   productNames     the record product names that identify it (lower case; compared ignoring case)
//   recordName       the product name its editor writes into the record, when not `name`
//   family           the form mapping it gets (None: the layout as it is)
//   generation       1 or 2 for the binary-record generations, 0 for the others
//   editor           the settings editor it gets
//   selfSizedRecord  detected by a record that states its own length; its name is the record's,
//                    and its record is never rewritten by us (the page reads it itself)
//   builtInDefaults  the defaults written when the card has no default record
//   fieldCount       the record's fields (a prefix of the full record layout)
//   fieldCountWithoutDriverAssistance  with driver assistance from a firmware on: the fields
//                    before that firmware
//   driverAssistance whether (or from which firmware) it has the driver-assistance fields
//   clockFile        the camera sets its clock from SETTING/time.dat
//   threeRowParking  parking mode offers three rows (with night vision) instead of on/off
//   securityLed      its LED setting
//   speedStamp       it stamps the speed into the video
//   partition        the shares its memory partition graph shows
//   drivingGuide     the second generation's safe-driving guide during recording
//   mobileCameraAlerts  warns about mobile speed cameras
//   oneLaneSlider    one lane-departure sensitivity for both sides
//   localID          the region code a model picked by hand gets, and the models whose card's
//                    region code detection reads; -1: none
struct CameraModel {
    ModelType type = Model::None;
    const char *name = nullptr;
    std::array<const char *, 2> productNames = {};
    const char *recordName = nullptr;
    ModelFamily family = ModelFamily::None;
    int generation = 0;
    SettingsEditor editor = SettingsEditor::None;
    bool selfSizedRecord = false;
    std::optional<DefaultsFamily> builtInDefaults = std::nullopt;
    int fieldCount = 60;
    int fieldCountWithoutDriverAssistance = 0;
    DriverAssistance driverAssistance = DriverAssistance::None;
    bool clockFile = false;
    bool threeRowParking = false;
    SecurityLed securityLed = SecurityLed::LeftRight;
    bool speedStamp = false;
    PartitionShares partition = PartitionShares::First;
    bool drivingGuide = false;
    bool mobileCameraAlerts = false;
    bool oneLaneSlider = false;
    qint64 localID = -1;
};

// The row of a model number; an unknown number (-1 included) gets a row with no editor.
const CameraModel &cameraModel(ModelType type);

bool isKnownModelType(ModelType type);

// The editor the settings button opens for a model, asked by the window and the command line.
SettingsEditor settingsEditorFor(ModelType type);

// Whether a model's record, at this firmware, has the driver-assistance fields.
bool hasDriverAssistance(ModelType type, int firmwareVersionInt);

// The form mapping's name ("K210" … "R60", "N260"); empty for none.
QString familyName(ModelFamily family);

// The product name the editor writes into a model's record.
QString recordProductName(ModelType type);

// The model names, one per model number.
const QStringList &modelNameList();

// The model whose record carries this product name (compared case-insensitively), or -1.
// Models chosen only by hand, the text-file model and the self-sized one have no product name.
ModelType modelTypeForProductName(const QString &productName);

// The models detection settles on without a product name.
ModelType textFileModelType();        // a card with the text settings file and no known record
ModelType selfSizedRecordModelType(); // a record whose first field states its own length

} // namespace drovik
