#include <gtest/gtest.h>

#include "controls/keys/CommandErrors.h"
#include "controls/keys/EntryCommands.h"
#include "controls/keys/TEntryController.h"
#include "controls/keys/TKeyCodes.h"

using namespace quorvant::controls;
using K = TKeyCodes;

namespace {

constexpr std::uint8_t C = ssCtrl, S = ssShift, A = ssAlt;

TEntryController& WithWordStar(TEntryController& c)
{
    c.EntryCommands.GetCommandTable("WordStar").SetActive(true);
    return c;
}

} // namespace

TEST(TCommandTable, NumberingAndTableSizesAreFixed)
{
    EXPECT_EQ(ccBack, 1);
    EXPECT_EQ(ccCopy, 6);
    EXPECT_EQ(ccCut, 8);
    EXPECT_EQ(ccDel, 10);
    EXPECT_EQ(ccHome, 42);
    EXPECT_EQ(ccIns, 44);
    EXPECT_EQ(ccLeft, 46);
    EXPECT_EQ(ccPaste, 51);
    EXPECT_EQ(ccRestore, 54);
    EXPECT_EQ(ccRight, 55);
    EXPECT_EQ(ccUndo, 72);
    EXPECT_EQ(ccUp, 73);
    EXPECT_EQ(ccWordRight, 75);

    TEntryController c;
    ASSERT_EQ(c.EntryCommands.Count(), 3);
    const struct {
        const char* name;
        bool active;
        int count;
    } expected[] = {{"Default", true, 64}, {"WordStar", false, 40}, {"Grid", false, 38}};
    for (int i = 0; i < 3; ++i) {
        const TCommandTable& t = c.EntryCommands.Table(i);
        EXPECT_EQ(t.TableName(), expected[i].name);
        EXPECT_EQ(t.IsActive(), expected[i].active);
        EXPECT_EQ(t.Count(), expected[i].count) << t.TableName();
        // No two entries of a table may bind the same keys.
        TCommandTable copy(t.TableName(), true);
        for (const auto& e : t.Entries())
            EXPECT_NO_THROW(copy.AddCommand(e)) << t.TableName() << " key " << int(e.Key1);
    }
}

TEST(TCommandTable, EditingErrorsCarryTheirMessages)
{
    TCommandTable t = TCommandTable::DefaultTable();
    try {
        t.AddCommand({K::vkLeft, 0, 0, 0, ccRight});
        FAIL();
    } catch (const EDuplicateCommand& e) {
        EXPECT_STREQ(e.what(), "Duplicate command found while adding a new command to the table");
    }
    TEntryController c;
    EXPECT_THROW(c.EntryCommands.GetCommandTable("Nope"), ETableNotFound);
    EXPECT_THROW(c.EntryCommands.Table(3), ETableNotFound);
}

TEST(TCommandProcessor, DefaultTableTranslatesKeys)
{
    TEntryController c;
    const struct {
        std::uint8_t key, shift;
        int result;
    } rows[] = {
        {'Z', C, ccUndo},
        {'Y', C, ccNotCommand},
        {K::vkControl, C, ccNotCommand},
        {'X', C, ccCut},
        {K::vkDelete, S, ccCut},
        {K::vkInsert, C, ccCopy},
        {'V', C, ccPaste},
        {K::vkBack, 0, ccBack},
        {K::vkBack, S, ccBack},
        {K::vkBack, A, ccRestore},
        {K::vkLeft, C | S, ccExtWordLeft},
        {'0', C, ccGotoMarker0},
        {'9', C | S, ccSetMarker9},
        {'5', 0, ccNotCommand},
        {K::vkF2, 0, ccNotCommand},
        {K::vkTab, 0, ccTab},
    };
    for (const auto& r : rows)
        EXPECT_EQ(c.Translate(r.key, r.shift), r.result) << int(r.key) << "/" << int(r.shift);
}

TEST(TCommandProcessor, TwoKeySequencesUnderWordStar)
{
    TEntryController c;
    WithWordStar(c);
    EXPECT_EQ(c.Translate('Q', C), ccSequencePending);
    EXPECT_EQ(c.Translate('S', 0), ccHome);
    EXPECT_EQ(c.Translate('Q', C), ccSequencePending);
    EXPECT_EQ(c.Translate('S', C), ccHome);
    // Shift is not one of the accepted second shift states.
    EXPECT_EQ(c.Translate('Q', C), ccSequencePending);
    EXPECT_EQ(c.Translate('S', S), ccSequenceBroken);
    EXPECT_EQ(c.EntryCommands.CurrentState(), TCommandProcessor::State::Idle);
    // A bare shift key keeps the sequence open.
    EXPECT_EQ(c.Translate('K', C), ccSequencePending);
    EXPECT_EQ(c.Translate(K::vkControl, C), ccSequencePending);
    EXPECT_EQ(c.Translate('7', 0), ccSetMarker7);
    EXPECT_EQ(c.Translate('Q', C), ccSequencePending);
    EXPECT_EQ(c.Translate('B', 0), ccSequenceBroken);
    // Default is searched first.
    EXPECT_EQ(c.Translate('X', C), ccCut);
    EXPECT_EQ(c.Translate('S', C), ccLeft);
    // Cancelling, as entering a field does.
    EXPECT_EQ(c.Translate('Q', C), ccSequencePending);
    c.EntryCommands.ResetCommandProcessor();
    EXPECT_EQ(c.Translate('S', 0), ccNotCommand);
}

TEST(TCommandProcessor, LiteralNextKeyAfterCtrlChar)
{
    TEntryController c;
    WithWordStar(c);
    EXPECT_EQ(c.Translate('P', C), ccCtrlChar);
    EXPECT_EQ(c.Translate(K::vkShift, S), ccNotCommand); // bare shift leaves the state
    EXPECT_EQ(c.Translate(K::vkLeft, 0), ccNotCommand);  // taken literally
    EXPECT_EQ(c.Translate(K::vkLeft, 0), ccLeft);        // only once
}

TEST(TCommandProcessor, ReorderedTablesChangePrecedence)
{
    TEntryController c;
    WithWordStar(c);
    c.EntryCommands.Exchange(0, 1);
    EXPECT_EQ(c.Translate('X', C), ccDown);
    c.EntryCommands.GetCommandTable("Default").SetActive(false);
    EXPECT_EQ(c.Translate(K::vkLeft, 0), ccNotCommand);
    c.EntryCommands.GetCommandTable("Grid").SetActive(true);
    EXPECT_EQ(c.Translate(K::vkF2, 0), ccTableEdit);
    EXPECT_EQ(c.Translate('Z', C), ccScrollDown);
}
