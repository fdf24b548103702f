// The card changed under the open settings editor, between the user's choices and OK: the
// record on the card is whole or the card error is reported, nothing half-written is left, and
// OK works once the card is back.
#include "card_faults.h"
#include "form_fixture.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <optional>

using namespace drovik;
using namespace drovik::test;
using enum form::ControlId;
using enum form::SectionId;

namespace {

TEST(PulledCardSave, OkWritesAWholeRecordOrReportsTheCard)
{
    enum Outcome { Written, CardError };
    // A fault on the record, or on the card (no fault: the setting folder becomes a file).
    const struct {
        const char *name;
        std::optional<CardFault> fault;
        Outcome outcome;
    } cases[] = {
        {"card folder removed", CardFault::FolderRemoved, CardError},
        {"record removed", CardFault::FileRemoved, Written},
        {"record truncated to 0", CardFault::TruncatedToZero, Written},
        {"record truncated to half", CardFault::TruncatedToHalf, Written},
        {"record replaced by a folder", CardFault::ReplacedByFolder, CardError},
        {"setting folder replaced by a file", std::nullopt, CardError},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder volumes;
        const QString root = volumes.path(QStringLiteral("CARD"));
        const QString saved = volumes.path(QStringLiteral("saved"));
        writeCardRecord(root, Model::V470, fields({{F::set_resolution, 0}}));
        ASSERT_TRUE(copyTree(root, saved));
        const OpenedForm opened = openForm(root);
        const int recordSize = opened.manager().getSaveDataSize();
        ASSERT_GT(recordSize, 0);
        ASSERT_EQ(opened.form->pickCell(AlwaysRadioGroupFrontResolution, 1), form::ActionResult::Done);
        // The clock set too: no clock file goes on a card that did not take the record.
        ASSERT_EQ(opened.form->setChecked(CommonTimeCheckBox, true), form::ActionResult::Done);

        const QString record = root + QLatin1Char('/') + kSetupFile;
        ASSERT_TRUE(c.fault ? applyCardFault(*c.fault, root, {record})
                            : QDir(root + QStringLiteral("/SETTING")).removeRecursively()
                                  && writeFile(root + QStringLiteral("/SETTING"), "x"));
        const QStringList before = filesBelow(root);
        const CardWriteStatus status = opened.form->okButtonTouched();
        EXPECT_EQ(isCardError(status), c.outcome == CardError);
        if (c.outcome == CardError) {
            // Not a byte more on the card, and the card is not made again on the computer's disk.
            EXPECT_EQ(filesBelow(root), before);
            EXPECT_EQ(QFileInfo::exists(root), c.fault != CardFault::FolderRemoved);
        } else {
            EXPECT_EQ(readFile(record), opened.manager().recordBytes());
            // The record and, when the clock is set, its file: no temporary file beside them.
            EXPECT_EQ(filesBelow(root).filter(QRegularExpression(QStringLiteral("^SETTING/(setup.cfg|time.dat)$"))),
                      filesBelow(root));
        }

        // The card is back: the editor's OK, pressed again, writes the whole record.
        ASSERT_TRUE(putCardBack(saved, root));
        EXPECT_EQ(opened.form->okButtonTouched(), CardWriteStatus::Written);
        EXPECT_EQ(readFile(record), opened.manager().recordBytes());
        EXPECT_EQ(QFileInfo(record).size(), recordSize);
    }
}

} // namespace
