// SPDX-FileCopyrightText: 2026 The Kibanu developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The start's decisions on hashes alone: each kind of change on either side.
#include "sync/syncmerge.h"

#include <gtest/gtest.h>

using namespace syncmerge;

namespace {

Entry entry(const char *content, const char *a, const char *b)
{
    return {content, a, b};
}

Record record(const char *uid, const char *itemHash, const Entry &e, bool series = false)
{
    return {uid, QString::fromLatin1(uid) + ".ics", itemHash, e.hash, e.keyA, e.keyB, series};
}

Item item(const char *uid, const char *hash, QList<Entry> entries, bool series = false)
{
    return {uid, QString::fromLatin1(uid) + ".ics", hash, entries, series};
}

QString uidOfRow(const Plan &plan, int row)
{
    for (const auto &[r, uid] : plan.bind)
        if (r == row)
            return uid;
    return {};
}

} // namespace

TEST(SyncMerge, unchangedOnBothSidesEveryEntryKeepsItsItemAndNothingMoves)
{
    const Entry a = entry("a", "ta", "ma");
    const Entry b = entry("b", "tb", "mb");
    const Plan plan = merge({b, a}, {item("u1", "h1", {}), item("u2", "h2", {})},
                            {record("u1", "h1", a), record("u2", "h2", b)}, {});
    EXPECT_EQ(uidOfRow(plan, 0), "u2");
    EXPECT_EQ(uidOfRow(plan, 1), "u1");
    EXPECT_TRUE(plan.remove.isEmpty());
    EXPECT_TRUE(plan.add.isEmpty());
    EXPECT_EQ(plan.records.size(), 2);
}

TEST(SyncMerge, theFolderDecidesWhereOnlyItChanged)
{
    const Entry a = entry("a", "ta", "ma");
    const Entry gone = entry("g", "tg", "mg");
    const Entry a2 = entry("a2", "ta2", "ma");
    const Plan plan = merge({a, gone},
                            {item("u1", "h1-new", {a2}), item("u3", "h3", {entry("n", "tn", "mn")})},
                            {record("u1", "h1", a), record("u2", "h2", gone)}, {});
    // Changed there: the entry is replaced; gone there: removed; new there: added.
    EXPECT_EQ(plan.remove, (QList<int>{0, 1}));
    EXPECT_EQ(plan.add, (QStringList{"u1", "u3"}));
    EXPECT_TRUE(plan.doubled.isEmpty());
    EXPECT_EQ(plan.records.size(), 2);
}

TEST(SyncMerge, anEntryChangedByHandAndInTheFolderIsKeptBesideTheFoldersVersion)
{
    const Entry was = entry("a", "ta", "ma");
    const Entry byHand = entry("a-hand", "ta", "other moment");
    const Entry there = entry("a-there", "ta-there", "ma");
    const Plan plan = merge({byHand}, {item("u1", "h1-new", {there})}, {record("u1", "h1", was)}, {});
    ASSERT_EQ(plan.doubled.size(), 1);
    EXPECT_EQ(plan.doubled.first().first, 0);
    EXPECT_TRUE(plan.remove.isEmpty());
    EXPECT_EQ(plan.add, QStringList{"u1"});
    EXPECT_TRUE(uidOfRow(plan, 0).isEmpty()); // a new item of its own at the quit
}

TEST(SyncMerge, anEntryChangedOnlyByHandKeepsItsItemAndAnEntryGoneThereButChangedHereStays)
{
    const Entry was = entry("a", "ta", "ma");
    const Entry byHand = entry("a-hand", "ta-hand", "ma"); // the moment is still the same
    const Entry other = entry("b", "tb", "mb");
    const Entry otherByHand = entry("b-hand", "tb", "mb-hand");
    const Plan plan = merge({byHand, otherByHand}, {item("u1", "h1", {})},
                            {record("u1", "h1", was), record("u2", "h2", other)}, {});
    EXPECT_EQ(uidOfRow(plan, 0), "u1");
    EXPECT_TRUE(plan.remove.isEmpty()); // u2 went away there, but its entry changed here
    EXPECT_TRUE(uidOfRow(plan, 1).isEmpty());
}

TEST(SyncMerge, itemsWrittenByAQuitThatNeverWroteItsStateAreKnownByTheirContent)
{
    const Entry a = entry("a", "ta", "ma");
    const Entry changed = entry("a2", "ta2", "ma");
    const Entry fresh = entry("f", "tf", "mf");
    // u1 was rewritten with the change and kibanu-f written, then the quit ended.
    const Plan plan = merge({changed, fresh}, {item("u1", "h1-new", {changed}), item("kibanu-f", "hf", {fresh})},
                            {record("u1", "h1", a)}, {});
    EXPECT_EQ(uidOfRow(plan, 0), "u1");
    EXPECT_EQ(uidOfRow(plan, 1), "kibanu-f");
    EXPECT_TRUE(plan.add.isEmpty());
    EXPECT_TRUE(plan.remove.isEmpty());
    EXPECT_TRUE(plan.doubled.isEmpty());
}

TEST(SyncMerge, anItemSkippedNowDecidesNothing)
{
    const Entry a = entry("a", "ta", "ma");
    const Plan plan = merge({a}, {}, {record("u1", "h1", a)}, {"u1"});
    EXPECT_TRUE(plan.remove.isEmpty());
    EXPECT_EQ(uidOfRow(plan, 0), "u1");
    EXPECT_EQ(plan.records.size(), 1);
}

TEST(SyncMerge, theOccurrencesOfASeriesAreNeverPairedByTheirSharedText)
{
    const Entry one = entry("w1", "weekly", "d1");
    const Entry two = entry("w2", "weekly", "d2");
    const Entry unrelated = entry("x", "weekly", "dx"); // typed here, same text
    const Plan plan = merge({one, unrelated}, {item("s", "hs", {}, true)},
                            {record("s", "hs", one, true), record("s", "hs", two, true)}, {});
    EXPECT_EQ(uidOfRow(plan, 0), "s");
    EXPECT_TRUE(uidOfRow(plan, 1).isEmpty());
}
