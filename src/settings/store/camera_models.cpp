#include "settings/store/camera_models.h"

#include <algorithm>

namespace drovik {

namespace {

using D = DefaultsFamily;
using E = SettingsEditor;
using F = ModelFamily;
using Led = SecurityLed;
using P = PartitionShares;
using DA = DriverAssistance;

// Every camera model, in the order of its number; the columns are described at CameraModel.
constexpr std::array<CameraModel, Model::Count> kCameraModels = {{
    {.type = Model::K210, .name = "K210", .productNames = {"k210"}, .family = F::K210,
     .generation = 1, .editor = E::Record, .builtInDefaults = D::K210, .clockFile = true},
    {.type = Model::R640, .name = "R640", .productNames = {"r640"}, .family = F::R640,
     .generation = 1, .editor = E::Record, .builtInDefaults = D::R640},
    {.type = Model::V470, .name = "V470", .productNames = {"v470", "470"}, .family = F::V470,
     .generation = 1, .editor = E::Record, .builtInDefaults = D::V470, .clockFile = true},
    {.type = Model::V820, .name = "V820", .productNames = {"v820"}, .family = F::V820,
     .generation = 2, .editor = E::Record, .builtInDefaults = D::V820, .fieldCount = 78,
     .fieldCountWithoutDriverAssistance = 68, .driverAssistance = DA::FromFirmware17,
     .securityLed = Led::Rotation, .partition = P::SecondLong, .drivingGuide = true, .localID = 0},
    // The British V820: chosen by hand only, its card says V820.
    {.type = Model::V820UK, .name = "V820 UK", .recordName = "V820", .family = F::V820,
     .generation = 2, .editor = E::Record, .builtInDefaults = D::V820, .fieldCount = 78,
     .fieldCountWithoutDriverAssistance = 68, .driverAssistance = DA::FromFirmware17,
     .securityLed = Led::Rotation, .partition = P::SecondLong, .drivingGuide = true, .localID = 3},
    {.type = Model::R930, .name = "R930", .productNames = {"r930"}, .family = F::R930,
     .generation = 2, .editor = E::Record, .builtInDefaults = D::R930, .fieldCount = 79,
     .driverAssistance = DA::Always, .drivingGuide = true, .oneLaneSlider = true},
    {.type = Model::N260, .name = "N260", .family = F::N260, .editor = E::TextFile},
    {.type = Model::V530, .name = "V530", .productNames = {"v530"}, .family = F::V560,
     .generation = 2, .editor = E::Record, .fieldCount = 81, .clockFile = true,
     .securityLed = Led::OnlyMode2, .speedStamp = true, .partition = P::SecondShort,
     .drivingGuide = true},
    {.type = Model::V560, .name = "V560", .productNames = {"v560"}, .family = F::V560,
     .generation = 2, .editor = E::Record, .fieldCount = 81, .clockFile = true,
     .securityLed = Led::OnlyMode2, .speedStamp = true, .partition = P::SecondShort,
     .drivingGuide = true},
    {.type = Model::V880, .name = "V880", .productNames = {"v880"}, .family = F::V820,
     .generation = 2, .editor = E::Record, .fieldCount = 81, .driverAssistance = DA::Always,
     .threeRowParking = true, .securityLed = Led::Rotation, .speedStamp = true,
     .partition = P::SecondLong, .drivingGuide = true},
    {.type = Model::R970, .name = "R970", .productNames = {"r970"}, .family = F::R930,
     .generation = 2, .editor = E::Record, .fieldCount = 81, .driverAssistance = DA::Always,
     .threeRowParking = true, .speedStamp = true, .partition = P::SecondLong, .drivingGuide = true},
    {.type = Model::R60, .name = "R60", .productNames = {"r60"}, .family = F::R60,
     .generation = 2, .editor = E::Record, .fieldCount = 81, .clockFile = true,
     .securityLed = Led::None, .speedStamp = true, .partition = P::SecondShort, .drivingGuide = true},
    {.type = Model::RB20, .name = "RB20", .productNames = {"rb20"}, .family = F::R60,
     .generation = 2, .editor = E::Record, .fieldCount = 81, .clockFile = true,
     .securityLed = Led::None, .speedStamp = true, .partition = P::SecondShort, .drivingGuide = true},
    {.type = Model::R120, .name = "R120", .productNames = {"r120"}, .family = F::R60,
     .generation = 2, .editor = E::Record, .fieldCount = 93, .clockFile = true,
     .securityLed = Led::None, .speedStamp = true, .partition = P::SecondShort, .drivingGuide = true,
     .mobileCameraAlerts = true},
    {.type = Model::VM30, .name = "VM30", .productNames = {"vm30"}, .family = F::V560,
     .generation = 2, .editor = E::Record, .fieldCount = 81, .clockFile = true,
     .securityLed = Led::OnlyMode2, .speedStamp = true, .partition = P::SecondShort},
    {.type = Model::RM30, .name = "RM30", .productNames = {"rm30"}, .family = F::R60,
     .generation = 2, .editor = E::Record, .fieldCount = 81, .clockFile = true,
     .securityLed = Led::None, .speedStamp = true, .partition = P::SecondShort},
    {.type = Model::R810, .name = "R810", .productNames = {"r810"}, .editor = E::WebPage,
     .fieldCount = 92},
    {.type = Model::R810MAX, .name = "R810MAX", .productNames = {"r810max"}, .editor = E::WebPage,
     .fieldCount = 99},
    {.type = Model::RB740, .name = "RB740", .productNames = {"rb740"}, .family = F::R930,
     .generation = 2, .editor = E::Record, .fieldCount = 81, .driverAssistance = DA::Always,
     .threeRowParking = true, .speedStamp = true, .partition = P::SecondLong, .drivingGuide = true},
    {.type = Model::QT_K9_PN, .name = "QT-K9-PN", .productNames = {"qt-k9-pn"}, .family = F::R60,
     .generation = 2, .editor = E::Record, .fieldCount = 93, .clockFile = true,
     .securityLed = Led::None, .speedStamp = true, .partition = P::SecondShort, .drivingGuide = true,
     .mobileCameraAlerts = true},
    {.type = Model::R75, .name = "R75", .productNames = {"r75"}, .editor = E::WebPage,
     .fieldCount = 93},
    {.type = Model::R280, .name = "R280", .productNames = {"r280"}, .editor = E::WebPage,
     .fieldCount = 96},
    {.type = Model::RB280, .name = "RB280", .productNames = {"rb280"}, .editor = E::WebPage,
     .fieldCount = 96},
    {.type = Model::V990, .name = "V990", .productNames = {"v990"}, .editor = E::WebPage,
     .fieldCount = 102},
    {.type = Model::DVR_R810MAX, .name = "DVR-R810MAX", .productNames = {"dvr-r810max"},
     .editor = E::WebPage, .fieldCount = 113},
    {.type = Model::DVR_R280, .name = "DVR-R280", .productNames = {"dvr-r280"},
     .editor = E::WebPage, .fieldCount = 113},
    {.type = Model::DVR_L420, .name = "DVR-L420", .editor = E::WebPage, .selfSizedRecord = true,
     .fieldCount = 116},
    // Chosen by hand only; they get the record editor with no form mapping, so the layout as
    // it is, clock included.
    {.type = Model::DVR_L410, .name = "DVR-L410", .editor = E::Record, .clockFile = true},
    {.type = Model::DVR_L470, .name = "DVR-L470", .editor = E::Record, .clockFile = true},
}};

constexpr CameraModel kUnknownModel = {};

constexpr bool rowsFollowTheirNumbers()
{
    for (std::size_t i = 0; i < kCameraModels.size(); ++i) {
        if (kCameraModels[i].type != ModelType(i) || !kCameraModels[i].name)
            return false;
    }
    return true;
}

// A family's mapping is written for one generation; only the record editor has a generation's
// mapping; driver assistance that came with a firmware had fewer fields before it.
constexpr bool rowsAreConsistent()
{
    for (const CameraModel &row : kCameraModels) {
        for (const CameraModel &other : kCameraModels) {
            if (row.family == other.family && row.generation != other.generation)
                return false;
        }
        if ((row.generation == 0) != (row.family == F::None || row.family == F::N260)
            || (row.editor != E::Record && row.generation != 0)
            || (row.editor == E::TextFile) != (row.family == F::N260))
            return false;
        if (row.fieldCountWithoutDriverAssistance >= row.fieldCount
            || (row.fieldCountWithoutDriverAssistance != 0) != (row.driverAssistance == DA::FromFirmware17))
            return false;
    }
    return true;
}

constexpr int countRows(bool (*matches)(const CameraModel &))
{
    return int(std::count_if(kCameraModels.begin(), kCameraModels.end(), matches));
}

constexpr bool isTextFileModel(const CameraModel &row) { return row.editor == E::TextFile; }
constexpr bool isSelfSizedModel(const CameraModel &row) { return row.selfSizedRecord; }

static_assert(rowsFollowTheirNumbers());
static_assert(rowsAreConsistent());
static_assert(countRows(isTextFileModel) == 1 && countRows(isSelfSizedModel) == 1);

constexpr ModelType firstModelWhere(bool (*matches)(const CameraModel &))
{
    const auto row = std::find_if(kCameraModels.begin(), kCameraModels.end(), matches);
    return row == kCameraModels.end() ? Model::None : row->type;
}

} // namespace

bool isKnownModelType(ModelType type) { return type >= 0 && type < ModelType(kCameraModels.size()); }

const CameraModel &cameraModel(ModelType type)
{
    return isKnownModelType(type) ? kCameraModels[std::size_t(type)] : kUnknownModel;
}

SettingsEditor settingsEditorFor(ModelType type) { return cameraModel(type).editor; }

bool hasDriverAssistance(ModelType type, int firmwareVersionInt)
{
    switch (cameraModel(type).driverAssistance) {
    case DA::None: return false;
    case DA::Always: return true;
    case DA::FromFirmware17: return firmwareVersionInt >= 17;
    }
    return false;
}

QString familyName(ModelFamily family)
{
    static const char *const names[] = {"", "K210", "R640", "V470", "V820", "R930", "V560", "R60", "N260"};
    return QString::fromLatin1(names[int(family)]);
}

QString recordProductName(ModelType type)
{
    const CameraModel &model = cameraModel(type);
    return QString::fromLatin1(model.recordName ? model.recordName : model.name);
}

const QStringList &modelNameList()
{
    static const QStringList names = [] {
        QStringList list;
        for (const CameraModel &row : kCameraModels)
            list.append(QString::fromLatin1(row.name));
        return list;
    }();
    return names;
}

ModelType modelTypeForProductName(const QString &productName)
{
    const QString lower = productName.toLower();
    for (const CameraModel &row : kCameraModels) {
        for (const char *name : row.productNames) {
            if (name && lower == QLatin1String(name))
                return row.type;
        }
    }
    return Model::None;
}

ModelType textFileModelType() { return firstModelWhere(isTextFileModel); }

ModelType selfSizedRecordModelType() { return firstModelWhere(isSelfSizedModel); }

} // namespace drovik
