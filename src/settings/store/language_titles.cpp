#include "settings/store/language_titles.h"

#include "settings/store/card_file.h"

#include <QHash>

#include <iterator>

namespace drovik {

namespace {

struct Title {
    const char *code;
    const char *name;
};

// ISO 639-1 as cameras use it: the first edition's codes, withdrawn ones ("in", "iw", "ji", "mo",
// "sh") kept because older firmware still writes them, their replacements, and the later codes
// that firmware has been seen to need; then the Chinese script and region tags.
constexpr Title kTitles[] = {
    {"aa", "Afar"}, {"ab", "Abkhazian"}, {"af", "Afrikaans"}, {"am", "Amharic"},
    {"ar", "Arabic"}, {"as", "Assamese"}, {"ay", "Aymara"}, {"az", "Azerbaijani"},
    {"ba", "Bashkir"}, {"be", "Belarusian"}, {"bg", "Bulgarian"}, {"bh", "Bihari"},
    {"bi", "Bislama"}, {"bn", "Bengali"}, {"bo", "Tibetan"}, {"br", "Breton"},
    {"bs", "Bosnian"}, {"ca", "Catalan"}, {"co", "Corsican"}, {"cs", "Czech"},
    {"cy", "Welsh"}, {"da", "Danish"}, {"de", "German"}, {"dz", "Dzongkha"},
    {"el", "Greek"}, {"en", "English"}, {"eo", "Esperanto"}, {"es", "Spanish"},
    {"et", "Estonian"}, {"eu", "Basque"}, {"fa", "Persian"}, {"fi", "Finnish"},
    {"fj", "Fijian"}, {"fo", "Faroese"}, {"fr", "French"}, {"fy", "Western Frisian"},
    {"ga", "Irish"}, {"gd", "Scottish Gaelic"}, {"gl", "Galician"}, {"gn", "Guarani"},
    {"gu", "Gujarati"}, {"gv", "Manx"}, {"ha", "Hausa"}, {"he", "Hebrew"},
    {"hi", "Hindi"}, {"hr", "Croatian"}, {"hu", "Hungarian"}, {"hy", "Armenian"},
    {"ia", "Interlingua"}, {"id", "Indonesian"}, {"ie", "Interlingue"}, {"ik", "Inupiaq"},
    {"in", "Indonesian"}, {"is", "Icelandic"}, {"it", "Italian"}, {"iu", "Inuktitut"},
    {"iw", "Hebrew"}, {"ja", "Japanese"}, {"ji", "Yiddish"}, {"jv", "Javanese"},
    {"ka", "Georgian"}, {"kk", "Kazakh"}, {"kl", "Kalaallisut"}, {"km", "Khmer"},
    {"kn", "Kannada"}, {"ko", "Korean"}, {"ks", "Kashmiri"}, {"ku", "Kurdish"},
    {"ky", "Kirghiz"}, {"la", "Latin"}, {"lb", "Luxembourgish"}, {"ln", "Lingala"},
    {"lo", "Lao"}, {"lt", "Lithuanian"}, {"lv", "Latvian"}, {"mg", "Malagasy"},
    {"mi", "Maori"}, {"mk", "Macedonian"}, {"ml", "Malayalam"}, {"mn", "Mongolian"},
    {"mo", "Moldavian"}, {"mr", "Marathi"}, {"ms", "Malay"}, {"mt", "Maltese"},
    {"my", "Burmese"}, {"na", "Nauru"}, {"nb", "Norwegian Bokmål"}, {"ne", "Nepali"},
    {"nl", "Dutch"}, {"nn", "Norwegian Nynorsk"}, {"no", "Norwegian"}, {"oc", "Occitan"},
    {"om", "Oromo"}, {"or", "Oriya"}, {"pa", "Punjabi"}, {"pl", "Polish"},
    {"ps", "Pashto"}, {"pt", "Portuguese"}, {"qu", "Quechua"}, {"rm", "Romansh"},
    {"rn", "Rundi"}, {"ro", "Romanian"}, {"ru", "Russian"}, {"rw", "Kinyarwanda"},
    {"sa", "Sanskrit"}, {"sd", "Sindhi"}, {"se", "Northern Sami"}, {"sg", "Sango"},
    {"sh", "Serbo-Croatian"}, {"si", "Sinhala"}, {"sk", "Slovak"}, {"sl", "Slovenian"},
    {"sm", "Samoan"}, {"sn", "Shona"}, {"so", "Somali"}, {"sq", "Albanian"},
    {"sr", "Serbian"}, {"ss", "Swati"}, {"st", "Southern Sotho"}, {"su", "Sundanese"},
    {"sv", "Swedish"}, {"sw", "Swahili"}, {"ta", "Tamil"}, {"te", "Telugu"},
    {"tg", "Tajik"}, {"th", "Thai"}, {"ti", "Tigrinya"}, {"tk", "Turkmen"},
    {"tl", "Tagalog"}, {"tn", "Tswana"}, {"to", "Tonga"}, {"tr", "Turkish"},
    {"ts", "Tsonga"}, {"tt", "Tatar"}, {"tw", "Twi"}, {"ug", "Uighur"},
    {"uk", "Ukrainian"}, {"ur", "Urdu"}, {"uz", "Uzbek"}, {"vi", "Vietnamese"},
    {"vo", "Volapük"}, {"wo", "Wolof"}, {"xh", "Xhosa"}, {"yi", "Yiddish"},
    {"yo", "Yoruba"}, {"za", "Zhuang"}, {"zh", "Chinese"}, {"zu", "Zulu"},
    {"zh-Hans", "Chinese (Simplified)"},
    {"zh-Hant", "Chinese (Traditional)"},
    {"zh-cmn", "Mandarin Chinese"},
    {"zh-cmn-Hans", "Mandarin Chinese (Simplified)"},
    {"zh-cmn-Hant", "Mandarin Chinese (Traditional)"},
    {"zh-Hans-CN", "PRC Mainland Chinese in simplified script"},
    {"zh-Hans-HK", "Hong Kong Chinese in simplified script"},
    {"zh-Hans-MO", "Macao Chinese in simplified script"},
    {"zh-Hans-TW", "Taiwan Chinese in simplified script"},
    {"zh-Hant-CN", "PRC Mainland Chinese in traditional script"},
    {"zh-Hant-HK", "Chinese(Traditional/Contonese)"},
    {"zh-Hant-MO", "Macao Chinese in traditional script"},
    {"zh-Hant-SG", "Singapore Chinese in traditional script"},
    {"zh-Hant-TW", "Taiwan Chinese in traditional script"},
    {"zh-wuu", "Shanghaiese or Wu"},
};

static_assert(std::size(kTitles) == 163);

const QHash<QString, QString> &titleTable()
{
    static const QHash<QString, QString> table = [] {
        QHash<QString, QString> map;
        for (const Title &title : kTitles)
            map.insert(QString::fromLatin1(title.code), QString::fromUtf8(title.name));
        return map;
    }();
    return table;
}

} // namespace

QString languageTitleByExpandingCode(const QString &code)
{
    const QString name = titleTable().value(code);
    return name.isEmpty() ? code : name;
}

int languageTitleCount()
{
    return int(titleTable().size());
}

QList<LanguageEntry> languagesFromVerDat(const QByteArray &bytes)
{
    QList<LanguageEntry> entries;
    if (const std::optional<QString> text = decodeUtf8Strictly(bytes))
        entries = R640SettingManager::parseLanguages(*text);
    return entries.isEmpty() ? R640SettingManager::defaultLanguages() : entries;
}

} // namespace drovik
