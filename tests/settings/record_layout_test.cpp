#include "settings/store/record_layout.h"

#include <gtest/gtest.h>

#include <QString>

using namespace drovik;

namespace {

struct CountCase {
    ModelType type;
    int firmware;
    int fields;
    int size;
    const char *lastField;
};

class FieldCountTest : public ::testing::TestWithParam<CountCase> {};

TEST_P(FieldCountTest, FieldCountAndSizePerModel)
{
    const CountCase c = GetParam();
    const int count = settingVariableCountFor(c.type, c.firmware);
    EXPECT_EQ(count, c.fields);
    EXPECT_EQ(recordSizeForFieldCount(count), c.size);
    EXPECT_STREQ(kSetupRecordFields[std::size_t(count - 1)].name, c.lastField);
}

INSTANTIATE_TEST_SUITE_P(
    EveryModelType, FieldCountTest,
    ::testing::Values(
        CountCase{-1, 0, 60, 432, "cur_language"}, CountCase{0, 0, 60, 432, "cur_language"},
        CountCase{1, 17, 60, 432, "cur_language"}, CountCase{2, 0, 60, 432, "cur_language"},
        CountCase{3, 0, 68, 464, "local_id"}, CountCase{3, 16, 68, 464, "local_id"},
        CountCase{3, 17, 78, 504, "ldws_onoff"}, CountCase{3, 18, 78, 504, "ldws_onoff"},
        CountCase{4, 16, 68, 464, "local_id"}, CountCase{4, 17, 78, 504, "ldws_onoff"},
        CountCase{5, 0, 79, 508, "set_resolution"}, CountCase{6, 0, 60, 432, "cur_language"},
        CountCase{7, 0, 81, 516, "speed_stamp"}, CountCase{8, 0, 81, 516, "speed_stamp"},
        CountCase{9, 0, 81, 516, "speed_stamp"}, CountCase{10, 0, 81, 516, "speed_stamp"},
        CountCase{11, 0, 81, 516, "speed_stamp"}, CountCase{12, 0, 81, 516, "speed_stamp"},
        CountCase{13, 0, 93, 564, "use_only_front_cam"},
        CountCase{14, 0, 81, 516, "speed_stamp"}, CountCase{15, 0, 81, 516, "speed_stamp"},
        CountCase{16, 0, 92, 560, "rear_camera_rotation"},
        CountCase{17, 0, 99, 579, "event_file_upload"},
        CountCase{18, 0, 81, 516, "speed_stamp"},
        CountCase{19, 0, 93, 564, "use_only_front_cam"},
        CountCase{20, 0, 93, 564, "use_only_front_cam"},
        CountCase{21, 0, 96, 576, "cloud_onoff"}, CountCase{22, 0, 96, 576, "cloud_onoff"},
        CountCase{23, 0, 102, 582, "eis_onoff"}, CountCase{24, 0, 113, 593, "privacy_record"},
        CountCase{25, 0, 113, 593, "privacy_record"}, CountCase{26, 0, 116, 596, "avn_onoff"},
        CountCase{27, 0, 60, 432, "cur_language"}, CountCase{28, 0, 60, 432, "cur_language"},
        CountCase{29, 0, 60, 432, "cur_language"}, CountCase{1000, 0, 60, 432, "cur_language"}));

struct OffsetCase {
    const char *field;
    int offset;
    int width;
};

class FieldOffsetTest : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(FieldOffsetTest, OffsetAndWidth)
{
    const OffsetCase c = GetParam();
    const std::optional<Field> field = fieldByName(QString::fromLatin1(c.field));
    ASSERT_TRUE(field.has_value());
    EXPECT_EQ(fieldOffset(*field), c.offset);
    EXPECT_EQ(fieldInfo(*field).width, c.width);
}

INSTANTIATE_TEST_SUITE_P(
    Layout, FieldOffsetTest,
    ::testing::Values(OffsetCase{"checksum", 0, 4}, OffsetCase{"cfg_struct_version", 4, 4},
                      OffsetCase{"product_name", 8, 16}, OffsetCase{"serial_number", 24, 16},
                      OffsetCase{"version", 40, 10}, OffsetCase{"reserved", 50, 2},
                      OffsetCase{"front_resolution", 52, 4},
                      OffsetCase{"driving_guide_version", 224, 4},
                      OffsetCase{"setting_path", 228, 128}, OffsetCase{"micom_version", 356, 16},
                      OffsetCase{"gmt_offset", 372, 4}, OffsetCase{"tz_key", 380, 32},
                      OffsetCase{"cur_language", 428, 4}, OffsetCase{"local_id", 460, 4},
                      OffsetCase{"ldws_onoff", 500, 4}, OffsetCase{"gearR_video_on", 524, 4},
                      OffsetCase{"cloud_onoff", 572, 4}, OffsetCase{"iot_onoff", 576, 1},
                      OffsetCase{"event_file_upload", 578, 1}, OffsetCase{"avn_onoff", 595, 1}));

TEST(RecordLayout, EveryFieldIsFoundByItsName)
{
    for (const FieldInfo &info : kSetupRecordFields)
        EXPECT_EQ(fieldByName(QString::fromLatin1(info.name)), info.field) << info.name;
    EXPECT_EQ(recordSizeForFieldCount(0), 0);
    EXPECT_EQ(recordSizeForFieldCount(500), 596);
}

TEST(RecordLayout, UnknownNamesAreNotFields)
{
    for (const char *name : {"", "Checksum", "gearr_video_on", "tz_key ", "front_contrast"})
        EXPECT_FALSE(fieldByName(QString::fromLatin1(name)).has_value()) << name;
}

} // namespace
