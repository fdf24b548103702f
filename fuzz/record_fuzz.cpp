// libFuzzer target: the binary settings record on a card. The first byte picks the model type
// (any of them, or none), the second the firmware version; the rest is both SETTING/setup.cfg and
// SETTING/default.cfg. Detection reads the record's head; loadData reads the record and writes it
// back at the model's length, the bytes it read unchanged; the default record reads whole.
#include "card_fuzz_support.h"

#include "settings/store/camera_models.h"
#include "settings/store/r640_setting_manager.h"

#include <cstddef>
#include <cstdint>

namespace {

using namespace drovik;
using drovik::fuzz::check;

// The bytes a record written after reading `record` with at most fieldLimit fields must start
// with: every field that lay wholly inside is kept byte for byte, the rest is zeros.
QByteArray expectedRecord(const QByteArray &record, int fieldLimit, qsizetype size)
{
    qsizetype kept = 0;
    int fields = 0;
    for (const FieldInfo &info : kSetupRecordFields) {
        if (fields >= fieldLimit || kept + info.width > record.size())
            break;
        kept += info.width;
        ++fields;
    }
    QByteArray expected = record.left(qMin(kept, size));
    expected.append(size - expected.size(), '\0');
    return expected;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    fuzz::ensureApplication();
    const ModelType type = ModelType(data[0] % (Model::Count + 1)) - 1;
    const int firmware = data[1];
    const QByteArray record = fuzz::bytesOf(data + 2, size - 2);
    const QString root = fuzz::cardRoot();
    const QString setupPath = fuzz::cardFile(QStringLiteral("setup.cfg"));
    fuzz::writeFile(setupPath, record);
    fuzz::writeFile(fuzz::cardFile(QStringLiteral("default.cfg")), record);

    {
        R640SettingManager detected;
        detected.loadVersionInfoWithSDPath(root);
        check(detected.modelType() >= Model::None && detected.modelType() < Model::Count,
              "detection gave a model type out of range");
        check(record.size() >= 24 || detected.modelType() == Model::None,
              "detection took a record too short for a product name");
        check(detected.version().toUtf8().size() <= fieldInfo(Field::version).width,
              "a version text longer than its field");
    }

    R640SettingManager manager;
    manager.setSettingDirPath(root);
    manager.setModelType(type);
    manager.setFirmwareVersionInt(firmware);
    const RecordLoadResult result = manager.loadData();
    check(result.read == RecordReadStatus::Read, "the record on the card was not read");
    const qsizetype recordSize = manager.getSaveDataSize();
    check(recordSize >= 432 && recordSize <= kMaxSetupRecordSize, "a record size out of range");
    check(result.write == CardWriteStatus::Written, "the record read was not written back");
    const std::optional<QByteArray> written = fuzz::readFile(setupPath);
    check(written && written->size() == recordSize, "the record written back has the wrong size");
    check(*written == manager.recordBytes(), "the record written back is not the manager's");
    check(*written == expectedRecord(record, manager.getSettingVariableCount(), recordSize),
          "the bytes read were not written back unchanged");

    // Read again, the record written back gives the same record.
    R640SettingManager again;
    again.setSettingDirPath(root);
    again.setModelType(type);
    again.setFirmwareVersionInt(firmware);
    check(again.readRecord() == RecordReadStatus::Read, "the record written back was not read");
    check(again.recordBytes() == *written, "the record written back reads differently");

    R640SettingManager defaults;
    defaults.setSettingDirPath(root);
    defaults.setModelType(type);
    defaults.setFirmwareVersionInt(firmware);
    check(defaults.loadDefaultDataFromDefaultCfgFile(), "the default record was not read");
    check(defaults.recordBytes() == expectedRecord(record, kSetupRecordFieldCount, recordSize),
          "the default record's bytes were not kept");
    return 0;
}
