#pragma once

#include <QStringList>

namespace drovik {

// The camera model of a card: the index of its name in modelNameList, -1 when unknown. It stays
// a plain number because it is one on the card's side of things: the command line prints it and
// the model dialog stores the row the user picked.
using ModelType = qint64;

// The model types by name, in the order of modelNameList.
namespace Model {
inline constexpr ModelType None = -1;
inline constexpr ModelType K210 = 0;
inline constexpr ModelType R640 = 1;
inline constexpr ModelType V470 = 2;
inline constexpr ModelType V820 = 3;
inline constexpr ModelType V820UK = 4;
inline constexpr ModelType R930 = 5;
inline constexpr ModelType N260 = 6; // keeps a text settings file instead of the binary record
inline constexpr ModelType V530 = 7;
inline constexpr ModelType V560 = 8;
inline constexpr ModelType V880 = 9;
inline constexpr ModelType R970 = 10;
inline constexpr ModelType R60 = 11;
inline constexpr ModelType RB20 = 12;
inline constexpr ModelType R120 = 13;
inline constexpr ModelType VM30 = 14;
inline constexpr ModelType RM30 = 15;
inline constexpr ModelType R810 = 16;
inline constexpr ModelType R810MAX = 17;
inline constexpr ModelType RB740 = 18;
inline constexpr ModelType QT_K9_PN = 19;
inline constexpr ModelType R75 = 20;
inline constexpr ModelType R280 = 21;
inline constexpr ModelType RB280 = 22;
inline constexpr ModelType V990 = 23;
inline constexpr ModelType DVR_R810MAX = 24;
inline constexpr ModelType DVR_R280 = 25;
inline constexpr ModelType DVR_L420 = 26; // also any record that states its own length
inline constexpr ModelType DVR_L410 = 27;
inline constexpr ModelType DVR_L470 = 28;
inline constexpr int Count = 29;
} // namespace Model

// The 29 model names; a ModelType is an index into this list.
const QStringList &modelNameList();

// The model whose record carries this product name (compared case-insensitively), or -1.
// Models chosen only by hand, the text-file family and type 26 have no product name here.
ModelType modelTypeForProductName(const QString &productName);

// The roles two of the types play in detection.
inline constexpr ModelType kTextFileModelType = Model::N260;
// Any record whose first field states its own length and whose name is not known.
inline constexpr ModelType kSelfSizedRecordModelType = Model::DVR_L420;

} // namespace drovik
