// The card page's protocol without a page: the record's hexadecimal text, the language calls,
// the clock text and the page's alerts.
#include "settings/store/web_bridge_protocol.h"

#include <QByteArray>

#include <gtest/gtest.h>

using namespace drovik;
using namespace drovik::webbridge;

namespace {

TEST(WebBridgeProtocol, HexTextRoundTripsAndRefusesWhatIsNoRecord)
{
    const QByteArray bytes("\x01\xAB\xFF", 3);
    EXPECT_EQ(cfgStringWithData(bytes), QStringLiteral("01ABFF"));
    EXPECT_EQ(dataFromHexString(u"01ABFF"), bytes);
    EXPECT_EQ(dataFromHexString(u"01abff"), bytes);
    EXPECT_EQ(dataFromHexString(u"01A"), QByteArray("\x01\x0A", 2)) << "a lone last digit is a byte";
    EXPECT_FALSE(dataFromHexString(u"01A", 1)) << "and counts against the bound";
    EXPECT_EQ(cfgStringWithData(QByteArray(596, '\x5a')).size(), 1192);

    struct Case { QString hex; qsizetype max; bool accepted; };
    const Case cases[] = {
        {QStringLiteral("01ABFF"), 3, true},
        {QStringLiteral("01abff"), 3, true},
        {QStringLiteral("01ABFF00"), 3, false}, // one byte too many
        {QString(), 3, false},                  // nothing to write
        {QStringLiteral("01A"), 3, false},      // odd length
        {QStringLiteral("01 AB"), 3, false},
        {QStringLiteral("0x01"), 3, false},
        {QStringLiteral("０１"), 3, false},     // full-width digits are no hex
        {QString(2 * kMaxWebRecordSize + 2, QLatin1Char('0')), kMaxWebRecordSize, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(recordFromPage(c.hex, c.max).has_value(), c.accepted) << c.hex.left(20).toStdString();
}

TEST(WebBridgeProtocol, LanguageCalls)
{
    const QList<LanguageEntry> languages = R640SettingManager::defaultLanguages();
    EXPECT_EQ(setParamLanguageScript(languages), QStringLiteral("setParamLanguage(['en','fr','es',])"));
    EXPECT_EQ(setParamLanguageScript({}), QStringLiteral("setParamLanguage([])"));
    EXPECT_EQ(setParamLanguageScript({{0, QStringLiteral("e'n\\")}}),
              QStringLiteral("setParamLanguage(['e\\'n\\\\',])"));

    const auto withLanguage = [](quint32 value, int size = 432) {
        QByteArray record(size, '\0');
        for (int i = 0; i < 4 && 428 + i < size; ++i)
            record[428 + i] = char(value >> (8 * i));
        return cfgStringWithData(record);
    };
    EXPECT_EQ(currentLanguageCode(withLanguage(4), languages), QStringLiteral("es"));
    EXPECT_EQ(currentLanguageCode(withLanguage(1), languages), QStringLiteral("fr"));
    EXPECT_EQ(currentLanguageCode(withLanguage(2), languages), std::nullopt);
    EXPECT_EQ(currentLanguageCode(withLanguage(4, 431), languages), std::nullopt) << "record too short";
    EXPECT_EQ(currentLanguageCode(withLanguage(0x01000004), languages), std::nullopt) << "little-endian";
    EXPECT_EQ(setLanguageScript(QStringLiteral("es")), QStringLiteral("set_language(\"es\")"));
}

TEST(WebBridgeProtocol, ClockTexts)
{
    EXPECT_EQ(clockFromTimeDat(QStringLiteral("2024,05,06,13,45,07,+0900")),
              (PageClock{QStringLiteral("2024,05,06"), QStringLiteral("13"), QStringLiteral("45")}));
    EXPECT_EQ(clockFromTimeDat(QStringLiteral("2024,05,06,13,4")), std::nullopt);
    const PageClock clock{clockDateFromPage(QStringLiteral("2024/05/06")), QStringLiteral("13"),
                          QStringLiteral("45")};
    EXPECT_EQ(timeDatText(clock), QStringLiteral("2024,05,06,13,45,00,+0900"));
    EXPECT_EQ(clockScripts(clock), (QStringList{QStringLiteral("setTimeDate(\"2024,05,06\")"),
                                                QStringLiteral("setTimeHour(\"13\")"),
                                                QStringLiteral("setTimeMin(\"45\")")}));
}

TEST(WebBridgeProtocol, NotificationsAndScripts)
{
    EXPECT_FALSE(parseUserNotification(QStringLiteral("t\tm\t3\tv")).has_value()) << "four parts";
    const auto note = parseUserNotification(QStringLiteral("Title\tMessage\t3\tval\t2\textra"));
    ASSERT_TRUE(note);
    EXPECT_EQ(note->title, QStringLiteral("Title"));
    EXPECT_EQ(note->message, QStringLiteral("Message"));
    EXPECT_EQ(note->index, 3);
    EXPECT_EQ(note->value, QStringLiteral("val"));
    EXPECT_EQ(note->buttonCount, 2);
    EXPECT_EQ(updateOkScript(3, QStringLiteral("a\"b\n")), QStringLiteral("update_ok(3, \"a\\\"b\\u000a\")"));
    EXPECT_EQ(updateCancelScript(7), QStringLiteral("update_cancel(7)"));
    EXPECT_EQ(setCfgScript(QStringLiteral("01ABFF")), QStringLiteral("set_cfg(\"01ABFF\")"));
    EXPECT_EQ(generateSettingScript(true), QStringLiteral("generateSetting(true)"));
    EXPECT_EQ(indexHtmlUrl(QStringLiteral("/media/NO NAME")).toString(QUrl::FullyEncoded),
              QStringLiteral("file:///media/NO%20NAME/SETTING/html/index.html"));
}

} // namespace
