#pragma once

#include "settings/store/record_layout.h"

#include <QStringList>

namespace drovik {

// The 29 model names; a ModelType is an index into this list.
const QStringList &modelNameList();

// The model whose record carries this product name (compared case-insensitively), or -1.
// Models chosen only by hand, the text-file family and type 26 have no product name here.
ModelType modelTypeForProductName(const QString &productName);

// Model 6 keeps a text settings file instead of the binary record.
inline constexpr ModelType kTextFileModelType = 6;
// Any record whose first field states its own length and whose name is not known.
inline constexpr ModelType kSelfSizedRecordModelType = 26;

} // namespace drovik
